#include "data/Connection.h"

#include "core/Errors.h"
#include "data/Database.h"

#include <QFileInfo>
#include <QSet>
#include <QSqlQuery>
#include <QUrl>

namespace connection {
namespace {
QString connectionName(const QString &file) { return QStringLiteral("nota:") + file; }

QString absolute(const QString &file) { return QFileInfo(file).absoluteFilePath(); }

QSet<QString> &verifiedTables()
{
    static QSet<QString> set;
    return set;
}
} // namespace

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
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        fail(QStringLiteral("Cannot start a transaction"), q.lastError());
}

Transaction::~Transaction()
{
    if (!m_done) {
        QSqlQuery q(m_db);
        q.exec(QStringLiteral("ROLLBACK"));
    }
}

void Transaction::commit()
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("COMMIT")))
        fail(QStringLiteral("Cannot commit"), q.lastError());
    m_done = true;
}
} // namespace connection
