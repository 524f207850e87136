#include "masterdata/Pelanggan.h"

#include "access/Widgets.h"
#include "controls/DBEdit.h"
#include "controls/DBMemo.h"
#include "controls/DBNavigator.h"
#include "controls/DBText.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "data/DataSource.h"
#include "data/Table.h"
#include "masterdata/CloseQuestion.h"
#include "masterdata/RecordNavigator.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

using namespace accessui;

namespace {
constexpr int kFieldLeft = 136;

QLabel *captionAt(QWidget *parent, const QString &name, const QString &text, int top)
{
    QLabel *l = label(parent, name, text, QRect(10, top, 120, 21));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

DBEdit *boundEdit(QWidget *parent, DataSource *source, const QString &name, const QString &field, int top, int width,
                  QLabel *caption)
{
    auto *e = new DBEdit(parent);
    e->setObjectName(name);
    e->setGeometry(kFieldLeft, top, width, 21);
    e->setDataSource(source);
    e->setDataField(field);
    caption->setBuddy(e);
    return e;
}
} // namespace

TFPelanggan::TFPelanggan(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FPelanggan"));
    setCaption(QStringLiteral("Daftar Pelanggan"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(564, 359);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);

    Table1 = accessui::table(this, QStringLiteral("Table1"), QStringLiteral("Pelanggan.DB"));
    DataSource1 = new DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Table1);

    Label1 = captionAt(this, QStringLiteral("Label1"), QStringLiteral("ID (Auto Number) :"), 14);
    DBText1 = new DBText(this);
    DBText1->setObjectName(QStringLiteral("DBText1"));
    DBText1->setGeometry(kFieldLeft, 14, 120, 21);
    DBText1->setDataSource(DataSource1);
    DBText1->setDataField(QStringLiteral("ID_Pelanggan"));
    Label1->setBuddy(DBText1);  // read as the number, labelled by the caption

    Label2 = captionAt(this, QStringLiteral("Label2"), QStringLiteral("Nama :"), 42);
    DBEdit1 = boundEdit(this, DataSource1, QStringLiteral("DBEdit1"), QStringLiteral("Nama"), 42, 400, Label2);

    Label3 = captionAt(this, QStringLiteral("Label3"), QStringLiteral("Alamat :"), 70);
    DBMemo1 = new DBMemo(this);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setGeometry(kFieldLeft, 70, 400, 58);
    DBMemo1->setDataSource(DataSource1);
    DBMemo1->setDataField(QStringLiteral("Alamat"));
    DBMemo1->setTabChangesFocus(true);
    Label3->setBuddy(DBMemo1);

    Label4 = captionAt(this, QStringLiteral("Label4"), QStringLiteral("Kota :"), 136);
    DBEdit2 = boundEdit(this, DataSource1, QStringLiteral("DBEdit2"), QStringLiteral("Kota"), 136, 200, Label4);
    Label5 = captionAt(this, QStringLiteral("Label5"), QStringLiteral("Kode Pos :"), 164);
    DBEdit3 = boundEdit(this, DataSource1, QStringLiteral("DBEdit3"), QStringLiteral("KodePos"), 164, 90, Label5);
    Label6 = captionAt(this, QStringLiteral("Label6"), QStringLiteral("No Telp1 :"), 192);
    DBEdit4 = boundEdit(this, DataSource1, QStringLiteral("DBEdit4"), QStringLiteral("No_Telp1"), 192, 200, Label6);
    Label7 = captionAt(this, QStringLiteral("Label7"), QStringLiteral("No Telp2 :"), 220);
    DBEdit5 = boundEdit(this, DataSource1, QStringLiteral("DBEdit5"), QStringLiteral("No_Telp2"), 220, 200, Label7);
    Label8 = captionAt(this, QStringLiteral("Label8"), QStringLiteral("No Fax :"), 248);
    DBEdit6 = boundEdit(this, DataSource1, QStringLiteral("DBEdit6"), QStringLiteral("FAX"), 248, 200, Label8);
    Label9 = captionAt(this, QStringLiteral("Label9"), QStringLiteral("Email :"), 276);
    DBEdit7 = boundEdit(this, DataSource1, QStringLiteral("DBEdit7"), QStringLiteral("Email"), 276, 300, Label9);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(6, 308, 552, 4);

    SpeedButton1 = speedButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("Bantuan"), QString(),
                               QRect(16, 322, 72, 26));
    setTextColour(SpeedButton1, kBlue);
    DBNavigator1 =
        masterui::recordNavigator(this, DataSource1, QRect(96, 322, 300, 26), QStringLiteral("Navigasi Daftar Pelanggan"));
    SpeedButton2 = speedButton(this, QStringLiteral("SpeedButton2"), QStringLiteral("Ke Main Menu"), QString(),
                               QRect(404, 322, 110, 26));
    setTextColour(SpeedButton2, kMaroon);

    QList<QWidget *> tabOrder{DBEdit1, DBMemo1, DBEdit2, DBEdit3, DBEdit4, DBEdit5, DBEdit6, DBEdit7};
    for (DBNavigator::Button b : DBNavigator::allButtons())
        tabOrder << DBNavigator1->button(b);
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    onEvent(SpeedButton1, &QToolButton::clicked, this, &TFPelanggan::SpeedButton1Click);
    onEvent(SpeedButton2, &QToolButton::clicked, this, &TFPelanggan::SpeedButton2Click);
    // Escape, where the focused control leaves it, is "Ke Main Menu".
    dialogkeys::install(this, nullptr, SpeedButton2);
}

void TFPelanggan::FormShow() { Table1->open(); }

bool TFPelanggan::FormCloseQuery() { return masterui::mayClose(*Table1, caption()); }

void TFPelanggan::FormClose()
{
    Table1->close();
    windows::form(FMain)->Show();
}

void TFPelanggan::SpeedButton1Click() { windows::form(FHelp1)->ShowModal(); }

// Closing asks about typing not stored yet (FormCloseQuery) before the
// table closes.
void TFPelanggan::SpeedButton2Click() { Close(); }
