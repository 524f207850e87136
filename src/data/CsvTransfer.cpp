#include "data/CsvTransfer.h"

#include "core/Errors.h"
#include "core/FormatSettings.h"
#include "core/NumberText.h"
#include "core/TextCut.h"
#include "data/Connection.h"
#include "data/FieldText.h"
#include "data/PictureBlob.h"
#include "data/RowWriter.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>


namespace csvtransfer {
namespace {
const TableDef &tableOf(Records what)
{
    return *schema::findTable(what == Records::Goods ? QStringLiteral("Barang") : QStringLiteral("Pelanggan"));
}

// The columns a file holds: every field but the picture, which only goes
// along with its files.
QList<const ColumnDef *> columnsOf(const TableDef &table, bool withPictures)
{
    QList<const ColumnDef *> out;
    for (const ColumnDef &c : table.columns)
        if (c.field.kind != FieldKind::Graphic || withPictures)
            out << &c;
    return out;
}

void requireTable(connection::Connection &db, const TableDef &table)
{
    if (db.storedColumns(table.name).isEmpty())
        throw EDatabaseError(QStringLiteral("Table '%1' not found in %2").arg(table.name, db.file()));
}

// ---------------------------------------------------------------- writing

void writeFile(const QString &name, const QByteArray &bytes)
{
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EError(QStringLiteral("Cannot write '%1': %2").arg(name, file.errorString()));
}

// ---------------------------------------------------------------- reading

struct Column {
    const ColumnDef *def = nullptr;  // null: read past (the customer number, a column without a name)
    bool unnamed = false;            // spreadsheets may add empty columns; text under them is a fault
};

QString tooLong(const QString &text, const FieldDef &field)
{
    return QStringLiteral("'%1' is longer than the %2 characters of field '%3'").arg(text).arg(field.size).arg(field.name);
}

QString notANumber(const QString &text, const FieldDef &field)
{
    return QStringLiteral("'%1' is not a valid floating point value for field '%2'").arg(text, field.name);
}

class CellReader {
public:
    CellReader(QChar mark, QString folder) : m_mark(mark), m_folder(std::move(folder)) {}

    // The value to store for `text`, or a reason in `problem`.
    QVariant value(const FieldDef &field, const QString &text, QString &problem) const
    {
        switch (field.kind) {
        case FieldKind::Text:
            if (field.size > 0 && textcut::cutToWidth(text, field.size).size() != text.size()) {
                problem = tooLong(text, field);
                return {};
            }
            return fieldtext::fromString(field, text);
        case FieldKind::Memo: return fieldtext::fromString(field, text);
        case FieldKind::Float: return number(field, text, problem);
        case FieldKind::Graphic: return picture(text, problem);
        case FieldKind::Integer:
        case FieldKind::AutoInc:
        case FieldKind::Date: break;
        }
        try {
            return fieldtext::fromString(field, text);
        } catch (const EError &e) {
            problem = e.message();
            return {};
        }
    }

private:
    QVariant number(const FieldDef &field, const QString &text, QString &problem) const
    {
        if (text.trimmed().isEmpty())
            return {};
        const QChar own = FormatSettings::current().decimalSeparator;
        const QChar other = m_mark == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
        QString local = text;
        if (m_mark != own)
            local.replace(m_mark, own);
        long double v = 0;
        if (text.contains(other) || !numtext::tryStrToFloat(local, v)) {
            problem = notANumber(text, field);
            return {};
        }
        try {
            return fieldtext::fromFloat(field, v);
        } catch (const EError &) {
            problem = notANumber(text, field);
            return {};
        }
    }

    QVariant picture(const QString &text, QString &problem) const
    {
        if (text.isEmpty())
            return {};
        const QString path = QDir(m_folder).filePath(text);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            problem = QStringLiteral("picture file '%1' cannot be read: %2").arg(text, file.errorString());
            return {};
        }
        const QByteArray bytes = file.readAll();
        const QByteArray stored = pictureblob::toStored(bytes);
        if (stored.isEmpty()) {
            problem = QStringLiteral("picture file '%1' is not a bitmap").arg(text);
            return {};
        }
        return stored;
    }

