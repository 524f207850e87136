#pragma once
// The desktop's own answers to what a window asks: real message boxes and
// file dialogs, a nested event loop, a timer, and the end of the main loop.
#include "controls/UserInterface.h"

class DesktopInterface : public UserInterface {
public:
    MsgAnswer message(const MessageRecord &box) override;
    void runUntilClosed(TForm &window, QEventLoop &loop) override;
    void wait(int ms, QObject *context, std::function<void()> then) override;
    void endProgram() override;

protected:
    QString askForFile(const FileRequest &request, QWidget *parent) override;
};
