#pragma once
// What the checks of a database find (`notadb check`, and every backup before it counts), on either engine: the tables and fields of the
// schema with their key indexes, at least one account, and values the
// program cannot use. SQLite's own integrity check passes a file holding
// such values; a server's typed columns keep most of them out, but not
// dates that are no dates or numbers that are not finite.
//
// Each appends what it finds to `problems`, so that what was found stays
// when a read fails half way (the engine's failure is raised).
#include <QStringList>

namespace dbcheck {
class CheckedDatabase;

// Missing tables, fields and key indexes (and on a server, the hidden row
// number and the auto-numbers' own numbering).
void structureProblems(CheckedDatabase &db, QStringList &problems);
// No account, or one whose number is not a whole number.
void accountProblems(CheckedDatabase &db, QStringList &problems);
// The structure, then, when it is sound, the accounts.
void schemaProblems(CheckedDatabase &db, QStringList &problems);
// Values in number and date fields that do not convert, each named by its
// table and key. Only for a database without schema problems.
void valueProblems(CheckedDatabase &db, QStringList &problems);
// Invoices whose stored total is not the sum of their lines.
void totalProblems(CheckedDatabase &db, QStringList &problems);
// Texts longer than their field (written by another route than the program's).
void lengthProblems(CheckedDatabase &db, QStringList &problems);
// Invoice lines whose invoice has no header.
void orphanLineProblems(CheckedDatabase &db, QStringList &problems);
// All of the above.
void contentProblems(CheckedDatabase &db, QStringList &problems);
// False, with what it found, when the engine's own check of its storage (a
// file's integrity check) fails; a server keeps its own storage sound.
bool storageSound(CheckedDatabase &db, QStringList &problems);
// Everything, as `notadb check` looks: on a file SQLite's integrity check
// first (the rest only when it passes), then the schema and, when it is
// sound, the content.
void allProblems(CheckedDatabase &db, QStringList &problems);
} // namespace dbcheck
