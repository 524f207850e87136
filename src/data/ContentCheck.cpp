#include "data/ContentCheck.h"

#include "data/CheckedDatabase.h"
#include "core/NumberText.h"
#include "core/TextCut.h"
#include "data/Schema.h"

#include <QDate>
#include <QHash>

#include <cmath>

namespace dbcheck {
namespace {
bool isChecked(FieldKind kind)
{
    return kind == FieldKind::Float || kind == FieldKind::Integer || kind == FieldKind::AutoInc || kind == FieldKind::Date;
}

// The SQL condition picking the rows whose value of `column` may not
// convert; those are looked at one by one. Any date text needs a look.
QString suspectCondition(const CheckedDatabase &db, const ColumnDef &column)
{
    const QString c = schema::quote(column.field.name);
    switch (column.field.kind) {
    case FieldKind::Float:
    case FieldKind::Integer:
    case FieldKind::AutoInc: return db.dialect().unusableNumber(column.field.kind, c);
    default: return QStringLiteral("%1 IS NOT NULL").arg(c);
    }
}

// How a stored value reads in a message.
QString shown(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString: {
        const QString text = value.toString();
        const QString cut = textcut::cutToWidth(text, 40);
        return QLatin1Char('\'') + cut + (cut.size() < text.size() ? QStringLiteral("...'") : QStringLiteral("'"));
    }
    case QMetaType::QByteArray: return QStringLiteral("data biner (%1 byte)").arg(value.toByteArray().size());
    case QMetaType::Double:
        if (std::isnan(value.toDouble()))
            return QStringLiteral("NaN");
        if (std::isinf(value.toDouble()))
            return value.toDouble() > 0 ? QStringLiteral("tak hingga") : QStringLiteral("minus tak hingga");
        return numtext::floatToStr(value.toDouble());
    default: return value.toString();
    }
}

// Why the program cannot use `value` in a field of `kind`; empty when it can.
QString whyNot(FieldKind kind, const QVariant &value)
{
    if (!value.isValid() || (value.typeId() == QMetaType::QString && value.toString().isEmpty()))
        return QString();  // no value
    const bool text = value.typeId() == QMetaType::QString;
    switch (kind) {
    case FieldKind::Float: {
        long double read = 0;
        if (text && numtext::tryStrToFloat(value.toString(), read))
            return QString();
        if (value.typeId() == QMetaType::Double)
            return std::isfinite(value.toDouble()) ? QString() : QStringLiteral("yang bukan angka terhingga");
        return value.typeId() == QMetaType::LongLong ? QString() : QStringLiteral("yang bukan angka");
    }
    case FieldKind::Integer:
    case FieldKind::AutoInc: {
        qint64 read = 0;
        if (value.typeId() == QMetaType::LongLong || (text && numtext::tryStrToInt(value.toString(), read)))
            return QString();
        return value.typeId() == QMetaType::Double ? QStringLiteral("yang di luar jangkauan bilangan bulat")
                                                   : QStringLiteral("yang bukan bilangan bulat");
    }
    case FieldKind::Date:
        if (text && QDate::fromString(value.toString().left(10), QStringLiteral("yyyy-MM-dd")).isValid())
            return QString();
        return QStringLiteral("yang bukan tanggal");
    default: return QString();
    }
}

// "Barang KV-0001", or by row number where the table has no key or the
// record has no key value: "Nota baris 17 (ID_Nota 000001)".
QString recordName(const TableDef &table, const QString &keyColumn, const QVariant &rowid, const QVariant &key)
{
    const QString keyText = key.toString();
    if (!table.keyColumn.isEmpty() && !keyText.isEmpty())
        return table.name + QLatin1Char(' ') + keyText;
    QString name = QStringLiteral("%1 baris %2").arg(table.name, rowid.toString());
    if (!keyColumn.isEmpty())
        name += keyText.isEmpty() ? QStringLiteral(" (tanpa %1)").arg(keyColumn) : QStringLiteral(" (%1 %2)").arg(keyColumn, keyText);
    return name;
}

void tableValueProblems(CheckedDatabase &db, const TableDef &table, QStringList &problems)
{
    QList<const ColumnDef *> checked;
    QStringList columns, conditions;
    for (const ColumnDef &c : table.columns) {
        if (!isChecked(c.field.kind))
            continue;
        checked << &c;
        columns << schema::quote(c.field.name);
        conditions << QLatin1Char('(') + suspectCondition(db, c) + QLatin1Char(')');
    }
    if (checked.isEmpty())
        return;
    // A table without a key is named by its first index (Nota: the invoice).
    const QString keyColumn = !table.keyColumn.isEmpty() ? table.keyColumn
                            : table.indexes.isEmpty()    ? QString()
                                                         : table.indexes.first().column;
    const QString sql = QStringLiteral("SELECT rowid, %1, %2 FROM %3 WHERE %4 ORDER BY rowid")
                            .arg(keyColumn.isEmpty() ? QStringLiteral("NULL") : schema::quote(keyColumn),
                                 columns.join(QStringLiteral(", ")), schema::quote(table.name),
                                 conditions.join(QStringLiteral(" OR ")));
    db.eachRow(sql, {}, [&](const QVariantList &row) {
        for (int i = 0; i < checked.size(); ++i) {
            const QVariant &value = row.at(2 + i);
            const QString why = whyNot(checked[i]->field.kind, value);
            if (!why.isEmpty())
                problems << QStringLiteral("%1: %2 berisi %3, %4")
                                .arg(recordName(table, keyColumn, row.at(0), row.at(1)), checked[i]->field.name, shown(value), why);
        }
    });
}

struct LineSum {
    long double sum = 0;
    qint64 lines = 0;
    bool unreadable = false;  // a line's amount does not convert (listed on its own)
};

bool sameMoney(long double a, long double b)
{
    // Half a cent, and a little more for the rounding of very large sums.
    return std::fabs(a - b) <= 0.005L + 1e-12L * std::max(std::fabs(a), std::fabs(b));
}

// Lines of the invoices, summed where the engine can: each invoice's sum of
// the finite amounts and its number of lines. The amounts the engine cannot
// add (text, or not finite) come from lineAmountsToRead.
QString lineSums(const CheckedDatabase &db)
{
    const QString amount = QStringLiteral("\"Jumlah\"");
    return QStringLiteral("SELECT \"ID_Nota\", %1, count(*) FROM \"Nota\" GROUP BY \"ID_Nota\"")
        .arg(db.dialect().finiteSum(amount));
}

QString lineAmountsToRead(const CheckedDatabase &db)
{
    const QString amount = QStringLiteral("\"Jumlah\"");
    return QStringLiteral("SELECT \"ID_Nota\", \"Jumlah\" FROM \"Nota\" WHERE %1")
        .arg(db.dialect().unusableNumber(FieldKind::Float, amount));
}
} // namespace

