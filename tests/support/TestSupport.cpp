#include "TestSupport.h"

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