    QChar m_mark;
    QString m_folder;
};

// Header names to columns; problems for unknown, repeated and missing ones.
QList<Column> headerColumns(const TableDef &table, const csv::Record &header, QList<csv::Problem> &problems)
{
    QList<Column> out;
    QStringList known;
    for (const ColumnDef &c : table.columns)
        known << c.field.name;
    QHash<int, bool> seen;
    for (const QString &raw : header.fields) {
        const QString name = raw.trimmed();
        if (name.isEmpty()) {
            out << Column{nullptr, true};
            continue;
        }
        const int index = table.columnIndex(name);
        if (index < 0) {
            problems << csv::Problem{header.line, QStringLiteral("unknown column '%1' (the columns are %2)")
                                                      .arg(name, known.join(QStringLiteral(", ")))};
            out << Column{};
            continue;
        }
        if (seen.contains(index))
            problems << csv::Problem{header.line, QStringLiteral("column '%1' appears twice").arg(name)};
        seen.insert(index, true);
        const ColumnDef &c = table.columns[index];
        out << Column{c.field.kind == FieldKind::AutoInc ? nullptr : &c};
    }
    for (int i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].required && !seen.contains(i))
            problems << csv::Problem{header.line,
                                     QStringLiteral("the header has no column %1").arg(table.columns[i].field.name)};
    return out;
}
} // namespace

std::optional<Records> recordsNamed(const QString &word)
{
    if (word == QLatin1String("goods"))
        return Records::Goods;
    if (word == QLatin1String("customers"))
        return Records::Customers;
    return std::nullopt;
}

QChar decimalMark(QChar separator, const QStringList &numberTexts)
{
    const QChar usual = separator == QLatin1Char(';') ? QLatin1Char(',') : QLatin1Char('.');
    const QChar other = usual == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    bool usualSeen = false, otherPlain = false;
    for (const QString &text : numberTexts) {
        if (text.contains(usual)) {
            usualSeen = true;
            continue;
        }
        const qsizetype at = text.indexOf(other);
        if (at < 0 || text.count(other) != 1)
            continue;
        qsizetype digits = 0;
        while (at + 1 + digits < text.size() && text.at(at + 1 + digits).isDigit())
            ++digits;
        if (digits != 3)
            otherPlain = true;
    }
    return !usualSeen && otherPlain ? other : usual;
}

