#include "TempDatabase.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Database.h"
#include "data/Provision.h"

#include <QFile>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace {
// Password hashing is slow by design: each account is provisioned once per
// test program into a template, and every fixture copies that file.
QString templateFor(const QString &adminName, const QString &adminPassword)
{
    static QTemporaryDir folder;
    static QHash<QString, QString> made;
    const QString key = adminName + QLatin1Char('\n') + adminPassword;
    if (!made.contains(key)) {
        const QString file = folder.filePath(QStringLiteral("template%1.sqlite").arg(made.size()));
        provision::createDatabase(file, adminName, adminPassword);
        connection::closeFile(file);  // the last close folds the journal into the file
        made.insert(key, file);
    }
    return made.value(key);
}
} // namespace

TempDatabase::TempDatabase(const QString &adminName, const QString &adminPassword)
{
    if (!m_dir.isValid())
        throw EDatabaseError(QStringLiteral("Cannot create a temporary folder"));
    m_path = m_dir.filePath(QStringLiteral("kv.sqlite"));
    if (!QFile::copy(templateFor(adminName, adminPassword), m_path))
        throw EDatabaseError(QStringLiteral("Cannot create %1").arg(m_path));
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    m_alias.emplace(QStringLiteral("KV"), m_path);
}

TempDatabase::~TempDatabase() { connection::closeFile(m_path); }

AliasOverride::AliasOverride(const QString &alias, const QString &path)
    : m_alias(alias), m_previous(database::overriddenPath(alias))
{
    database::setAliasPath(alias, path);
}

AliasOverride::~AliasOverride()
{
    if (m_previous)
        database::setAliasPath(m_alias, *m_previous);
    else
        database::clearAliasPath(m_alias);
}

QSqlDatabase TempDatabase::db() const { return connection::forFile(m_path); }

namespace {
QSqlQuery run(const QSqlDatabase &db, const QString &sql, const QVariantList &binds)
{
    QSqlQuery q(db);
    if (!q.prepare(sql))
        connection::fail(sql, q.lastError());
    for (const QVariant &v : binds)
        q.addBindValue(v);
    if (!q.exec())
        connection::fail(sql, q.lastError());
    return q;
}
} // namespace

void TempDatabase::exec(const QString &sql, const QVariantList &binds) const { run(db(), sql, binds).finish(); }

QVariant TempDatabase::scalar(const QString &sql, const QVariantList &binds) const
{
    QSqlQuery q = run(db(), sql, binds);
    const QVariant v = q.next() ? q.value(0) : QVariant();
    q.finish();
    return v;
}
