#include "masterdata/DaftarBrg.h"

#include "access/Widgets.h"
#include "controls/CapitalsValidator.h"
#include "controls/DBEdit.h"
#include "controls/DBImage.h"
#include "controls/DBLookupComboBox.h"
#include "controls/DBNavigator.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "controls/PictureUpload.h"
#include "controls/UserInterface.h"
#include "data/DataSource.h"
#include "core/Errors.h"
#include "data/Table.h"
#include "masterdata/CloseQuestion.h"
#include "masterdata/RecordNavigator.h"
#include "masterdata/PickUp.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace accessui;

namespace {
const QColor kRed{0xFF, 0x00, 0x00};

// A bound edit on `field` of the goods table with its caption label before it.
DBEdit *boundEdit(QWidget *parent, DataSource *source, const QString &name, const QString &field, const QRect &geometry)
{
    auto *e = new DBEdit(parent);
    e->setObjectName(name);
    e->setGeometry(geometry);
    e->setDataSource(source);
    e->setDataField(field);
    return e;
}

QLabel *captionFor(QWidget *parent, const QString &name, const QString &text, int top, QWidget *box)
{
    QLabel *l = label(parent, name, text, QRect(356, top, 104, 21));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setBuddy(box);
    return l;
}
} // namespace

TFDaftarBrg::TFDaftarBrg(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FDaftarBrg"));
    setCaption(QStringLiteral("Daftar Barang"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(870, 300);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
    setTextColour(this, kGreen);

    Table1 = accessui::table(this, QStringLiteral("Table1"), QStringLiteral("Barang.DB"), QStringLiteral("Kode_Kervano"));
    DataSource1 = new DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Table1);

    // Left: the picture, with "Upload" and "Stretch" under it.
    DBImage1 = new DBImage(this);
    DBImage1->setObjectName(QStringLiteral("DBImage1"));
    DBImage1->setGeometry(10, 10, 337, 169);
    DBImage1->setDataSource(DataSource1);
    DBImage1->setDataField(QStringLiteral("Gambar"));
    DBImage1->setStretch(true);
    DBImage1->setAccessibleName(QStringLiteral("Gambar Barang"));
    SpeedButton2 = speedButton(this, QStringLiteral("SpeedButton2"), QStringLiteral("Upload"), QString(),
                               QRect(10, 186, 90, 25));
    setTextColour(SpeedButton2, kNavy);
    CheckBox1 = new QCheckBox(QStringLiteral("Stretch"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(112, 188, 90, 21);
    CheckBox1->setChecked(true);

    // Right: the six fields, top to bottom.
    DBEdit1 = boundEdit(this, DataSource1, QStringLiteral("DBEdit1"), QStringLiteral("Kode_Kervano"), QRect(464, 10, 170, 21));
    DBEdit2 = boundEdit(this, DataSource1, QStringLiteral("DBEdit2"), QStringLiteral("Kode_Barang"), QRect(464, 38, 170, 21));
    DBEdit3 = boundEdit(this, DataSource1, QStringLiteral("DBEdit3"), QStringLiteral("Nama_Barang"), QRect(464, 66, 344, 21));
    DBEdit4 = boundEdit(this, DataSource1, QStringLiteral("DBEdit4"), QStringLiteral("Group_Barang"), QRect(464, 94, 170, 21));
    DBEdit5 = boundEdit(this, DataSource1, QStringLiteral("DBEdit5"), QStringLiteral("Part"), QRect(464, 122, 170, 21));
    DBEdit6 = boundEdit(this, DataSource1, QStringLiteral("DBEdit6"), QStringLiteral("Harga"), QRect(464, 150, 170, 21));
    for (DBEdit *e : {DBEdit1, DBEdit2, DBEdit3, DBEdit4, DBEdit5})
        e->setCapitals(true);
    setTextColour(DBEdit3, kMaroon);
    Label1 = captionFor(this, QStringLiteral("Label1"), QStringLiteral("Kode Kervano :"), 10, DBEdit1);
    Label2 = captionFor(this, QStringLiteral("Label2"), QStringLiteral("Kode Barang :"), 38, DBEdit2);
    Label3 = captionFor(this, QStringLiteral("Label3"), QStringLiteral("Nama Barang :"), 66, DBEdit3);
    setTextColour(Label3, kNavy);
    Label4 = captionFor(this, QStringLiteral("Label4"), QStringLiteral("Group :"), 94, DBEdit4);
    Label5 = captionFor(this, QStringLiteral("Label5"), QStringLiteral("Part :"), 122, DBEdit5);
    Label6 = captionFor(this, QStringLiteral("Label6"), QStringLiteral("Harga (Rp) :"), 150, DBEdit6);

    // The pick-up buttons beside the group and the part kind; the blanks
    // after "<" belong to the captions.
    SpeedButton4 = speedButton(this, QStringLiteral("SpeedButton4"),
                               QStringLiteral("<            Update Dari List Group"), QString(), QRect(640, 92, 222, 25));
    SpeedButton5 = speedButton(this, QStringLiteral("SpeedButton5"),
                               QStringLiteral("<              Update Dari List Part"), QString(), QRect(640, 120, 222, 25));
    for (QToolButton *b : {SpeedButton4, SpeedButton5})
        setTextColour(b, kGreen);

    // The button row under the fields.
    SpeedButton3 = speedButton(this, QStringLiteral("SpeedButton3"), QStringLiteral("Help"), QString(),
                               QRect(364, 186, 64, 25));
    setTextColour(SpeedButton3, kBlue);
    DBNavigator1 =
        masterui::recordNavigator(this, DataSource1, QRect(434, 186, 280, 25), QStringLiteral("Navigasi Daftar Barang"));
    SpeedButton1 = speedButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("Ke Main Menu"), QString(),
                               QRect(720, 186, 110, 25));
    setTextColour(SpeedButton1, kMaroon);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(6, 226, 858, 4);

    // The search row.
    Edit1 = edit(this, QStringLiteral("Edit1"), QRect(262, 252, 180, 21));
    Edit1->setValidator(new CapitalsValidator(Edit1));
    Label7 = label(this, QStringLiteral("Label7"), QStringLiteral("Pencarian Berdasarkan Kode Kervano :"),
                   QRect(10, 252, 248, 21));
    applyFont(Label7, QStringLiteral("Tahoma"), 8, true);
    setTextColour(Label7, kRed);
    Label7->setBuddy(Edit1);
    BitBtn1 = new QPushButton(QStringLiteral("Cari"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(450, 249, 75, 27);
    applyFont(BitBtn1, QStringLiteral("Tahoma"), 8, true);
    setTextColour(BitBtn1, kRed);

    QList<QWidget *> tabOrder{DBImage1};
    for (DBNavigator::Button b : DBNavigator::allButtons())
        tabOrder << DBNavigator1->button(b);
    tabOrder << DBEdit1 << DBEdit2 << DBEdit3 << DBEdit4 << DBEdit5 << DBEdit6 << CheckBox1 << Edit1 << BitBtn1;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    onEvent(SpeedButton1, &QToolButton::clicked, this, &TFDaftarBrg::SpeedButton1Click);
    onEvent(SpeedButton2, &QToolButton::clicked, this, &TFDaftarBrg::SpeedButton2Click);
    onEvent(SpeedButton3, &QToolButton::clicked, this, &TFDaftarBrg::SpeedButton3Click);
    onEvent(SpeedButton4, &QToolButton::clicked, this, &TFDaftarBrg::SpeedButton4Click);
    onEvent(SpeedButton5, &QToolButton::clicked, this, &TFDaftarBrg::SpeedButton5Click);
    onEvent(CheckBox1, &QCheckBox::toggled, this, &TFDaftarBrg::CheckBox1Click);
    onEvent(BitBtn1, &QPushButton::clicked, this, &TFDaftarBrg::BitBtn1Click);
    // Escape, where the focused control leaves it, is "Ke Main Menu".
    dialogkeys::install(this, nullptr, SpeedButton1);
}

void TFDaftarBrg::FormShow() { Table1->open(); }

bool TFDaftarBrg::FormCloseQuery() { return masterui::mayClose(*Table1, caption()); }

void TFDaftarBrg::FormClose()
{
    Table1->close();
    windows::form(FMain)->Show();
}

void TFDaftarBrg::SpeedButton1Click() { Close(); }

void TFDaftarBrg::SpeedButton3Click() { windows::form(FHelp1)->ShowModal(); }

void TFDaftarBrg::CheckBox1Click() { DBImage1->setStretch(CheckBox1->isChecked()); }

// The record is posted also when no file was chosen. A file that cannot be
// read stops the upload and leaves the record as it was before: an edit the
// upload began is dropped.
void TFDaftarBrg::SpeedButton2Click()
{
    const bool wasBrowsing = Table1->state() == DataSetState::Browse;
    Table1->edit();
    FileRequest request;
    request.caption = QStringLiteral("Buka Gambar");
    request.filter = pictureupload::openFilter();
    const QString file = ui().chooseFile(request, this);
    if (!file.isEmpty()) {
        try {
            DBImage1->loadFromFile(file);
        } catch (const EInvalidGraphic &) {
            if (wasBrowsing)
                Table1->cancel();
            throw;
        }
    }
    Table1->post();
}

// The shop code as typed (in capitals, as every code is stored, without
// blanks around it); the box is emptied whether or not it was found.
void TFDaftarBrg::BitBtn1Click()
{
    Table1->findKey(Edit1->text().trimmed());
    Edit1->clear();
}

void TFDaftarBrg::SpeedButton4Click() { pickUpInto(*Table1, PickList::Group); }

void TFDaftarBrg::SpeedButton5Click() { pickUpInto(*Table1, PickList::Part); }
