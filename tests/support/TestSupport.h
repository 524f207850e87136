#pragma once
// Fixtures shared by the test programs.
#include "DataSupport.h"
#include "controls/MessageBoxes.h"
#include "controls/UserInterface.h"

#include <QList>
#include <QPointer>
#include <QtTest>
#include <deque>
#include <functional>
#include <vector>

class TForm;

// The person and the desktop in a test: installed in place of the desktop's
// own interface for its lifetime, the previous one back afterwards. Every
// test program has one for its whole run (TestMain.h); a test installs its
// own to read what it alone asked for.
class ScriptedInterface : public UserInterface {
public:
    ScriptedInterface();
    ~ScriptedInterface() override;
    ScriptedInterface(const ScriptedInterface &) = delete;
    ScriptedInterface &operator=(const ScriptedInterface &) = delete;

    // Message boxes: each one recorded, answered from the queue (the first
    // button, OK or Ya, once it is empty).
    void answer(MsgAnswer next) { m_answers.push_back(next); }
    const QList<MessageRecord> &boxes() const { return m_boxes; }
    int count() const { return int(m_boxes.size()); }
    MessageRecord last() const { return m_boxes.isEmpty() ? MessageRecord{} : m_boxes.last(); }
    void clear() { m_boxes.clear(); }

    // The next window the program waits on (ShowModal, the report preview)
    // runs `script` once it is shown, and is closed afterwards if the script
    // left it open.
    void actInside(std::function<void(TForm &)> script) { m_scripts.push_back(std::move(script)); }
    // The same for a window of a known class: actInside<TFabout>([&](TFabout &about) { ... }).
    template <typename Window>
    void actInside(std::function<void(Window &)> script)
    {
        actInside([script = std::move(script)](TForm &form) {
            auto *window = qobject_cast<Window *>(&form);
            QVERIFY2(window, "the window waited on is of another class");
            script(*window);
        });
    }

    // File dialogs: answered from the queue (cancelled once it is empty);
    // every request is recorded.
    void answerFile(const QString &name) { m_files.push_back(name); }
    const QList<FileRequest> &fileRequests() const { return m_fileRequests; }

    // Timed waits: the durations asked for, in order. A wait is over as soon
    // as the events already posted are handled, unless waits are held: then
    // it ends at finishWaits().
    const QList<int> &waits() const { return m_waits; }
    void holdWaits() { m_holding = true; }
    void finishWaits();

    // The program's end: recorded; the run goes on.
    bool programEnded() const { return m_endings > 0; }
    int endings() const { return m_endings; }

    MsgAnswer message(const MessageRecord &box) override;
    void runUntilClosed(TForm &window, QEventLoop &loop) override;
    void wait(int ms, QObject *context, std::function<void()> then) override;
    void endProgram() override { ++m_endings; }

protected:
    QString askForFile(const FileRequest &request, QWidget *parent) override;

private:
    struct HeldWait {
        bool bound;  // to a context, which may be gone by the end
        QPointer<QObject> context;
        std::function<void()> then;
    };

    UserInterface *m_previous = nullptr;
    QList<MessageRecord> m_boxes;
    std::deque<MsgAnswer> m_answers;
    std::deque<std::function<void(TForm &)>> m_scripts;
    QList<FileRequest> m_fileRequests;
    std::deque<QString> m_files;
    QList<int> m_waits;
    bool m_holding = false;
    std::vector<HeldWait> m_held;
    int m_endings = 0;
};
