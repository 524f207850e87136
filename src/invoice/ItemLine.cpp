#include "invoice/ItemLine.h"

#include "access/Widgets.h"
#include "data/Table.h"
#include "invoice/Nota1.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QValidator>

namespace itemline {
namespace {

// QLineEdit takes the changed text back from validate(); one character for
// one, so the cursor stays where it was.
class CapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (QChar &c : input)
            c = c.toUpper();
        return Acceptable;
    }
};

QPushButton *pictureButton(QWidget *parent, const QString &name, const QString &caption, const QIcon &icon,
                           const QSize &iconSize, const QRect &geometry)
{
    QPushButton *b = accessui::bitButton(parent, name, caption, icon, geometry);
    b->setIconSize(iconSize);
    return b;
}

} // namespace

bool quantityMissing(const QString &quantity) { return quantity.isEmpty() || quantity == QStringLiteral("0"); }

Money lineAmount(Money price, const QString &quantity, const QString &discount)
{
    const Money count = numtext::strToFloat(quantity);
    const Money fraction = numtext::strToFloat(discount) / 100;
    const Money gross = price * count;
    return gross - gross * fraction;
}

void storeLine(const LineTexts &line, Money amount)
{
    const Money total = numtext::strToFloat(FNota1->Label7->text()) + amount;
    Table &lines = *FNota1->Table2;
    lines.append();
    try {
        lines.fieldByName(QStringLiteral("ID_Nota"))->setAsString(line.idNota);
        lines.fieldByName(QStringLiteral("Kode_KV"))->setAsString(line.kodeKV);
        lines.fieldByName(QStringLiteral("Kode_Brg"))->setAsString(line.kodeBrg);
        lines.fieldByName(QStringLiteral("Nama_Brg"))->setAsString(line.namaBrg);
        lines.fieldByName(QStringLiteral("Harga"))->setAsString(line.harga);
        lines.fieldByName(QStringLiteral("Banyak"))->setAsString(line.banyak);
        lines.fieldByName(QStringLiteral("Diskon"))->setAsString(line.diskon);
        lines.fieldByName(QStringLiteral("Jumlah"))->setAsString(numtext::floatToStr(amount));
        lines.post();
        FNota1->lineStored(lines.bookmark());
    } catch (...) {
        try {
            if (lines.state() == DataSetState::Insert)
                lines.cancel();
        } catch (...) {
            // The first error is the one reported.
        }
        throw;
    }
    FNota1->Label7->setText(numtext::floatToStr(total));
}

void enableInvoiceButtons()
{
    FNota1->BitBtn2->setEnabled(true);
    FNota1->BitBtn3->setEnabled(true);
}

void setCapitals(QLineEdit *edit) { edit->setValidator(new CapitalsValidator(edit)); }

QPushButton *saveButton(QWidget *parent, const QRect &geometry)
{
    const QIcon picture(accessui::pixmap(QStringLiteral(":/invoice/save.svg"), QSize(21, 22)));
    QPushButton *b = pictureButton(parent, QStringLiteral("BitBtn2"), QStringLiteral("Simpan"), picture, QSize(21, 22),
                               geometry);
    b->setEnabled(false);
    return b;
}

QPushButton *cancelButton(QWidget *parent, const QRect &geometry)
{
    QIcon picture;
    picture.addPixmap(accessui::pixmap(QStringLiteral(":/invoice/cancel.svg"), QSize(18, 18)), QIcon::Normal);
    picture.addPixmap(accessui::pixmap(QStringLiteral(":/invoice/cancel-disabled.svg"), QSize(18, 18)),
                      QIcon::Disabled);
    return pictureButton(parent, QStringLiteral("BitBtn1"), QStringLiteral("Batal"), picture, QSize(18, 18), geometry);
}

QToolButton *lookupButton(QWidget *parent, const QString &name, const QString &action, const QRect &geometry)
{
    QToolButton *b = accessui::speedButton(parent, name, QString(), QString(), geometry);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setIcon(QIcon(accessui::pixmap(QStringLiteral(":/invoice/lookup.svg"), QSize(30, 34))));
    b->setIconSize(QSize(30, 34));
    b->setAccessibleName(action);
    b->setToolTip(action);
    return b;
}

} // namespace itemline
