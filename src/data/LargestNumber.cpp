#include "data/LargestNumber.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Schema.h"

namespace largestnumber {
namespace {
constexpr int kPage = 64;

bool isNumber(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

QString of(const QString &table, const QString &column, const QString &alias)
{
    const TableDef *def = schema::findTable(table);
    const ColumnDef *col = def ? def->column(column) : nullptr;
    if (!col)
        throw EDatabaseError(QStringLiteral("Field '%1' tidak ditemukan di tabel '%2'").arg(column, table));
    // Texts of more digits first; among those of as many, the larger digits:
    // the order of the table's number index, so only the first rows are read.
    const QStringList order = schema::numberOrder(col->field.name);
    const QString sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY %3 DESC, %4 DESC LIMIT %5 OFFSET ?")
                            .arg(schema::quote(col->field.name), schema::quote(def->name), order.at(0), order.at(1))
                            .arg(kPage);
    const std::shared_ptr<connection::Connection> conn = connection::ofAlias(alias);
    // Texts that are not numbers may come first: read on until a number.
    for (int offset = 0;; offset += kPage) {
        QString found;
        int rows = 0;
        conn->eachRow(sql, {offset}, [&](const QVariantList &row) {
            ++rows;
            const QString text = row.value(0).toString();
            if (found.isEmpty() && isNumber(text))
                found = text;
        });
        if (!found.isEmpty() || rows < kPage)
            return found;
    }
}

} // namespace largestnumber
