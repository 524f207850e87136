#pragma once
// Aliases: the alias "KV" names one database: an SQLite file, or a
// PostgreSQL database by its URI (postgresql://user@host:port/name). It is
// named in <config>/sistemnota/alias.ini ([aliases] KV=/path/to/kv.sqlite),
// by the environment variable NOTA_KV_DATABASE, or defaults to the file
// <data>/sistemnota/kv.sqlite (XDG folders of the user).
#include <QString>
#include <optional>

namespace database {
QString aliasPath(const QString &alias);  // the file the alias names
void setAliasPath(const QString &alias, const QString &path);  // for this run (tests, tools)
void clearAliasPath(const QString &alias);  // back to the configuration
std::optional<QString> overriddenPath(const QString &alias);  // what setAliasPath set, if anything
QString defaultPath();
// alias.ini, which also holds the system's few other settings ([backup]).
QString settingsFile();
} // namespace database
