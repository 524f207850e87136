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
} // namespace dbcheck
