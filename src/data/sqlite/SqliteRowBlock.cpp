#include "data/sqlite/SqliteRowBlock.h"

#include <bit>

#include <sqlite3.h>

SqliteRowBlock::SqliteRowBlock(int fields, int width, quint64 flags, int rows) : RowBlock(fields), m_width(width), m_flags(flags)
{
    m_rowids.reserve(size_t(rows));
    m_cells.reserve(size_t(width) * size_t(rows));
    m_bytes.reserve(size_t(rows) * 64);  // about the texts of a row of goods
}

namespace {
qint64 bitsOf(double real) { return std::bit_cast<qint64>(real); }
} // namespace

void SqliteRowBlock::add(sqlite3_stmt *stmt, int first)
{
    m_rowids.push_back(sqlite3_column_int64(stmt, 0));
    for (int c = 0; c < m_width; ++c) {
        // Each sqlite3_column_* call takes the connection's lock; the value's
        // own accessors do not, and the statement is only used here.
        sqlite3_value *value = sqlite3_column_value(stmt, first + c);
        Cell cell;
        if (m_flags & (quint64(1) << c)) {
            cell.kind = Kind::Flag;
            cell.number = sqlite3_value_int(value) != 0;
            m_cells.push_back(cell);
            continue;
        }
        switch (sqlite3_value_type(value)) {
        case SQLITE_INTEGER:
            cell.kind = Kind::Integer;
            cell.number = sqlite3_value_int64(value);
            break;
        case SQLITE_FLOAT:
            cell.kind = Kind::Real;
            cell.number = bitsOf(sqlite3_value_double(value));
            break;
        case SQLITE_TEXT: {
            cell.kind = Kind::Text;
            const unsigned char *text = sqlite3_value_text(value);  // before the size, as SQLite wants it
            keepBytes(cell, text, sqlite3_value_bytes(value));
            break;
        }
        case SQLITE_BLOB: {
            cell.kind = Kind::Blob;
            const void *data = sqlite3_value_blob(value);
            keepBytes(cell, data, sqlite3_value_bytes(value));
            break;
        }
        default: break;
        }
        m_cells.push_back(cell);
    }
}

void SqliteRowBlock::keepBytes(Cell &cell, const void *data, int size)
{
    cell.size = size;
    cell.number = qint64(m_bytes.size());
    const auto *from = static_cast<const char *>(data);
    if (size > 0)
        m_bytes.insert(m_bytes.end(), from, from + size);  // not resized first: that would clear the bytes
}

QVariant SqliteRowBlock::value(int row, int column) const
{
    return decode(m_cells[size_t(row) * size_t(m_width) + size_t(column)],
                  [](auto &&...made) { return QVariant(std::forward<decltype(made)>(made)...); });
}

void SqliteRowBlock::appendValues(int row, QVariantList &out) const
{
    // Each value made in its place: a variant made and moved costs about as
    // much as the value itself.
    const Cell *cells = m_cells.data() + size_t(row) * size_t(m_width);
    out.reserve(out.size() + fields());
    for (int i = 0; i < fields(); ++i)
        decode(cells[i], [&out](auto &&...made) { out.emplaceBack(std::forward<decltype(made)>(made)...); });
}
