#include "data/FilterText.h"

#include "core/Errors.h"
#include "data/QuotedText.h"

namespace filtertext {
namespace {
bool isIdentStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isIdentChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }
bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

[[noreturn]] void bad(const QString &text, const QString &why)
{
    throw EDatabaseError(QStringLiteral("Invalid filter %1: %2").arg(text, why));
}
} // namespace

FilterTerm parse(const QString &text)
{
    const QString quoted = QLatin1Char('\'') + text + QLatin1Char('\'');
    int i = 0;
    const int n = int(text.size());
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i >= n || !isIdentStart(text[i]))
        bad(quoted, QStringLiteral("a field name is expected"));
    const int start = i;
    while (i < n && isIdentChar(text[i]))
        ++i;
    FilterTerm term;
    term.field = text.mid(start, i - start);
    skipBlanks();
    if (i >= n || text[i] != QLatin1Char('='))
        bad(quoted, QStringLiteral("\"=\" is expected after %1").arg(term.field));
    ++i;
    skipBlanks();
    if (i >= n || text[i] != QLatin1Char('\''))
        bad(quoted, QStringLiteral("a value in single quotes is expected"));
    if (!quotedtext::read(text, i, QLatin1Char('\''), &term.value))
        bad(quoted, QStringLiteral("the value is not closed by a single quote"));
    skipBlanks();
    if (i < n)
        bad(quoted, QStringLiteral("unexpected text after the value"));
    return term;
}

QString make(const QString &field, const QString &value)
{
    QString inner = value;
    inner.replace(QLatin1Char('\''), QStringLiteral("''"));
    return field + QStringLiteral("='") + inner + QLatin1Char('\'');
}
} // namespace filtertext
