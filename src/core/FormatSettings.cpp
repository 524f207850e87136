#include "core/FormatSettings.h"

#include <QRegularExpression>
#include <optional>

namespace {
std::optional<FormatSettings> &currentSettings()
{
    static std::optional<FormatSettings> settings;
    return settings;
}

// Two-digit years cannot be read back safely, so the short date always carries four.
QString withFourDigitYear(QString pattern)
{
    if (!pattern.contains(QLatin1String("yyyy")))
        pattern.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return pattern;
}

// Long time form: hours, minutes and seconds with the locale's separator, no zone.
QString longTimePattern(const QLocale &locale, QChar separator)
{
    const QString shortFormat = locale.timeFormat(QLocale::ShortFormat);
    const bool twelveHour = shortFormat.contains(QLatin1Char('a'), Qt::CaseInsensitive);
    const QString hours = shortFormat.contains(QLatin1String("HH")) || shortFormat.contains(QLatin1String("hh"))
        ? (twelveHour ? QStringLiteral("hh") : QStringLiteral("HH"))
        : (twelveHour ? QStringLiteral("h") : QStringLiteral("H"));
    QString pattern = hours + separator + QStringLiteral("mm") + separator + QStringLiteral("ss");
    if (twelveHour)
        pattern += QStringLiteral(" AP");
    return pattern;
}

QChar firstSeparator(const QString &pattern, QChar fallback)
{
    for (QChar c : pattern)
        if (!c.isLetter())
            return c;
    return fallback;
}
} // namespace

FormatSettings FormatSettings::fromLocale(const QLocale &locale)
{
    FormatSettings s;
    s.decimalSeparator = locale.decimalPoint().at(0);
    s.thousandSeparator = locale.groupSeparator().isEmpty() ? QChar(u',') : locale.groupSeparator().at(0);
    s.shortDateFormat = withFourDigitYear(locale.dateFormat(QLocale::ShortFormat));
    s.dateSeparator = firstSeparator(s.shortDateFormat, QChar(u'/'));
    s.timeSeparator = firstSeparator(locale.timeFormat(QLocale::ShortFormat), QChar(u':'));
    s.longTimeFormat = longTimePattern(locale, s.timeSeparator);
    for (int m = 1; m <= 12; ++m) {
        s.shortMonthNames << locale.monthName(m, QLocale::ShortFormat);
        s.longMonthNames << locale.monthName(m, QLocale::LongFormat);
    }
    for (int d = 1; d <= 7; ++d) {
        s.shortDayNames << locale.dayName(d, QLocale::ShortFormat);
        s.longDayNames << locale.dayName(d, QLocale::LongFormat);
    }
    return s;
}

const FormatSettings &FormatSettings::current()
{
    auto &settings = currentSettings();
    if (!settings)
        settings = fromLocale(QLocale::system());
    return *settings;
}

void FormatSettings::setCurrent(const FormatSettings &settings)
{
    currentSettings() = settings;
}
