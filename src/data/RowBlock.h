#pragma once
// Rows read together keep their values in one block, as SQLite gave them
// (numbers as numbers, texts as UTF-8 bytes); a value becomes a variant only
// when it is looked at. Reading a screen of rows costs a few allocations
// instead of several a row, and rows no one looks at are never converted.
#include <QVariant>
#include <vector>

struct sqlite3_stmt;

class RowBlock {
public:
    // `width` result columns a row, the first `fields` of them the fields';
    // bit i of `flags`: column i is kept as true or false (whether a picture
    // is present). Room is made for `rows` rows.
    RowBlock(int fields, int width, quint64 flags, int rows);

    // Adds the current result row of `stmt`, its columns from `first` on.
    void add(sqlite3_stmt *stmt, int first);
    int fields() const { return m_fields; }
    QVariant value(int row, int column) const;

private:
    enum class Kind : char { Null, Integer, Real, Text, Blob, Flag };
    struct Cell {
        Kind kind = Kind::Null;
        int size = 0;       // bytes of a text or blob
        qint64 number = 0;  // an integer or flag, the bits of a real, or where a text or blob starts
    };

    int m_fields;
    int m_width;
    quint64 m_flags;
    std::vector<Cell> m_cells;  // row by row
    std::vector<char> m_bytes;  // texts and blobs
};
