#pragma once
// What a window asks of the person or the desktop, all through ui():
//   ui().message(box)                    a message box (msg::show and its kin use it)
//   ui().runUntilClosed(window, loop)    waits inside a window until it closes (ShowModal, the preview)
//   ui().chooseFile(request, parent)     an open or save file dialog
//   ui().wait(ms, context, then)         a timed wait with the event loop running
//   ui().endProgram()                    ends the run
// The desktop's own implementation answers unless another one is installed;
// test programs install a scripted one that records and answers instead.
#include <QString>
#include <functional>

class QEventLoop;
class QObject;
class QWidget;
class TForm;

enum class MsgKind {
    Exclamation,  // exclamation icon, OK: errors and refusals
    Question,     // question icon, OK and Cancel: OK means yes
    Information,  // information icon, OK: notices and results
    Error,        // error icon, OK: the default error dialog
    Confirm,      // question icon, "OK" and "Cancel": the navigator's delete question
    YesNo,        // question icon, "Ya" and "Tidak"
    YesNoCancel,  // question icon, "Ya", "Tidak" and "Batal": store, drop or stay
};

enum class MsgAnswer { Ok, Cancel, Yes, No };

// The answer of a box's first button (OK, or Ya): Enter's answer.
MsgAnswer firstAnswer(MsgKind kind);

// One message box: its words and its kind.
struct MessageRecord {
    QString text;
    QString caption;
    MsgKind kind;
};

// A file the person is asked for.
struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString caption;        // the dialog's title
    QString suggestion;     // the folder or file name the dialog starts with
    QString filter;         // "Report files (*.nqr);;All files (*)"
    QString defaultSuffix;  // added to a saved name given without one ("pdf")
};

class UserInterface {
public:
    virtual ~UserInterface();

    // Shows the box and returns the person's answer.
    virtual MsgAnswer message(const MessageRecord &box) = 0;

    // Runs `loop` while `window` is open; the window's closing quits the
    // loop. Returns at once when the window is no longer visible.
    virtual void runUntilClosed(TForm &window, QEventLoop &loop) = 0;

    // The file's full name; empty when the person cancels. A name to save
    // without a suffix gets the request's default suffix.
    QString chooseFile(const FileRequest &request, QWidget *parent = nullptr);

    // Calls `then` after `ms` milliseconds while events go on being handled;
    // never once `context` is destroyed.
    virtual void wait(int ms, QObject *context, std::function<void()> then) = 0;

    // Ends the program: the main event loop returns.
    virtual void endProgram() = 0;

protected:
    virtual QString askForFile(const FileRequest &request, QWidget *parent) = 0;
};

// The interface in place.
UserInterface &ui();

// Puts `replacement` in place and returns the one it replaces; nullptr puts
// the desktop's own back. Replacements are put back in reverse order.
UserInterface *installUserInterface(UserInterface *replacement);
