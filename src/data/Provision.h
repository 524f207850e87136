#pragma once
// Creating a database: the seven tables with their indexes and the first
// administrator account. Used by the admin tool, the first-start window and
// the tests' fixtures; the application itself never creates tables.
#include <QString>

namespace connection {
class Connection;
}

namespace provision {
// Creates the database at `location` with the schema and one Adm account
// (password stored as a hash, Nomer 0). A file is created and an existing
// file refused; a server database must exist (its administrator creates it)
// and must not hold any of the tables yet. Raises EDatabaseError.
void createDatabase(const QString &location, const QString &adminName, const QString &adminPassword);
// The same on an open connection to an empty database, with the password's
// hash as stored; all of it or nothing.
void createTables(connection::Connection &db, const QString &adminName, const QString &storedPassword);
} // namespace provision
