#pragma once
// The application object: title, the current hint with its change hook, the
// main form, and the one way to end the program.
#include <QApplication>
#include <functional>

class TForm;

class NotaApplication : public QApplication {
    Q_OBJECT
public:
    NotaApplication(int &argc, char **argv);
    ~NotaApplication() override;

    static NotaApplication *instance();

    static QString title();
    static void setTitle(const QString &title);

    // The current hint: recomputed after input events from the control under
    // the mouse (its statusTip, or its nearest ancestor's), or set directly
    // by a highlighted menu item.
    QString hint() const { return m_hint; }
    void setHint(const QString &hint);
    // The change hook; one handler, as the main window installs it.
    void setOnHint(std::function<void()> handler) { m_onHint = std::move(handler); }

    TForm *mainForm() const { return m_mainForm; }
    void setMainForm(TForm *form) { m_mainForm = form; }

    // Ends the program. Tests replace the ending with their own handler.
    void terminate();
    void setTerminateHandler(std::function<void()> handler) { m_terminate = std::move(handler); }
    bool terminated() const { return m_terminated; }
    void resetTerminated() { m_terminated = false; }

    // Exceptions thrown inside event handling end that event, never the loop.
    bool notify(QObject *receiver, QEvent *event) override;

    // The hint of a widget: its statusTip or that of its nearest ancestor with one.
    static QString hintOf(QWidget *widget);

private:
    void updateHintFromMouse();

    QString m_hint;
    std::function<void()> m_onHint;
    std::function<void()> m_terminate;
    TForm *m_mainForm = nullptr;
    bool m_terminated = false;
    bool m_hintPending = false;
};

#define nApp (NotaApplication::instance())
