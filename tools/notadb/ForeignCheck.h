#pragma once
// What `notadb check` finds beside the program's own tables and values, on
// either engine: triggers, views and tables the program did not make, and
// accounts whose password is stored as it was typed.
#include "CheckedDatabase.h"

#include <QStringList>

namespace notadb {

// Triggers on the program's tables: a command refuses to work while one is there.
void triggerProblems(CheckedDatabase &db, QStringList &problems);
// Every trigger, view and table that is not the program's own.
void foreignProblems(CheckedDatabase &db, QStringList &problems);
// Accounts whose password is not stored as a hash.
void passwordProblems(CheckedDatabase &db, QStringList &problems);
} // namespace notadb