void totalProblems(CheckedDatabase &db, QStringList &problems)
{
    // Finite numbers are added by the engine; the other amounts are read here
    // as the program reads them: text that converts counts, anything else
    // makes the invoice's sum unknown (that line is listed on its own).
    QHash<QString, LineSum> sums;
    db.eachRow(lineSums(db), {}, [&](const QVariantList &row) {
        LineSum &s = sums[row.at(0).toString()];
        s.sum = row.at(1).toDouble();
        s.lines = row.at(2).toLongLong();
    });
    db.eachRow(lineAmountsToRead(db), {}, [&](const QVariantList &row) {
        LineSum &s = sums[row.at(0).toString()];
        long double amount = 0;
        if (!whyNot(FieldKind::Float, row.at(1)).isEmpty())
            s.unreadable = true;
        else if (numtext::tryStrToFloat(row.at(1).toString(), amount))
            s.sum += amount;
    });
    const TableDef &headers = *schema::findTable(QStringLiteral("NotaUtama"));
    const QString order = db.dialect().nullsFirst();
    db.eachRow(QStringLiteral("SELECT rowid, \"No_Nota\", \"Jumlah_Total\" FROM \"NotaUtama\" ORDER BY \"No_Nota\"") + order, {},
               [&](const QVariantList &row) {
        const QVariant &stored = row.at(2);
        if (!whyNot(FieldKind::Float, stored).isEmpty())
            return;  // listed with the values that do not convert
        const LineSum s = sums.value(row.at(1).toString());
        if (s.unreadable)
            return;
        long double total = 0;
        if (stored.typeId() == QMetaType::QString)
            numtext::tryStrToFloat(stored.toString(), total);
        else if (stored.isValid())
            total = stored.toDouble();
        if (sameMoney(total, s.sum))
            return;
        const QString lines = s.lines == 0 ? QStringLiteral("nota itu tidak punya baris di Nota")
                            : s.lines == 1 ? QStringLiteral("1 barisnya di Nota berjumlah %1").arg(numtext::floatToStr(s.sum))
                                           : QStringLiteral("%1 barisnya di Nota berjumlah %2").arg(s.lines).arg(numtext::floatToStr(s.sum));
        problems << QStringLiteral("%1: Jumlah_Total %2, padahal %3")
                        .arg(recordName(headers, headers.keyColumn, row.at(0), row.at(1)),
                             stored.isValid() ? numtext::floatToStr(total) : QStringLiteral("kosong"), lines);
    });
}

