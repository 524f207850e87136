#include "invoice/Nota2.h"

#include "access/Widgets.h"
#include "controls/DBImage.h"
#include "controls/DBLookupComboBox.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "data/DataSource.h"
#include "data/Table.h"
#include "invoice/ItemLine.h"
#include "invoice/WrittenInvoice.h"
#include "shop/InvoiceDraft.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <utility>

using namespace accessui;

namespace {
const QString kNotFound = QStringLiteral("Kode Barang Tidak Ditemukan");
const QString kKodeBarang = QStringLiteral("Kode_Barang");
const QString kKodeKervano = QStringLiteral("Kode_Kervano");

// A caption label of the window's bold font, tied to its box for the keyboard
// and screen readers.
QLabel *captionLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                QWidget *box = nullptr)
{
    QLabel *l = label(parent, name, text, geometry);
    if (box)
        l->setBuddy(box);
    return l;
}
} // namespace

TFNota2::TFNota2(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FNota2"));
    setCaption(QStringLiteral("Add Barang dari Daftar Barang"));
    setBorder(BorderStyle::Single, NoIcons);
    setClientSize(688, 328);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10, true);

    Table1 = accessui::table(this, QStringLiteral("Table1"), QStringLiteral("Barang.DB"));
    DataSource1 = new DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Table1);

    // Top row: the invoice number, "Sortir" and the drop-down of maker's codes.
    Label1 = captionLabel(this, QStringLiteral("Label1"), QStringLiteral("No Nota :"), QRect(16, 14, 76, 22));
    setTextColour(Label1, kBlue);
    Label2 = label(this, QStringLiteral("Label2"), QString(), QRect(96, 14, 200, 22));
    setTextColour(Label2, kMaroon);
    Button1 = new QPushButton(QStringLiteral("Sortir"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(372, 11, 75, 27);
    DBLookupComboBox1 = new DBLookupComboBox(this);
    DBLookupComboBox1->setObjectName(QStringLiteral("DBLookupComboBox1"));
    DBLookupComboBox1->setGeometry(455, 12, 217, 25);
    DBLookupComboBox1->setListSource(DataSource1);
    DBLookupComboBox1->setKeyField(kKodeBarang);
    DBLookupComboBox1->setListField(kKodeBarang);
    DBLookupComboBox1->setAccessibleName(QStringLiteral("Daftar Kode Barang"));

    // The goods' picture, shown once a lookup has found a record.
    DBImage1 = new DBImage(this);
    DBImage1->setObjectName(QStringLiteral("DBImage1"));
    DBImage1->setGeometry(16, 50, 185, 137);
    DBImage1->setFrameStyle(QFrame::NoFrame);
    DBImage1->setStretch(true);
    DBImage1->setDataSource(DataSource1);
    DBImage1->setDataField(QStringLiteral("Gambar"));
    DBImage1->setAccessibleName(QStringLiteral("Gambar Barang"));
    DBImage1->hide();

    // Right of the picture: the two codes with their lookup buttons, then
    // what the found record says.
    Edit1 = edit(this, QStringLiteral("Edit1"), QRect(338, 52, 200, 25));
    Edit4 = edit(this, QStringLiteral("Edit4"), QRect(338, 96, 200, 25));
    for (QLineEdit *code : {Edit1, Edit4}) {
        itemline::setCapitals(code);
        setTextColour(code, kBlue);
    }
    Label3 = captionLabel(this, QStringLiteral("Label3"), QStringLiteral("Kode Barang :"), QRect(216, 54, 118, 22), Edit1);
    Label4 = captionLabel(this, QStringLiteral("Label4"), QStringLiteral("Kode Kervano :"), QRect(216, 98, 118, 22), Edit4);
    SpeedButton1 = itemline::lookupButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("Cari Kode Barang"),
                                          QRect(544, 46, 38, 38));
    SpeedButton2 = itemline::lookupButton(this, QStringLiteral("SpeedButton2"), QStringLiteral("Cari Kode Kervano"),
                                          QRect(544, 90, 38, 38));
    Label5 = captionLabel(this, QStringLiteral("Label5"), QStringLiteral("Nama Barang :"), QRect(216, 136, 118, 22));
    Label6 = label(this, QStringLiteral("Label6"), QStringLiteral("-"), QRect(338, 136, 340, 22));
    setTextColour(Label6, kBlue);
    Label10 = captionLabel(this, QStringLiteral("Label10"), QStringLiteral("Part :"), QRect(216, 162, 118, 22));
    Label7 = label(this, QStringLiteral("Label7"), QStringLiteral("-"), QRect(338, 162, 340, 22));
    Label11 = captionLabel(this, QStringLiteral("Label11"), QStringLiteral("Group :"), QRect(216, 188, 118, 22));
    Label8 = label(this, QStringLiteral("Label8"), QStringLiteral("-"), QRect(338, 188, 340, 22));

    // Lower left: the price, then what the user enters.
    Label12 = captionLabel(this, QStringLiteral("Label12"), QStringLiteral("Harga Rp. :"), QRect(16, 222, 130, 22));
    Label9 = label(this, QStringLiteral("Label9"), QStringLiteral("0"), QRect(150, 222, 180, 22));
    setTextColour(Label9, kMaroon);
    // The values are read as they are shown, each labelled by its caption.
    const std::pair<QLabel *, QLabel *> captioned[] = {
        {Label1, Label2}, {Label5, Label6}, {Label10, Label7}, {Label11, Label8}, {Label12, Label9}};
    for (const auto &[caption, value] : captioned)
        caption->setBuddy(value);
    Edit2 = edit(this, QStringLiteral("Edit2"), QRect(150, 252, 80, 25));
    Edit3 = edit(this, QStringLiteral("Edit3"), QRect(150, 284, 80, 25));
    Edit2->setText(QStringLiteral("0"));
    Edit3->setText(QStringLiteral("0"));
    Label13 = captionLabel(this, QStringLiteral("Label13"), QStringLiteral("Jumlah Barang :"), QRect(16, 254, 130, 22), Edit2);
    Label14 = captionLabel(this, QStringLiteral("Label14"), QStringLiteral("Diskon (%) :"), QRect(16, 286, 130, 22), Edit3);

    BitBtn2 = itemline::saveButton(this, QRect(478, 281, 98, 32));
    BitBtn1 = itemline::cancelButton(this, QRect(582, 281, 92, 32));

    // A code typed (or scanned) and Return looks it up; the lookup buttons
    // take the focus after their boxes; Escape is "Batal".
    for (QToolButton *lookup : {SpeedButton1, SpeedButton2})
        lookup->setFocusPolicy(Qt::StrongFocus);
    onEvent(Edit1, &QLineEdit::returnPressed, this, &TFNota2::SpeedButton1Click);
    onEvent(Edit4, &QLineEdit::returnPressed, this, &TFNota2::SpeedButton2Click);
    dialogkeys::install(this, nullptr, BitBtn1);
    QWidget *tabOrder[] = {Edit1, SpeedButton1, BitBtn1, Edit2, Edit3, BitBtn2, DBImage1, Button1, DBLookupComboBox1,
                           Edit4, SpeedButton2};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    onEvent(SpeedButton1, &QToolButton::clicked, this, &TFNota2::SpeedButton1Click);
    onEvent(SpeedButton2, &QToolButton::clicked, this, &TFNota2::SpeedButton2Click);
    onEvent(DBLookupComboBox1, &DBLookupComboBox::closeUp, this, &TFNota2::DBLookupComboBox1CloseUp);
    onEvent(Button1, &QPushButton::clicked, this, &TFNota2::Button1Click);
    onEvent(BitBtn2, &QPushButton::clicked, this, &TFNota2::BitBtn2Click);
    onEvent(BitBtn1, &QPushButton::clicked, this, &TFNota2::BitBtn1Click);
}

