// Reading goods and customers from a CSV file: every row checked as typing
// it in would be, then stored in one transaction or not at all.
#include "data/CsvTransfer.h"

#include "core/Errors.h"
#include "core/FormatSettings.h"
#include "core/NumberText.h"
#include "core/TextCut.h"
#include "data/Connection.h"
#include "data/CsvTransferTable.h"
#include "data/FieldText.h"
#include "data/PictureBlob.h"
#include "data/PictureFile.h"
#include "data/RowWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <memory>

namespace csvtransfer {
namespace {
struct Column {
    const ColumnDef *def = nullptr;  // null: read past (the customer number, a column without a name)
    bool unnamed = false;            // spreadsheets may add empty columns; text under them is a fault
};

QString tooLong(const QString &text, const FieldDef &field)
{
    return QStringLiteral("'%1' lebih panjang dari %2 karakter field '%3'").arg(csv::shown(text)).arg(field.size).arg(field.name);
}

QString notANumber(const QString &text, const FieldDef &field)
{
    return QStringLiteral("'%1' is not a valid floating point value for field '%2'").arg(csv::shown(text), field.name);
}

// What the numbers of a file say about its decimal mark, gathered one at a time.
class MarkEvidence {
public:
    explicit MarkEvidence(QChar separator)
        : m_usual(separator == QLatin1Char(';') ? QLatin1Char(',') : QLatin1Char('.')),
          m_other(m_usual == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(','))
    {
    }
    void see(const QString &text)
    {
        if (text.contains(m_usual)) {
            m_usualSeen = true;
            return;
        }
        const qsizetype at = text.indexOf(m_other);
        if (at < 0 || text.count(m_other) != 1)
            return;
        qsizetype digits = 0;
        while (at + 1 + digits < text.size() && text.at(at + 1 + digits).isDigit())
            ++digits;
        if (digits != 3)
            m_otherPlain = true;
    }
    QChar mark() const { return !m_usualSeen && m_otherPlain ? m_other : m_usual; }

private:
    QChar m_usual, m_other;
    bool m_usualSeen = false, m_otherPlain = false;
};

class CellReader {
public:
    CellReader(QChar mark, QString base, QString pictures)
        : m_mark(mark), m_base(std::move(base)), m_pictures(std::move(pictures))
    {
    }

    // The value to store for `cell`, or a reason in `problem`.
    QVariant value(const FieldDef &field, const QString &cell, QString &problem) const
    {
        const QString text = isGuarded(field.kind) ? csv::unguarded(cell) : cell;
        switch (field.kind) {
        case FieldKind::Text: break;
        case FieldKind::Float: return number(field, text, problem);
        case FieldKind::Graphic: return picture(text, problem);
        case FieldKind::Memo:
        case FieldKind::Integer:
        case FieldKind::AutoInc:
        case FieldKind::Date: break;
        }
        try {
            if (field.kind == FieldKind::Text) {
                // Too long is reported, never cut; measured as the field takes it (a code without blanks around it).
                const QString checked = fieldtext::checkedText(field, text);
                if (field.size > 0 && textcut::cutToWidth(checked, field.size).size() != checked.size()) {
                    problem = tooLong(text, field);
                    return {};
                }
            }
            return fieldtext::fromString(field, text);
        } catch (const EError &e) {
            problem = csv::shown(e.message(), 300);
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
        QString why;
        // A file may hold a stored value, header and all.
        const QByteArray bitmap = pictureblob::unwrap(picturefile::readInside(m_pictures, m_base, text, why));
        if (why.isEmpty())
            why = picturefile::bitmapProblem(bitmap);
        if (!why.isEmpty()) {
            problem = QStringLiteral("berkas gambar '%1' %2").arg(csv::shown(text), why);
            return {};
        }
        return pictureblob::wrap(bitmap);
    }

    QChar m_mark;
    QString m_base;      // the CSV file's folder, which picture names are relative to
    QString m_pictures;  // the folder pictures may come from
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
            problems << csv::Problem{header.line, QStringLiteral("kolom '%1' tidak dikenal (kolomnya: %2)")
                                                      .arg(csv::shown(name), known.join(QStringLiteral(", ")))};
            out << Column{};
            continue;
        }
        if (seen.contains(index))
            problems << csv::Problem{header.line, QStringLiteral("kolom '%1' muncul dua kali").arg(name)};
        seen.insert(index, true);
        const ColumnDef &c = table.columns[index];
        out << Column{c.field.kind == FieldKind::AutoInc ? nullptr : &c};
    }
    for (int i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].required && !seen.contains(i))
            problems << csv::Problem{header.line,
                                     QStringLiteral("baris judul tidak punya kolom %1").arg(table.columns[i].field.name)};
    return out;
}

// The file, opened for reading; only a regular file (a pipe or a device
// could hang or never end).
std::unique_ptr<QFile> openCsv(const QString &csvFile)
{
    const QFileInfo info(csvFile);
    if (info.exists() && !info.isFile())
        throw EError(QStringLiteral("Berkas '%1' tidak dapat dibaca: bukan berkas biasa").arg(csvFile));
    auto file = std::make_unique<QFile>(csvFile);
    if (!file->open(QIODevice::ReadOnly))
        throw EError(QStringLiteral("Berkas '%1' tidak dapat dibaca: %2").arg(csvFile, file->errorString()));
    return file;
}

// Problems of an import: counted all, kept up to kMostProblemsListed.
class Problems {
public:
    explicit Problems(ImportSummary &summary) : m_summary(summary) {}
    void add(const csv::Problem &p)
    {
        ++m_summary.problemCount;
        if (m_summary.problems.size() < kMostProblemsListed)
            m_summary.problems << p;
    }
    void add(const QList<csv::Problem> &list)
    {
        for (const csv::Problem &p : list)
            add(p);
    }
    bool any() const { return m_summary.problemCount > 0; }

private:
    ImportSummary &m_summary;
};

