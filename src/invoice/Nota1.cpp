#include "invoice/Nota1.h"
#include "invoice/WrittenInvoice.h"

#include "access/Widgets.h"
#include "controls/DBGrid.h"
#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "controls/Pictures.h"
#include "core/DateText.h"
#include "core/NumberText.h"
#include "data/DataSource.h"
#include "data/Table.h"
#include "shop/InvoiceDraft.h"

#include <QApplication>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStyle>

using namespace accessui;

namespace {

QLabel *boldLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    QLabel *l = label(parent, name, text, geometry);
    applyFont(l, QStringLiteral("Tahoma"), 10, true);
    return l;
}

} // namespace

TFNota1::TFNota1(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FNota1"));
    setCaption(QStringLiteral("Nota Baru"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(927, 568);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);

    // Header panel: logo and shop name at the left, date, customer and
    // address at the right, the number and the line buttons along the bottom.
    Panel1 = panel(this, QStringLiteral("Panel1"), QRect(0, 0, 927, 185), Qt::white);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 6, 129, 129);
    Image1->setPixmap(QPixmap::fromImage(pictures::logo(QSize(129, 129))));
    Label1 = label(Panel1, QStringLiteral("Label1"), QStringLiteral("Kervano"), QRect(146, 20, 330, 62));
    applyFont(Label1, QStringLiteral("Garamond"), 36, true);
    Label2 = label(Panel1, QStringLiteral("Label2"), QStringLiteral("AUTOMOTIVE RUBBER PART"), QRect(150, 84, 320, 20));
    applyFont(Label2, QStringLiteral("Tahoma"), 10, true);

    Label3 = boldLabel(Panel1, QStringLiteral("Label3"), QStringLiteral("Tanggal :"), QRect(500, 14, 80, 24));
    DateTimePicker1 = new QDateEdit(Panel1);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setGeometry(585, 14, 250, 24);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QLocale::system().dateFormat(QLocale::LongFormat));
    DateTimePicker1->setLocale(QLocale::system());
    Label4 = boldLabel(Panel1, QStringLiteral("Label4"), QStringLiteral("Kepada :"), QRect(500, 46, 80, 24));
    Edit2 = edit(Panel1, QStringLiteral("Edit2"), QRect(585, 46, 200, 24));
    BitBtn7 = handButton(Panel1, QStringLiteral("BitBtn7"), QStringLiteral(">>"), QIcon(), QRect(790, 46, 32, 24));
    BitBtn6 = handButton(Panel1, QStringLiteral("BitBtn6"), QStringLiteral("Cari dari List"),
                         QIcon(), QRect(826, 46, 95, 24));
    Label5 = boldLabel(Panel1, QStringLiteral("Label5"), QStringLiteral("Alamat :"), QRect(500, 78, 80, 24));
    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(585, 78, 336, 64);
    Memo1->setTabChangesFocus(true);

    Label6 = label(Panel1, QStringLiteral("Label6"), QStringLiteral("No Nota :"), QRect(10, 148, 90, 26));
    applyFont(Label6, QStringLiteral("Tahoma"), 12);
    setTextColour(Label6, kBlue);
    Edit1 = edit(Panel1, QStringLiteral("Edit1"), QRect(100, 148, 130, 26));
    applyFont(Edit1, QStringLiteral("Tahoma"), 12);
    // Digits only, so the next number can always be proposed from the last.
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit1));
    BitBtn1 = handButton(Panel1, QStringLiteral("BitBtn1"), QStringLiteral("Add Dari List"),
                         standardIcon(QStyle::SP_FileDialogDetailedView), QRect(245, 148, 120, 28));
    BitBtn5 = handButton(Panel1, QStringLiteral("BitBtn5"), QStringLiteral("Add Manual"),
                         standardIcon(QStyle::SP_FileIcon), QRect(370, 148, 110, 28));
    BitBtn3 = handButton(Panel1, QStringLiteral("BitBtn3"), QStringLiteral("Hapus Barang"),
                         standardIcon(QStyle::SP_TrashIcon), QRect(485, 148, 120, 28));
    Label3->setBuddy(DateTimePicker1);
    Label4->setBuddy(Edit2);
    Label5->setBuddy(Memo1);
    Label6->setBuddy(Edit1);

    // The invoice's lines.
    draft = new InvoiceDraft(this);
    Table1 = &draft->headers();
    Table2 = &draft->lines();
    Table3 = &draft->customers();
    DataSource1 = new DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Table2);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("Daftar Barang Nota"));
    DBGrid1->setGeometry(0, 188, 927, 300);
    DBGrid1->setReadOnly(true);
    DBGrid1->setRowSelect(true);
    DBGrid1->setDataSource(DataSource1);
    DBGrid1->setColumnVisible(QStringLiteral("ID_Nota"), false);

    Label8 = boldLabel(this, QStringLiteral("Label8"), QStringLiteral("Jumlah Total Rp. :"), QRect(640, 494, 145, 24));
    Label7 = boldLabel(this, QStringLiteral("Label7"), QStringLiteral("0"), QRect(790, 494, 130, 24));
    setTextColour(Label7, kBlue);
    Label8->setBuddy(Label7);  // read as the amount, labelled by the caption

    BitBtn2 = handButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Simpan Dan Cetak Nota"),
                         standardIcon(QStyle::SP_DialogSaveButton), QRect(600, 524, 210, 38));
    applyFont(BitBtn2, QStringLiteral("Tahoma"), 10, true);
    BitBtn2->setEnabled(false);
    BitBtn4 = handButton(this, QStringLiteral("BitBtn4"), QStringLiteral("&Close"),
                         standardIcon(QStyle::SP_DialogCloseButton), QRect(817, 524, 100, 38));

    QWidget *tabOrder[] = {DateTimePicker1, Edit1, Edit2, Memo1, BitBtn1, BitBtn3, BitBtn5,
                           BitBtn6, BitBtn7, DBGrid1, BitBtn2, BitBtn4};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    onEvent(BitBtn1, &QPushButton::clicked, this, &TFNota1::BitBtn1Click);
    onEvent(BitBtn5, &QPushButton::clicked, this, &TFNota1::BitBtn5Click);
    onEvent(BitBtn3, &QPushButton::clicked, this, &TFNota1::BitBtn3Click);
    onEvent(BitBtn2, &QPushButton::clicked, this, &TFNota1::BitBtn2Click);
    onEvent(BitBtn7, &QPushButton::clicked, this, &TFNota1::BitBtn7Click);
    onEvent(BitBtn6, &QPushButton::clicked, this, &TFNota1::BitBtn6Click);
    connect(BitBtn4, &QPushButton::clicked, this, [this] { guard([this] { Close(); }); });

    // The draft holds what the invoice is; the boxes show it and pass on typing.
    connect(draft, &InvoiceDraft::changed, this, [this] { showDraft(); });
    connect(draft, &InvoiceDraft::customerChanged, this, [this] { showCustomer(); });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { draft->setNumber(Edit1->text()); });
    connect(Edit2, &QLineEdit::textChanged, this, [this] { draft->setCustomer(Edit2->text(), Memo1->toPlainText()); });
    connect(Memo1, &QPlainTextEdit::textChanged, this,
            [this] { draft->setCustomer(Edit2->text(), Memo1->toPlainText()); });
}