void TFNota2::FormShow() { Label2->setText(writtenInvoice().number()); }

// However the window is left, it is empty at the next showing.
void TFNota2::FormClose() { clearItem(); }

void TFNota2::lookUp(const QString &indexField, QLineEdit *keyBox, const QString &otherCodeField,
                     QLineEdit *otherCodeBox)
{
    Table1->setIndexFieldNames(indexField);
    Table1->open();
    if (!Table1->findKey(keyBox->text())) {
        msg::exclamation(kNotFound, msg::kErrorCaption);
        keyBox->clear();
        return;
    }
    Label6->setText(Table1->fieldByName(QStringLiteral("Nama_Barang"))->asString());
    Label7->setText(Table1->fieldByName(QStringLiteral("Part"))->asString());
    Label8->setText(Table1->fieldByName(QStringLiteral("Group_Barang"))->asString());
    Label9->setText(Table1->fieldByName(QStringLiteral("Harga"))->asString());
    otherCodeBox->setText(Table1->fieldByName(otherCodeField)->asString());
    DBImage1->show();
    BitBtn2->setEnabled(true);
}

void TFNota2::SpeedButton1Click() { lookUp(kKodeBarang, Edit1, kKodeKervano, Edit4); }

void TFNota2::SpeedButton2Click() { lookUp(kKodeKervano, Edit4, kKodeBarang, Edit1); }

void TFNota2::DBLookupComboBox1CloseUp()
{
    if (DBLookupComboBox1->closedByEscape())
        return;  // nothing picked, nothing wanted
    Edit1->setText(DBLookupComboBox1->text());
    SpeedButton1Click();
}

void TFNota2::Button1Click() { Table1->setActive(!Table1->active()); }

void TFNota2::BitBtn2Click()
{
    // The price shown is the one stored, and the amount is worked out from it:
    // never from wherever "Sortir" may since have left the goods table.
    if (!itemline::storeLine({Edit4->text(), Edit1->text(), Label6->text(), Label9->text(), Edit2->text(), Edit3->text()}))
        return;
    clearItem();
    Close();
}

void TFNota2::BitBtn1Click()
{
    clearItem();
    Close();
}

void TFNota2::clearItem()
{
    DBImage1->hide();
    Table1->close();
    Edit1->clear();
    Edit2->setText(QStringLiteral("0"));
    Edit3->setText(QStringLiteral("0"));
    Edit4->clear();
    Label6->clear();
    Label7->clear();
    Label8->clear();
    Label9->setText(QStringLiteral("0"));
    BitBtn2->setEnabled(false);
}