// The engine failed in a way that is no fault of a row; `where` says when.
[[noreturn]] void stopped(const QString &where, const EError &e)
{
    throw EDatabaseError(QStringLiteral("Impor berhenti %1: %2; tidak ada yang disimpan").arg(where, csv::shown(e.message(), 300)));
}

QString atLine(int line) { return QStringLiteral("pada baris %1").arg(line); }
} // namespace

QChar decimalMark(QChar separator, const QStringList &numberTexts)
{
    MarkEvidence evidence(separator);
    for (const QString &text : numberTexts)
        evidence.see(text);
    return evidence.mark();
}

ImportSummary importFile(connection::Connection &db, Records what, const QString &csvFile, bool dryRun,
                         const QString &picturesFolder)
{
    const TableDef &table = tableOf(what);
    ImportSummary summary;
    Problems problems(summary);

    // First reading: the header, and the decimal mark the numbers use.
    QList<Column> columns;
    QChar mark;
    {
        const std::unique_ptr<QFile> file = openCsv(csvFile);
        csv::Reader reader(*file);
        csv::Record header;
        if (!reader.next(header)) {
            const QList<csv::Problem> found = reader.takeProblems();
            problems.add(found.isEmpty() ? QList<csv::Problem>{{0, QStringLiteral("berkas itu kosong: perlu baris judul berisi nama-nama field")}}
                                         : found);
            return summary;
        }
        QList<csv::Problem> headerProblems;
        columns = headerColumns(table, header, headerProblems);
        if (!headerProblems.isEmpty()) {
            problems.add(headerProblems + reader.takeProblems());
            return summary;
        }
        MarkEvidence evidence(reader.separator());
        csv::Record record;
        while (reader.next(record))
            for (int c = 0; c < columns.size() && c < record.fields.size(); ++c)
                if (columns[c].def && columns[c].def->field.kind == FieldKind::Float)
                    evidence.see(record.fields[c]);
        mark = evidence.mark();
    }
    const QString base = QFileInfo(csvFile).absolutePath();
    const CellReader cells(mark, base, picturesFolder.isEmpty() ? base : picturesFolder);

    // Second reading: each row checked and, unless this is a dry run or a
    // row was bad, written, in one transaction that is kept only when every
    // row is good. Anything else the engine says stops it all at once.
    requireTable(db, table);
    std::optional<connection::Transaction> tx;
    try {
        if (!dryRun)
            tx.emplace(db);
    } catch (const EError &e) {
        stopped(QStringLiteral("sebelum baris pertamanya"), e);
    }
    RowWriter writer(db, table, schema::quote(table.name), false);
    QList<QHash<QString, int>> firstLineOf(columns.size());  // unique values seen in the file
    const std::unique_ptr<QFile> file = openCsv(csvFile);
    csv::Reader reader(*file);
    csv::Record record;
    reader.next(record);  // the header
    while (reader.next(record)) {
        problems.add(reader.takeProblems());
        ++summary.records;
        if (record.fields.size() != columns.size()) {
            problems.add(csv::Problem{record.line, QStringLiteral("%1 field, padahal baris judul punya %2").arg(record.fields.size()).arg(columns.size())});
            continue;
        }
        QList<ColumnValue> values;
        QStringList withoutValue;
        bool good = true;
        for (int c = 0; c < columns.size(); ++c) {
            const ColumnDef *def = columns[c].def;
            if (!def) {
                if (columns[c].unnamed && !record.fields[c].isEmpty()) {
                    problems.add(csv::Problem{record.line, QStringLiteral("'%1' ada di kolom tanpa nama").arg(csv::shown(record.fields[c]))});
                    good = false;
                }
                continue;
            }
            QString problem;
            QVariant v = cells.value(def->field, record.fields[c], problem);
            if (!problem.isEmpty()) {
                problems.add(csv::Problem{record.line, problem});
                good = false;
                continue;
            }
            if (!fieldtext::hasValue(v))
                withoutValue << def->field.name;
            else if (table.isUnique(def->field.name)) {
                const QString key = v.toString();
                const auto earlier = firstLineOf[c].constFind(key);
                if (earlier != firstLineOf[c].constEnd()) {
                    problems.add(csv::Problem{record.line, QStringLiteral("%1 '%2' sudah ada di baris %3").arg(def->field.name, csv::shown(key)).arg(*earlier)});
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
        } catch (const EError &e) {
            problems.add(csv::Problem{record.line, csv::shown(e.message(), 300)});
            continue;
        }
        try {
            try {
                writer.checkInsert(values);
            } catch (const EDuplicateKey &e) {
                problems.add(csv::Problem{record.line, csv::shown(e.message(), 300)});
                continue;
            }
            // Once a row is bad nothing will be stored: the rest is only checked.
            if (!tx || problems.any())
                continue;
            const qint64 rowid = writer.insert(values, true);
            if (summary.firstNumber == 0)
                summary.firstNumber = rowid;
            summary.lastNumber = rowid;
        } catch (const EError &e) {
            stopped(atLine(record.line), e);
        }
    }
    problems.add(reader.takeProblems());
    std::stable_sort(summary.problems.begin(), summary.problems.end(),
                     [](const csv::Problem &a, const csv::Problem &b) { return a.line < b.line; });
    if (!problems.any() && tx) {
        try {
            tx->commit();
        } catch (const EError &e) {
            stopped(QStringLiteral("pada penyimpanan akhir"), e);
        }
        summary.stored = true;
    }
    if (!summary.stored || what != Records::Customers)
        summary.firstNumber = summary.lastNumber = 0;
    return summary;
}

} // namespace csvtransfer
