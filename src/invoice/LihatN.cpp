#include "invoice/LihatN.h"

#include "access/Widgets.h"
#include "controls/DBGrid.h"
#include "controls/DBNavigator.h"
#include "controls/DBText.h"
#include "controls/Guard.h"
#include "controls/Pictures.h"
#include "data/DataSource.h"
#include "data/Table.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

using namespace accessui;

namespace {
// A caption and the value it names: a screen reader reads the value, with
// the caption as its label.
DBText *value(QWidget *parent, const QString &name, QLabel *caption, DataSource *source, const QString &field,
              const QRect &geometry)
{
    auto *text = new DBText(parent);
    text->setObjectName(name);
    text->setGeometry(geometry);
    text->setDataSource(source);
    text->setDataField(field);
    caption->setBuddy(text);
    return text;
}

// The help button's picture: a page with a question mark on it.
QIcon pageWithQuestionMark()
{
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF page;
    page << QPointF(3.5, 1.5) << QPointF(12.5, 1.5) << QPointF(16.5, 5.5) << QPointF(16.5, 18.5) << QPointF(3.5, 18.5);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    p.drawPolyline(QPolygonF{QPointF(12.5, 1.5), QPointF(12.5, 5.5), QPointF(16.5, 5.5)});
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kBlue);
    p.drawText(QRectF(3, 4, 14, 15), Qt::AlignCenter, QStringLiteral("?"));
    p.end();
    return QIcon(picture);
}

QLabel *rightCaption(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    QLabel *l = label(parent, name, text, geometry);
    l->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return l;
}
} // namespace

