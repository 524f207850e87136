#pragma once
// Plain SQLite handles for the checks and backups of a database file: a
// handle on an existing file, and the read-only look that checks, backups
// and the admin tool's first glance use, which writes nothing and leaves no
// journal files behind.
#include "data/CheckedDatabase.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>

struct sqlite3;

namespace dbfile {

// An SQLite handle on a file named by a URI ("file:...?mode=ro").
class SqliteHandle {
public:
    SqliteHandle(const QString &uri, int flags);
    ~SqliteHandle();
    SqliteHandle(const SqliteHandle &) = delete;
    SqliteHandle &operator=(const SqliteHandle &) = delete;

    bool ok() const;
    sqlite3 *db() const { return m_db; }
    // SQLite's (extended) result code and message of the last failure.
    int code() const;
    QString error() const;

    // Every row of a statement, one at a time, each value as SQLite holds
    // it: qint64, double, QString, QByteArray, or no value (a null QVariant).
    // Values are bound by their type (text, whole number, number, bytes).
    // Returns SQLite's result code: SQLITE_OK when every row was read.
    int eachRow(const QString &sql, const QVariantList &params, const std::function<void(const QVariantList &)> &row) const;
    // Every row of a statement with text parameters, held together. On
    // failure `code` gets SQLite's result code, else SQLITE_OK.
    QList<QVariantList> values(const char *sql, const QStringList &params = {}, int *code = nullptr) const;
    // The same with every value as text (no value: a null QString).
    QList<QStringList> rows(const char *sql, const QStringList &params = {}, int *code = nullptr) const;

private:
    sqlite3 *m_db = nullptr;
    int m_openCode = 0;
};

// What a failed read through SqliteRows raises: SQLite's result code.
struct SqliteReadFailure {
    int code;
};

// The checks' view of a file opened with SqliteHandle; a failed read raises
// SqliteReadFailure.
class SqliteRows final : public dbcheck::CheckedDatabase {
public:
    explicit SqliteRows(const SqliteHandle &handle) : m_handle(handle) {}
    const dialect::EngineDialect &dialect() const override { return dialect::of(dialect::Engine::Sqlite); }
    void eachRow(const QString &sql, const QVariantList &values,
                 const std::function<void(const QVariantList &)> &row) override;

private:
    const SqliteHandle &m_handle;
};

// Creates a database file without tables, in WAL mode (the engine's own
// connections never create files). Raises EDatabaseError.
void createEmpty(const QString &file);

// A URI naming a local file for SQLite, with the given query ("mode=ro").
QString sqliteUri(const QString &file, const QString &query);

// What keeps `file` from being a database to read: missing, a folder, empty,
// unreadable, not starting with SQLite's header. Empty when it looks sound.
QString fileProblem(const QString &file);

// Reads a database without changing anything on disk. A WAL database that no
// program has open has no journal files; opening it read-only the usual way
// would create them and leave them behind. Such a file is read as immutable
// while a shared lock on it keeps any writer that starts meanwhile from
// folding its journal into the file; if a writer did start (its journal
// appeared) or the file changed, `undisturbed()` says so and the reading is
// done again. A database in use is opened read-only the usual way, waiting at
// most `waitMs` for another program's lock.
class DatabaseLook {
public:
    DatabaseLook(const QString &file, int waitMs, bool allowImmutable = true);
    ~DatabaseLook();
    DatabaseLook(const DatabaseLook &) = delete;
    DatabaseLook &operator=(const DatabaseLook &) = delete;

    // Empty when the file is open and its first page was read; otherwise what
    // is wrong, naming the file (and, when it is the cause, its folder).
    const QString &problem() const { return m_problem; }
    // True when the problem is damage SQLite found in the file itself.
    bool damaged() const { return m_damaged; }
    const SqliteHandle &handle() const { return *m_handle; }
    // False when the file was read without locks and a writer came meanwhile.
    bool undisturbed() const;
    // The text for a failure while reading (SQLite's code and message),
    // naming the file and the cause.
    QString readFailure(int code, const QString &message) const;

private:
    QString m_file;
    int m_waitMs;
    std::unique_ptr<SqliteHandle> m_handle;
    QString m_problem;
    bool m_damaged = false;
    int m_lockFd = -1;  // holds the shared lock while the file is read as immutable
    qint64 m_size = -1;
    qint64 m_modifiedNs = -1;
};

// The seconds a wait of `ms` milliseconds is, for messages.
QString waitText(int ms);
} // namespace dbfile
