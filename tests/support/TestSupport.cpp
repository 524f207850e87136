#include "TestSupport.h"

#include "core/Errors.h"
#include "data/DataSet.h"

namespace {
MessagePresenter *&installed()
{
    static MessagePresenter *p = nullptr;
    return p;
}
} // namespace

ScriptedMessages::ScriptedMessages() : m_previous(installed())
{
    installed() = this;
    msg::setPresenter(this);
}

ScriptedMessages::~ScriptedMessages()
{
    installed() = m_previous;
    msg::setPresenter(m_previous);
}

MsgAnswer ScriptedMessages::present(const MessageRecord &box)
{
    m_boxes.append(box);
    if (m_answers.empty())
        return MsgAnswer::Ok;
    const MsgAnswer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

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
