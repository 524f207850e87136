#pragma once
// Reads the rows of one dataset straight from the engine, a few at a time, in the
// dataset's order (one column, then rowid). Nothing reads the whole table:
// windows of rows are found by their neighbours' keys (keyset paging) so that
// moving, seeking and reading a screen cost the same on any table size.
// Pictures are not read with the rows; only whether one is present.
#include "data/Field.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

#include "data/Connection.h"

class RowBlock;

// One row: its rowid, its place in the order and its values, read from the
// block it came in the first time they are asked for.
class Row {
public:
    qint64 rowid = 0;
    quint64 lazy = 0;  // bit i: value i only tells whether a picture is present

    Row() = default;
    Row(qint64 rowid, quint64 lazy, std::shared_ptr<const RowBlock> block, int index, int orderAt, int tieAt);

    const QVariantList &values() const;  // one per field
    QVariant value(int field) const;     // one of them, leaving the others as read
    void setValue(int field, const QVariant &value);
    QVariant orderKey() const;  // the order column's value (null in rowid order)
    QVariant tieKey() const;    // what orders rows of equal orderKey: a unique key or the rowid
    // For a row that was not read: where it would stand.
    void setKeys(const QVariant &orderKey, const QVariant &tieKey);

private:
    std::shared_ptr<const RowBlock> m_block;
    int m_index = 0;     // the row within the block
    int m_orderAt = -1;  // block columns of the order and tie values; -1: none, or the rowid
    int m_tieAt = -1;
    mutable QVariantList m_values;
    mutable bool m_decoded = false;
    QVariant m_orderKey, m_tieKey;  // of a row that was not read
};

struct RowSelection {
    QString relation;           // quoted table name, maybe schema-qualified
    QStringList columns;        // one per field, schema spelling
    QList<FieldKind> kinds;     // one per field
    QString orderColumn;        // empty: rowid (insertion) order
    QString tieColumn;          // orders rows of equal order value: a unique, required key; empty: rowid
    bool orderRequired = false; // the order column never lacks a value: no search for rows without one
    QStringList conditions;     // SQL fragments with "?" placeholders, ANDed
    QVariantList binds;         // values for the conditions' placeholders
    const connection::Connection *engine = nullptr;  // whose SQL the conditions are written in

    // True when `other` reads with the same statements, its values aside.
    bool sameStatements(const RowSelection &other) const;
};

class RowReader {
public:
    RowReader(std::shared_ptr<connection::Connection> connection, RowSelection selection);

    const RowSelection &selection() const { return m_selection; }
    const std::shared_ptr<connection::Connection> &connection() const { return m_connection; }
    // Takes the values of a selection that reads with the same statements.
    void setBinds(const QVariantList &binds) { m_selection.binds = binds; }

    std::vector<Row> after(const Row *anchor, int limit);   // ascending; from the start without anchor
    std::vector<Row> before(const Row *anchor, int limit);  // nearest first; from the end without anchor
    std::vector<Row> at(int offset, int limit);             // by position
    std::optional<Row> byRowid(qint64 rowid);               // only when visible
    // The first visible row, in order, whose column equals the value (a null
    // value matches rows without a value).
    std::optional<Row> firstWhere(const QString &column, const QVariant &value);
    int count();
    int position(const Row &row);  // number of visible rows before it
    QVariant loadValue(qint64 rowid, int field);

private:
    // The reads of rows, each one statement kept for this reader.
    enum Read {
        FromStart,       // all rows, ascending
        FromEnd,         // all rows, descending
        FromOffset,      // all rows, ascending, from an offset
        AfterRowid,      // insertion order
        BeforeRowid,
        AfterKey,        // rows after a row with an order value
        BeforeKey,
        AfterNullKey,    // rows without an order value, after one of them
        BeforeNullKey,
        WithKey,         // every row with an order value, ascending
        WithoutKey,      // every row without one, descending
        ByRowid,
        ReadCount
    };
    connection::Statement *statement(Read read);
    QString sqlOf(Read read) const;
    std::vector<Row> fetch(connection::Statement *stmt, const QVariantList &binds, int limit, int offset = 0);
    QString select(const QString &condition, const QString &order) const;
    QString where(const QString &extra) const;
    QString orderAsc() const;
    QString orderDesc() const;
    qint64 scalar(const QString &sql, const QVariantList &binds);

    std::shared_ptr<connection::Connection> m_connection;
    RowSelection m_selection;
    QString m_selectList;
    QString m_orderQuoted;
    QString m_tie;   // SQL of the tie-breaker: a quoted key column or rowid
    int m_orderAt = -1;  // result column of the order value
    int m_tieAt = 0;     // result column of the tie value (0: rowid)
    int m_valuesAt = 1;  // result column of the first field
    connection::BlockShape m_shape;
    quint64 m_graphics = 0;
    // Statements prepared on the connection, which owns them; they are valid
    // while it is open.
    connection::Statement *m_statements[ReadCount] = {};
    QString m_countSql;  // made on first use
    QStringList m_loadSql;  // loadValue's statement by field, made on first use
    QHash<QString, connection::Statement *> m_seeks;  // by column; a line feed after it: rows without a value
};
