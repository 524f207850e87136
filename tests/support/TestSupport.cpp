#include "TestSupport.h"

#include "controls/Form.h"
#include "controls/Guard.h"

#include <QEventLoop>
#include <QTimer>

ScriptedInterface::ScriptedInterface() : m_previous(installUserInterface(this)) {}

ScriptedInterface::~ScriptedInterface() { installUserInterface(m_previous); }

MsgAnswer ScriptedInterface::message(const MessageRecord &box)
{
    m_boxes.append(box);
    if (m_answers.empty())
        return firstAnswer(box.kind);
    const MsgAnswer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

void ScriptedInterface::runUntilClosed(TForm &window, QEventLoop &loop)
{
    if (!m_scripts.empty()) {
        auto script = std::move(m_scripts.front());
        m_scripts.pop_front();
        // Runs inside the loop, with the window's events going on around it.
        QPointer<TForm> self(&window);
        QTimer::singleShot(0, &window, [self, script] {
            guard([&] { script(*self); });
            if (self && self->isVisible())
                self->Close();
            // A window that refused to close (its close question answered
            // "stay") is put away, so the scripted wait never hangs.
            if (self && self->isVisible())
                self->Hide();
        });
    }
    if (window.isVisible())
        loop.exec(window.isShowingModal() ? QEventLoop::DialogExec : QEventLoop::AllEvents);
}

QString ScriptedInterface::askForFile(const FileRequest &request, QWidget *)
{
    m_fileRequests.append(request);
    if (m_files.empty())
        return QString();
    const QString name = m_files.front();
    m_files.pop_front();
    return name;
}

void ScriptedInterface::wait(int ms, QObject *context, std::function<void()> then)
{
    m_waits.append(ms);
    if (m_holding)
        m_held.push_back(HeldWait{context != nullptr, context, std::move(then)});
    else
        QTimer::singleShot(0, context, std::move(then));
}

void ScriptedInterface::finishWaits()
{
    m_holding = false;
    auto held = std::move(m_held);
    m_held.clear();
    for (HeldWait &w : held)
        if (!w.bound || w.context)
            w.then();
}
