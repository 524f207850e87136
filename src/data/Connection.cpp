#include "data/Connection.h"

#include "core/Errors.h"
#include "data/Database.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUrl>
#include <QtDebug>

#include <sqlite3.h>

namespace connection {
namespace {
QString connectionName(const QString &file) { return QStringLiteral("nota:") + file; }

QString absolute(const QString &file) { return QFileInfo(file).absoluteFilePath(); }

// The open connections of the run, one per file (by absolute path).
QHash<QString, std::shared_ptr<Connection>> &openConnections()
{
    static QHash<QString, std::shared_ptr<Connection>> connections;
    return connections;
}

sqlite3 *driverHandle(const QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        throw EDatabaseError(QStringLiteral("The database driver gives no SQLite handle"));
    return *static_cast<sqlite3 *const *>(v.constData());
}

void execQt(QSqlDatabase db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        fail(QStringLiteral("Database error"), q.lastError());
}
} // namespace

// ---------------------------------------------------------------- Connection

Connection::Connection(QSqlDatabase db, QString file) : m_db(std::move(db)), m_file(std::move(file))
{
    m_handle = driverHandle(m_db);
}

Connection::~Connection() { close(); }

sqlite3 *Connection::handle() const
{
    if (!m_handle)
        throw EDatabaseError(QStringLiteral("The connection to '%1' is closed").arg(m_file));
    return m_handle;
}

void Connection::fail(const QString &context) const
{
    throw EDatabaseError(context + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(handle())));
}

sqlite3_stmt *Connection::statement(const QString &sql)
{
    auto it = m_statements.constFind(sql);
    if (it != m_statements.constEnd())
        return *it;
    sqlite3_stmt *stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(handle(), text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail(QStringLiteral("Cannot read the database"));
    }
    m_statements.insert(sql, stmt);
    return stmt;
}

int Connection::stepOnce(const QString &sql, const QVariantList &values, QString *error)
{
    sqlite3_stmt *stmt = statement(sql);
    for (int i = 0; i < values.size(); ++i)
        bind(stmt, i + 1, values[i]);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        *error = QString::fromUtf8(sqlite3_errmsg(m_handle));
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    return rc;
}

int Connection::run(const QString &sql, const QVariantList &values, QString *error)
{
    QString message;
    const int rc = stepOnce(sql, values, &message);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
        if (error)
            *error = message;
        return -1;
    }
    return sqlite3_changes(m_handle);
}

bool Connection::exists(const QString &sql, const QVariantList &values)
{
    QString error;
    const int rc = stepOnce(sql, values, &error);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw EDatabaseError(QStringLiteral("Cannot read the database: ") + error);
    return rc == SQLITE_ROW;
}

qint64 Connection::lastInsertRowid() const { return sqlite3_last_insert_rowid(handle()); }

void Connection::exec(const QString &sql)
{
    handle();  // raises when closed
    execQt(m_db, sql);
}

QStringList Connection::storedColumns(const QString &table)
{
    sqlite3_stmt *stmt = statement(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    bind(stmt, 1, table);
    QStringList out;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        out << column(stmt, 0).toString();
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("Database error"));
    return out;
}

void Connection::close()
{
    for (sqlite3_stmt *stmt : std::as_const(m_statements))
        sqlite3_finalize(stmt);
    m_statements.clear();
    m_verified.clear();
    m_openSets.clear();
    m_handle = nullptr;
    if (m_db.isValid())
        m_db.close();
    m_db = QSqlDatabase();  // nothing of QtSql is held once closed
}

// ---------------------------------------------------------------- statement values

void bind(sqlite3_stmt *stmt, int index, const QVariant &value)
{
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: sqlite3_bind_int64(stmt, index, value.toLongLong()); break;
    case QMetaType::Double:
    case QMetaType::Float: sqlite3_bind_double(stmt, index, value.toDouble()); break;
    case QMetaType::QByteArray: {
        const QByteArray b = value.toByteArray();
        sqlite3_bind_blob64(stmt, index, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray t = value.toString().toUtf8();
        sqlite3_bind_text64(stmt, index, t.constData(), sqlite3_uint64(t.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
        break;
    }
    }
}

QVariant column(sqlite3_stmt *stmt, int index)
{
    switch (sqlite3_column_type(stmt, index)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(stmt, index)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt, index));
    case SQLITE_TEXT: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, index));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, index)));
    }
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(stmt, index));
        return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, index)));
    }
    default: return QVariant();
    }
}

