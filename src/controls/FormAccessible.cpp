#include "controls/FormAccessible.h"

#include "controls/Form.h"

namespace {
// Asked once for each class of an object's class chain, most derived first;
// "TForm" comes before "QWidget", whose interface would be a client area.
QAccessibleInterface *formInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String("TForm"))
        return nullptr;
    auto *form = qobject_cast<TForm *>(object);
    return form && form->isWindow() ? new FormAccessible(form) : nullptr;
}
} // namespace

FormAccessible::FormAccessible(TForm *form) : QAccessibleWidget(form, QAccessible::Window) {}

bool FormAccessible::modal() const { return widget()->windowModality() != Qt::NonModal; }

QAccessible::Role FormAccessible::role() const { return modal() ? QAccessible::Dialog : QAccessible::Window; }

QAccessible::State FormAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.modal = modal();
    return state;
}

void FormAccessible::install() { QAccessible::installFactory(formInterface); }
