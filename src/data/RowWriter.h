#pragma once
// Writes the rows of one dataset, as RowReader reads them: checks what the
// schema asks (a value in every required field, no second record with a
// unique value), then inserts, updates or deletes one row by its rowid. Each
// write is one transaction (one statement, or a unique value's check and
// its write together), except on a private copy of the rows (cached
// updates), whose changes reach the table only when applied.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

struct FieldDef;
struct TableDef;
namespace connection {
class Connection;
struct Failure;
}

// One column of a write: the field and the value to store, as bound.
struct ColumnValue {
    const FieldDef *field;
    QVariant value;
};

class RowWriter {
public:
    RowWriter(connection::Connection &connection, const TableDef &table, QString relation, bool ownTransaction);

    // Raises "Field '<name>' harus diisi" for the first of
    // `fieldsWithoutValue` that the table requires.
    void checkRequired(const QStringList &fieldsWithoutValue) const;
    // Raises EDuplicateKey when a unique value of a new row is already stored.
    void checkInsert(const QList<ColumnValue> &values) { checkUnique(values, -1); }
    // The new row's rowid. `checked`: checkInsert() passed for these values
    // just before, in the same transaction.
    qint64 insert(const QList<ColumnValue> &values, bool checked = false);
    // Writes `values` while the row still holds `asRead` (a picture by its
    // digest, pictureblob::digest); raises ERecordChanged when another program
    // changed it since, and an engine error when it is gone.
    void update(qint64 rowid, const QList<ColumnValue> &values, const QList<ColumnValue> &asRead);
    void remove(qint64 rowid);

    // Raises the engine's error for a refused write of `values` to `table`.
    [[noreturn]] static void failWrite(const TableDef &table, const connection::Failure &failure,
                                       const QList<ColumnValue> &values);

private:
    void checkUnique(const QList<ColumnValue> &values, qint64 rowid);
    bool checksUnique(const QList<ColumnValue> &values) const;
    [[noreturn]] static void throwDuplicate(const TableDef &table, const ColumnValue &value);
    // The statement text for these columns, made once for a run of writes
    // of the same columns.
    const QString &insertSql(const QList<ColumnValue> &values);
    const QString &updateSql(const QList<ColumnValue> &values, const QList<ColumnValue> &asRead);

    connection::Connection &m_connection;
    const TableDef &m_table;
    QString m_relation;
    bool m_ownTransaction;
    QList<const FieldDef *> m_insertColumns, m_updateColumns, m_comparedColumns;
    QString m_insertSql, m_updateSql;
    QHash<const FieldDef *, QString> m_uniqueSql;
};