void TFNota1::showDraft()
{
    if (Edit1->text() != draft->number())
        Edit1->setText(draft->number());
    Label7->setText(numtext::floatToStr(draft->total()));
    BitBtn2->setEnabled(draft->canStore());
    if (draft->numberFixed())
        Edit1->setEnabled(false);
}

void TFNota1::showCustomer()
{
    // Both boxes at once: neither passes a half-shown customer back.
    const QSignalBlocker name(Edit2), address(Memo1);
    if (Edit2->text() != draft->customerName())
        Edit2->setText(draft->customerName());
    if (Memo1->toPlainText() != draft->customerAddress())
        Memo1->setPlainText(draft->customerAddress());
}

void TFNota1::FormShow()
{
    BitBtn3->setEnabled(true);
    DateTimePicker1->setDate(QDate::currentDate());
    Edit2->setFocus();
    Memo1->clear();
    const int left = draft->start();
    draft->setCustomer(Edit2->text(), QString());
    if (left > 0)
        askAboutLinesLeft(left);
}

void TFNota1::askAboutLinesLeft(int count)
{
    const QString question =
        QStringLiteral("Di bawah No Nota %1 sudah ada %2 barang tanpa nota yang disimpan "
                       "(dari nota yang tidak disimpan, atau dari meja lain).\n"
                       "Hapus barang-barang itu?\n\n"
                       "Ya: hapus barang-barang itu. Tidak: lanjutkan nota ini dengan barang-barang itu.")
            .arg(draft->number())
            .arg(count);
    if (msg::yesNo(question, QStringLiteral("Konfirmasi")))
        draft->discardLines();
    else
        draft->adoptLines();
}

