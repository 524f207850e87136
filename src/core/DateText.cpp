#include "core/DateText.h"

#include "core/Errors.h"
#include "core/FormatSettings.h"

namespace datetext {
namespace {

int runLength(const QString &p, int i)
{
    int n = 1;
    while (i + n < p.size() && p[i + n].toLower() == p[i].toLower())
        ++n;
    return n;
}

QString two(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }
QString four(int v) { return QStringLiteral("%1").arg(v, 4, 10, QLatin1Char('0')); }

// A year typed with one or two digits falls in the hundred years around today:
// from 50 years back to 49 years ahead, as desktop date entry reads it.
int yearNearToday(int shortYear)
{
    const int first = QDate::currentDate().year() - 50;
    int year = first - first % 100 + shortYear;
    if (year < first)
        year += 100;
    return year;
}

QString format(const QString &p, const QDate &date, const QTime &time)
{
    const FormatSettings &fs = FormatSettings::current();
    QString out;
    for (int i = 0; i < p.size();) {
        const QChar c = p[i].toLower();
        if (p[i] == QLatin1Char('"') || p[i] == QLatin1Char('\'')) {
            const int end = p.indexOf(p[i], i + 1);
            const int stop = end < 0 ? p.size() : end;
            out += p.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        const int n = runLength(p, i);
        if (c == QLatin1Char('d')) {
            if (n == 1)
                out += QString::number(date.day());
            else if (n == 2)
                out += two(date.day());
            else if (n == 3)
                out += fs.shortDayNames.value(date.dayOfWeek() - 1);
            else
                out += fs.longDayNames.value(date.dayOfWeek() - 1);
        } else if (c == QLatin1Char('m')) {
            if (n == 1)
                out += QString::number(date.month());
            else if (n == 2)
                out += two(date.month());
            else if (n == 3)
                out += fs.shortMonthNames.value(date.month() - 1);
            else
                out += fs.longMonthNames.value(date.month() - 1);
        } else if (c == QLatin1Char('y')) {
            out += n <= 2 ? two(date.year() % 100) : four(date.year());
        } else if (c == QLatin1Char('h')) {
            out += n == 1 ? QString::number(time.hour()) : two(time.hour());
        } else if (c == QLatin1Char('n')) {
            out += n == 1 ? QString::number(time.minute()) : two(time.minute());
        } else if (c == QLatin1Char('s')) {
            out += n == 1 ? QString::number(time.second()) : two(time.second());
        } else {
            out += p.mid(i, n);
        }
        i += n;
    }
    return out;
}

} // namespace

QString formatDate(const QString &pattern, const QDate &date)
{
    return date.isValid() ? format(pattern, date, QTime(0, 0)) : QString();
}

QString formatDateTime(const QString &pattern, const QDateTime &dateTime)
{
    return dateTime.isValid() ? format(pattern, dateTime.date(), dateTime.time()) : QString();
}

QString shortDate(const QDate &date)
{
    return date.isValid() ? QLocale::c().toString(date, FormatSettings::current().shortDateFormat) : QString();
}

QString longTime(const QTime &time)
{
    // Only digits and separators (and AM/PM) come out of the pattern.
    return time.isValid() ? QLocale::system().toString(time, FormatSettings::current().longTimeFormat) : QString();
}

QString dateTimeText(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return QString();
    const QString date = shortDate(dateTime.date());
    if (dateTime.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + longTime(dateTime.time());
}

bool tryStrToDate(const QString &text, QDate &date)
{
    const FormatSettings &fs = FormatSettings::current();
    const QString s = text.trimmed();
    const QStringList parts = s.split(fs.dateSeparator);
    if (parts.size() != 3)
        return false;
    // Order of day, month and year as the short date pattern has them.
    QString order;
    for (QChar c : fs.shortDateFormat) {
        const QChar l = c.toLower();
        if ((l == QLatin1Char('d') || l == QLatin1Char('m') || l == QLatin1Char('y')) && !order.contains(l))
            order += l;
    }
    if (order.size() != 3)
        order = QStringLiteral("dmy");
    int day = 0, month = 0, year = 0;
    for (int k = 0; k < 3; ++k) {
        const QString part = parts[k].trimmed();
        if (part.isEmpty() || part.size() > 4)
            return false;
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        const int v = part.toInt();
        if (order[k] == QLatin1Char('d'))
            day = v;
        else if (order[k] == QLatin1Char('m'))
            month = v;
        else if (part.size() == 3)
            return false;  // neither a short year nor a full one
        else
            year = part.size() <= 2 ? yearNearToday(v) : v;
    }
    const QDate d(year, month, day);
    if (!d.isValid())
        return false;
    date = d;
    return true;
}

QDate strToDate(const QString &text)
{
    QDate d;
    if (!tryStrToDate(text, d))
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    return d;
}

} // namespace datetext
