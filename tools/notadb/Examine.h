#pragma once
// Reading a database for a look at it, on either engine: a file read-only
// (again when a writer came along meanwhile), a server database through the
// engine's connection.
#include "CheckedDatabase.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace notadb {

using Examine = std::function<void(CheckedDatabase &db, QStringList &problems)>;

// Runs `examine` on the database at `location`. Returns 0 with `problems`
// filled (damage SQLite finds in a file is one of them), or 1 with the
// reason the database could not be read written to `err`.
int examineDatabase(const QString &location, int waitMs, QTextStream &err, QStringList &problems, const Examine &examine);
} // namespace notadb
