#pragma once
// The database the checks and the copy read, shared with the program's backups.
#include "data/CheckedDatabase.h"

namespace notadb {
using dbcheck::CheckedDatabase;
using dbcheck::ConnectionChecked;
} // namespace notadb