ExportSummary exportFile(connection::Connection &db, Records what, const QString &csvFile, const QString &picturesFolder)
{
    const TableDef &table = tableOf(what);
    const bool withPictures = what == Records::Goods && !picturesFolder.isEmpty();
    if (QFileInfo::exists(csvFile))
        throw EError(QStringLiteral("'%1' already exists").arg(csvFile));
    const QDir csvFolder = QFileInfo(csvFile).absoluteDir();
    QDir pictures(picturesFolder);
    if (withPictures) {
        if (pictures.exists() && !pictures.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            throw EError(QStringLiteral("The pictures folder '%1' is not empty").arg(picturesFolder));
        if (!QDir().mkpath(pictures.absolutePath()))
            throw EError(QStringLiteral("Cannot create the folder '%1'").arg(picturesFolder));
    }
    requireTable(db, table);

    const QList<const ColumnDef *> columns = columnsOf(table, withPictures);
    const QChar sep = csv::separatorForDesktop();
    QStringList names, selected;
    for (const ColumnDef *c : columns) {
        names << c->field.name;
        selected << schema::quote(c->field.name);
    }
    QString text = csv::record(names, sep);
    ExportSummary summary;
    QStringList row;
    db.eachRow(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                   .arg(selected.join(QStringLiteral(", ")), schema::quote(table.name), schema::quote(table.keyColumn)),
               {}, [&](const QVariantList &stored) {
                   ++summary.records;
                   row.clear();
                   for (int i = 0; i < columns.size(); ++i) {
                       const FieldDef &field = columns[i]->field;
                       if (field.kind != FieldKind::Graphic) {
                           row << fieldtext::asString(field, stored[i]);
                           continue;
                       }
                       const QByteArray bitmap =
                           fieldtext::hasValue(stored[i]) ? pictureblob::unwrap(stored[i].toByteArray()) : QByteArray();
                       if (bitmap.isEmpty()) {
                           row << QString();
                           continue;
                       }
                       const QString picture = pictures.absoluteFilePath(
                           QStringLiteral("%1.bmp").arg(summary.records, 4, 10, QLatin1Char('0')));
                       writeFile(picture, bitmap);
                       ++summary.pictures;
                       row << csvFolder.relativeFilePath(picture);
                   }
                   text += csv::record(row, sep);
               });
    csv::writeFile(csvFile, text);
    return summary;
}

ImportSummary importFile(connection::Connection &db, Records what, const QString &csvFile, bool dryRun)
{
    QFile file(csvFile);
    if (!file.open(QIODevice::ReadOnly))
        throw EError(QStringLiteral("Cannot read '%1': %2").arg(csvFile, file.errorString()));
    const csv::Document doc = csv::parse(file.readAll());
    file.close();

    ImportSummary summary;
    summary.problems = doc.problems;
    const TableDef &table = tableOf(what);
    if (doc.records.isEmpty()) {
        summary.problems << csv::Problem{0, QStringLiteral("the file is empty: it needs a header row with the field names")};
        return summary;
    }
    const csv::Record &header = doc.records.first();
    QList<csv::Problem> headerProblems;
    const QList<Column> columns = headerColumns(table, header, headerProblems);
    if (!headerProblems.isEmpty()) {
        summary.problems = headerProblems + summary.problems;
        return summary;
    }
    requireTable(db, table);

    QStringList numbers;
    for (int c = 0; c < columns.size(); ++c)
        if (columns[c].def && columns[c].def->field.kind == FieldKind::Float)
            for (qsizetype r = 1; r < doc.records.size(); ++r)
                if (c < doc.records[r].fields.size())
                    numbers << doc.records[r].fields[c];
    const CellReader reader(decimalMark(doc.separator, numbers), QFileInfo(csvFile).absolutePath());

    // Checked and written in one transaction that is kept only when every row is good.
    connection::Transaction tx(db);
    RowWriter writer(db, table, schema::quote(table.name), false);
    QList<QHash<QString, int>> firstLineOf(columns.size());  // unique values seen in the file
    QList<csv::Problem> rowProblems;
    for (qsizetype r = 1; r < doc.records.size(); ++r) {
        const csv::Record &record = doc.records[r];
        ++summary.records;
        if (record.fields.size() != columns.size()) {
            rowProblems << csv::Problem{record.line, QStringLiteral("%1 fields where the header has %2")
                                                         .arg(record.fields.size()).arg(columns.size())};
            continue;
        }
        QList<ColumnValue> values;
        QStringList withoutValue;
        bool good = true;
        for (int c = 0; c < columns.size(); ++c) {
            const ColumnDef *def = columns[c].def;
            if (!def) {
                if (columns[c].unnamed && !record.fields[c].isEmpty()) {
                    rowProblems << csv::Problem{record.line, QStringLiteral("'%1' stands in a column without a name")
                                                                 .arg(record.fields[c])};
                    good = false;
                }
                continue;
            }
            QString problem;
            QVariant v = reader.value(def->field, record.fields[c], problem);
            if (!problem.isEmpty()) {
                rowProblems << csv::Problem{record.line, problem};
                good = false;
                continue;
            }
            if (!fieldtext::hasValue(v))
                withoutValue << def->field.name;
            else if (table.isUnique(def->field.name)) {
                const QString key = v.toString();
                const auto earlier = firstLineOf[c].constFind(key);
                if (earlier != firstLineOf[c].constEnd()) {
                    rowProblems << csv::Problem{record.line, QStringLiteral("%1 '%2' is already on line %3")
                                                                 .arg(def->field.name, key).arg(*earlier)};
                    good = false;
                } else {
                    firstLineOf[c].insert(key, record.line);
                }
            }
            values << ColumnValue{&def->field, std::move(v)};
        }
        if (!good)
            continue;
        try {
            writer.checkRequired(withoutValue);
            const qint64 rowid = writer.insert(values);
            if (summary.firstNumber == 0)
                summary.firstNumber = rowid;
            summary.lastNumber = rowid;
        } catch (const EError &e) {
            rowProblems << csv::Problem{record.line, e.message()};
        }
    }
    summary.problems += rowProblems;
    std::stable_sort(summary.problems.begin(), summary.problems.end(),
                     [](const csv::Problem &a, const csv::Problem &b) { return a.line < b.line; });
    if (summary.problems.isEmpty() && !dryRun) {
        tx.commit();
        summary.stored = true;
    }
    if (!summary.stored || what != Records::Customers)
        summary.firstNumber = summary.lastNumber = 0;
    return summary;
}

} // namespace csvtransfer
