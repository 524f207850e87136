#include "controls/DBEdit.h"

#include "controls/CapitalsValidator.h"
#include "controls/DataLink.h"
#include "controls/Guard.h"
#include "core/Errors.h"
#include "data/DataSet.h"
#include "data/Field.h"

#include <QApplication>
#include <QKeyEvent>

namespace {
// Eats the rest of a click whose press tried to take the keyboard from an edit
// that refused to be left: the press under way, the moves while the button is
// held and the release. The person has been told why the click was refused;
// the clicked control (a grid moving the record, a window's button) must not
// act on it as well. Installed after the error box has closed, so that box
// gets its own clicks.
class RefusedClick : public QObject {
public:
    static void eatRest() { new RefusedClick; }

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        if (m_done || !target->isWidgetType())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return true;
        case QEvent::MouseButtonRelease:
            finish();
            return true;
        default:
            return false;
        }
    }

private:
    RefusedClick() : QObject(qApp)
    {
        qApp->installEventFilter(this);
        // The button may be up already (released while the error was shown):
        // then only the press under way is eaten.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (QGuiApplication::mouseButtons() == Qt::NoButton)
                    finish();
            },
            Qt::QueuedConnection);
    }

    void finish()
    {
        m_done = true;
        qApp->removeEventFilter(this);
        deleteLater();
    }

    bool m_done = false;
};
} // namespace

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent), FieldBinding(this)
{
    connect(m_link, &DataLink::dataChanged, this, &DBEdit::showField);
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) { guard([&] { userEdited(text); }); });
    connect(this, &QLineEdit::returnPressed, this, [this] { leaveEdit(); });
    m_link->setUpdateData([this] { writePending(true); });
    showField();
}

DBEdit::~DBEdit() = default;


void DBEdit::setCapitals(bool on)
{
    m_capitals = on;
    setValidator(on ? new CapitalsValidator(this) : nullptr);
}

void DBEdit::setReadOnly(bool on)
{
    m_readOnly = on;
    showField();
}

void DBEdit::showField()
{
    if (m_writing)
        return;
    Field *f = m_link->field();
    const bool typable = f && m_link->canModify() && f->kind() != FieldKind::AutoInc
                         && f->kind() != FieldKind::Graphic;
    QLineEdit::setReadOnly(m_readOnly || !typable);
    setMaxLength(f && f->kind() == FieldKind::Text && f->size() > 0 ? f->size() : 32767);
    const QString shown = f ? f->asString() : QString();
    if (text() != shown) {
        // Shown as stored: capitals apply to typing only.
        const QValidator *capitals = validator();
        setValidator(nullptr);
        setText(shown);
        setValidator(capitals);
    }
    m_pending = false;
}

void DBEdit::userEdited(const QString &)
{
    if (!m_link->field())
        return;
    m_pending = true;
    watchWindowClose();
    try {
        m_writing = true;
        m_link->beginEdit();
        m_writing = false;
    } catch (...) {
        m_writing = false;
        showField();
        throw;
    }
    writePending(false);
}

void DBEdit::writePending(bool reportErrors)
{
    Field *f = m_link->field();
    if (!f || !m_pending)
        return;
    m_writing = true;
    try {
        f->setAsString(text());
        m_pending = false;
    } catch (const EConvertError &) {
        m_writing = false;
        if (reportErrors) {
            setFocus();
            throw;
        }
        return;
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
}

bool DBEdit::leaveEdit()
{
    bool written = false;
    guard([this, &written] {
        writePending(true);
        written = true;
    });
    return written;
}

void DBEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Another window coming to the front (an error box among them) or a popup
    // opening does not leave the edit: the keyboard comes back to it.
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return;
    default:
        break;
    }
    if (!leaveEdit() && event->reason() == Qt::MouseFocusReason)
        RefusedClick::eatRest();
}

void DBEdit::watchWindowClose()
{
    QWidget *win = window();
    if (win == m_watchedWindow || win == this)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = win;
    win->installEventFilter(this);
}

bool DBEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::Close && m_pending && !leaveEdit()) {
        event->ignore();
        return true;
    }
    return QLineEdit::eventFilter(watched, event);
}

void DBEdit::keyPressEvent(QKeyEvent *event)
{
    // Escape gives back the value the record holds and drops the typing that
    // was not written yet.
    if (event->key() == Qt::Key_Escape && m_pending) {
        m_pending = false;
        showField();
        selectAll();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
