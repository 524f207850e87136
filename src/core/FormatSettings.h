#pragma once
// The desktop's regional settings that the formats depend on. Taken from
// QLocale::system() at first use; tests pin them with setCurrent().
#include <QLocale>
#include <QString>
#include <QStringList>

struct FormatSettings {
    QChar decimalSeparator;
    QChar thousandSeparator;
    QChar dateSeparator;
    QChar timeSeparator;
    QStringList shortMonthNames;  // 12 entries, January first
    QStringList longMonthNames;
    QStringList shortDayNames;    // 7 entries, Monday first
    QStringList longDayNames;
    QString shortDateFormat;      // Qt date pattern, always with a four-digit year
    QString longTimeFormat;       // Qt time pattern with seconds, no time zone

    static FormatSettings fromLocale(const QLocale &locale);
    static const FormatSettings &current();
    static void setCurrent(const FormatSettings &settings);
};