namespace {
bool isReadIndex(const TableDef &table, const QString &name)
{
    return std::any_of(table.readIndexes.begin(), table.readIndexes.end(),
                       [&](const ReadIndexDef &r) { return r.name.compare(name, Qt::CaseInsensitive) == 0; });
}

// Where the engine keeps them as columns (a server), every table carries the
// hidden row number, and auto-numbers number themselves; the engine counts
// on both.
void numberingProblems(CheckedDatabase &db, const TableDef &table, QStringList &problems)
{
    const QString query = db.dialect().numberingQuery();
    if (query.isEmpty())
        return;
    QHash<QString, bool> numbered;  // column -> has its own numbering
    db.eachRow(query, {table.name}, [&](const QVariantList &row) { numbered.insert(row.at(0).toString(), row.at(1).toBool()); });
    if (!numbered.value(QStringLiteral("rowid")))
        problems << QStringLiteral("tabel %1 tidak punya nomor baris tersembunyi (rowid)").arg(table.name);
    for (const ColumnDef &c : table.columns)
        if (c.field.kind == FieldKind::AutoInc && numbered.contains(c.field.name) && !numbered.value(c.field.name))
            problems << QStringLiteral("tabel %1: %2 tidak memberi nomor sendiri pada record baru").arg(table.name, c.field.name);
}
} // namespace

void structureProblems(CheckedDatabase &db, QStringList &problems)
{
    for (const TableDef &table : schema::tables()) {
        const QStringList columns = db.storedColumns(table.name);
        if (columns.isEmpty()) {
            problems << QStringLiteral("tabel %1 tidak ada").arg(table.name);
            continue;
        }
        for (const ColumnDef &c : table.columns) {
            if (!columns.contains(c.field.name, Qt::CaseInsensitive))
                problems << QStringLiteral("tabel %1 tidak punya field %2").arg(table.name, c.field.name);
        }
        // A read index (which only speeds the sales figures) stands in for no key index.
        QList<QPair<bool, QString>> indexes;
        db.eachRow(db.dialect().indexesQuery(), {table.name}, [&](const QVariantList &row) {
            if (!isReadIndex(table, row.at(2).toString()))
                indexes.append({row.at(0).toBool(), row.at(1).toString()});
        });
        for (const IndexDef &index : table.indexes) {
            const bool present = std::any_of(indexes.begin(), indexes.end(), [&](const QPair<bool, QString> &found) {
                return found.second.compare(index.column, Qt::CaseInsensitive) == 0 && (!index.unique || found.first);
            });
            if (!present)
                problems << QStringLiteral("tabel %1 tidak punya indeks %2pada %3")
                                .arg(table.name, index.unique ? QStringLiteral("unik ") : QString(), index.column);
        }
        numberingProblems(db, table, problems);
    }
}

