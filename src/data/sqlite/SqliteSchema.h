#pragma once
// The tables of the system as an SQLite file keeps them: the fields with
// their column types (dates as ISO text, which sorts in date order), the key
// and lookup indexes, the read indexes, and the search index over goods and
// customers (data/sqlite/SearchIndex.h).
#include <QString>
#include <QStringList>

enum class FieldKind;
struct TableDef;

namespace sqliteschema {
// The column type of a field; with `plainAutoInc` an auto-number is a plain
// INTEGER.
QString typeOf(FieldKind kind, bool plainAutoInc);
// Every table and index, the search index included.
QStringList createStatements();
// A private copy of `table` named `relation` ("temp"."name"), auto-numbers as
// plain numbers; its indexes are named after the copy.
QStringList copyStatements(const TableDef &table, const QString &relation);
} // namespace sqliteschema
