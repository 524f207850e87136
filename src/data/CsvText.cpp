#include "data/CsvText.h"

#include "core/Errors.h"
#include "core/FormatSettings.h"
#include "core/TextCut.h"

#include <QBuffer>
#include <QIODevice>
#include <QSaveFile>
#include <QStringDecoder>

namespace csv {
namespace {
const QChar kQuote = QLatin1Char('"');
const QChar kCr = QLatin1Char('\r');
const QChar kLf = QLatin1Char('\n');
// The header row is looked at whole for its separator, up to this much text.
constexpr qsizetype kLongestHeader = qsizetype(1) << 20;

bool isBlank(const Record &r)
{
    return std::all_of(r.fields.begin(), r.fields.end(), [](const QString &f) { return f.isEmpty(); });
}

// The encoding a byte-order mark other than UTF-8's names, if any.
QString otherEncoding(const QByteArray &head)
{
    if (head.startsWith(QByteArray("\xFF\xFE\x00\x00", 4)) || head.startsWith(QByteArray("\x00\x00\xFE\xFF", 4)))
        return QStringLiteral("UTF-32");
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
        return QStringLiteral("UTF-16");
    return QString();
}

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || c.category() == QChar::Other_Format || u == 0x2028 || u == 0x2029;
}
} // namespace

Reader::Reader(QIODevice &device) : m_device(device)
{
    const QByteArray head = m_device.peek(4);
    const QString encoding = otherEncoding(head);
    if (!encoding.isEmpty()) {
        m_problems << Problem{0, QStringLiteral("teksnya %1, bukan UTF-8 (simpan berkas itu sebagai CSV dalam UTF-8)").arg(encoding)};
        m_stopped = true;
        return;
    }
    if (head.startsWith(kByteOrderMark))
        m_device.skip(3);
    // The whole header row, for its separator.
    while (fill()) {
        const qsizetype quotes = m_text.count(kQuote);
        if ((quotes % 2 == 0 && (m_text.contains(kLf) || m_text.contains(kCr))) || m_text.size() > kLongestHeader)
            break;
    }
    m_separator = detectSeparator(m_text);
}

bool Reader::fill()
{
    if (m_stopped)
        return false;
    const QByteArray bytes = m_device.readLine();
    if (bytes.isEmpty())
        return false;
    ++m_fileLine;
    // A line break byte never occurs inside a UTF-8 sequence, so each line decodes on its own.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        m_problems << Problem{m_fileLine, QStringLiteral("teksnya bukan UTF-8 (simpan berkas itu sebagai CSV dalam UTF-8)")};
    if (m_pos > 0) {
        m_text.remove(0, m_pos);
        m_pos = 0;
    }
    m_text += text;
    return true;
}

bool Reader::more(qsizetype ahead) { return m_pos + ahead < m_text.size() || (fill() && more(ahead)); }

