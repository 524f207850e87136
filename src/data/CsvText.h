#pragma once
// Comma-separated text as spreadsheet programs read and write it: UTF-8 with
// or without a byte-order mark, fields separated by "," or ";" (found from the
// header row), fields in double quotes when they hold the separator, a quote
// ("" inside) or a line break, records ended by LF or CR LF.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace csv {

// Something wrong at a line of the file; line 0 is the file as a whole.
struct Problem {
    int line = 0;
    QString reason;
};

// One record with the line of the file it starts on (1 for the first).
struct Record {
    int line = 0;
    QStringList fields;
};

struct Document {
    QChar separator = QLatin1Char(',');
    QList<Record> records;    // the header row first; rows without any text are left out
    QList<Problem> problems;  // bytes that are not UTF-8, an unclosed quote, text after a closing quote
};

// Reads a whole file's bytes. Line breaks inside quoted fields are kept as
// LF, whatever the file used.
Document parse(const QByteArray &bytes);

// The separator of a file whose first record is `firstLine`: the one of ","
// and ";" found more often outside quotes (a tie gives ",").
QChar detectSeparator(QStringView firstLine);

// One field as written: quoted when it holds the separator, a quote, CR or LF.
QString field(const QString &text, QChar separator);
// One record with its CR LF.
QString record(const QStringList &fields, QChar separator);
// What a file starts with so that spreadsheet programs read it as UTF-8.
inline constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// The separator of the files this desktop writes: ";" where it writes
// decimal commas, "," elsewhere.
QChar separatorForDesktop();
// Writes a file whole or not at all: the byte-order mark, then `records`
// (text written with separatorForDesktop). Raises EError.
void writeFile(const QString &name, const QString &records);

} // namespace csv
