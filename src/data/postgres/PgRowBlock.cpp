#include "data/postgres/PgRowBlock.h"

#include "data/postgres/PgValues.h"

#include <libpq-fe.h>

PgRowBlock::PgRowBlock(std::shared_ptr<PGresult> result, int fields, quint64 flags)
    : RowBlock(fields), m_result(std::move(result)), m_rows(PQntuples(m_result.get())), m_flags(flags)
{
    const int columns = PQnfields(m_result.get());
    m_types.reserve(size_t(columns));
    for (int c = 0; c < columns; ++c)
        m_types.push_back(PQftype(m_result.get(), c));
}

qint64 PgRowBlock::rowid(int row) const
{
    return pgvalues::decode(m_types[0], PQgetvalue(m_result.get(), row, 0), PQgetlength(m_result.get(), row, 0)).toLongLong();
}

QVariant PgRowBlock::value(int row, int column) const
{
    const int at = column + 1;
    PGresult *r = m_result.get();
    if (m_flags & (quint64(1) << column))
        return QVariant(!PQgetisnull(r, row, at) && PQgetvalue(r, row, at)[0] != 0);
    if (PQgetisnull(r, row, at))
        return QVariant();
    return pgvalues::decode(m_types[size_t(at)], PQgetvalue(r, row, at), PQgetlength(r, row, at));
}
