#include "controls/Form.h"

#include "controls/Application.h"
#include "controls/Colours.h"
#include "controls/Guard.h"
#include "controls/UserInterface.h"
#include "core/Errors.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFont>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

TForm::TForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    // Designed colours throughout: panels with fixed light faces keep dark
    // text even when the desktop's theme is dark.
    setPalette(colours::designPalette());
    applyWindowFlags();
}

TForm::~TForm() = default;

void TForm::setBorder(BorderStyle style, int icons)
{
    m_borderStyle = style;
    m_borderIcons = icons;
    applyWindowFlags();
    if (style != BorderStyle::Sizeable && !size().isEmpty())
        setFixedSize(size());
}

void TForm::applyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window;
    if (m_borderStyle == BorderStyle::None) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (m_borderIcons & SystemMenu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (m_borderIcons & Minimize)
            flags |= Qt::WindowMinimizeButtonHint;
        if (m_borderIcons & Maximize)
            flags |= Qt::WindowMaximizeButtonHint;
        if (m_borderStyle == BorderStyle::Single)
            flags |= Qt::MSWindowsFixedSizeDialogHint;
    }
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible)
        show();
}

void TForm::setClientSize(int width, int height)
{
    if (m_borderStyle == BorderStyle::Sizeable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(width, height);
    } else {
        setFixedSize(width, height);
    }
}

void TForm::setOuterSize(int width, int height)
{
    const bool framed = m_borderStyle != BorderStyle::None;
    setClientSize(width - (framed ? kFrameWidth : 0), height - (framed ? kFrameHeight : 0));
}

void TForm::setOuterHeight(int height)
{
    setOuterSize(width() + (m_borderStyle != BorderStyle::None ? kFrameWidth : 0), height);
}

int TForm::outerHeight() const
{
    return height() + (m_borderStyle != BorderStyle::None ? kFrameHeight : 0);
}

void TForm::setPlacement(Placement placement, QPoint designedTopLeft)
{
    m_placement = placement;
    m_designedTopLeft = designedTopLeft;
    if (placement == Placement::Designed)
        move(designedTopLeft);
}

void TForm::setFormFont(const QString &family, int pointSize, bool bold)
{
    QFont f(family, pointSize);
    f.setBold(bold);
    setFont(f);
}

void TForm::Show()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    show();
}

int TForm::ShowModal()
{
    if (isVisible())
        throw EError(QStringLiteral("Cannot make a visible window modal"));
    m_modalResult = 0;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    m_modalLoop = &loop;
    show();
    ui().runUntilClosed(*this, loop);
    m_modalLoop = nullptr;
    setWindowModality(Qt::NonModal);
    return m_modalResult;
}

void TForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_placed) {
        m_placed = true;
        if (m_placement == Placement::ScreenCenter) {
            if (QScreen *screen = QGuiApplication::primaryScreen()) {
                const QRect area = screen->availableGeometry();
                const QSize outer = size() + (m_borderStyle != BorderStyle::None
                                                  ? QSize(kFrameWidth, kFrameHeight) : QSize());
                move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
            }
        } else {
            move(m_designedTopLeft);
        }
    }
    guard([this] { FormShow(); });
    emit shown();
    // A window shown becomes the active one; run FormActivate once for it even
    // where the window system gives no activation (no window manager).
    m_activatePending = true;
    m_wasDeactivated = false;
    QPointer<TForm> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self && self->m_activatePending && self->isVisible())
            self->runActivate();
    });
}

void TForm::runActivate()
{
    m_activatePending = false;
    guard([this] { FormActivate(); });
}

void TForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isVisible())
        return;
    if (isActiveWindow()) {
        if (m_activatePending || m_wasDeactivated) {
            m_wasDeactivated = false;
            runActivate();
        }
    } else {
        m_wasDeactivated = true;
    }
}

void TForm::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    m_activatePending = false;
    if (m_modalLoop)
        m_modalLoop->quit();
}

void TForm::closeEvent(QCloseEvent *event)
{
    bool closes = false;  // a question that failed keeps the window open
    guard([&] { closes = FormCloseQuery(); });
    if (!closes) {
        event->ignore();
        return;
    }
    guard([this] { FormClose(); });
    event->accept();
    emit closed();
    if (nApp && nApp->mainForm() == this)
        ui().endProgram();
}
