#include "data/ServerUri.h"

#include <QByteArray>
#include <QRegularExpression>

namespace serveruri {
namespace {
// Where a password stands in the URI: [from, from + length).
struct Span {
    qsizetype from = 0;
    qsizetype length = 0;
    qsizetype cutFrom = 0;  // what goes when the password is dropped: its ":" or its query setting
    qsizetype cutLength = 0;
};

QList<Span> passwordSpans(const QString &uri)
{
    QList<Span> spans;
    const qsizetype start = uri.indexOf(QLatin1String("://"));
    if (start < 0)
        return spans;
    const qsizetype hosts = start + 3;
    qsizetype query = uri.indexOf(QLatin1Char('?'), hosts);
    if (query < 0)
        query = uri.size();
    const qsizetype at = query > hosts ? uri.lastIndexOf(QLatin1Char('@'), query - 1) : -1;
    if (at >= hosts) {
        const qsizetype colon = uri.indexOf(QLatin1Char(':'), hosts);
        if (colon >= 0 && colon < at)
            spans << Span{colon + 1, at - colon - 1, colon, at - colon};
    }
    qsizetype item = query + 1;
    while (item < uri.size()) {
        qsizetype end = uri.indexOf(QLatin1Char('&'), item);
        if (end < 0)
            end = uri.size();
        const QStringView setting = QStringView(uri).sliced(item, end - item);
        if (setting.startsWith(QLatin1String("password="))) {
            // The setting goes whole, with the "&" that joins it to the next or the previous one.
            const bool last = end == uri.size();
            const qsizetype cutFrom = last && item > query + 1 ? item - 1 : item;
            const qsizetype cutEnd = last ? end : end + 1;
            spans << Span{item + 9, end - item - 9, cutFrom, cutEnd - cutFrom};
        }
        item = end + 1;
    }
    return spans;
}

QString decoded(const QString &text) { return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toUtf8())); }

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }
} // namespace

QString masked(const QString &uri, const QString &replacement)
{
    QString out = uri;
    const QList<Span> spans = passwordSpans(uri);
    // From the end, so that the earlier places stay where they were.
    for (auto s = spans.crbegin(); s != spans.crend(); ++s) {
        if (replacement.isEmpty())
            out.remove(s->cutFrom, s->cutLength);
        else
            out.replace(s->from, s->length, replacement);
    }
    if (replacement.isEmpty() && out.endsWith(QLatin1Char('?')))
        out.chop(1);
    return out;
}

QStringList secrets(const QString &uri)
{
    QStringList found;
    for (const Span &s : passwordSpans(uri)) {
        const QString raw = uri.mid(s.from, s.length);
        found << raw << decoded(raw);
        // A client library ends the password at the first "@" or "/" and
        // may repeat what follows as a host name.
        for (const QString &piece : raw.split(QRegularExpression(QStringLiteral("[@/]")), Qt::SkipEmptyParts))
            found << piece << decoded(piece);
    }
    found.removeAll(QString());
    found.removeDuplicates();
    std::sort(found.begin(), found.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return found;
}

QString maskedMessage(const QString &uri, const QString &message)
{
    const QStringList hidden = secrets(uri);
    if (hidden.isEmpty())
        return message;
    QString out = message;
    out.replace(uri, masked(uri));
    for (const QString &secret : hidden) {
        QString pattern = QRegularExpression::escape(secret);
        if (isWordChar(secret.front()))
            pattern.prepend(QStringLiteral("(?<![\\p{L}\\p{N}_])"));
        if (isWordChar(secret.back()))
            pattern.append(QStringLiteral("(?![\\p{L}\\p{N}_])"));
        // The masked URI itself holds "xxxxx", which no secret of it may touch again.
        out.replace(QRegularExpression(pattern), QStringLiteral("xxxxx"));
    }
    return out;
}
} // namespace serveruri
