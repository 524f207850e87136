#pragma once
// Fixtures shared by the test programs.
#include "DataSupport.h"
#include "controls/MessageBoxes.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <QLocale>
#include <deque>

class DataSet;

// Records every message box and answers from a queue (OK when it is empty).
// Installed for its lifetime.
class ScriptedMessages : public MessagePresenter {
public:
    ScriptedMessages();
    ~ScriptedMessages() override;
    MsgAnswer present(const MessageRecord &box) override;

    void answer(MsgAnswer next) { m_answers.push_back(next); }
    const QList<MessageRecord> &boxes() const { return m_boxes; }
    int count() const { return int(m_boxes.size()); }
    MessageRecord last() const { return m_boxes.isEmpty() ? MessageRecord{} : m_boxes.last(); }
    void clear() { m_boxes.clear(); }

private:
    QList<MessageRecord> m_boxes;
    std::deque<MsgAnswer> m_answers;
    MessagePresenter *m_previous = nullptr;
};
