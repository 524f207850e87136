#pragma once
// Rows read together keep their values in one block, as the engine gave
// them; a value becomes a variant only when it is looked at. Reading a screen
// of rows costs a few allocations instead of several a row, and rows no one
// looks at are never converted. Each engine keeps its block its own way.
#include <QVariant>

class RowBlock {
public:
    explicit RowBlock(int fields) : m_fields(fields) {}
    virtual ~RowBlock() = default;
    RowBlock(const RowBlock &) = delete;
    RowBlock &operator=(const RowBlock &) = delete;

    int fields() const { return m_fields; }
    virtual int rows() const = 0;
    virtual qint64 rowid(int row) const = 0;
    // Column `column` of the shape's value columns (0: the first field).
    virtual QVariant value(int row, int column) const = 0;
    // The values of every field of a row, appended to `out`.
    virtual void appendValues(int row, QVariantList &out) const
    {
        out.reserve(out.size() + m_fields);
        for (int i = 0; i < m_fields; ++i)
            out.append(value(row, i));
    }

private:
    int m_fields;
};
