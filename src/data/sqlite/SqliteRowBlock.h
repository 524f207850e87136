#pragma once
// SQLite's rows of one read: numbers as numbers, texts and blobs as their
// bytes in one buffer.
#include "data/RowBlock.h"

#include <QByteArray>
#include <QString>

#include <bit>
#include <vector>

struct sqlite3_stmt;

class SqliteRowBlock final : public RowBlock {
public:
    // `width` value columns a row, the first `fields` of them the fields';
    // bit i of `flags`: column i is kept as true or false (whether a picture
    // is present). Room is made for `rows` rows.
    SqliteRowBlock(int fields, int width, quint64 flags, int rows);

    // Adds the current result row of `stmt`: its identity from column 0, its
    // values from column `first` on.
    void add(sqlite3_stmt *stmt, int first);
    int rows() const override { return int(m_rowids.size()); }
    qint64 rowid(int row) const override { return m_rowids[size_t(row)]; }
    QVariant value(int row, int column) const override;
    void appendValues(int row, QVariantList &out) const override;

private:
    enum class Kind : char { Null, Integer, Real, Text, Blob, Flag };
    struct Cell {
        Kind kind = Kind::Null;
        int size = 0;       // bytes of a text or blob
        qint64 number = 0;  // an integer or flag, the bits of a real, or where a text or blob starts
    };

    void keepBytes(Cell &cell, const void *data, int size);
    // Calls `make` with what a variant of the cell's value is made of.
    template <typename Make> auto decode(const Cell &cell, Make make) const
    {
        switch (cell.kind) {
        case Kind::Integer: return make(cell.number);
        case Kind::Real: return make(std::bit_cast<double>(cell.number));
        case Kind::Text: return make(QString::fromUtf8(m_bytes.data() + cell.number, cell.size));
        case Kind::Blob: return make(QByteArray(m_bytes.data() + cell.number, cell.size));
        case Kind::Flag: return make(cell.number != 0);
        case Kind::Null: break;
        }
        return make();
    }

    int m_width;
    quint64 m_flags;
    std::vector<qint64> m_rowids;
    std::vector<Cell> m_cells;  // row by row
    std::vector<char> m_bytes;  // texts and blobs
};
