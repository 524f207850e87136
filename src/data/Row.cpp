#include "data/RowReader.h"

#include "data/RowBlock.h"

Row::Row(qint64 id, quint64 lazyBits, std::shared_ptr<const RowBlock> block, int index, int orderAt, int tieAt)
    : rowid(id), lazy(lazyBits), m_block(std::move(block)), m_index(index), m_orderAt(orderAt), m_tieAt(tieAt)
{
}

const QVariantList &Row::values() const
{
    if (!m_decoded && m_block)
        m_block->appendValues(m_index, m_values);
    m_decoded = true;
    return m_values;
}

QVariant Row::value(int field) const
{
    if (m_decoded || !m_block)
        return m_values.value(field);
    return m_block->value(m_index, field);
}

void Row::setValue(int field, const QVariant &value)
{
    values();
    if (field >= 0 && field < m_values.size())
        m_values[field] = value;
}

QVariant Row::orderKey() const
{
    if (!m_block)
        return m_orderKey;
    return m_orderAt >= 0 ? m_block->value(m_index, m_orderAt) : QVariant();
}

QVariant Row::tieKey() const
{
    if (!m_block)
        return m_tieKey;
    return m_tieAt >= 0 ? m_block->value(m_index, m_tieAt) : QVariant(rowid);
}

void Row::setKeys(const QVariant &orderKey, const QVariant &tieKey)
{
    m_orderKey = orderKey;
    m_tieKey = tieKey;
}
