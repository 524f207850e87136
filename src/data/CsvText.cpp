#include "data/CsvText.h"

#include "core/Errors.h"
#include "core/FormatSettings.h"

#include <QSaveFile>
#include <QStringDecoder>

namespace csv {
namespace {
const QChar kQuote = QLatin1Char('"');
const QChar kCr = QLatin1Char('\r');
const QChar kLf = QLatin1Char('\n');

bool isBlank(const Record &r)
{
    return std::all_of(r.fields.begin(), r.fields.end(), [](const QString &f) { return f.isEmpty(); });
}

// Every line whose bytes are not UTF-8. A line break byte never occurs inside
// a UTF-8 sequence, so each line decodes on its own.
QList<Problem> badLines(QByteArrayView data)
{
    QList<Problem> out;
    int line = 1;
    qsizetype start = 0;
    while (start <= data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        (void)decoder(data.sliced(start, end - start)).operator QString();
        if (decoder.hasError())
            out << Problem{line, QStringLiteral("the text is not UTF-8 (save the file as CSV in UTF-8)")};
        start = end + 1;
        ++line;
    }
    return out;
}
} // namespace

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

Document parse(const QByteArray &bytes)
{
    Document doc;
    QByteArrayView data(bytes);
    if (data.startsWith(kByteOrderMark))
        data = data.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(data);
    if (decoder.hasError())
        doc.problems = badLines(data);
    const QChar sep = detectSeparator(text);
    doc.separator = sep;

    const qsizetype n = text.size();
    const QChar *s = text.constData();
    int line = 1;
    Record current{line, {}};
    auto endRecord = [&] {
        if (!isBlank(current))
            doc.records << std::move(current);
        current = Record{line, {}};
    };
    qsizetype i = 0;
    bool fieldPending = n > 0;  // a field starts here (also after a final separator)
    while (i < n) {
        QString value;
        if (s[i] == kQuote) {
            ++i;
            bool closed = false;
            qsizetype from = i;
            while (i < n) {
                const QChar c = s[i];
                if (c == kQuote) {
                    value.append(s + from, i - from);
                    if (i + 1 < n && s[i + 1] == kQuote) {
                        value += kQuote;
                        i += 2;
                        from = i;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                if (c == kCr || c == kLf) {
                    // A line break inside a field is kept as LF.
                    value.append(s + from, i - from);
                    value += kLf;
                    i += (c == kCr && i + 1 < n && s[i + 1] == kLf) ? 2 : 1;
                    ++line;
                    from = i;
                    continue;
                }
                ++i;
            }
            if (!closed) {
                doc.problems << Problem{current.line, QStringLiteral("a quoted field is not closed")};
                current.fields << value;
                fieldPending = false;
                break;
            }
            // Anything between the closing quote and the separator is a fault of the file.
            const qsizetype after = i;
            while (i < n && s[i] != sep && s[i] != kCr && s[i] != kLf)
                ++i;
            if (i > after) {
                doc.problems << Problem{current.line, QStringLiteral("text after a closing quote: %1")
                                                          .arg(QStringView(s + after, i - after).toString())};
                value.append(s + after, i - after);
            }
        } else {
            const qsizetype from = i;
            while (i < n && s[i] != sep && s[i] != kCr && s[i] != kLf)
                ++i;
            value = QString(s + from, i - from);
        }
        current.fields << value;
        fieldPending = false;
        if (i >= n)
            break;
        if (s[i] == sep) {
            ++i;
            fieldPending = true;
            continue;
        }
        // End of the record: LF, CR LF or a lone CR.
        i += (s[i] == kCr && i + 1 < n && s[i + 1] == kLf) ? 2 : 1;
        ++line;
        endRecord();
        fieldPending = i < n;
    }
    if (fieldPending)
        current.fields << QString();
    if (!current.fields.isEmpty())
        endRecord();
    return doc;
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
        throw EError(QStringLiteral("Cannot write '%1': %2").arg(name, file.errorString()));
}

} // namespace csv
