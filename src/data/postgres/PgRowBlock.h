#pragma once
// PostgreSQL's rows of one read: libpq's result itself, kept until the last
// row read from it goes; values are decoded when they are looked at.
#include "data/RowBlock.h"

#include <memory>
#include <vector>

typedef struct pg_result PGresult;

class PgRowBlock final : public RowBlock {
public:
    // Column 0 of `result` is the row identity; the values follow. Bit i of
    // `flags`: value column i only tells whether a picture is present.
    PgRowBlock(std::shared_ptr<PGresult> result, int fields, quint64 flags);

    int rows() const override { return m_rows; }
    qint64 rowid(int row) const override;
    QVariant value(int row, int column) const override;

private:
    std::shared_ptr<PGresult> m_result;
    int m_rows = 0;
    quint64 m_flags;
    std::vector<unsigned> m_types;  // of each result column
};
