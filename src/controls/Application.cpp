#include "controls/Application.h"

#include "controls/MessageBoxes.h"
#include "core/Errors.h"

#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>
#include <clocale>

namespace {
QString &appTitle()
{
    static QString title = QStringLiteral("Kervano Nota Application");
    return title;
}
} // namespace

NotaApplication::NotaApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // The application object takes the desktop's locale for the C library
    // too. Our number texts never use it, but libraries we call might: their
    // decimal point stays ".". Separators come from FormatSettings only.
    std::setlocale(LC_NUMERIC, "C");
    setQuitOnLastWindowClosed(false);
    // No display name: the window system would append it to every title.
    setApplicationName(QStringLiteral("sistemnota"));
}

NotaApplication::~NotaApplication() = default;

NotaApplication *NotaApplication::instance() { return qobject_cast<NotaApplication *>(QCoreApplication::instance()); }

QString NotaApplication::title() { return appTitle(); }

void NotaApplication::setTitle(const QString &title) { appTitle() = title; }

void NotaApplication::setHint(const QString &hint)
{
    // A hint "short|long" shows its long part.
    const int bar = hint.indexOf(QLatin1Char('|'));
    const QString shown = bar >= 0 ? hint.mid(bar + 1) : hint;
    if (shown == m_hint)
        return;
    m_hint = shown;
    if (m_onHint)
        m_onHint();
}

QString NotaApplication::hintOf(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty())
            return w->statusTip();
        if (w->isWindow())
            break;
    }
    return QString();
}

void NotaApplication::updateHintFromMouse()
{
    m_hintPending = false;
    QWidget *under = QApplication::widgetAt(QCursor::pos());
    // A menu that is open keeps the hint of its highlighted item, and so does
    // a menu bar with a highlighted item (under the mouse, or its menu open).
    if (under && under->inherits("QMenu"))
        return;
    if (auto *bar = qobject_cast<QMenuBar *>(under)) {
        if (QAction *item = bar->activeAction()) {
            setHint(item->statusTip());
            return;
        }
    }
    if (qobject_cast<QMenu *>(QApplication::activePopupWidget()))
        return;
    setHint(hintOf(under));
}

bool NotaApplication::notify(QObject *receiver, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverMove:
        // Recompute once the pending input has been handled.
        if (!m_hintPending) {
            m_hintPending = true;
            QTimer::singleShot(0, this, [this] { updateHintFromMouse(); });
        }
        break;
    default:
        break;
    }
    try {
        return QApplication::notify(receiver, event);
    } catch (const EError &e) {
        msg::errorDialog(e.message());
    } catch (const std::exception &e) {
        msg::errorDialog(QString::fromUtf8(e.what()));
    }
    return true;
}