TFlihatN::TFlihatN(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FlihatN"));
    setCaption(QStringLiteral("Lihat Nota"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(918, 351);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);

    Table1 = accessui::table(this, QStringLiteral("Table1"), QStringLiteral("NotaUtama.DB"), QStringLiteral("No_Nota"));
    Table2 = accessui::table(this, QStringLiteral("Table2"), QStringLiteral("Nota.DB"));
    DataSource1 = new DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Table1);
    DataSource2 = new DataSource(this);
    DataSource2->setObjectName(QStringLiteral("DataSource2"));
    DataSource2->setDataSet(Table2);

    // Header panel: logo and shop name at the left with the invoice number
    // below them, date, customer and address at the right.
    Panel1 = panel(this, QStringLiteral("Panel1"), QRect(0, 0, 918, 132), Qt::white);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 6, 84, 84);
    Image1->setPixmap(QPixmap::fromImage(pictures::logo(QSize(84, 84))));
    Image1->setAccessibleName(QStringLiteral("Logo Kervano"));
    Label1 = label(Panel1, QStringLiteral("Label1"), QStringLiteral("Kervano"), QRect(100, 8, 260, 50));
    applyFont(Label1, QStringLiteral("Georgia"), 26);
    Label2 = label(Panel1, QStringLiteral("Label2"), QStringLiteral("AUTOMOTIVE RUBBER PART"), QRect(104, 60, 260, 20));
    applyFont(Label2, QStringLiteral("Tahoma"), 10, true);

    Label3 = label(Panel1, QStringLiteral("Label3"), QStringLiteral("No Nota :"), QRect(10, 102, 70, 20));
    DBText1 = value(Panel1, QStringLiteral("DBText1"), Label3, DataSource1, QStringLiteral("No_Nota"),
                    QRect(84, 102, 200, 20));
    setTextColour(DBText1, kBlue);

    Label4 = rightCaption(Panel1, QStringLiteral("Label4"), QStringLiteral("Tanggal Buat Nota :"), QRect(500, 14, 150, 20));
    DBText2 = value(Panel1, QStringLiteral("DBText2"), Label4, DataSource1, QStringLiteral("Tanggal"),
                    QRect(656, 14, 250, 20));
    setTextColour(DBText2, kBlue);
    Label5 = rightCaption(Panel1, QStringLiteral("Label5"), QStringLiteral("Kepada :"), QRect(500, 42, 150, 20));
    DBText3 = value(Panel1, QStringLiteral("DBText3"), Label5, DataSource1, QStringLiteral("Kepada"),
                    QRect(656, 42, 250, 20));
    Label6 = rightCaption(Panel1, QStringLiteral("Label6"), QStringLiteral("Alamat :"), QRect(500, 70, 150, 20));
    DBText4 = value(Panel1, QStringLiteral("DBText4"), Label6, DataSource1, QStringLiteral("Alamat"),
                    QRect(656, 70, 250, 54));
    DBText4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DBText4->setWordWrap(true);
    for (DBText *customer : {DBText3, DBText4}) {
        applyFont(customer, QStringLiteral("Tahoma"), 10, true);
        setTextColour(customer, kMaroon);
    }

    // The invoice's lines, read only.
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("Daftar Barang Nota"));
    DBGrid1->setGeometry(0, 134, 918, 172);
    DBGrid1->setReadOnly(true);
    DBGrid1->setRowSelect(true);
    DBGrid1->horizontalHeader()->setFont(QFont(QStringLiteral("Tahoma"), 10));
    DBGrid1->setDataSource(DataSource2);
    DBGrid1->setColumnVisible(QStringLiteral("ID_Nota"), false);

    // The row of controls along the bottom.
    BitBtn2 = handButton(this, QStringLiteral("BitBtn2"), QString(), pageWithQuestionMark(), QRect(8, 313, 34, 32));
    BitBtn2->setAccessibleName(QStringLiteral("Bantuan tombol navigasi"));
    DBNavigator1 = new DBNavigator(this);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setGeometry(48, 313, 160, 32);
    DBNavigator1->setVisibleButtons({DBNavigator::Button::First, DBNavigator::Button::Prior,
                                     DBNavigator::Button::Next, DBNavigator::Button::Last,
                                     DBNavigator::Button::Refresh});
    DBNavigator1->setDataSource(DataSource1);
    DBNavigator1->setCursor(Qt::PointingHandCursor);
    DBNavigator1->setAccessibleName(QStringLiteral("Navigasi Nota"));
    for (DBNavigator::Button which : DBNavigator1->visibleButtons())
        DBNavigator1->button(which)->setCursor(Qt::PointingHandCursor);
    BitBtn1 = handButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Print Preview"),
                         standardIcon(QStyle::SP_BrowserReload), QRect(216, 313, 140, 32));
    setTextColour(BitBtn1, kGreen);
    BitBtn3 = handButton(this, QStringLiteral("BitBtn3"), QStringLiteral("&Close"),
                         standardIcon(QStyle::SP_DialogCloseButton), QRect(364, 313, 100, 32));
    Label7 = rightCaption(this, QStringLiteral("Label7"), QStringLiteral("Jumlah Total :"), QRect(600, 319, 150, 20));
    DBText5 = value(this, QStringLiteral("DBText5"), Label7, DataSource1, QStringLiteral("Jumlah_Total"),
                    QRect(756, 319, 150, 20));
    setTextColour(DBText5, kMaroon);

    onEvent(DBNavigator1, &DBNavigator::clicked, this, &TFlihatN::DBNavigator1Click);
    onEvent(BitBtn1, &QPushButton::clicked, this, &TFlihatN::BitBtn1Click);
    onEvent(BitBtn2, &QPushButton::clicked, this, &TFlihatN::BitBtn2Click);
    onEvent(BitBtn3, &QPushButton::clicked, this, &TFlihatN::BitBtn3Click);
}

void TFlihatN::filterLines()
{
    QString number = Table1->fieldByName(QStringLiteral("No_Nota"))->asString();
    number.replace(QLatin1Char('\''), QLatin1String("''"));
    Table2->setFiltered(false);
    Table2->setFilter(QStringLiteral("ID_Nota ='") + number + QLatin1Char('\''));
    Table2->setFiltered(true);
}

void TFlihatN::FormShow()
{
    Table1->open();
    Table2->open();
    filterLines();
}

// The grid follows the header only through this renewal of the filter.
void TFlihatN::DBNavigator1Click() { filterLines(); }

void TFlihatN::BitBtn1Click()
{
    FPrintN2.PreviewModal(*Table1, *Table2);
}

void TFlihatN::BitBtn2Click() { windows::form(FHelp1)->ShowModal(); }

void TFlihatN::BitBtn3Click() { Close(); }

void TFlihatN::FormClose()
{
    Table1->close();
    Table2->close();
    windows::form(FMain)->Show();
}
