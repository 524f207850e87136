#pragma once
// What export and import of CSV files share: the table of each kind of
// record and the check that it is there.
#include "data/CsvTransfer.h"
#include "data/Schema.h"

namespace connection {
class Connection;
}

namespace csvtransfer {
const TableDef &tableOf(Records what);
// Raises EDatabaseError when `db` lacks the table.
void requireTable(connection::Connection &db, const TableDef &table);
// Cells of text that a spreadsheet program might take for a formula are
// guarded (csv::guarded): all but numbers.
inline bool isGuarded(FieldKind kind) { return kind == FieldKind::Text || kind == FieldKind::Memo || kind == FieldKind::Graphic; }
} // namespace csvtransfer
