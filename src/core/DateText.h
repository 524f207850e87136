#pragma once
// Date and time texts in the desktop's regional settings.
#include <QDate>
#include <QDateTime>
#include <QString>

namespace datetext {

// Formats with a pattern of the display-format kind: d dd ddd dddd, m mm mmm
// mmmm, yy yyyy, h hh, n nn, s ss; other characters stand as they are, text in
// double or single quotes is copied. Names come from FormatSettings.
QString formatDate(const QString &pattern, const QDate &date);
QString formatDateTime(const QString &pattern, const QDateTime &dateTime);

// "dd mmm yyyy": the display format of invoice dates.
inline const QString kDisplayDate = QStringLiteral("dd mmm yyyy");
// "dddd, d mmmm yyyy " (trailing blank): the main window's date label.
inline const QString kLongDateLabel = QStringLiteral("dddd, d mmmm yyyy ");

QString shortDate(const QDate &date);        // the locale's short date form
QString longTime(const QTime &time);         // the locale's long time form
// Short date, a blank and the long time; the time is left out at 00:00:00.
QString dateTimeText(const QDateTime &dateTime);

// Reads a date in the short date form (day, month and year in that form's
// order, the locale's date separator). A year of one or two digits falls
// within 50 years of today; a three-digit year is refused.
// Raises EConvertError "'<text>' is not a valid date".
QDate strToDate(const QString &text);
bool tryStrToDate(const QString &text, QDate &date);

} // namespace datetext
