#include "data/CheckedDatabase.h"

namespace dbcheck {
QVariant CheckedDatabase::scalar(const QString &sql, const QVariantList &values)
{
    QVariant first;
    bool seen = false;
    eachRow(sql, values, [&](const QVariantList &row) {
        if (!seen && !row.isEmpty())
            first = row.first().isValid() ? row.first() : QVariant(QMetaType::fromType<QString>());
        seen = true;
    });
    return first;
}

QStringList CheckedDatabase::storedColumns(const QString &table)
{
    QStringList out;
    eachRow(dialect().columnsQuery(), {table}, [&out](const QVariantList &row) { out << row.first().toString(); });
    return out;
}
} // namespace dbcheck
