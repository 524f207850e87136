#pragma once
// One QSQLITE connection per database file, opened on first use and kept for
// the run: WAL journal, full sync, a busy timeout so that a second program
// waits instead of failing, foreign keys off. A missing file is an error and
// is never created here (the admin tool creates databases).
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace connection {

// The connection for the file an alias names; raises EDatabaseError when the
// alias names no file or the file is missing or not a database.
QSqlDatabase forAlias(const QString &alias);
QSqlDatabase forFile(const QString &file);

// Closes and forgets the connection to `file`, if any (before it is removed).
void closeFile(const QString &file);

// The file a connection reads.
QString fileOf(const QSqlDatabase &db);

// Tables whose stored fields were found to match the schema on this connection.
bool isVerified(const QSqlDatabase &db, const QString &table);
void markVerified(const QSqlDatabase &db, const QString &table);

// Raises EDatabaseError "<context>: <driver text>".
[[noreturn]] void fail(const QString &context, const QSqlError &error);

// Runs one statement without results; raises on failure.
void exec(QSqlDatabase db, const QString &sql);

// The reading path uses the connection's own SQLite handle directly: rows
// come back as UTF-8 without QtSql's per-value conversions.
sqlite3 *handle(const QSqlDatabase &db);
// A prepared statement kept for reuse on this connection (until closeFile),
// reset and with no values bound. Raises EDatabaseError when it does not compile.
sqlite3_stmt *statement(const QSqlDatabase &db, const QString &sql);
void bind(sqlite3_stmt *stmt, int index, const QVariant &value);  // 1-based
QVariant column(sqlite3_stmt *stmt, int index);                     // 0-based
[[noreturn]] void failNative(const QSqlDatabase &db, const QString &context);
// Runs a statement (kept for reuse) with its values. Returns the number of
// rows it changed, or -1 with SQLite's message in `error`.
int run(const QSqlDatabase &db, const QString &sql, const QVariantList &values, QString *error);
// True when a query with these values gives a row.
bool exists(const QSqlDatabase &db, const QString &sql, const QVariantList &values);
qint64 lastInsertRowid(const QSqlDatabase &db);

// Columns of a table as stored in the file (empty when the table is missing).
QStringList storedColumns(QSqlDatabase db, const QString &table);

// A write transaction (BEGIN IMMEDIATE), rolled back unless committed.
class Transaction {
public:
    explicit Transaction(QSqlDatabase db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    QSqlDatabase m_db;
    bool m_done = false;
};

} // namespace connection
