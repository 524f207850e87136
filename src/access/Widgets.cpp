#include "access/Widgets.h"

#include "controls/Colours.h"
#include "controls/Pictures.h"
#include "data/Table.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <QToolButton>

namespace accessui {
namespace {

// Speed buttons never take the focus by mouse or Tab. When two of a window
// share an accelerator letter, each press of it moves the focus to the next
// of them, as menus do with a shared letter, and Space or Enter presses the
// one that has it.
class SharedAccelerator : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Also asked while the button is being destroyed, when it is a
        // button no more.
        auto *button = qobject_cast<QToolButton *>(watched);
        if (!button)
            return false;
        if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
            button->setFocus(Qt::ShortcutFocusReason);
            button->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            return true;
        }
        if (event->type() == QEvent::KeyPress && button->hasFocus()) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                button->click();
                return true;
            }
        }
        return false;
    }
};

} // namespace

QToolButton *speedButton(QWidget *parent, const QString &name, const QString &caption, const QString &hint,
                         const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setStatusTip(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setGeometry(geometry);
    button->installEventFilter(new SharedAccelerator(button));
    return button;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QPoint &pos)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->move(pos);
    l->adjustSize();
    return l;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    return l;
}

QPixmap pixmap(const QString &resource, const QSize &size)
{
    return QPixmap::fromImage(pictures::svg(resource, size));
}

QLabel *picture(QWidget *parent, const QString &name, const QString &resource, const QRect &geometry)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setPixmap(pixmap(resource, geometry.size()));
    return l;
}

QLineEdit *edit(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(geometry);
    return e;
}

QFrame *panel(QWidget *parent, const QString &name, const QRect &geometry, const QColor &colour)
{
    auto *p = new QFrame(parent);
    p->setObjectName(name);
    p->setGeometry(geometry);
    setBackground(p, colour);
    return p;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::ButtonText, colour);
    pal.setColor(QPalette::Text, colour);
    widget->setPalette(pal);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    colours::setBackground(widget, colour);
}

void applyFont(QWidget *widget, const QString &family, int pointSize, bool bold)
{
    QFont f(family, pointSize);
    f.setBold(bold);
    widget->setFont(f);
}

QIcon standardIcon(QStyle::StandardPixmap which) { return QApplication::style()->standardIcon(which); }

QPushButton *bitButton(QWidget *parent, const QString &name, const QString &caption, const QIcon &icon,
                       const QRect &geometry)
{
    auto *b = new QPushButton(icon, caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

QPushButton *handButton(QWidget *parent, const QString &name, const QString &caption, const QIcon &icon,
                        const QRect &geometry)
{
    QPushButton *b = bitButton(parent, name, caption, icon, geometry);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

Table *table(QObject *parent, const QString &name, const QString &tableName, const QString &index)
{
    auto *t = new Table(parent);
    t->setObjectName(name);
    t->setTableName(tableName);
    if (!index.isEmpty())
        t->setIndexFieldNames(index);
    return t;
}

} // namespace accessui
