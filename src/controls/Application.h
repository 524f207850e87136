#pragma once
// The application object: title, the current hint with its change hook and
// the main form, whose closing ends the program.
#include <QApplication>
#include <functional>

class TForm;

class NotaApplication : public QApplication {
    Q_OBJECT
public:
    NotaApplication(int &argc, char **argv);
    ~NotaApplication() override;

    static NotaApplication *instance();

    // The program's title: the caption of the default error dialog. Window
    // titles are each window's own caption, with nothing added to them.
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

    // Exceptions thrown inside event handling end that event, never the loop.
    bool notify(QObject *receiver, QEvent *event) override;

    // The hint of a widget: its statusTip or that of its nearest ancestor with one.
    static QString hintOf(QWidget *widget);

private:
    void updateHintFromMouse();

    QString m_hint;
    std::function<void()> m_onHint;
    TForm *m_mainForm = nullptr;
    bool m_hintPending = false;
};

#define nApp (NotaApplication::instance())
