#include "controls/DialogKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace dialogkeys {
namespace {

bool inReach(QAbstractButton *button) { return button && button->isEnabled() && button->isVisible(); }

// Sees the keys the focused control left unhandled, as they reach the window.
class Keys : public QObject {
public:
    Keys(QWidget *window, QAbstractButton *defaultButton, QAbstractButton *cancelButton)
        : QObject(window), m_window(window), m_default(defaultButton), m_cancel(cancelButton)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window || event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
            return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
                focused && focused->window() == m_window && inReach(focused)) {
                focused->click();
                return true;
            }
            if (inReach(m_default)) {
                m_default->click();
                return true;
            }
            return false;
        case Qt::Key_Escape:
            if (inReach(m_cancel)) {
                m_cancel->click();
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    QWidget *m_window;
    QPointer<QAbstractButton> m_default;
    QPointer<QAbstractButton> m_cancel;
};

} // namespace

void install(QWidget *window, QAbstractButton *defaultButton, QAbstractButton *cancelButton)
{
    window->installEventFilter(new Keys(window, defaultButton, cancelButton));
}

} // namespace dialogkeys
