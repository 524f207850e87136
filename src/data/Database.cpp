#include "data/Database.h"

#include <QDir>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>

namespace database {
namespace {
QHash<QString, QString> &overrides()
{
    static QHash<QString, QString> map;
    return map;
}

QString configFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/sistemnota/alias.ini");
}
} // namespace

QString defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/sistemnota/kv.sqlite");
}

QString aliasPath(const QString &alias)
{
    const QString key = alias.toUpper();
    if (overrides().contains(key))
        return overrides().value(key);
    if (key == QLatin1String("KV") && !qEnvironmentVariableIsEmpty("NOTA_KV_DATABASE"))
        return qEnvironmentVariable("NOTA_KV_DATABASE");
    QSettings config(configFile(), QSettings::IniFormat);
    const QString configured = config.value(QStringLiteral("aliases/") + key).toString();
    if (!configured.isEmpty())
        return QDir::cleanPath(configured);
    return key == QLatin1String("KV") ? defaultPath() : QString();
}

void setAliasPath(const QString &alias, const QString &path) { overrides().insert(alias.toUpper(), path); }

void clearAliasPath(const QString &alias) { overrides().remove(alias.toUpper()); }
} // namespace database
