#pragma once
// What the two item windows of the new invoice (from the goods list, by hand)
// share: storing one line in the invoice being written, and the boxes and
// buttons both are built from.
#include "shop/InvoiceLine.h"

#include <QString>

class QLineEdit;
class QPushButton;
class QRect;
class QToolButton;
class QWidget;

namespace itemline {

// Stores `line` in the invoice being written, after its checks: a refused
// line is said in the box ("Kesalahan") and false returned, the window kept
// open with its contents. A text that is no number raises the conversion
// error before anything is stored.
bool storeLine(const InvoiceLine &line);

// Every letter typed or pasted into the box becomes a capital at once.
void setCapitals(QLineEdit *edit);

// "Simpan" (BitBtn2, disabled at first) and "Batal" (BitBtn1) with their pictures.
QPushButton *saveButton(QWidget *parent, const QRect &geometry);
QPushButton *cancelButton(QWidget *parent, const QRect &geometry);

// A flat picture button that looks a code up; `action` names it for screen
// readers and in its tooltip.
QToolButton *lookupButton(QWidget *parent, const QString &name, const QString &action, const QRect &geometry);

} // namespace itemline
