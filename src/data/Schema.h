#pragma once
// The seven tables of the database under the alias KV: fields with their
// kinds, widths, titles and display formats, keys and indexes. Names are
// looked up without regard to letter case; a table name may carry a file
// extension ("NotaUtama.DB"), which is ignored. The statements making them
// are each engine's (data/EngineDialect.h).
#include "data/Field.h"

#include <QList>
#include <QString>
#include <QStringList>

struct ColumnDef {
    FieldDef field;
    bool required = false;  // an empty value is refused on post
};

struct IndexDef {
    QString column;
    bool unique = false;
    bool withKey = false;  // the table's key follows, ordering equal values
};

// An index that only makes reading faster (the sales figures): no key, no
// order any window relies on. Databases made before it get it when a
// connection first checks the table (see DataSetsOnConnection::verifyTable).
struct ReadIndexDef {
    QString name;
    QStringList columns;
    bool expressions = false;  // `columns` are expressions over the columns, as written
};

struct TableDef {
    QString name;                 // as the schema spells it
    QList<ColumnDef> columns;
    QString keyColumn;            // default order and key seek; empty: insertion order
    QList<IndexDef> indexes;
    QList<ReadIndexDef> readIndexes;

    int columnIndex(const QString &name) const;  // case-insensitive, -1 when absent
    const ColumnDef *column(const QString &name) const;
    bool isUnique(const QString &column) const;
    QStringList columnNames() const;
};

namespace schema {
const QList<TableDef> &tables();
// The table named `name` (extension ignored, any letter case), nullptr when none.
const TableDef *findTable(const QString &name);
// "Barang.DB" -> "Barang": the name without a file extension.
QString stripExtension(const QString &name);
// SQL text of one identifier: always double-quoted, inner quotes doubled.
QString quote(const QString &identifier);
// "name type [NOT NULL]" of each column of `table`, the types as `typeOf`
// gives them (an engine's column types).
QStringList columnDefinitions(const TableDef &table, QString (*typeOf)(FieldKind kind, bool plainAutoInc),
                              bool plainAutoInc);
// The statement creating one read index, the same on either engine; with
// `ifMissing` it leaves an index of that name alone.
QString createReadIndex(const TableDef &table, const ReadIndexDef &index, bool ifMissing = false);
// A text column's texts ordered by the whole number their digits read as:
// the length of the digits after any leading zeros, then those digits. The
// index over them and the statements ordered by them use these same words.
QStringList numberOrder(const QString &column);
// The tables a Like search runs over (through the search windows), and the
// columns of one that hold text: what the engines index for such a search.
bool searchedByLike(const TableDef &table);
QStringList searchedColumns(const TableDef &table);
} // namespace schema
