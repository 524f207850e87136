#include "TempDatabase.h"

#include "core/Errors.h"
#include "core/PasswordHash.h"
#include "data/Connection.h"
#include "data/Database.h"
#include "data/Provision.h"
#include "data/sqlite/SqliteConnection.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

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

// On a server the hash is made once per account and stored in each schema.
QString hashFor(const QString &adminName, const QString &adminPassword)
{
    static QHash<QString, QString> made;
    const QString key = adminName + QLatin1Char('\n') + adminPassword;
    if (!made.contains(key))
        made.insert(key, password::hash(adminPassword));
    return made.value(key);
}

QString serverBase()
{
    const QString uri = qEnvironmentVariable("NOTA_TEST_PG");
    if (uri.isEmpty())
        throw EDatabaseError(QStringLiteral("NOTA_TEST_ENGINE=postgresql needs NOTA_TEST_PG, the URI of a test server "
                                            "database (tools/test.sh starts one)"));
    return uri;
}

QString withSearchPath(const QString &uri, const QString &schema)
{
    return uri + (uri.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?'))
        + QStringLiteral("options=-csearch_path%3D") + schema;
}
} // namespace

bool TempDatabase::onServer() { return qEnvironmentVariable("NOTA_TEST_ENGINE") == QLatin1String("postgresql"); }

TempDatabase::TempDatabase(const QString &adminName, const QString &adminPassword)
{
    if (!m_dir.isValid())
        throw EDatabaseError(QStringLiteral("Cannot create a temporary folder"));
    if (onServer()) {
        static int made = 0;
        m_schema = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++made);
        const QString base = serverBase();
        connection::ofFile(base)->exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE; CREATE SCHEMA %1").arg(m_schema));
        m_path = withSearchPath(base, m_schema);
        provision::createTables(*connection::ofFile(m_path), adminName, hashFor(adminName, adminPassword));
    } else {
        m_path = m_dir.filePath(QStringLiteral("kv.sqlite"));
        if (!QFile::copy(templateFor(adminName, adminPassword), m_path))
            throw EDatabaseError(QStringLiteral("Cannot create %1").arg(m_path));
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }
    m_alias.emplace(QStringLiteral("KV"), m_path);
}

TempDatabase::~TempDatabase()
{
    connection::closeFile(m_path);
    if (m_schema.isEmpty())
        return;
    try {
        connection::ofFile(serverBase())->exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(m_schema));
    } catch (const EError &e) {
        qWarning("Cannot drop the test schema %s: %s", qPrintable(m_schema), e.what());
    }
}

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


void TempDatabase::exec(const QString &sql, const QVariantList &binds) const
{
    connection::Failure failure;
    if (connection::ofFile(m_path)->run(sql, binds, &failure) < 0)
        connection::Connection::fail(sql, failure);
}

QVariant TempDatabase::scalar(const QString &sql, const QVariantList &binds) const
{
    const QVariant v = connection::ofFile(m_path)->scalar(sql, binds);
    return v.isNull() ? QVariant() : v;
}

QString TempDatabase::joined(const QString &sql, const QVariantList &binds) const
{
    QStringList out;
    connection::ofFile(m_path)->eachRow(sql, binds, [&out](const QVariantList &row) {
        if (!row.first().isNull())
            out << row.first().toString();
    });
    return out.join(QLatin1Char(','));
}
