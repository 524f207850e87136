#include "DataSupport.h"

#include "core/Errors.h"
#include "data/DataSet.h"

PinnedLocale::PinnedLocale(const QLocale &locale) : m_previous(FormatSettings::current())
{
    FormatSettings::setCurrent(FormatSettings::fromLocale(locale));
}

PinnedLocale::~PinnedLocale() { FormatSettings::setCurrent(m_previous); }

QStringList columnOf(DataSet &dataSet, const QString &field)
{
    QStringList out;
    for (dataSet.first(); !dataSet.eof(); dataSet.next())
        out << dataSet.fieldByName(field)->asString();
    return out;
}

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EError &e) {
        return e.message();
    }
    return QString();
}
