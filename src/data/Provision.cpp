#include "data/Provision.h"

#include "core/Errors.h"
#include "core/PasswordHash.h"
#include "data/Connection.h"
#include "data/Schema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace provision {
namespace {
// A fresh file is created through the C API: the engine's own connections
// never create files.
void createEmptyFile(const QString &file)
{
    sqlite3 *db = nullptr;
    const QByteArray path = QFile::encodeName(file);
    const int rc = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    QString error;
    if (rc != SQLITE_OK)
        error = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    else if (sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) != SQLITE_OK)
        error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_close(db);
    if (!error.isEmpty())
        throw EDatabaseError(QStringLiteral("Cannot create database '%1': %2").arg(file, error));
}
} // namespace

void createDatabase(const QString &file, const QString &adminName, const QString &adminPassword)
{
    const QFileInfo info(file);
    if (info.exists())
        throw EDatabaseError(QStringLiteral("Database '%1' already exists").arg(info.absoluteFilePath()));
    if (adminName.isEmpty())
        throw EDatabaseError(QStringLiteral("The first account needs a user name"));
    // Stored whole or not at all: a cut name would never log in.
    const int nameWidth = schema::findTable(QStringLiteral("Adm"))->column(QStringLiteral("NamaUser"))->field.size;
    if (adminName.toUcs4().size() > nameWidth)
        throw EDatabaseError(QStringLiteral("The user name '%1' is longer than %2 characters").arg(adminName).arg(nameWidth));
    if (adminPassword.isEmpty())
        throw EDatabaseError(QStringLiteral("The first account needs a password that is not empty"));
    if (!QDir().mkpath(info.absolutePath()))
        throw EDatabaseError(QStringLiteral("Cannot create the folder '%1'").arg(info.absolutePath()));
    createEmptyFile(info.absoluteFilePath());
    try {
        const std::shared_ptr<connection::Connection> db = connection::ofFile(info.absoluteFilePath());
        connection::Transaction tx(*db);
        for (const QString &statement : schema::createStatements())
            db->exec(statement);
        QSqlQuery add(db->database());
        add.prepare(QStringLiteral("INSERT INTO \"Adm\" (\"NamaUser\", \"Pass\", \"Nomer\") VALUES (?, ?, 0)"));
        add.addBindValue(adminName);
        add.addBindValue(password::hash(adminPassword));
        if (!add.exec())
            connection::fail(QStringLiteral("Cannot add the first account"), add.lastError());
        add.finish();
        tx.commit();
    } catch (...) {
        connection::closeFile(info.absoluteFilePath());
        QFile::remove(info.absoluteFilePath());
        QFile::remove(info.absoluteFilePath() + QStringLiteral("-wal"));
        QFile::remove(info.absoluteFilePath() + QStringLiteral("-shm"));
        throw;
    }
}
} // namespace provision
