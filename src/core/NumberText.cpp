#include "core/NumberText.h"

#include "core/Errors.h"
#include "core/FormatSettings.h"

#include <charconv>
#include <cmath>

namespace numtext {
namespace {

constexpr int kPrecision = 15;

struct Decimal {
    bool negative = false;
    QString digits;  // significant digits without leading or trailing zeros; empty for zero
    int exponent = 0;  // value = 0.d1d2d3... * 10^exponent
};

// The value rounded to 15 significant digits, as decimal digits. Written
// without the C library's locale, which may have "," as its decimal point.
Decimal toDecimal(long double value)
{
    Decimal d;
    if (value == 0 || !std::isfinite(value))
        return d;
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, kPrecision - 1);
    const QString text = QString::fromLatin1(buf, written.ptr - buf);  // -d.dddddddddddddde+XX
    const int ePos = text.indexOf(QLatin1Char('e'));
    QString mantissa = text.left(ePos);
    d.negative = mantissa.startsWith(QLatin1Char('-'));
    mantissa.remove(QLatin1Char('-')).remove(QLatin1Char('.'));
    d.exponent = text.mid(ePos + 1).toInt() + 1;
    while (mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);
    d.digits = mantissa;
    return d;
}

// Whether `c` divides digit groups as the desktop writes them ("15.000" in
// Indonesian, "15,000" in English); never when it is the decimal separator.
bool isGroupSeparator(QChar c)
{
    const FormatSettings &fs = FormatSettings::current();
    const QChar group = fs.thousandSeparator;
    if (group.isNull() || group == fs.decimalSeparator || c == fs.decimalSeparator)
        return false;
    return c == group || (group.isSpace() && c.isSpace());
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Reads the whole part of a number from s[i]: plain digits, or groups divided
// by the thousands separator where that is unambiguous (a first group of one
// to three digits, then groups of exactly three). Appends the digits to `out`,
// returns how many, and leaves `i` after them; a separator not followed by a
// whole group is left unread, so that the text is refused.
int readWholePart(const QString &s, int &i, QByteArray &out)
{
    const int n = s.size();
    int count = 0;
    while (i < n && isDigit(s[i])) {
        out += char(s[i++].unicode());
        ++count;
    }
    if (count < 1 || count > 3)
        return count;
    while (i + 3 < n && isGroupSeparator(s[i]) && isDigit(s[i + 1]) && isDigit(s[i + 2]) && isDigit(s[i + 3])
           && (i + 4 == n || !isDigit(s[i + 4]))) {
        for (int k = 1; k <= 3; ++k)
            out += char(s[i + k].unicode());
        count += 3;
        i += 4;
    }
    return count;
}

QString trimmedDigits(QString s)
{
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    return s;
}

} // namespace

QString floatToStr(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const Decimal d = toDecimal(value);
    if (d.digits.isEmpty())
        return QStringLiteral("0");
    const QChar sep = FormatSettings::current().decimalSeparator;
    QString out = d.negative ? QStringLiteral("-") : QString();
    if (d.exponent > kPrecision || d.exponent < -4) {
        // Scientific: d[.ddd]E<exp>
        out += d.digits.at(0);
        if (d.digits.size() > 1)
            out += sep + d.digits.mid(1);
        out += QLatin1Char('E') + QString::number(d.exponent - 1);
        return out;
    }
    if (d.exponent <= 0) {
        out += QLatin1Char('0') + QString(sep) + QString(-d.exponent, QLatin1Char('0')) + d.digits;
        return out;
    }
    if (d.digits.size() <= d.exponent) {
        out += d.digits + QString(d.exponent - d.digits.size(), QLatin1Char('0'));
        return out;
    }
    out += d.digits.left(d.exponent) + sep + d.digits.mid(d.exponent);
    return out;
}

bool tryStrToFloat(const QString &text, long double &value)
{
    const QChar sep = FormatSettings::current().decimalSeparator;
    const QString s = text.trimmed();
    QByteArray plain;
    int i = 0;
    const int n = s.size();
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        plain += char(s[i++].unicode());
    int digits = readWholePart(s, i, plain);
    if (i < n && s[i] == sep) {
        plain += '.';
        ++i;
        while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
            plain += char(s[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        plain += 'e';
        ++i;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
            plain += char(s[i++].unicode());
        int expDigits = 0;
        while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
            plain += char(s[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    // Read without the C library's locale; out of extended range is refused.
    long double v = 0;
    const char *first = plain.constData();
    if (*first == '+')
        ++first;
    const auto read = std::from_chars(first, plain.constData() + plain.size(), v);
    if (read.ec != std::errc() || read.ptr != plain.constData() + plain.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

long double strToFloat(const QString &text)
{
    long double v = 0;
    if (!tryStrToFloat(text, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return v;
}

bool tryStrToInt(const QString &text, qint64 &value)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    int i = 0;
    QByteArray plain;
    if (s[0] == QLatin1Char('+') || s[0] == QLatin1Char('-'))
        plain += char(s[i++].unicode());
    if (readWholePart(s, i, plain) == 0 || i != s.size())
        return false;
    bool ok = false;
    const qint64 v = plain.toLongLong(&ok);
    if (!ok)
        return false;
    value = v;
    return true;
}

qint64 strToInt(const QString &text)
{
    qint64 v = 0;
    if (!tryStrToInt(text, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return v;
}

QString formatMoney(long double value)
{
    const FormatSettings &fs = FormatSettings::current();
    // Round the 15-digit decimal form half away from zero to two decimals, so
    // 1234.565 shows as 1234,57 as a person would expect.
    const Decimal d = toDecimal(value);
    QString intPart;
    QString frac;
    if (!d.digits.isEmpty()) {
        QString all = d.digits;
        int pointPos = d.exponent;  // digits before the decimal point
        if (pointPos < 0) {
            all = QString(-pointPos, QLatin1Char('0')) + all;
            pointPos = 0;
        }
        if (all.size() < pointPos + 3)
            all += QString(pointPos + 3 - all.size(), QLatin1Char('0'));
        // Keep integer digits and two fraction digits, then round on the third.
        QString kept = all.left(pointPos + 2);
        const bool roundUp = all.at(pointPos + 2) >= QLatin1Char('5');
        if (roundUp) {
            int k = kept.size() - 1;
            while (k >= 0) {
                if (kept[k] == QLatin1Char('9')) {
                    kept[k] = QLatin1Char('0');
                    --k;
                } else {
                    kept[k] = QChar(kept[k].unicode() + 1);
                    break;
                }
            }
            if (k < 0) {
                kept.prepend(QLatin1Char('1'));
                ++pointPos;
            }
        }
        intPart = kept.left(pointPos);
        frac = trimmedDigits(kept.mid(pointPos));
        while (intPart.startsWith(QLatin1Char('0')))
            intPart.remove(0, 1);
    }
    QString grouped;
    for (int i = 0; i < intPart.size(); ++i) {
        if (i > 0 && (intPart.size() - i) % 3 == 0)
            grouped += fs.thousandSeparator;
        grouped += intPart[i];
    }
    QString out = QStringLiteral("Rp ") + grouped;
    if (!frac.isEmpty())
        out += fs.decimalSeparator + frac;
    if (d.negative && (!intPart.isEmpty() || !frac.isEmpty()))
        out.prepend(QLatin1Char('-'));
    return out;
}

} // namespace numtext
