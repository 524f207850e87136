#include "search/CBarang.h"

#include "access/Widgets.h"
#include "controls/DBGrid.h"
#include "controls/DBImage.h"
#include "controls/DBText.h"
#include "controls/Guard.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>

using namespace accessui;

namespace {
SearchForm::Design goodsSearch()
{
    SearchForm::Design d;
    d.name = QStringLiteral("FCBarang");
    d.caption = QStringLiteral("Pencarian Daftar Barang");
    d.clientSize = QSize(774, 557);
    d.listCaption = QStringLiteral("Daftar Barang :");
    d.table = QStringLiteral("Barang");
    d.columns = QStringLiteral("Kode_Kervano, Kode_Barang, Nama_Barang, Part, Group_Barang, Harga, Gambar");
    d.startOrder = QStringLiteral("Kode_Kervano");
    d.searchOrder = QStringLiteral("Kode_Kervano");
    d.detailKey = QStringLiteral("Kode_Barang");
    d.searchColumns = {{QStringLiteral("Kode Kervano"), QStringLiteral("Kode_Kervano")},
                       {QStringLiteral("Kode Barang"), QStringLiteral("Kode_Barang")},
                       {QStringLiteral("Nama Barang"), QStringLiteral("Nama_Barang")},
                       {QStringLiteral("Part"), QStringLiteral("Part")},
                       {QStringLiteral("Group barang"), QStringLiteral("Group_Barang")}};
    d.startEntry = QStringLiteral("Nama Barang");
    d.gridColumns = {{QStringLiteral("Kode_Kervano"), QStringLiteral("Kode Kervano")},
                     {QStringLiteral("Kode_Barang"), QStringLiteral("Kode Barang")},
                     {QStringLiteral("Nama_Barang"), QStringLiteral("Nama Barang")},
                     {QStringLiteral("Part"), QStringLiteral("Part")},
                     {QStringLiteral("Group_Barang"), QStringLiteral("Group Barang")},
                     {QStringLiteral("Harga"), QStringLiteral("Harga")},
                     {QStringLiteral("Gambar"), QStringLiteral("Gambar")}};
    d.capitals = true;
    return d;
}
} // namespace

TFCBarang::TFCBarang(QWidget *parent) : SearchForm(goodsSearch(), parent)
{
    for (QLabel *l : {Label1, Label2})
        setTextColour(l, kMaroon);
    setBackground(Shape1, kBlue);

    // The detail: the picture at the left, the record's texts beside it.
    DBImage1 = new DBImage(this);
    DBImage1->setObjectName(QStringLiteral("DBImage1"));
    DBImage1->setGeometry(8, 342, 225, 153);
    DBImage1->setStretch(true);
    DBImage1->setDataSource(DataSource2);
    DBImage1->setDataField(QStringLiteral("Gambar"));
    DBImage1->setAccessibleName(QStringLiteral("Gambar Barang"));
    CheckBox1 = new QCheckBox(QStringLiteral("Screcth"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 502, 120, 22);
    CheckBox1->setChecked(true);

    const auto row = [this](int n, const QString &caption, const QString &field, QLabel *&label, DBText *&value) {
        const int y = 346 + 28 * (n - 1);
        label = detailCaption(QStringLiteral("Label%1").arg(5 + n), caption, QRect(250, y, 125, 22));
        value = detailText(QStringLiteral("DBText%1").arg(n), field, QRect(380, y, 380, 22), label);
    };
    row(1, QStringLiteral("Kode Kervano :"), QStringLiteral("Kode_Kervano"), Label6, DBText1);
    row(2, QStringLiteral("Kode Barang :"), QStringLiteral("Kode_Barang"), Label7, DBText2);
    row(3, QStringLiteral("Nama Barang :"), QStringLiteral("Nama_Barang"), Label8, DBText3);
    row(4, QStringLiteral("Part :"), QStringLiteral("Part"), Label9, DBText4);
    row(5, QStringLiteral("Group :"), QStringLiteral("Group_Barang"), Label10, DBText5);
    row(6, QStringLiteral("Harga :"), QStringLiteral("Harga"), Label11, DBText6);
    setTextColour(Label8, kMaroon);
    setTextColour(DBText3, kMaroon);

    setTabOrder(DBGrid1, DBImage1);
    setTabOrder(DBImage1, CheckBox1);

    onEvent(CheckBox1, &QCheckBox::toggled, this, &TFCBarang::CheckBox1Click);
}

void TFCBarang::CheckBox1Click() { DBImage1->setStretch(CheckBox1->isChecked()); }
