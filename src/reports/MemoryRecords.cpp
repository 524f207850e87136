#include "reports/MemoryRecords.h"

#include "core/NumberText.h"

MemoryRecords::MemoryRecords(QStringList columns) : m_columns(std::move(columns)) {}

void MemoryRecords::addRow(const QVariantList &values) { m_rows.append(values); }

void MemoryRecords::next()
{
    if (m_position < m_rows.size())
        ++m_position;
}

const QVariant *MemoryRecords::value(const QString &field) const
{
    if (eof())
        return nullptr;
    qsizetype column = -1;
    for (qsizetype i = 0; i < m_columns.size() && column < 0; ++i)
        if (m_columns.at(i).compare(field, Qt::CaseInsensitive) == 0)
            column = i;
    const QVariantList &row = m_rows.at(m_position);
    if (column < 0 || column >= row.size())
        return nullptr;
    return &row.at(column);
}

QString MemoryRecords::text(const QString &field) const
{
    const QVariant *v = value(field);
    if (!v)
        return {};
    switch (v->typeId()) {
    case QMetaType::QString:
        return v->toString();
    case QMetaType::Double:
    case QMetaType::Float:
        return numtext::floatToStr(v->toDouble());
    case QMetaType::Int:
    case QMetaType::LongLong:
        return QString::number(v->toLongLong());
    default:
        return {};
    }
}

QImage MemoryRecords::picture(const QString &field) const
{
    const QVariant *v = value(field);
    if (!v || v->typeId() != QMetaType::QImage)
        return {};
    return v->value<QImage>();
}