void accountProblems(CheckedDatabase &db, QStringList &problems)
{
    const QString sql = QStringLiteral("SELECT COUNT(*), SUM(CASE WHEN %1 THEN 1 ELSE 0 END) FROM \"Adm\"")
                            .arg(db.dialect().notStoredWhole(QStringLiteral("\"Nomer\"")));
    db.eachRow(sql, {}, [&](const QVariantList &row) {
        if (row.at(0).toLongLong() == 0)
            problems << QStringLiteral("tabel Adm tidak memuat satu akun pun");
        else if (row.at(1).toLongLong() != 0)
            problems << QStringLiteral("tabel Adm memuat akun yang Nomer-nya bukan bilangan bulat");
    });
}

void schemaProblems(CheckedDatabase &db, QStringList &problems)
{
    const qsizetype before = problems.size();
    structureProblems(db, problems);
    if (problems.size() == before)
        accountProblems(db, problems);
}

void valueProblems(CheckedDatabase &db, QStringList &problems)
{
    for (const TableDef &table : schema::tables())
        tableValueProblems(db, table, problems);
}

void lengthProblems(CheckedDatabase &db, QStringList &problems)
{
    const QString length = db.dialect().textLength();
    for (const TableDef &table : schema::tables()) {
        const QString keyColumn = !table.keyColumn.isEmpty() ? table.keyColumn
                                : table.indexes.isEmpty()    ? QString()
                                                             : table.indexes.first().column;
        for (const ColumnDef &c : table.columns) {
            if (c.field.kind != FieldKind::Text || c.field.size <= 0)
                continue;
            const QString column = schema::quote(c.field.name);
            db.eachRow(QStringLiteral("SELECT rowid, %1, %2 FROM %3 WHERE %4(%2) > ? ORDER BY rowid")
                           .arg(keyColumn.isEmpty() ? QStringLiteral("NULL") : schema::quote(keyColumn), column,
                                schema::quote(table.name), length),
                       {c.field.size}, [&](const QVariantList &row) {
                const QString text = row.at(2).toString();
                if (textcut::cutToWidth(text, c.field.size).size() == text.size())
                    return;
                problems << QStringLiteral("%1: %2 berisi %3, lebih panjang dari %4 karakter field itu")
                                .arg(recordName(table, keyColumn, row.at(0), row.at(1)), c.field.name, shown(row.at(2)))
                                .arg(c.field.size);
            });
        }
    }
}

void orphanLineProblems(CheckedDatabase &db, QStringList &problems)
{
    db.eachRow(QStringLiteral("SELECT n.\"ID_Nota\", count(*) FROM \"Nota\" n WHERE NOT EXISTS (SELECT 1 FROM "
                              "\"NotaUtama\" h WHERE h.\"No_Nota\" = n.\"ID_Nota\") GROUP BY n.\"ID_Nota\" ORDER BY 1"),
               {}, [&](const QVariantList &row) {
        const qint64 lines = row.at(1).toLongLong();
        const QString invoice = row.at(0).toString().isEmpty() ? QStringLiteral("tanpa nomor nota")
                                                               : QStringLiteral("nota %1").arg(shown(row.at(0)));
        problems << QStringLiteral("Nota: %1 di bawah %2, yang tidak punya kepala di NotaUtama (nota yang tidak "
                                   "diselesaikan, atau yang masih ditulis di sebuah meja)")
                        .arg(lines == 1 ? QStringLiteral("1 baris") : QStringLiteral("%1 baris").arg(lines), invoice);
    });
}

void contentProblems(CheckedDatabase &db, QStringList &problems)
{
    valueProblems(db, problems);
    lengthProblems(db, problems);
    totalProblems(db, problems);
    orphanLineProblems(db, problems);
}

bool storageSound(CheckedDatabase &db, QStringList &problems)
{
    // A server keeps its own storage sound; a file is checked by SQLite.
    const QString check = db.dialect().integrityCheck();
    if (check.isEmpty())
        return true;
    QStringList integrity;
    db.eachRow(check, {}, [&integrity](const QVariantList &row) { integrity << row.first().toString(); });
    if (!integrity.isEmpty() && integrity.first() == QLatin1String("ok"))
        return true;
    problems << integrity;
    return false;
}

void allProblems(CheckedDatabase &db, QStringList &problems)
{
    if (!storageSound(db, problems))
        return;
    const qsizetype before = problems.size();
    schemaProblems(db, problems);
    if (problems.size() == before)
        contentProblems(db, problems);
}
} // namespace dbcheck
