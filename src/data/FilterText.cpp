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
    throw EDatabaseError(QStringLiteral("Filter %1 tidak sah: %2").arg(text, why));
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
        bad(quoted, QStringLiteral("diharapkan nama field"));
    const int start = i;
    while (i < n && isIdentChar(text[i]))
        ++i;
    FilterTerm term;
    term.field = text.mid(start, i - start);
    skipBlanks();
    if (i >= n || text[i] != QLatin1Char('='))
        bad(quoted, QStringLiteral("diharapkan \"=\" sesudah %1").arg(term.field));
    ++i;
    skipBlanks();
    if (i >= n || text[i] != QLatin1Char('\''))
        bad(quoted, QStringLiteral("diharapkan nilai dalam tanda petik tunggal"));
    if (!quotedtext::read(text, i, QLatin1Char('\''), &term.value))
        bad(quoted, QStringLiteral("nilai tidak ditutup dengan tanda petik tunggal"));
    skipBlanks();
    if (i < n)
        bad(quoted, QStringLiteral("ada teks yang tidak diharapkan sesudah nilai"));
    return term;
}

QString make(const QString &field, const QString &value)
{
    QString inner = value;
    inner.replace(QLatin1Char('\''), QStringLiteral("''"));
    return field + QStringLiteral("='") + inner + QLatin1Char('\'');
}
} // namespace filtertext
