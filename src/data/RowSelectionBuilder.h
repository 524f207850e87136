#pragma once
// What a dataset's row reader needs, made from the dataset's settings: the
// relation and fields it reads, the order (the table's index field, a query's
// ORDER BY or the table's key) with the key ordering rows of equal value, and
// the conditions (a query's LIKE, then the filter).
#include "data/RowReader.h"

#include <memory>
#include <vector>

class Field;
struct TableDef;

namespace rowselection {
// The column `table` is ordered by for the index field `field` (schema
// spelling): the table's key when `field` is blank. Raises for a field the
// table does not have.
QString orderColumnFor(const TableDef &table, const QString &field);

// The rows of `table`, read through `relation` (the table or a private copy),
// with one column per field, ordered by `orderColumn` (empty: insertion order).
RowSelection make(const TableDef &table, const QString &relation, const std::vector<std::unique_ptr<Field>> &fields,
             const QString &orderColumn);

// Narrows `selection` to the rows a filter "Field='value'" lets through (nothing
// when the text is blank). Raises for a text of another form or a field the
// table does not have, leaving `selection` as it was.
void addFilter(RowSelection &selection, const TableDef &table, const QString &filter);
} // namespace rowselection
