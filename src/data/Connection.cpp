#include "data/Connection.h"

#include "core/Errors.h"
#include "data/Database.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>

namespace connection {
namespace {
QString connectionName(const QString &file) { return QStringLiteral("nota:") + file; }

QString absolute(const QString &file) { return QFileInfo(file).absoluteFilePath(); }

QSet<QString> &verifiedTables()
{
    static QSet<QString> set;
    return set;
}

QHash<QString, QHash<QString, sqlite3_stmt *>> &statements()
{
    static QHash<QString, QHash<QString, sqlite3_stmt *>> map;
    return map;
}
} // namespace

sqlite3 *handle(const QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        throw EDatabaseError(QStringLiteral("The database driver gives no SQLite handle"));
    return *static_cast<sqlite3 *const *>(v.constData());
}

void failNative(const QSqlDatabase &db, const QString &context)
{
    throw EDatabaseError(context + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(handle(db))));
}

sqlite3_stmt *statement(const QSqlDatabase &db, const QString &sql)
{
    QHash<QString, sqlite3_stmt *> &cache = statements()[db.connectionName()];
    auto it = cache.constFind(sql);
    if (it != cache.constEnd())
        return *it;
    sqlite3_stmt *stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(handle(db), text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        failNative(db, QStringLiteral("Cannot read the database"));
    }
    cache.insert(sql, stmt);
    return stmt;
}

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

int run(const QSqlDatabase &db, const QString &sql, const QVariantList &values, QString *error)
{
    sqlite3_stmt *stmt = statement(db, sql);
    for (int i = 0; i < values.size(); ++i)
        bind(stmt, i + 1, values[i]);
    const int rc = sqlite3_step(stmt);
    const bool ok = rc == SQLITE_DONE || rc == SQLITE_ROW;
    if (!ok && error)
        *error = QString::fromUtf8(sqlite3_errmsg(handle(db)));
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    return ok ? sqlite3_changes(handle(db)) : -1;
}

bool exists(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    sqlite3_stmt *stmt = statement(db, sql);
    for (int i = 0; i < values.size(); ++i)
        bind(stmt, i + 1, values[i]);
    const int rc = sqlite3_step(stmt);
    QString error;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        error = QString::fromUtf8(sqlite3_errmsg(handle(db)));
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (!error.isEmpty())
        throw EDatabaseError(QStringLiteral("Cannot read the database: ") + error);
    return rc == SQLITE_ROW;
}

qint64 lastInsertRowid(const QSqlDatabase &db) { return sqlite3_last_insert_rowid(handle(db)); }

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

QString fileOf(const QSqlDatabase &db) { return db.connectionName().mid(connectionName(QString()).size()); }

bool isVerified(const QSqlDatabase &db, const QString &table)
{
    return verifiedTables().contains(db.connectionName() + QLatin1Char('|') + table);
}

void markVerified(const QSqlDatabase &db, const QString &table)
{
    verifiedTables().insert(db.connectionName() + QLatin1Char('|') + table);
}

void fail(const QString &context, const QSqlError &error)
{
    QString detail = error.databaseText();
    if (detail.isEmpty())
        detail = error.driverText();
    throw EDatabaseError(detail.isEmpty() ? context : context + QStringLiteral(": ") + detail);
}

void exec(QSqlDatabase db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        fail(QStringLiteral("Database error"), q.lastError());
}

QSqlDatabase forAlias(const QString &alias)
{
    const QString file = database::aliasPath(alias);
    if (file.isEmpty())
        throw EDatabaseError(QStringLiteral("Unknown database alias '%1'").arg(alias));
    return forFile(file);
}

namespace {
// At the end of the run every connection is closed, which also folds the
// write-ahead journal back into the database file.
void closeAll()
{
    for (auto it = statements().begin(); it != statements().end(); ++it)
        for (sqlite3_stmt *stmt : std::as_const(*it))
            sqlite3_finalize(stmt);
    statements().clear();
    verifiedTables().clear();
    for (const QString &name : QSqlDatabase::connectionNames())
        if (name.startsWith(connectionName(QString())))
            QSqlDatabase::database(name, false).close();
}
} // namespace

QSqlDatabase forFile(const QString &file)
{
    const QString path = absolute(file);
    const QString name = connectionName(path);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            return db;
    }
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
        exec(db, QStringLiteral("PRAGMA synchronous=FULL"));
        exec(db, QStringLiteral("PRAGMA foreign_keys=OFF"));
        exec(db, QStringLiteral("PRAGMA temp_store=MEMORY"));
        exec(db, QStringLiteral("PRAGMA busy_timeout=5000"));
    } catch (...) {
        db.close();
        throw;
    }
    return db;
}

void closeFile(const QString &file)
{
    const QString name = connectionName(absolute(file));
    verifiedTables().removeIf([&](const QString &key) { return key.startsWith(name + QLatin1Char('|')); });
    for (sqlite3_stmt *stmt : statements().take(name))
        sqlite3_finalize(stmt);
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QStringList storedColumns(QSqlDatabase db, const QString &table)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)")))
        fail(QStringLiteral("Database error"), q.lastError());
    q.addBindValue(table);
    if (!q.exec())
        fail(QStringLiteral("Database error"), q.lastError());
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

Transaction::Transaction(QSqlDatabase db) : m_db(db)
{
    if (sqlite3_exec(handle(m_db), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        failNative(m_db, QStringLiteral("Cannot start a transaction"));
}

Transaction::~Transaction()
{
    if (!m_done && sqlite3_get_autocommit(handle(m_db)) == 0)
        sqlite3_exec(handle(m_db), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    if (sqlite3_exec(handle(m_db), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        failNative(m_db, QStringLiteral("Cannot commit"));
    m_done = true;
}
} // namespace connection
