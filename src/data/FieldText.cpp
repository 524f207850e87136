#include "data/FieldText.h"

#include "core/DateText.h"
#include "core/Errors.h"
#include "core/NumberText.h"
#include "core/TextCut.h"

#include <cfloat>
#include <cmath>

namespace fieldtext {
namespace {
const QString kIsoDate = QStringLiteral("yyyy-MM-dd");

bool isMoneyFormat(const QString &format) { return format.startsWith(QLatin1String("Rp")); }

EConvertError notAFloat(const FieldDef &def, const QString &text)
{
    return EConvertError(QStringLiteral("'%1' is not a valid floating point value for field '%2'").arg(text, def.name));
}

// Characters that show nothing, or change how the characters around them
// show, without being seen themselves: Unicode's default-ignorable code
// points, the line and paragraph separators, surrogates that pair with
// nothing and noncharacters.
bool isInvisible(char32_t c)
{
    static constexpr char32_t kRanges[][2] = {
        {0x00AD, 0x00AD}, {0x034F, 0x034F}, {0x061C, 0x061C}, {0x115F, 0x1160}, {0x17B4, 0x17B5},
        {0x180B, 0x180F}, {0x200B, 0x200F}, {0x2028, 0x202E}, {0x2060, 0x206F}, {0x3164, 0x3164},
        {0xD800, 0xDFFF}, {0xFDD0, 0xFDEF}, {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}, {0xFFA0, 0xFFA0},
        {0xFFF0, 0xFFF8}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
    };
    if ((c & 0xFFFE) == 0xFFFE)
        return true;  // U+FFFE, U+FFFF and their kin in every plane
    for (const auto &range : kRanges)
        if (c >= range[0] && c <= range[1])
            return true;
    return false;
}

bool isControl(char32_t c, bool breaksAllowed)
{
    if (breaksAllowed && (c == u'\t' || c == u'\n' || c == u'\r'))
        return false;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

EConvertError refusedCharacter(const FieldDef &def, const char *kind, char32_t c)
{
    return EConvertError(QStringLiteral("Teks untuk field '%1' memuat %2 (U+%3), yang tidak dapat disimpan")
                             .arg(def.name, QLatin1String(kind), QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper()));
}

// The double a number field stores. The largest double, written with 15
// digits, reads back a little above it: that text stands for the largest.
bool toDouble(long double value, double &out)
{
    if (!std::isfinite(value))
        return false;
    if (std::fabs(value) <= DBL_MAX) {
        out = double(value);
        return true;
    }
    if (numtext::floatToStr(std::fabs(value)) != numtext::floatToStr(DBL_MAX))
        return false;
    out = std::copysign(DBL_MAX, double(value));
    return true;
}
} // namespace

QDate asDate(const QVariant &stored)
{
    if (!hasValue(stored))
        return {};
    if (stored.typeId() == QMetaType::QDate)
        return stored.toDate();
    return QDate::fromString(stored.toString().left(10), kIsoDate);
}

QString asString(const FieldDef &def, const QVariant &stored)
{
    if (!hasValue(stored))
        return QString();
    // A file written by other means may hold text in a number column: it is
    // shown as it is, so that whoever reads it as a number gets the error.
    // Text is read in place, without a conversion: this runs for every value shown.
    const QString *text =
        stored.typeId() == QMetaType::QString ? static_cast<const QString *>(stored.constData()) : nullptr;
    switch (def.kind) {
    case FieldKind::Float: return text ? *text : numtext::floatToStr(stored.toDouble());
    case FieldKind::Integer:
    case FieldKind::AutoInc: return text ? *text : QString::number(stored.toLongLong());
    case FieldKind::Date: {
        const QDate d = asDate(stored);
        return d.isValid() ? datetext::shortDate(d) : stored.toString();
    }
    case FieldKind::Graphic: return QString();
    case FieldKind::Text:
    case FieldKind::Memo: break;
    }
    return text ? *text : stored.toString();
}

QString displayText(const FieldDef &def, const QVariant &stored, bool present)
{
    switch (def.kind) {
    case FieldKind::Memo: return present ? QStringLiteral("(MEMO)") : QStringLiteral("(Memo)");
    case FieldKind::Graphic: return present ? QStringLiteral("(GRAPHIC)") : QStringLiteral("(Graphic)");
    case FieldKind::Float:
        if (hasValue(stored) && isMoneyFormat(def.displayFormat))
            return numtext::formatMoney(stored.toDouble());
        break;
    case FieldKind::Date:
        if (hasValue(stored) && !def.displayFormat.isEmpty()) {
            const QDate d = asDate(stored);
            if (d.isValid())
                return datetext::formatDate(def.displayFormat, d);
        }
        break;
    default: break;
    }
    return asString(def, stored);
}

QString checkedText(const FieldDef &def, const QString &text)
{
    const bool memo = def.kind == FieldKind::Memo;
    bool otherBlanks = false, lineSeparators = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F)
            continue;  // printable ASCII, most of every text
        char32_t c = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(ch, text.at(++i));
        if (isControl(c, !def.trimmed))
            throw refusedCharacter(def, "karakter kontrol", c);
        if (memo && (c == QChar::LineSeparator || c == QChar::ParagraphSeparator)) {
            lineSeparators = true;  // a line break, as a memo box gives it
            continue;
        }
        if (isInvisible(c))
            throw refusedCharacter(def, "karakter tak terlihat", c);
        otherBlanks = otherBlanks || QChar::category(c) == QChar::Separator_Space;
    }
    if (lineSeparators) {
        QString lines = text;
        lines.replace(QChar::LineSeparator, QLatin1Char('\n')).replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return lines;
    }
    if (!def.trimmed || def.kind != FieldKind::Text)
        return text;
    QString code = text;
    if (otherBlanks)
        for (QChar &ch : code)
            if (ch.category() == QChar::Separator_Space)
                ch = QLatin1Char(' ');
    return code.trimmed();
}

