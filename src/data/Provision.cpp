#include "data/Provision.h"

#include "core/Errors.h"
#include "core/PasswordHash.h"
#include "data/Connection.h"
#include "data/Schema.h"
#include "data/sqlite/SqliteFileLook.h"

#include <QDir>
#include <QFileInfo>

namespace provision {
namespace {
void checkAccount(const QString &adminName, const QString &adminPassword)
{
    if (adminName.isEmpty())
        throw EDatabaseError(QStringLiteral("The first account needs a user name"));
    // Stored whole or not at all: a cut name would never log in.
    const int nameWidth = schema::findTable(QStringLiteral("Adm"))->column(QStringLiteral("NamaUser"))->field.size;
    if (adminName.toUcs4().size() > nameWidth)
        throw EDatabaseError(QStringLiteral("The user name '%1' is longer than %2 characters").arg(adminName).arg(nameWidth));
    if (adminPassword.isEmpty())
        throw EDatabaseError(QStringLiteral("The first account needs a password that is not empty"));
}

void createOnServer(const QString &location, const QString &adminName, const QString &adminPassword)
{
    const std::shared_ptr<connection::Connection> db = connection::ofFile(location);
    for (const TableDef &t : schema::tables())
        if (!db->storedColumns(t.name).isEmpty())
            throw EDatabaseError(QStringLiteral("Database '%1' already holds table '%2': it is not empty")
                                     .arg(db->file(), t.name));
    createTables(*db, adminName, password::hash(adminPassword));
}
} // namespace

void createTables(connection::Connection &db, const QString &adminName, const QString &storedPassword)
{
    connection::Transaction tx(db);
    for (const QString &statement : db.createStatements())
        db.exec(statement);
    connection::Failure failure;
    if (db.run(QStringLiteral("INSERT INTO \"Adm\" (\"NamaUser\", \"Pass\", \"Nomer\") VALUES (?, ?, 0)"),
               {adminName, storedPassword}, &failure) < 0)
        connection::Connection::fail(QStringLiteral("Cannot add the first account"), failure);
    tx.commit();
}

void createDatabase(const QString &location, const QString &adminName, const QString &adminPassword)
{
    if (connection::isServer(location)) {
        checkAccount(adminName, adminPassword);
        createOnServer(location, adminName, adminPassword);
        return;
    }
    const QFileInfo info(location);
    if (info.exists() || info.isSymLink())  // a link to nothing too: the file would be made where it points
        throw EDatabaseError(QStringLiteral("Database '%1' already exists").arg(info.absoluteFilePath()));
    checkAccount(adminName, adminPassword);
    if (!QDir().mkpath(info.absolutePath()))
        throw EDatabaseError(QStringLiteral("Cannot create the folder '%1'").arg(info.absolutePath()));
    dbfile::createEmpty(info.absoluteFilePath());
    try {
        createTables(*connection::ofFile(info.absoluteFilePath()), adminName, password::hash(adminPassword));
    } catch (...) {
        connection::closeFile(info.absoluteFilePath());
        QFile::remove(info.absoluteFilePath());
        QFile::remove(info.absoluteFilePath() + QStringLiteral("-wal"));
        QFile::remove(info.absoluteFilePath() + QStringLiteral("-shm"));
        throw;
    }
}
} // namespace provision