bool TFNota1::FormCloseQuery()
{
    const int unstored = draft->unstoredLines();
    if (unstored == 0)
        return true;
    const QString question = QStringLiteral("No Nota %1 punya %2 barang, tetapi notanya belum disimpan.\n"
                                            "Hapus barang-barang itu dan tutup?\n\n"
                                            "Ya: hapus dan tutup. Tidak: kembali ke nota ini.")
                                 .arg(draft->number())
                                 .arg(unstored);
    if (!msg::yesNo(question, QStringLiteral("Konfirmasi")))
        return false;
    draft->discardLines();
    return true;
}

void TFNota1::FormClose()
{
    draft->finish();
    BitBtn2->setEnabled(false);
    Edit1->clear();
    Edit2->clear();
    Label7->setText(QStringLiteral("0"));
    Edit1->setEnabled(true);
    windows::form(FMain)->Show();
}

bool TFNota1::numberIsFree()
{
    switch (draft->fixNumber()) {
    case InvoiceDraft::NumberCheck::Free:
        return true;
    case InvoiceDraft::NumberCheck::Missing:
        msg::exclamation(QStringLiteral("Isi Kolom No Nota!"), msg::kErrorCaption);
        return false;
    case InvoiceDraft::NumberCheck::Used:
        msg::exclamation(QStringLiteral("No Nota Telah Terpakai"), msg::kErrorCaption);
        return false;
    case InvoiceDraft::NumberCheck::TakenMeanwhile:
        msg::exclamation(QStringLiteral("No Nota %1 sedang dipakai di meja lain.\nNo Nota diganti menjadi %2.")
                             .arg(draft->replacedNumber(), draft->number()),
                         msg::kErrorCaption);
        return false;
    }
    return false;
}

void TFNota1::BitBtn1Click()
{
    if (!numberIsFree())
        return;
    windows::form(FNota2)->ShowModal();
}

void TFNota1::BitBtn5Click()
{
    if (!numberIsFree())
        return;
    windows::form(FNota4)->ShowModal();
}

void TFNota1::BitBtn3Click()
{
    auto text = [this](const char *field) { return Table2->fieldByName(QString::fromLatin1(field))->asString(); };
    if (text("ID_Nota").isEmpty()) {
        msg::information(QStringLiteral("Data Masih Kosong, Tidak ada Item yang dihapus!"), QStringLiteral("Informasi"));
        return;
    }
    const QString question = QStringLiteral("Hapus Data Nota Barang dengan\n") +
                             QStringLiteral("Kode Barang = ") + text("Kode_Brg") + QLatin1Char('\n') +
                             QStringLiteral("Nama Barang = ") + text("Nama_Brg") + QLatin1Char('\n') +
                             QStringLiteral("Harga = ") + text("Harga") + QLatin1Char('\n') +
                             QStringLiteral("Banyak =") + text("Banyak") + QLatin1Char('\n') +
                             QStringLiteral("Diskon =") + text("Diskon") + QLatin1Char('\n') +
                             QStringLiteral("Jumlah =") + text("Jumlah") + QStringLiteral(" ?\n");
    if (msg::question(question, QStringLiteral("Hapus")))
        hapus();
}

void TFNota1::hapus() { draft->deleteCurrentLine(); }

void TFNota1::BitBtn2Click()
{
    if (Edit2->text().isEmpty()) {
        msg::exclamation(QStringLiteral("Kolom Kepada masih Kosong!"), QStringLiteral("Konfirmasi"));
        return;
    }
    const auto moveTo = [](const QString &question) { return msg::question(question, QStringLiteral("Konfirmasi")); };
    if (!draft->store(DateTimePicker1->date(), moveTo))
        return;
    FPrintN.PreviewModal(*Table1, *Table2);
    BitBtn2->setEnabled(false);
    BitBtn3->setEnabled(false);
}

void TFNota1::BitBtn7Click()
{
    if (Edit2->text().isEmpty()) {
        msg::exclamation(QStringLiteral("Isi Kolom Kepada Untuk Melakukan pencarian!"), msg::kErrorCaption);
        return;
    }
    QString address;
    if (draft->lookUpAddress(Edit2->text(), address)) {
        Memo1->setPlainText(address);
    } else {
        msg::exclamation(QStringLiteral("Daftar Pelanggan Tidak Ditemukan"), msg::kErrorCaption);
        Memo1->clear();
    }
}

void TFNota1::BitBtn6Click() { windows::form(FNota3)->ShowModal(); }

InvoiceDraft &writtenInvoice() { return *FNota1->draft; }
