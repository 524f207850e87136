#include "search/Cpelanggan.h"

#include "access/Widgets.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "controls/DBText.h"

#include <QFrame>
#include <QLabel>

using namespace accessui;

namespace {
const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kYellow{0xFF, 0xFF, 0x00};

SearchForm::Design customerSearch()
{
    SearchForm::Design d;
    d.name = QStringLiteral("FCPelanggan");
    d.caption = QStringLiteral("Pencarian Daftar Pelanggan");
    d.clientSize = QSize(777, 580);
    d.listCaption = QStringLiteral("Daftar Pelanggan :");
    d.table = QStringLiteral("Pelanggan");
    d.columns = QStringLiteral("ID_pelanggan, Nama, alamat, Kota, KodePos, No_Telp1, No_Telp2, FAX, Email");
    d.startOrder = QStringLiteral("ID_Pelanggan");
    d.searchOrder = QStringLiteral("ID_pelanggan");
    d.detailKey = QStringLiteral("Nama");
    d.searchColumns = {{QStringLiteral("ID Pelanggan"), QStringLiteral("ID_pelanggan")},
                       {QStringLiteral("Nama Pelanggan"), QStringLiteral("Nama")},
                       {QStringLiteral("Alamat"), QStringLiteral("alamat")},
                       {QStringLiteral("Kota"), QStringLiteral("Kota")},
                       {QStringLiteral("Kode Pos"), QStringLiteral("KodePos")},
                       {QStringLiteral("No Telp1"), QStringLiteral("No_Telp1")},
                       {QStringLiteral("No Telp2"), QStringLiteral("No_Telp2")},
                       {QStringLiteral("FAX"), QStringLiteral("FAX")},
                       {QStringLiteral("Email"), QStringLiteral("Email")}};
    d.startEntry = QStringLiteral("Nama Pelanggan");
    d.gridColumns = {{QStringLiteral("ID_pelanggan"), QStringLiteral("ID Pelanggan")},
                     {QStringLiteral("Nama"), QStringLiteral("Nama")},
                     {QStringLiteral("alamat"), QStringLiteral("alamat")},
                     {QStringLiteral("Kota"), QStringLiteral("Kota")},
                     {QStringLiteral("KodePos"), QStringLiteral("Kode Pos")},
                     {QStringLiteral("No_Telp1"), QStringLiteral("No. Telp1")},
                     {QStringLiteral("No_Telp2"), QStringLiteral("No. Telp2")},
                     {QStringLiteral("FAX"), QStringLiteral("FAX")},
                     {QStringLiteral("Email"), QStringLiteral("Email")}};
    d.capitals = false;
    return d;
}
} // namespace

TFCPelanggan::TFCPelanggan(QWidget *parent) : SearchForm(customerSearch(), parent)
{
    setBackground(this, kTeal);
    for (QLabel *l : {Label1, Label2})
        setTextColour(l, kAqua);
    for (QLabel *l : {Label3, Label4, Label5})
        setTextColour(l, Qt::white);
    setBackground(Shape1, kYellow);
    // A shorter grid leaves room for the address.
    DBGrid1->resize(DBGrid1->width(), 180);
    Label4->move(Label4->x(), 302);
    Label5->move(Label5->x(), 302);

    // The detail: number and name, the address, then two columns of texts.
    const auto caption = [this](int n, const QString &text, const QRect &geometry) {
        QLabel *l = detailCaption(QStringLiteral("Label%1").arg(n), text, geometry);
        setTextColour(l, Qt::white);
        return l;
    };
    const auto value = [this](int n, const QString &field, const QRect &geometry, QLabel *caption) {
        DBText *t = detailText(QStringLiteral("DBText%1").arg(n), field, geometry, caption);
        setTextColour(t, Qt::white);
        return t;
    };
    Label6 = caption(6, QStringLiteral("ID Pelanggan :"), QRect(16, 330, 110, 22));
    DBText1 = value(1, QStringLiteral("ID_pelanggan"), QRect(131, 330, 200, 22), Label6);
    Label7 = caption(7, QStringLiteral("Nama :"), QRect(16, 356, 110, 22));
    DBText2 = value(2, QStringLiteral("Nama"), QRect(131, 356, 620, 22), Label7);
    Label8 = caption(8, QStringLiteral("Alamat :"), QRect(16, 382, 110, 22));
    DBMemo1 = new DBMemo(this);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setGeometry(131, 382, 620, 66);
    DBMemo1->setReadOnly(true);
    DBMemo1->setTabChangesFocus(true);
    DBMemo1->setDataSource(DataSource2);
    DBMemo1->setDataField(QStringLiteral("alamat"));
    nameBy(Label8, DBMemo1);
    // Left column.
    Label9 = caption(9, QStringLiteral("Kota :"), QRect(16, 458, 110, 22));
    DBText3 = value(3, QStringLiteral("Kota"), QRect(131, 458, 240, 22), Label9);
    Label10 = caption(10, QStringLiteral("Kode Pos :"), QRect(16, 484, 110, 22));
    DBText4 = value(4, QStringLiteral("KodePos"), QRect(131, 484, 240, 22), Label10);
    Label11 = caption(11, QStringLiteral("No Telp1 :"), QRect(16, 510, 110, 22));
    DBText5 = value(5, QStringLiteral("No_Telp1"), QRect(131, 510, 240, 22), Label11);
    // Right column.
    Label12 = caption(12, QStringLiteral("No Telp2 :"), QRect(390, 458, 90, 22));
    DBText6 = value(6, QStringLiteral("No_Telp2"), QRect(485, 458, 280, 22), Label12);
    Label13 = caption(13, QStringLiteral("Fax :"), QRect(390, 484, 90, 22));
    DBText7 = value(7, QStringLiteral("FAX"), QRect(485, 484, 280, 22), Label13);
    Label14 = caption(14, QStringLiteral("Email :"), QRect(390, 510, 90, 22));
    DBText8 = value(8, QStringLiteral("Email"), QRect(485, 510, 280, 22), Label14);

    setTabOrder(DBGrid1, DBMemo1);
}
