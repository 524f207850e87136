#pragma once
// A backup written under a hidden name and renamed when whole, shared with
// the program's backups.
#include "data/PartialFile.h"

namespace notadb {
using dbfile::destinationProblem;
using dbfile::PartialFile;
using dbfile::syncToDisk;
} // namespace notadb