QVariant fromString(const FieldDef &def, const QString &typed)
{
    if (typed.isEmpty())
        return QVariant();
    const QString text = def.kind == FieldKind::Text || def.kind == FieldKind::Memo ? checkedText(def, typed) : typed;
    if (text.isEmpty())
        return QVariant();
    switch (def.kind) {
    case FieldKind::Text: return def.size > 0 ? textcut::cutToWidth(text, def.size) : text;
    case FieldKind::Memo: return text;
    case FieldKind::Float: {
        long double v = 0;
        double stored = 0;
        if (!numtext::tryStrToFloat(text, v) || !toDouble(v, stored))
            throw notAFloat(def, text);
        return stored;
    }
    case FieldKind::Integer:
    case FieldKind::AutoInc: {
        qint64 v = 0;
        if (!numtext::tryStrToInt(text, v))
            throw EConvertError(QStringLiteral("'%1' is not a valid integer value for field '%2'").arg(text, def.name));
        return v;
    }
    case FieldKind::Date: return datetext::strToDate(text).toString(kIsoDate);
    case FieldKind::Graphic: return text.toLatin1();
    }
    return text;
}

QVariant searchValue(const FieldDef &def, const QString &text)
{
    if (text.isEmpty())
        return QVariant();
    if (def.kind == FieldKind::Text || def.kind == FieldKind::Memo)
        return text;
    return fromString(def, text);
}

QVariant fromFloat(const FieldDef &def, long double value)
{
    switch (def.kind) {
    case FieldKind::Float: {
        double stored = 0;
        if (!toDouble(value, stored))
            throw notAFloat(def, numtext::floatToStr(value));
        return stored;
    }
    case FieldKind::Integer:
    case FieldKind::AutoInc: {
        const long double whole = std::round(value);
        // 2^63 is exact in both types; at or beyond it no qint64 holds the value.
        if (!std::isfinite(whole) || whole >= 9223372036854775808.0L || whole < -9223372036854775808.0L)
            throw EConvertError(QStringLiteral("'%1' is not a valid integer value for field '%2'").arg(numtext::floatToStr(value), def.name));
        return qint64(whole);
    }
    default: return fromString(def, numtext::floatToStr(value));
    }
}

QVariant normalise(const FieldDef &def, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (def.kind) {
    case FieldKind::Text:
    case FieldKind::Memo:
        if (value.typeId() == QMetaType::Double)
            return fromString(def, numtext::floatToStr(value.toDouble()));
        return fromString(def, value.toString());
    case FieldKind::Float:
        if (value.typeId() == QMetaType::QString)
            return fromString(def, value.toString());
        return value.toDouble();
    case FieldKind::Integer:
    case FieldKind::AutoInc:
        if (value.typeId() == QMetaType::QString)
            return fromString(def, value.toString());
        if (value.typeId() == QMetaType::Double)
            return qint64(std::llround(value.toDouble()));
        return value.toLongLong();
    case FieldKind::Date:
        if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
            return value.toDate().isValid() ? QVariant(value.toDate().toString(kIsoDate)) : QVariant();
        return fromString(def, value.toString());
    case FieldKind::Graphic: {
        const QByteArray bytes = value.toByteArray();
        return bytes.isEmpty() ? QVariant() : QVariant(bytes);
    }
    }
    return value;
}

long double asFloat(const FieldDef &def, const QVariant &stored)
{
    if (!hasValue(stored))
        return 0;
    if (stored.typeId() == QMetaType::QString && def.kind != FieldKind::Date)
        return numtext::strToFloat(stored.toString());
    switch (def.kind) {
    case FieldKind::Float: return stored.toDouble();
    case FieldKind::Integer:
    case FieldKind::AutoInc: return stored.toLongLong();
    case FieldKind::Date: return QDate(1899, 12, 30).daysTo(asDate(stored));  // day number of the desktop's date type
    default: return numtext::strToFloat(stored.toString());
    }
}

qint64 asInteger(const FieldDef &def, const QVariant &stored)
{
    if (!hasValue(stored))
        return 0;
    if (stored.typeId() == QMetaType::QString)
        return numtext::strToInt(stored.toString());
    if (stored.typeId() == QMetaType::Double) {
        // Rounded half away from zero; a value no qint64 holds is an error,
        // never the wrapped or saturated number a plain conversion gives.
        const double value = stored.toDouble();
        const double whole = std::round(value);
        if (!(whole >= -9223372036854775808.0 && whole < 9223372036854775808.0))
            throw EConvertError(QStringLiteral("'%1' is not a valid integer value for field '%2'")
                                    .arg(numtext::floatToStr(value), def.name));
        return qint64(whole);
    }
    switch (def.kind) {
    case FieldKind::Float:
    case FieldKind::Integer:
    case FieldKind::AutoInc: return stored.toLongLong();
    default: return numtext::strToInt(stored.toString());
    }
}
} // namespace fieldtext
