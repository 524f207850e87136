#include "search/SearchText.h"

#include <QStringList>

namespace searchtext {

QString statement(const QString &columns, const QString &table, const QString &column, const QString &typed,
                  const QString &orderColumn)
{
    QString pattern = typed;
    pattern.replace(QLatin1Char('"'), QLatin1String("\"\""));
    const QStringList lines{
        QStringLiteral("SELECT"),
        columns,
        QStringLiteral("FROM"),
        table,
        QStringLiteral("Where"),
        column + QStringLiteral(" Like \"%") + pattern + QStringLiteral("%\""),
        QStringLiteral("ORDER BY ") + orderColumn,
    };
    return lines.join(QLatin1Char('\n'));
}

QString equalsFilter(const QString &field, const QString &value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return field + QStringLiteral("='") + quoted + QLatin1Char('\'');
}

} // namespace searchtext
