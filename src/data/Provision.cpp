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
        throw EDatabaseError(QStringLiteral("Akun pertama memerlukan nama user"));
    // Stored whole or not at all: a cut name would never log in.
    const int nameWidth = schema::findTable(QStringLiteral("Adm"))->column(QStringLiteral("NamaUser"))->field.size;
    if (adminName.toUcs4().size() > nameWidth)
        throw EDatabaseError(QStringLiteral("Nama user '%1' lebih dari %2 karakter").arg(adminName).arg(nameWidth));
    if (adminPassword.isEmpty())
        throw EDatabaseError(QStringLiteral("Akun pertama memerlukan password yang tidak kosong"));
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
        connection::Connection::fail(QStringLiteral("Akun pertama tidak dapat ditambahkan"), failure);
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
        throw EDatabaseError(QStringLiteral("Folder '%1' tidak dapat dibuat").arg(info.absolutePath()));
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
