#include "data/Provision.h"

#include "core/Errors.h"
#include "core/PasswordHash.h"
#include "data/Connection.h"
#include "data/Schema.h"

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

} // namespace

void createTables(connection::Connection &db, const QString &adminName, const QString &storedPassword)
{
    connection::Transaction tx(db);
    for (const QString &statement : db.dialect().createStatements(db))
        db.exec(statement);
    connection::Failure failure;
    if (db.run(QStringLiteral("INSERT INTO \"Adm\" (\"NamaUser\", \"Pass\", \"Nomer\") VALUES (?, ?, 0)"),
               {adminName, storedPassword}, &failure) < 0)
        connection::Connection::fail(QStringLiteral("Akun pertama tidak dapat ditambahkan"), failure);
    tx.commit();
}

void createDatabase(const QString &location, const QString &adminName, const QString &adminPassword)
{
    const dialect::EngineDialect &engine = dialect::of(location);
    engine.refuseExisting(location);
    checkAccount(adminName, adminPassword);
    const QString made = engine.createEmpty(location);
    try {
        createTables(*connection::ofFile(made), adminName, password::hash(adminPassword));
    } catch (...) {
        engine.discard(made);
        throw;
    }
}
} // namespace provision
