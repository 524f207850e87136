#include "invoice/Nota4.h"

#include "access/Widgets.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "invoice/ItemLine.h"
#include "invoice/WrittenInvoice.h"
#include "shop/InvoiceDraft.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace accessui;

namespace {

constexpr int kCaptionX = 16;
constexpr int kBoxX = 140;
constexpr int kFirstRowY = 14;
constexpr int kRowStep = 30;
constexpr int kRowHeight = 24;

int rowY(int row) { return kFirstRowY + row * kRowStep; }

// A row of the window: the caption, the box, and the maroon hint to its right.
QLabel *captionOf(QWidget *parent, const QString &name, const QString &text, int row)
{
    return label(parent, name, text, QRect(kCaptionX, rowY(row), kBoxX - kCaptionX - 4, kRowHeight));
}

QLineEdit *boxOf(QWidget *parent, const QString &name, int row, int width, QLabel *caption)
{
    QLineEdit *box = edit(parent, name, QRect(kBoxX, rowY(row), width, kRowHeight));
    caption->setBuddy(box);
    return box;
}

QLabel *hintOf(QWidget *parent, const QString &name, const QString &text, const QLineEdit *box)
{
    const QRect b = box->geometry();
    QLabel *hint = label(parent, name, text, QRect(b.right() + 9, b.top(), 200, kRowHeight));
    applyFont(hint, QStringLiteral("Tahoma"), 8);
    setTextColour(hint, kMaroon);
    return hint;
}
} // namespace

TFNota4::TFNota4(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FNota4"));
    setCaption(QStringLiteral("Add Manual"));
    setBorder(BorderStyle::Single, NoIcons);
    setClientSize(519, 278);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);

    Label1 = captionOf(this, QStringLiteral("Label1"), QStringLiteral("No Nota :"), 0);
    applyFont(Label1, QStringLiteral("Tahoma"), 10, true);
    setTextColour(Label1, kBlue);
    Label2 = label(this, QStringLiteral("Label2"), QString(), QRect(kBoxX, rowY(0), 220, kRowHeight));
    applyFont(Label2, QStringLiteral("Tahoma"), 10, true);
    setTextColour(Label2, kMaroon);

    Label3 = captionOf(this, QStringLiteral("Label3"), QStringLiteral("Kode Kervano :"), 1);
    Edit4 = boxOf(this, QStringLiteral("Edit4"), 1, 160, Label3);
    Label4 = captionOf(this, QStringLiteral("Label4"), QStringLiteral("Kode Barang :"), 2);
    Edit1 = boxOf(this, QStringLiteral("Edit1"), 2, 160, Label4);
    for (QLineEdit *code : {Edit4, Edit1}) {
        itemline::setCapitals(code);
        applyFont(code, QStringLiteral("Tahoma"), 10, true);
        setTextColour(code, kBlue);
    }
    Label5 = captionOf(this, QStringLiteral("Label5"), QStringLiteral("Nama Barang :"), 3);
    Edit5 = boxOf(this, QStringLiteral("Edit5"), 3, 220, Label5);
    Label6 = captionOf(this, QStringLiteral("Label6"), QStringLiteral("Harga Rp. :"), 4);
    Edit6 = boxOf(this, QStringLiteral("Edit6"), 4, 160, Label6);
    Label7 = captionOf(this, QStringLiteral("Label7"), QStringLiteral("Jumlah Barang :"), 5);
    Edit2 = boxOf(this, QStringLiteral("Edit2"), 5, 60, Label7);
    Label8 = captionOf(this, QStringLiteral("Label8"), QStringLiteral("Diskon (%) :"), 6);
    Edit3 = boxOf(this, QStringLiteral("Edit3"), 6, 60, Label8);
    Edit2->setText(QStringLiteral("0"));
    Edit3->setText(QStringLiteral("0"));

    Label9 = hintOf(this, QStringLiteral("Label9"), QStringLiteral("* Harus Diisi"), Edit4);
    Label10 = hintOf(this, QStringLiteral("Label10"), QStringLiteral("* Harus Diisi"), Edit1);
    Label11 = hintOf(this, QStringLiteral("Label11"), QStringLiteral("* Harus Diisi"), Edit5);
    Label12 = hintOf(this, QStringLiteral("Label12"), QStringLiteral("* Harus Diisi Angka"), Edit6);
    Label13 = hintOf(this, QStringLiteral("Label13"), QStringLiteral("* Harus Diisi Angka Min 1"), Edit2);
    Label14 = hintOf(this, QStringLiteral("Label14"), QStringLiteral("* Harus Diisi Angka Min 0"), Edit3);

    BitBtn2 = itemline::saveButton(this, QRect(310, 236, 98, 32));
    BitBtn1 = itemline::cancelButton(this, QRect(414, 236, 92, 32));

    dialogkeys::install(this, nullptr, BitBtn1);  // Escape is "Batal"
    QWidget *tabOrder[] = {Edit4, Edit1, Edit5, Edit6, Edit2, Edit3, BitBtn2, BitBtn1};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Typed or set by the program alike.
    onEvent(Edit1, &QLineEdit::textChanged, this, &TFNota4::Edit1Change);
    onEvent(BitBtn2, &QPushButton::clicked, this, &TFNota4::BitBtn2Click);
    onEvent(BitBtn1, &QPushButton::clicked, this, &TFNota4::BitBtn1Click);
}

void TFNota4::FormShow()
{
    Edit4->setFocus();
    Label2->setText(writtenInvoice().number());
}

// However the window is left, its boxes are empty at the next showing.
void TFNota4::FormClose() { clearBoxes(); }

void TFNota4::Edit1Change() { BitBtn2->setEnabled(true); }

void TFNota4::BitBtn2Click()
{
    // One missing box at a time, in this order.
    const struct {
        bool missing;
        QString message;
    } checks[] = {
        {Edit2->text().isEmpty() || Edit2->text() == QStringLiteral("0"), QStringLiteral("Isi Kolom Jumlah Barang!")},
        {Edit5->text().isEmpty(), QStringLiteral("Isi Kolom Nama Barang!")},
        {Edit6->text().isEmpty(), QStringLiteral("Isi Kolom Harga Barang!")},
        {Edit4->text().isEmpty(), QStringLiteral("Isi Kolom Kode Kervano!")},
    };
    for (const auto &check : checks) {
        if (check.missing) {
            msg::exclamation(check.message, msg::kErrorCaption);
            return;
        }
    }
    if (!itemline::storeLine({Edit4->text(), Edit1->text(), Edit5->text(), Edit6->text(), Edit2->text(), Edit3->text()}))
        return;
    clearBoxes();
    Close();
}

void TFNota4::BitBtn1Click()
{
    clearBoxes();
    Close();
}

void TFNota4::clearBoxes()
{
    Edit1->clear();  // enables "Simpan" through Edit1Change; disabled again below
    Edit2->setText(QStringLiteral("0"));
    Edit3->setText(QStringLiteral("0"));
    Edit4->clear();
    Edit5->clear();
    Edit6->clear();
    BitBtn2->setEnabled(false);
}
