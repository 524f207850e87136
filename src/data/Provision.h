#pragma once
// Creating a database: the seven tables with their indexes and the first
// administrator account. Used by the admin tool and by the tests' fixtures;
// the application itself never creates tables.
#include <QString>

namespace provision {
// Creates `file` (refuses an existing file with EDatabaseError) with the
// schema and one Adm account (password stored as a hash, Nomer 0).
void createDatabase(const QString &file, const QString &adminName, const QString &adminPassword);
} // namespace provision
