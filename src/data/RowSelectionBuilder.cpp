#include "data/RowSelectionBuilder.h"

#include "core/Errors.h"
#include "data/FieldText.h"
#include "data/FilterText.h"
#include "data/Schema.h"

namespace rowselection {
QString orderColumnFor(const TableDef &table, const QString &field)
{
    const QString wanted = field.trimmed();
    if (wanted.isEmpty())
        return table.keyColumn;
    const ColumnDef *c = table.column(wanted);
    if (!c)
        throw EDatabaseError(QStringLiteral("Tabel '%1' tidak punya field '%2' untuk pengurutan").arg(table.name, wanted));
    return c->field.name;
}

RowSelection make(const TableDef &table, const QString &relation, const std::vector<std::unique_ptr<Field>> &fields,
             const QString &orderColumn)
{
    RowSelection selection;
    selection.relation = relation;
    selection.columns.reserve(qsizetype(fields.size()));
    selection.kinds.reserve(qsizetype(fields.size()));
    for (const auto &f : fields) {
        selection.columns << f->name();
        selection.kinds << f->kind();
    }
    // An auto-number key is the rowid: rowid order is the same order, and in
    // a cached copy it also keeps rows not yet numbered at the end.
    const ColumnDef *orderDef = table.column(orderColumn);
    selection.orderColumn = orderDef && orderDef->field.kind == FieldKind::AutoInc ? QString() : orderColumn;
    selection.orderRequired = orderDef && orderDef->required;
    // Records of equal order value stand in key order, as in a secondary index.
    const ColumnDef *key = table.column(table.keyColumn);
    if (key && key->required && table.isUnique(key->field.name) && key->field.kind != FieldKind::AutoInc
        && key->field.name != selection.orderColumn)
        selection.tieColumn = key->field.name;
    return selection;
}

void addFilter(RowSelection &selection, const TableDef &table, const QString &filter)
{
    if (filter.trimmed().isEmpty())
        return;
    const FilterTerm term = filtertext::parse(filter);
    const ColumnDef *c = table.column(term.field);
    if (!c)
        throw EDatabaseError(
            QStringLiteral("Filter '%1' tidak sah: tabel '%2' tidak punya field '%3'").arg(filter, table.name, term.field));
    const QString col = schema::quote(c->field.name);
    if (term.value.isEmpty()) {
        selection.conditions << QStringLiteral("(%1 IS NULL OR %1 = '')").arg(col);
        return;
    }
    const QVariant value = fieldtext::searchValue(c->field, term.value);
    selection.conditions << col + QStringLiteral(" = ?");
    selection.binds << value;
}
} // namespace rowselection
