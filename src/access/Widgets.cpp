#include "access/Widgets.h"

#include "controls/Pictures.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace accessui {

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
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void applyFont(QWidget *widget, const QString &family, int pointSize, bool bold)
{
    QFont f(family, pointSize);
    f.setBold(bold);
    widget->setFont(f);
}

} // namespace accessui
