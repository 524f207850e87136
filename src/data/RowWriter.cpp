#include "data/RowWriter.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/FieldText.h"
#include "data/Schema.h"

#include <algorithm>
#include <optional>

namespace {
// A value a unique key of `table` must not hold twice (auto-numbers are the
// engine's own; no value is never a duplicate).
bool isUniqueValue(const TableDef &table, const ColumnValue &v)
{
    return v.field->kind != FieldKind::AutoInc && !v.value.isNull() && table.isUnique(v.field->name);
}

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
            throw EDatabaseError(QStringLiteral("Field '%1' harus diisi").arg(name));
    }
}

void RowWriter::checkUnique(const QList<ColumnValue> &values, qint64 rowid)
{
    for (const ColumnValue &v : values) {
        if (!isUniqueValue(m_table, v))
            continue;
        QString &sql = m_uniqueSql[v.field];
        if (sql.isEmpty())
            sql = QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? AND rowid <> ? LIMIT 1").arg(m_relation, schema::quote(v.field->name));
        if (m_connection.exists(sql, {v.value, rowid}))
            throwDuplicate(m_table, v);
    }
}

void RowWriter::throwDuplicate(const TableDef &table, const ColumnValue &value)
{
    throw EDuplicateKey(QStringLiteral("Kunci ganda: tabel '%1' sudah memuat record dengan %2 '%3'")
                            .arg(table.name, value.field->name, fieldtext::asString(*value.field, value.value)));
}

void RowWriter::failWrite(const TableDef &table, const connection::Failure &failure, const QList<ColumnValue> &values)
{
    switch (failure.kind) {
    case connection::Failure::Duplicate:
        // Another program stored the same key between the check and the write.
        for (const ColumnValue &v : values)
            if (isUniqueValue(table, v))
                throwDuplicate(table, v);
        throw EDuplicateKey(QStringLiteral("Kunci ganda di tabel '%1'").arg(table.name));
    case connection::Failure::Required: {
        const ColumnDef *c = table.column(failure.column);
        throw EDatabaseError(QStringLiteral("Field '%1' harus diisi").arg(c ? c->field.name : failure.column));
    }
    case connection::Failure::Busy:
        connection::Connection::fail(QStringLiteral("Tabel '%1' tidak dapat ditulis").arg(table.name), failure);
    case connection::Failure::Lost:
    case connection::Failure::Other: break;
    }
    throw EDatabaseError(QStringLiteral("Tabel '%1' tidak dapat ditulis: %2").arg(table.name, failure.text));
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

const QString &RowWriter::updateSql(const QList<ColumnValue> &values, const QList<ColumnValue> &asRead)
{
    QList<const FieldDef *> columns = columnsOf(values);
    QList<const FieldDef *> compared = columnsOf(asRead);
    if (m_updateSql.isEmpty() || columns != m_updateColumns || compared != m_comparedColumns) {
        // The row is written only while it still holds what was read.
        QString unchanged;
        for (const ColumnValue &v : asRead) {
            const QString c = schema::quote(v.field->name);
            unchanged += QStringLiteral(" AND %1 %2 ?")
                             .arg(v.field->kind == FieldKind::Graphic ? m_connection.dialect().pictureDigest(c) : c,
                                  m_connection.dialect().sameValueOperator());
        }
        m_updateSql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?%3")
                          .arg(m_relation, quotedNames(values).join(QStringLiteral(" = ?, ")), unchanged);
        m_updateColumns = std::move(columns);
        m_comparedColumns = std::move(compared);
    }
    return m_updateSql;
}

bool RowWriter::checksUnique(const QList<ColumnValue> &values) const
{
    return std::any_of(values.begin(), values.end(), [this](const ColumnValue &v) { return isUniqueValue(m_table, v); });
}

qint64 RowWriter::insert(const QList<ColumnValue> &values, bool checked)
{
    // A write of one statement is a transaction of its own; a unique value is
    // checked and written in one transaction.
    std::optional<connection::Transaction> tx;
    if (m_ownTransaction && checksUnique(values))
        tx.emplace(m_connection);
    if (!checked)
        checkUnique(values, -1);
    connection::Failure failure;
    const qint64 rowid = m_connection.insert(insertSql(values), bindsOf(values), &failure);
    if (rowid < 0)
        failWrite(m_table, failure, values);
    if (tx)
        tx->commit();
    return rowid;
}

void RowWriter::update(qint64 rowid, const QList<ColumnValue> &values, const QList<ColumnValue> &asRead)
{
    std::optional<connection::Transaction> tx;
    if (m_ownTransaction && checksUnique(values))
        tx.emplace(m_connection);
    checkUnique(values, rowid);
    QVariantList binds = bindsOf(values);
    binds << rowid;
    binds += bindsOf(asRead);
    connection::Failure failure;
    const int changed = m_connection.run(updateSql(values, asRead), binds, &failure);
    if (changed < 0)
        failWrite(m_table, failure, values);
    if (changed == 0) {
        if (!m_connection.exists(QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ?").arg(m_relation), {rowid}))
            throw EDatabaseError(QStringLiteral("Record tidak ditemukan di tabel '%1': record itu sudah dihapus").arg(m_table.name));
        throw ERecordChanged(QStringLiteral("Record ini sudah diubah di meja lain sejak dibaca dan kini sudah dibaca "
                                            "ulang: simpan untuk menimpanya dengan perubahan Anda, atau batalkan perubahan itu."));
    }
    if (tx)
        tx->commit();
}

void RowWriter::remove(qint64 rowid)
{
    connection::Failure failure;
    if (m_connection.run(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(m_relation), {rowid}, &failure) < 0)
        failWrite(m_table, failure, {});
}
