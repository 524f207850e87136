#include "data/Database.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
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

// The configuration file is read again only when it changed: tables are
// opened often, and each open asks for the alias.
QString configuredPath(const QString &key)
{
    struct Read {
        QString file;
        QDateTime modified;
        qint64 size = -1;
        QHash<QString, QString> values;
    };
    static Read cache;
    const QString file = settingsFile();
    const QFileInfo info(file);
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    const qint64 size = info.exists() ? info.size() : -1;
    if (cache.file != file || cache.modified != modified || cache.size != size) {
        cache = Read{file, modified, size, {}};
        QSettings config(file, QSettings::IniFormat);
        config.beginGroup(QStringLiteral("aliases"));
        for (const QString &name : config.childKeys())
            cache.values.insert(name.toUpper(), config.value(name).toString());
    }
    return cache.values.value(key);
}
} // namespace

QString settingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/sistemnota/alias.ini");
}

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
    const QString configured = configuredPath(key);
    if (!configured.isEmpty())
        return configured.contains(QLatin1String("://")) ? configured : QDir::cleanPath(configured);
    return key == QLatin1String("KV") ? defaultPath() : QString();
}

void setAliasPath(const QString &alias, const QString &path) { overrides().insert(alias.toUpper(), path); }

void clearAliasPath(const QString &alias) { overrides().remove(alias.toUpper()); }

std::optional<QString> overriddenPath(const QString &alias)
{
    const auto found = overrides().constFind(alias.toUpper());
    if (found == overrides().constEnd())
        return std::nullopt;
    return *found;
}
} // namespace database
