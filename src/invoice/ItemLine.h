#pragma once
// What the two item windows of the new invoice (from the goods list, by hand)
// share: the line amount, storing one line under the invoice with the running
// total raised, and the boxes and buttons both are built from.
#include "core/NumberText.h"

#include <QString>

class QLineEdit;
class QPushButton;
class QRect;
class QToolButton;
class QWidget;

namespace itemline {

// One invoice line as the item window holds it, each text written into the
// Nota field of the same meaning.
struct LineTexts {
    QString idNota;   // ID_Nota
    QString kodeKV;   // Kode_KV
    QString kodeBrg;  // Kode_Brg
    QString namaBrg;  // Nama_Brg
    QString harga;    // Harga
    QString banyak;   // Banyak
    QString diskon;   // Diskon
};

// The quantity box refuses only the exact text "0" and the empty text.
bool quantityMissing(const QString &quantity);

// price × quantity less `discount` percent of that product, unrounded. The
// quantity is converted before the discount; a text that is no number raises
// "'<text>' is not a valid floating point value".
Money lineAmount(Money price, const QString &quantity, const QString &discount);

// Appends the line to the new invoice's line table, posts it, and raises the
// running total label by `amount`. The total is read before anything is
// appended, so a total that is no number stores nothing; a line the engine
// refuses is dropped again rather than left half-made for a later post.
void storeLine(const LineTexts &line, Money amount);

// "Simpan Dan Cetak Nota" and "Hapus Barang" of the new invoice, after a line
// was stored.
void enableInvoiceButtons();

// Every letter typed or pasted into the box becomes a capital at once.
void setCapitals(QLineEdit *edit);

// "Simpan" (BitBtn2, disabled at first) and "Batal" (BitBtn1) with their pictures.
QPushButton *saveButton(QWidget *parent, const QRect &geometry);
QPushButton *cancelButton(QWidget *parent, const QRect &geometry);

// A flat picture button that looks a code up; `action` names it for screen
// readers and in its tooltip.
QToolButton *lookupButton(QWidget *parent, const QString &name, const QString &action, const QRect &geometry);

} // namespace itemline
