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
double realOf(qint64 bits) { return std::bit_cast<double>(bits); }
} // namespace

void SqliteRowBlock::add(sqlite3_stmt *stmt, int first)
{
    m_rowids.push_back(sqlite3_column_int64(stmt, 0));
    for (int c = 0; c < m_width; ++c) {
        const int column = first + c;
        Cell cell;
        if (m_flags & (quint64(1) << c)) {
            cell.kind = Kind::Flag;
            cell.number = sqlite3_column_int(stmt, column) != 0;
            m_cells.push_back(cell);
            continue;
        }
        switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_INTEGER:
            cell.kind = Kind::Integer;
            cell.number = sqlite3_column_int64(stmt, column);
            break;
        case SQLITE_FLOAT:
            cell.kind = Kind::Real;
            cell.number = bitsOf(sqlite3_column_double(stmt, column));
            break;
        case SQLITE_TEXT: {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
            cell.kind = Kind::Text;
            cell.size = sqlite3_column_bytes(stmt, column);
            cell.number = qint64(m_bytes.size());
            m_bytes.insert(m_bytes.end(), text, text + cell.size);
            break;
        }
        case SQLITE_BLOB: {
            const auto *data = static_cast<const char *>(sqlite3_column_blob(stmt, column));
            cell.kind = Kind::Blob;
            cell.size = sqlite3_column_bytes(stmt, column);
            cell.number = qint64(m_bytes.size());
            m_bytes.insert(m_bytes.end(), data, data + cell.size);
            break;
        }
        default: break;
        }
        m_cells.push_back(cell);
    }
}

QVariant SqliteRowBlock::value(int row, int column) const
{
    const Cell &cell = m_cells[size_t(row) * size_t(m_width) + size_t(column)];
    switch (cell.kind) {
    case Kind::Null: break;
    case Kind::Integer: return QVariant(cell.number);
    case Kind::Real: return QVariant(realOf(cell.number));
    case Kind::Text: return QVariant(QString::fromUtf8(m_bytes.data() + cell.number, cell.size));
    case Kind::Blob: return QVariant(QByteArray(m_bytes.data() + cell.number, cell.size));
    case Kind::Flag: return QVariant(cell.number != 0);
    }
    return QVariant();
}
