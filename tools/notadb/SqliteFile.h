#pragma once
// The read-only look at a database file, shared with the program's backups.
#include "data/sqlite/SqliteFileLook.h"

namespace notadb {
using dbfile::DatabaseLook;
using dbfile::fileProblem;
using dbfile::SqliteHandle;
using dbfile::SqliteReadFailure;
using dbfile::SqliteRows;
using dbfile::sqliteUri;
using dbfile::waitText;
} // namespace notadb