bool Reader::readRecord(Record &record)
{
    if (!more(0))
        return false;
    record = Record{m_line, {}};
    const QChar sep = m_separator;
    while (true) {
        QString value;
        if (at(0) == kQuote) {
            ++m_pos;
            bool closed = false;
            while (more(0)) {
                const QChar c = at(0);
                if (c == kQuote) {
                    if (more(1) && at(1) == kQuote) {
                        value += kQuote;
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    closed = true;
                    break;
                }
                if (c == kCr || c == kLf) {
                    value += kLf;
                    m_pos += (c == kCr && more(1) && at(1) == kLf) ? 2 : 1;
                    ++m_line;
                    continue;
                }
                // The run of plain characters up to the next quote or line break, at once.
                qsizetype end = m_pos + 1;
                while (end < m_text.size() && m_text.at(end) != kQuote && m_text.at(end) != kCr && m_text.at(end) != kLf)
                    ++end;
                value += QStringView(m_text).sliced(m_pos, end - m_pos);
                m_pos = end;
            }
            if (!closed) {
                m_problems << Problem{record.line, QStringLiteral("field yang diawali tanda petik tidak ditutup")};
                record.fields << value;
                return true;
            }
            // Anything between the closing quote and the separator is a fault of the file.
            QString after;
            while (more(0) && at(0) != sep && at(0) != kCr && at(0) != kLf)
                after += m_text.at(m_pos++);
            if (!after.isEmpty()) {
                m_problems << Problem{record.line, QStringLiteral("ada teks sesudah tanda petik penutup: %1").arg(shown(after))};
                value += after;
            }
        } else {
            while (more(0)) {
                qsizetype end = m_pos;
                while (end < m_text.size() && m_text.at(end) != sep && m_text.at(end) != kCr && m_text.at(end) != kLf)
                    ++end;
                value += QStringView(m_text).sliced(m_pos, end - m_pos);
                m_pos = end;
                if (end < m_text.size())
                    break;
            }
        }
        record.fields << value;
        if (!more(0))
            return true;
        if (at(0) == sep) {
            ++m_pos;
            if (!more(0)) {
                record.fields << QString();  // a final separator ends an empty field
                return true;
            }
            continue;
        }
        // End of the record: LF, CR LF or a lone CR.
        m_pos += (at(0) == kCr && more(1) && at(1) == kLf) ? 2 : 1;
        ++m_line;
        return true;
    }
}

bool Reader::next(Record &record)
{
    while (readRecord(record))
        if (!isBlank(record))
            return true;
    return false;
}

QList<Problem> Reader::takeProblems() { return std::exchange(m_problems, {}); }

Document parse(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    Reader reader(buffer);
    Document doc;
    doc.separator = reader.separator();
    Record record;
    while (reader.next(record))
        doc.records << std::move(record);
    doc.problems = reader.takeProblems();
    std::stable_sort(doc.problems.begin(), doc.problems.end(),
                     [](const Problem &a, const Problem &b) { return a.line < b.line; });
    return doc;
}

QChar detectSeparator(QStringView firstLine)
{
    int commas = 0, semicolons = 0;
    bool quoted = false;
    for (QChar c : firstLine) {
        if (c == kQuote)
            quoted = !quoted;
        else if (!quoted && (c == kLf || c == kCr))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

QString shown(const QString &text, int width)
{
    const QString cut = textcut::cutToWidth(text, width);
    QString out;
    out.reserve(cut.size() + 16);
    for (QChar c : cut) {
        if (!isControl(c)) {
            out += c;
            continue;
        }
        switch (c.unicode()) {
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            out += c.unicode() <= 0xFF ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                                       : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    if (cut.size() < text.size())
        out += QStringLiteral("... (seluruhnya %1 karakter)").arg(text.size());
    return out;
}

namespace {
const QChar kApostrophe = QLatin1Char('\'');

// Whether `text` from `from` on is apostrophes and then a character a
// spreadsheet program would start a formula with.
bool opensFormula(const QString &text, qsizetype from)
{
    while (from < text.size() && text.at(from) == kApostrophe)
        ++from;
    if (from >= text.size())
        return false;
    const char16_t c = text.at(from).unicode();
    // A line break too: the reader reads CR as LF, which must then lose the apostrophe as well.
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

QString guarded(const QString &text) { return opensFormula(text, 0) ? kApostrophe + text : text; }

QString unguarded(const QString &text)
{
    return text.startsWith(kApostrophe) && opensFormula(text, 1) ? text.mid(1) : text;
}

QString field(const QString &text, QChar separator)
{
    const bool needsQuotes = std::any_of(text.begin(), text.end(), [&](QChar c) {
        return c == separator || c == kQuote || c == kCr || c == kLf;
    });
    if (!needsQuotes)
        return text;
    QString out;
    out.reserve(text.size() + 2);
    out += kQuote;
    for (QChar c : text) {
        if (c == kQuote)
            out += kQuote;
        out += c;
    }
    out += kQuote;
    return out;
}

QString record(const QStringList &fields, QChar separator)
{
    QString out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        out += field(fields[i], separator);
    }
    out += QLatin1String("\r\n");
    return out;
}

QChar separatorForDesktop()
{
    return FormatSettings::current().decimalSeparator == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
}

void writeFile(const QString &name, const QString &records)
{
    const QByteArray bytes = QByteArray(kByteOrderMark) + records.toUtf8();
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EError(QStringLiteral("Berkas '%1' tidak dapat ditulis: %2").arg(name, file.errorString()));
}

} // namespace csv
