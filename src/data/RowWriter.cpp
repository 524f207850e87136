#include "data/RowWriter.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/FieldText.h"
#include "data/Schema.h"

#include <optional>

namespace {
// The quoted column names of a write and the values bound to them.
void split(const QList<ColumnValue> &values, QStringList *names, QVariantList *binds)
{
    for (const ColumnValue &v : values) {
        *names << schema::quote(v.field->name);
        *binds << v.value;
    }
}
} // namespace

RowWriter::RowWriter(connection::Connection &connection, const TableDef &table, QString relation, bool ownTransaction)
    : m_connection(connection), m_table(table), m_relation(std::move(relation)), m_ownTransaction(ownTransaction)
{
}

void RowWriter::checkRequired(const QStringList &fieldsWithoutValue) const
{
    for (const QString &name : fieldsWithoutValue) {
        const ColumnDef *c = m_table.column(name);
        if (c && c->required)
            throw EDatabaseError(QStringLiteral("Field '%1' must have a value").arg(name));
    }
}

void RowWriter::checkUnique(const QList<ColumnValue> &values, qint64 rowid) const
{
    for (const ColumnValue &v : values) {
        if (v.field->kind == FieldKind::AutoInc || v.value.isNull() || !m_table.isUnique(v.field->name))
            continue;
        const bool taken = m_connection.exists(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? AND rowid <> ? LIMIT 1")
                                                   .arg(m_relation, schema::quote(v.field->name)),
                                               {v.value, rowid});
        if (taken)
            throw EDatabaseError(QStringLiteral("Duplicate key: table '%1' already has a record with %2 '%3'")
                                     .arg(m_table.name, v.field->name, fieldtext::asString(*v.field, v.value)));
    }
}

void RowWriter::failWrite(const QString &table, const QString &text)
{
    if (text.contains(QLatin1String("UNIQUE constraint failed")))
        throw EDatabaseError(QStringLiteral("Duplicate key in table '%1'").arg(table));
    if (text.contains(QLatin1String("NOT NULL constraint failed"))) {
        const QString column = text.section(QLatin1Char('.'), -1).trimmed();
        throw EDatabaseError(QStringLiteral("Field '%1' must have a value").arg(column));
    }
    throw EDatabaseError(QStringLiteral("Cannot write table '%1': %2").arg(table, text));
}

qint64 RowWriter::insert(const QList<ColumnValue> &values)
{
    std::optional<connection::Transaction> tx;
    if (m_ownTransaction)
        tx.emplace(m_connection);
    checkUnique(values, -1);
    QStringList names;
    QVariantList binds;
    split(values, &names, &binds);
    const QString sql = values.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_relation)
                                         : QStringLiteral("INSERT INTO %1 (%2) VALUES (?%3)")
                                               .arg(m_relation, names.join(QStringLiteral(", ")),
                                                    QStringLiteral(", ?").repeated(values.size() - 1));
    QString error;
    if (m_connection.run(sql, binds, &error) < 0)
        failWrite(m_table.name, error);
    const qint64 rowid = m_connection.lastInsertRowid();
    if (tx)
        tx->commit();
    return rowid;
}

void RowWriter::update(qint64 rowid, const QList<ColumnValue> &values)
{
    std::optional<connection::Transaction> tx;
    if (m_ownTransaction)
        tx.emplace(m_connection);
    checkUnique(values, rowid);
    QStringList names;
    QVariantList binds;
    split(values, &names, &binds);
    binds << rowid;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?").arg(m_relation, names.join(QStringLiteral(" = ?, ")));
    QString error;
    const int changed = m_connection.run(sql, binds, &error);
    if (changed < 0)
        failWrite(m_table.name, error);
    if (changed == 0)
        throw EDatabaseError(QStringLiteral("Record not found in table '%1': it was deleted").arg(m_table.name));
    if (tx)
        tx->commit();
}

void RowWriter::remove(qint64 rowid)
{
    std::optional<connection::Transaction> tx;
    if (m_ownTransaction)
        tx.emplace(m_connection);
    QString error;
    if (m_connection.run(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(m_relation), {rowid}, &error) < 0)
        failWrite(m_table.name, error);
    if (tx)
        tx->commit();
}
