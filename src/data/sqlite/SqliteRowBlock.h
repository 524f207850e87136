#pragma once
// SQLite's rows of one read: numbers as numbers, texts and blobs as their
// bytes in one buffer.
#include "data/RowBlock.h"

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

private:
    enum class Kind : char { Null, Integer, Real, Text, Blob, Flag };
    struct Cell {
        Kind kind = Kind::Null;
        int size = 0;       // bytes of a text or blob
        qint64 number = 0;  // an integer or flag, the bits of a real, or where a text or blob starts
    };

    void keepBytes(Cell &cell, const void *data, int size);

    int m_width;
    quint64 m_flags;
    std::vector<qint64> m_rowids;
    std::vector<Cell> m_cells;  // row by row
    std::vector<char> m_bytes;  // texts and blobs
};
