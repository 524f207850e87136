#pragma once
// One SQLite connection per database file, opened on first use and kept until
// the file is closed or the run ends: WAL journal, full sync, a busy timeout so
// that a second program waits instead of failing, foreign keys off. A missing
// file is an error and is never created here (the admin tool creates
// databases).
//
// A connection owns everything that belongs to it: its prepared statements,
// the tables whose stored fields were checked, and the datasets reading it.
// All of it goes when the connection closes. Only the list of open
// connections, one per file, is kept for the run.
#include "data/DataSet.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace connection {

class Connection {
public:
    Connection(QSqlDatabase db, QString file);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    const QString &file() const { return m_file; }
    bool isOpen() const { return m_handle != nullptr; }
    // The QtSql side, for provisioning and checks.
    QSqlDatabase database() const { return m_db; }
    // The reading and writing paths use SQLite's handle directly: rows come
    // back as UTF-8 without QtSql's per-value conversions. Raises when closed.
    sqlite3 *handle() const;

    // A prepared statement kept for reuse until the connection closes, reset
    // and with no values bound. Raises EDatabaseError when it does not compile.
    sqlite3_stmt *statement(const QString &sql);
    // Runs a statement (kept for reuse) with its values. Returns the number of
    // rows it changed, or -1 with SQLite's message in `error`.
    int run(const QString &sql, const QVariantList &values, QString *error);
    // True when a query with these values gives a row.
    bool exists(const QString &sql, const QVariantList &values);
    qint64 lastInsertRowid() const;
    // Runs one statement without results; raises on failure.
    void exec(const QString &sql);
    // Raises EDatabaseError "<context>: <SQLite's message>".
    [[noreturn]] void fail(const QString &context) const;

    // Columns of a table as stored in the file (empty when the table is missing).
    QStringList storedColumns(const QString &table);
    // Tables whose stored fields were found to match the schema.
    bool isVerified(const QString &table) const { return m_verified.contains(table); }
    void markVerified(const QString &table) { m_verified.insert(table); }

    // The datasets open on this connection, told of each other's writes.
    void attach(DataSet::Impl *dataSet) { m_openSets.append(dataSet); }
    void detach(DataSet::Impl *dataSet) { m_openSets.removeAll(dataSet); }
    const QList<DataSet::Impl *> &openSets() const { return m_openSets; }

    // A number for a private temporary table, new on this connection.
    int nextCopyNumber() { return ++m_copies; }

    // Finalizes the statements and closes the file; nothing of the
    // connection is usable afterwards.
    void close();

private:
    // Runs a kept statement to its first row with `values` bound and resets
    // it; SQLite's result code, with its message in `error` on failure.
    int stepOnce(const QString &sql, const QVariantList &values, QString *error);

    QSqlDatabase m_db;
    QString m_file;
    sqlite3 *m_handle = nullptr;
    QHash<QString, sqlite3_stmt *> m_statements;
    QSet<QString> m_verified;
    QList<DataSet::Impl *> m_openSets;
    int m_copies = 0;
};

// The connection for the file an alias names; raises EDatabaseError when the
// alias names no file or the file is missing or not a database.
std::shared_ptr<Connection> ofAlias(const QString &alias);
std::shared_ptr<Connection> ofFile(const QString &file);
// The QtSql side of the connection to `file`.
QSqlDatabase forFile(const QString &file);

// Closes and forgets the connection to `file`, if any (before it is removed).
void closeFile(const QString &file);

// Raises EDatabaseError "<context>: <driver text>".
[[noreturn]] void fail(const QString &context, const QSqlError &error);

// Values in and out of a statement, as the engine stores them.
void bind(sqlite3_stmt *stmt, int index, const QVariant &value);  // 1-based
QVariant column(sqlite3_stmt *stmt, int index);                     // 0-based

// A write transaction (BEGIN IMMEDIATE), rolled back unless committed. The
// destructor never raises: a failed rollback is logged.
class Transaction {
public:
    explicit Transaction(Connection &connection);
    ~Transaction() noexcept;
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Connection &m_connection;
    bool m_done = false;
};

} // namespace connection
