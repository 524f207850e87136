#pragma once
// The tables of the system as PostgreSQL keeps them: the same fields, texts
// compared and ordered byte by byte (collation "C", as an SQLite file does),
// a hidden row number `rowid` that names each row and keeps insertion order,
// auto-numbers from identity sequences (never reused), and trigram indexes
// that keep a Like search over goods and customers fast.
#include <QString>
#include <QStringList>

enum class FieldKind;
struct TableDef;

namespace pgschema {
// The column type of a field; with `plainAutoInc` an auto-number is a plain
// bigint.
QString typeOf(FieldKind kind, bool plainAutoInc);
// Every table and index; `trigramSchema` is where the pg_trgm extension lives.
QStringList createStatements(const QString &trigramSchema);
// A private copy of `table` named `relation` (in pg_temp), auto-numbers as
// plain numbers.
QStringList copyStatements(const TableDef &table, const QString &relation);
// The Like rule's view of a column: its text with A-Z folded to lower case.
QString folded(const QString &expression);
} // namespace pgschema
