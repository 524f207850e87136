#pragma once
// The indexes that only make reading faster: a file's search index over
// goods and customers, and the read indexes of the sales figures. A database
// made before one of them lacks it; the program adds them when it first
// opens the database (as far as it may write then), `notadb check` reports
// what is missing and `notadb check --repair` adds it.
#include <QString>
#include <QStringList>

namespace dbcheck {
class CheckedDatabase;

// "tabel Barang tidak punya indeks pencarian", "tabel Nota tidak punya indeks
// baca Nota_ID_Nota_Jumlah": one for each missing, tables in the schema's order.
// Only for a database whose tables are sound.
QStringList missingIndexes(CheckedDatabase &db);
// Adds to the database at `location` what missingIndexes finds, all in one
// transaction, and gives what it added ("indeks pencarian tabel Barang";
// none when nothing was missing). Raises EDatabaseError, leaving the
// database as it was.
QStringList addMissingIndexes(const QString &location);
} // namespace dbcheck
