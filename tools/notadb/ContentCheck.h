#pragma once
// What `notadb check` finds beyond SQLite's integrity check: the tables and
// fields of the schema, and values the program cannot use. SQLite's own
// check passes a file holding such values.
#include <QStringList>

namespace notadb {
class SqliteHandle;

// Missing tables, fields, key indexes, or no account. `code` gets SQLite's
// result code when the reading itself failed.
QStringList schemaProblems(const SqliteHandle &db, int *code);
// Values in number and date fields that do not convert, and invoices whose
// stored total is not the sum of their lines; each names its table and key.
// Only for a file without schema problems.
QStringList contentProblems(const SqliteHandle &db, int *code);
} // namespace notadb
