#pragma once
// What `notadb check` finds, shared with the program's backups.
#include "data/ContentCheck.h"

namespace notadb {
using dbcheck::accountProblems;
using dbcheck::allProblems;
using dbcheck::contentProblems;
using dbcheck::lengthProblems;
using dbcheck::orphanLineProblems;
using dbcheck::schemaProblems;
using dbcheck::storageSound;
using dbcheck::structureProblems;
using dbcheck::totalProblems;
using dbcheck::valueProblems;
} // namespace notadb
