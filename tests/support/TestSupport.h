#pragma once
// Fixtures shared by the test programs.
#include "controls/MessageBoxes.h"
#include "core/FormatSettings.h"

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

// Pins the regional settings for its lifetime.
class PinnedLocale {
public:
    explicit PinnedLocale(const QLocale &locale);
    ~PinnedLocale();

private:
    FormatSettings m_previous;
};

inline QLocale indonesian() { return QLocale(QLocale::Indonesian, QLocale::Indonesia); }
inline QLocale english() { return QLocale(QLocale::English, QLocale::UnitedStates); }

// The text of `field` in every visible record, walking from the first.
QStringList columnOf(DataSet &dataSet, const QString &field);

// The message of the error that `action` raises; empty when it raises none.
QString errorOf(const std::function<void()> &action);
