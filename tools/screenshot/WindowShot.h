#pragma once
// Pictures of windows for a person to compare with the window designs, taken
// from the screen of an X server such as Xvfb. Without a window manager there
// is no frame, so a framed window's picture gets a plain title bar drawn above
// its client area: the caption and the border icons the window asks for.
#include "controls/Application.h"
#include "controls/DesktopInterface.h"

#include <QDir>
#include <QString>
#include <optional>

class QWidget;
class TForm;

namespace windowshot {
// Handles events for `ms` milliseconds, so windows are laid out and painted.
void settle(int ms = 400);
// Saves `form` (and `popup`, when one is open over it) to `file` and prints
// the file's name with the window's client size.
void shoot(TForm &form, const QString &file, QWidget *popup = nullptr);

// The start every picture program shares: window designs at 96 dots per inch,
// the application with its start-up settings, the desktop's dialogs and waits
// (the run going on past the program's end, so the exit window can be taken
// too; a box answered with "Tidak" where it has one, else its first button, so the run never waits),
// `--dark` for a dark desktop palette, and the output folder, the one
// argument, made when missing.
class Program {
public:
    Program(int &argc, char **argv);
    ~Program() { installUserInterface(nullptr); }
    // False, with the usage printed, when no output folder is named.
    bool ready() const { return m_out.has_value(); }
    const QDir &out() const { return *m_out; }

private:
    class KeepsRunning : public DesktopInterface {
    public:
        void endProgram() override {}
        MsgAnswer message(const MessageRecord &box) override;
    };
    static int &at96Dpi(int &argc);
    NotaApplication m_app;
    KeepsRunning m_desktop;
    std::optional<QDir> m_out;
};
} // namespace windowshot
