#pragma once
// Comma-separated text as spreadsheet programs read and write it: UTF-8 with
// or without a byte-order mark, fields separated by "," or ";" (found from the
// header row), fields in double quotes when they hold the separator, a quote
// ("" inside) or a line break, records ended by LF, CR LF or a lone CR.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

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

// Reads a file one record at a time, holding no more of it than the record
// being read and the line it ends on. A file that starts with the byte-order
// mark of UTF-16 or UTF-32 is not read at all (one problem at line 0).
class Reader {
public:
    explicit Reader(QIODevice &device);
    QChar separator() const { return m_separator; }
    // The next record that holds any text; false at the end of the file.
    // Line breaks inside quoted fields are kept as LF, whatever the file used.
    bool next(Record &record);
    // What was found wrong since the last call: bytes that are not UTF-8, an
    // unclosed quote, text after a closing quote, a file in another encoding.
    QList<Problem> takeProblems();

private:
    bool more(qsizetype ahead);  // whether the text holds the character `ahead` places on
    bool fill();                 // appends the next line of the file
    QChar at(qsizetype ahead) const { return m_text.at(m_pos + ahead); }
    bool readRecord(Record &record);

    QIODevice &m_device;
    QString m_text;        // what was decoded and not yet parsed starts at m_pos
    qsizetype m_pos = 0;
    int m_line = 1;        // line of the next character, counting every kind of line break
    int m_fileLine = 0;    // lines of the file read so far, counted by LF
    QChar m_separator = QLatin1Char(',');
    bool m_stopped = false;
    QList<Problem> m_problems;
};

struct Document {
    QChar separator = QLatin1Char(',');
    QList<Record> records;    // the header row first; rows without any text are left out
    QList<Problem> problems;
};

// Reads a whole file's bytes with Reader.
Document parse(const QByteArray &bytes);

// The separator of a file whose first record is `firstLine`: the one of ","
// and ";" found more often outside quotes (a tie gives ",").
QChar detectSeparator(QStringView firstLine);

// A text of the file as a message shows it: control characters written out
// (\n, \t, \x1b, \u202e...), so that nothing read can steer the terminal, and
// cut after `width` characters with how many more there were.
QString shown(const QString &text, int width = 60);

// A text cell as it is written, so that a spreadsheet program opening the
// file takes it as text and never runs it as a formula: a text beginning
// with "=", "+", "-", "@", a tab, a CR or LF, after any number of apostrophes,
// gets one apostrophe in front. unguarded() takes exactly that apostrophe
// off again, so unguarded(guarded(t)) == t for every text t.
QString guarded(const QString &text);
QString unguarded(const QString &text);

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
