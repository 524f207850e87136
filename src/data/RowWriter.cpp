#include "data/RowWriter.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/FieldText.h"
#include "data/Schema.h"

#include <optional>

namespace {
QList<const FieldDef *> columnsOf(const QList<ColumnValue> &values)
{
    QList<const FieldDef *> out;
    out.reserve(values.size());
    for (const ColumnValue &v : values)
        out << v.field;
    return out;
}

QVariantList bindsOf(const QList<ColumnValue> &values)
{
    QVariantList out;
    out.reserve(values.size() + 1);
    for (const ColumnValue &v : values)
        out << v.value;
    return out;
}

QStringList quotedNames(const QList<ColumnValue> &values)
{
    QStringList out;
    for (const ColumnValue &v : values)
        out << schema::quote(v.field->name);
    return out;
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

void RowWriter::checkUnique(const QList<ColumnValue> &values, qint64 rowid)
{
    for (const ColumnValue &v : values) {
        if (v.field->kind == FieldKind::AutoInc || v.value.isNull() || !m_table.isUnique(v.field->name))
            continue;
        QString &sql = m_uniqueSql[v.field];
        if (sql.isEmpty())
            sql = QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? AND rowid <> ? LIMIT 1").arg(m_relation, schema::quote(v.field->name));
        const bool taken = m_connection.exists(sql, {v.value, rowid});
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

const QString &RowWriter::insertSql(const QList<ColumnValue> &values)
{
    QList<const FieldDef *> columns = columnsOf(values);
    if (m_insertSql.isEmpty() || columns != m_insertColumns) {
        m_insertSql = values.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_relation)
                                       : QStringLiteral("INSERT INTO %1 (%2) VALUES (?%3)")
                                             .arg(m_relation, quotedNames(values).join(QStringLiteral(", ")),
                                                  QStringLiteral(", ?").repeated(values.size() - 1));
        m_insertColumns = std::move(columns);
    }
    return m_insertSql;
}

const QString &RowWriter::updateSql(const QList<ColumnValue> &values)
{
    QList<const FieldDef *> columns = columnsOf(values);
    if (m_updateSql.isEmpty() || columns != m_updateColumns) {
        m_updateSql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                          .arg(m_relation, quotedNames(values).join(QStringLiteral(" = ?, ")));
        m_updateColumns = std::move(columns);
    }
    return m_updateSql;
}

qint64 RowWriter::insert(const QList<ColumnValue> &values)
{
    std::optional<connection::Transaction> tx;
    if (m_ownTransaction)
        tx.emplace(m_connection);
    checkUnique(values, -1);
    QString error;
    if (m_connection.run(insertSql(values), bindsOf(values), &error) < 0)
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
    QVariantList binds = bindsOf(values);
    binds << rowid;
    QString error;
    const int changed = m_connection.run(updateSql(values), binds, &error);
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