// ---------------------------------------------------------------- opening and closing

void fail(const QString &context, const QSqlError &error)
{
    QString detail = error.databaseText();
    if (detail.isEmpty())
        detail = error.driverText();
    throw EDatabaseError(detail.isEmpty() ? context : context + QStringLiteral(": ") + detail);
}

std::shared_ptr<Connection> ofAlias(const QString &alias)
{
    const QString file = database::aliasPath(alias);
    if (file.isEmpty())
        throw EDatabaseError(QStringLiteral("Unknown database alias '%1'").arg(alias));
    return ofFile(file);
}

namespace {
// At the end of the run every connection is closed, which also folds the
// write-ahead journal back into the database file.
void closeAll()
{
    for (const std::shared_ptr<Connection> &c : std::as_const(openConnections()))
        c->close();
    openConnections().clear();
}

QSqlDatabase openDatabase(const QString &path)
{
    const QString name = connectionName(path);
    const QFileInfo info(path);
    if (!info.exists())
        throw EDatabaseError(QStringLiteral("Database file '%1' not found").arg(path));
    if (!info.isFile())
        throw EDatabaseError(QStringLiteral("Database file '%1' is not a file").arg(path));

    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    // mode=rw: open read-write, never create a missing file.
    QUrl url = QUrl::fromLocalFile(path);
    url.setQuery(QStringLiteral("mode=rw"));
    db.setDatabaseName(url.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        fail(QStringLiteral("Cannot open database '%1'").arg(path), db.lastError());
    // Registered after QtSql's own clean-up (post routines run last first), so
    // that the statements are finalized before QtSql drops the connections.
    static const bool cleanupRegistered = [] {
        qAddPostRoutine(closeAll);
        return true;
    }();
    Q_UNUSED(cleanupRegistered);
    try {
        QSqlQuery q(db);
        // The first statement reads the file header: a file that is not a
        // database fails here.
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
            fail(QStringLiteral("Cannot open database '%1'").arg(path), q.lastError());
        q.finish();
        execQt(db, QStringLiteral("PRAGMA synchronous=FULL"));
        execQt(db, QStringLiteral("PRAGMA foreign_keys=OFF"));
        execQt(db, QStringLiteral("PRAGMA temp_store=MEMORY"));
        execQt(db, QStringLiteral("PRAGMA busy_timeout=5000"));
    } catch (...) {
        db.close();
        throw;
    }
    return db;
}
} // namespace

std::shared_ptr<Connection> ofFile(const QString &file)
{
    const QString path = absolute(file);
    auto found = openConnections().constFind(path);
    if (found != openConnections().constEnd()) {
        if ((*found)->isOpen() && (*found)->database().isOpen())
            return *found;
        (*found)->close();
        openConnections().remove(path);
    }
    QSqlDatabase db = openDatabase(path);
    std::shared_ptr<Connection> c;
    try {
        c = std::make_shared<Connection>(db, path);
    } catch (...) {
        db.close();
        throw;
    }
    openConnections().insert(path, c);
    return c;
}

QSqlDatabase forFile(const QString &file) { return ofFile(file)->database(); }

void closeFile(const QString &file)
{
    const QString path = absolute(file);
    if (std::shared_ptr<Connection> c = openConnections().take(path))
        c->close();
    const QString name = connectionName(path);
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// ---------------------------------------------------------------- Transaction

Transaction::Transaction(Connection &connection) : m_connection(connection)
{
    if (sqlite3_exec(m_connection.handle(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        m_connection.fail(QStringLiteral("Cannot start a transaction"));
}

Transaction::~Transaction() noexcept
{
    if (m_done || !m_connection.isOpen())
        return;
    sqlite3 *h = m_connection.handle();
    if (sqlite3_get_autocommit(h) != 0)
        return;  // SQLite already rolled back
    if (sqlite3_exec(h, "ROLLBACK", nullptr, nullptr, nullptr) != SQLITE_OK)
        qWarning("Rollback failed on %s: %s", qUtf8Printable(m_connection.file()), sqlite3_errmsg(h));
}

void Transaction::commit()
{
    if (sqlite3_exec(m_connection.handle(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        m_connection.fail(QStringLiteral("Cannot commit"));
    m_done = true;
}
} // namespace connection
