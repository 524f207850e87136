#include "invoice/Nota3.h"

#include "access/Widgets.h"
#include "controls/DBLookupComboBox.h"
#include "controls/DBMemo.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "data/DataSource.h"
#include "data/Table.h"
#include "invoice/WrittenInvoice.h"
#include "shop/InvoiceDraft.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

using namespace accessui;

namespace {
// Pale green of the window, as the design has it.
const QColor kPaleGreen{0xC0, 0xDC, 0xC0};
} // namespace

TFNota3::TFNota3(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FNota3"));
    setCaption(QStringLiteral("Cari Daftar Pelanggan"));
    setBorder(BorderStyle::Single, NoIcons);
    setClientSize(420, 142);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
    setBackground(this, kPaleGreen);
    setCursor(Qt::PointingHandCursor);

    // Bound to the invoice's customer table when shown.
    DataSource1 = new DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));

    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("List Nama Pelanggan :"), QRect(10, 12, 140, 21));
    applyFont(Label1, QStringLiteral("Tahoma"), 8, true);
    setTextColour(Label1, kMaroon);
    DBLookupComboBox1 = new DBLookupComboBox(this);
    DBLookupComboBox1->setObjectName(QStringLiteral("DBLookupComboBox1"));
    DBLookupComboBox1->setGeometry(155, 10, 255, 23);
    applyFont(DBLookupComboBox1, QStringLiteral("Tahoma"), 8, true);
    setTextColour(DBLookupComboBox1, kMaroon);
    DBLookupComboBox1->setListSource(DataSource1);
    DBLookupComboBox1->setKeyField(QStringLiteral("Nama"));
    DBLookupComboBox1->setListField(QStringLiteral("Nama"));
    DBLookupComboBox1->setDropDownRows(10);
    Label1->setBuddy(DBLookupComboBox1);

    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Alamat :"), QRect(10, 42, 140, 21));
    DBMemo1 = new DBMemo(this);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setGeometry(155, 40, 255, 56);
    DBMemo1->setTabChangesFocus(true);
    DBMemo1->setDataSource(DataSource1);
    DBMemo1->setWritesBack(false);  // an address edited here is the invoice's, not the customer's
    Label2->setBuddy(DBMemo1);

    BitBtn1 = new QPushButton(standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(250, 106, 75, 27);
    BitBtn2 = new QPushButton(standardIcon(QStyle::SP_DialogNoButton), QStringLiteral("Batal"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(335, 106, 75, 27);
    BitBtn1->setDefault(true);
    dialogkeys::install(this, BitBtn1, BitBtn2);

    setTabOrder(DBLookupComboBox1, DBMemo1);
    setTabOrder(DBMemo1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    onEvent(DBLookupComboBox1, &DBLookupComboBox::closeUp, this, &TFNota3::DBLookupComboBox1CloseUp);
    onEvent(BitBtn1, &QPushButton::clicked, this, &TFNota3::BitBtn1Click);
    onEvent(BitBtn2, &QPushButton::clicked, this, &TFNota3::BitBtn2Click);
}

void TFNota3::FormShow()
{
    DataSource1->setDataSet(&writtenInvoice().customers());
    writtenInvoice().customers().open();
}

// However the window is left, the customer table is open only while it shows.
void TFNota3::FormClose() { writtenInvoice().customers().close(); }

// From the first close-up on, the memo shows the current customer's address.
void TFNota3::DBLookupComboBox1CloseUp() { DBMemo1->setDataField(QStringLiteral("Alamat")); }

void TFNota3::BitBtn1Click()
{
    writtenInvoice().setCustomer(DBLookupComboBox1->text(), DBMemo1->text());
    Close();
}

void TFNota3::BitBtn2Click()
{
    Close();
}
