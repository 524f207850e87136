#include "invoice/Nota1.h"

#include "access/Widgets.h"
#include "controls/DBGrid.h"
#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "controls/Pictures.h"
#include "core/DateText.h"
#include "core/NumberText.h"
#include "core/Errors.h"
#include "data/DataSource.h"
#include "data/DatabaseTransaction.h"
#include "data/Table.h"
#include "invoice/PrintN.h"

#include <QApplication>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <cmath>

using namespace accessui;

namespace {
const QString kKesalahan = QStringLiteral("Kesalahan");

QLabel *boldLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    QLabel *l = label(parent, name, text, geometry);
    applyFont(l, QStringLiteral("Tahoma"), 10, true);
    return l;
}

// The number after `last`, with leading zeros to six digits; a longer result
// is written in full. Raises the conversion error for a text that is no number.
QString nextNumber(const QString &last)
{
    const long double next = std::round(numtext::strToFloat(last) + 1);
    const bool negative = next < 0;
    QString digits = numtext::floatToStr(std::fabs(next));
    if (digits.size() < 6)
        digits = QString(6 - digits.size(), QLatin1Char('0')) + digits;
    return negative ? QLatin1Char('-') + digits : digits;
}

// A table left in insert state by a refused post drops that record, so no
// later seek or move posts it behind the user's back.
class DropUnstored {
public:
    explicit DropUnstored(Table &table) : m_table(table), m_errors(std::uncaught_exceptions()) {}
    ~DropUnstored()
    {
        if (std::uncaught_exceptions() <= m_errors)
            return;
        try {
            if (m_table.state() == DataSetState::Insert || m_table.state() == DataSetState::Edit)
                m_table.cancel();
        } catch (...) {
            // The original error is the one reported.
        }
    }

private:
    Table &m_table;
    int m_errors;
};
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
    Table1 = accessui::table(this, QStringLiteral("Table1"), QStringLiteral("NotaUtama.DB"), QStringLiteral("No_Nota"));
    Table2 = accessui::table(this, QStringLiteral("Table2"), QStringLiteral("Nota.DB"));
    Table3 = accessui::table(this, QStringLiteral("Table3"), QStringLiteral("Pelanggan.DB"), QStringLiteral("Nama"));
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
    Label8->setBuddy(Label7);
    Label7->setAccessibleName(QStringLiteral("Jumlah Total Rp."));

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
}

void TFNota1::showLinesOf(const QString &number)
{
    Table2->open();
    if (Table2->filtered())
        Table2->setFiltered(false);
    QString quoted = number;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    Table2->setFilter(QStringLiteral("ID_Nota ='") + quoted + QLatin1Char('\''));
    Table2->setFiltered(true);
}

void TFNota1::filterLines()
{
    showLinesOf(Edit1->text());
    // The total is that of the lines shown, also of lines stored earlier under
    // the number, so a stored header's total always equals its printed lines.
    Label7->setText(numtext::floatToStr(linesTotal()));
}

Money TFNota1::linesTotal() const
{
    // Each amount as its text reads back, as a deletion subtracts it.
    const int amount = int(Table2->fields().indexOf(Table2->fieldByName(QStringLiteral("Jumlah"))));
    Money total = 0;
    for (int row = 0; row < Table2->rowCount(); ++row) {
        const QString text = Table2->textAt(row, amount);
        if (!text.isEmpty())
            total += numtext::strToFloat(text);
    }
    return total;
}

void TFNota1::FormShow()
{
    BitBtn3->setEnabled(true);
    DateTimePicker1->setDate(QDate::currentDate());
    Edit2->setFocus();
    Memo1->clear();
    Table1->open();
    // The next number after the last one in number order.
    const QString first = Table1->fieldByName(QStringLiteral("No_Nota"))->asString();
    if (first.isEmpty()) {
        Edit1->setText(QStringLiteral("000001"));
    } else {
        Table1->last();
        Edit1->setText(nextNumber(Table1->fieldByName(QStringLiteral("No_Nota"))->asString()));
    }
    filterLines();
    m_proposed = Edit1->text();
    m_linesShown = Table2->rowCount();
    m_ownLines = linesShown();  // left by an invoice never stored: this one's now
}

void TFNota1::FormClose()
{
    Table1->close();
    Table2->close();
    Table3->close();
    BitBtn2->setEnabled(false);
    Edit1->clear();
    Edit2->clear();
    Label7->setText(QStringLiteral("0"));
    Edit1->setEnabled(true);
    m_ownLines.clear();
    windows::form(FMain)->Show();
}

bool TFNota1::numberIsFree()
{
    // Lines stored under an empty number could never be found again.
    if (Edit1->text().trimmed().isEmpty()) {
        msg::exclamation(QStringLiteral("Isi Kolom No Nota!"), kKesalahan);
        return false;
    }
    if (Table1->findKey(Edit1->text())) {
        msg::exclamation(QStringLiteral("No Nota Telah Terpakai"), kKesalahan);
        return false;
    }
    if (!Edit1->isEnabled())
        return true;  // fixed by an earlier line
    filterLines();
    // Before the first line: lines that appeared under the proposed number
    // since it was proposed are another desk's invoice in the making.
    if (Edit1->text() == m_proposed) {
        if (Table2->rowCount() > m_linesShown) {
            const QString taken = Edit1->text();
            Edit1->setText(nextFreeNumber());
            filterLines();
            m_proposed = Edit1->text();
            m_linesShown = Table2->rowCount();
            msg::exclamation(QStringLiteral("No Nota %1 sedang dipakai di meja lain.\nNo Nota diganti menjadi %2.")
                                 .arg(taken, Edit1->text()),
                             kKesalahan);
            return false;
        }
    }
    m_ownLines = linesShown();  // the number is fixed now, with the lines it has
    return true;
}

QList<QVariant> TFNota1::linesShown()
{
    QList<QVariant> out;
    for (Table2->first(); !Table2->eof(); Table2->next())
        out << Table2->bookmark();
    Table2->first();
    return out;
}

bool TFNota1::hasLines(const QString &number)
{
    showLinesOf(number);
    return !Table2->isEmpty();
}

QString TFNota1::nextFreeNumber()
{
    Table1->refresh();
    Table1->last();
    QString number = Table1->isEmpty() ? QStringLiteral("000000") : Table1->fieldByName(QStringLiteral("No_Nota"))->asString();
    do
        number = nextNumber(number);
    while (Table1->findKey(number) || hasLines(number));
    return number;
}

void TFNota1::BitBtn1Click()
{
    if (!numberIsFree())
        return;
    Edit1->setEnabled(false);
    filterLines();
    windows::form(FNota2)->ShowModal();
}

void TFNota1::BitBtn5Click()
{
    if (!numberIsFree())
        return;
    Edit1->setEnabled(false);
    // The grid, the deletion and the printed invoice show the lines of the
    // number the new line is stored under.
    filterLines();
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

void TFNota1::hapus()
{
    const Money total = numtext::strToFloat(Label7->text());
    const Money amount = numtext::strToFloat(Table2->fieldByName(QStringLiteral("Jumlah"))->asString());
    const Money rest = total - amount;
    // The line goes first: a refused delete leaves the total as it was.
    Table2->deleteRecord();
    Label7->setText(rest >= 0 ? numtext::floatToStr(rest) : QStringLiteral("0"));
}

void TFNota1::BitBtn2Click()
{
    if (Edit2->text().isEmpty()) {
        msg::exclamation(QStringLiteral("Kolom Kepada masih Kosong!"), QStringLiteral("Konfirmasi"));
        return;
    }
    if (!storeHeader())
        return;
    FPrintN->printDate->setCaption(datetext::shortDate(QDate::currentDate()));
    FPrintN->PreviewModal();
    BitBtn2->setEnabled(false);
    BitBtn3->setEnabled(false);
}

void TFNota1::postHeader()
{
    DropUnstored scope(*Table1);
    Table1->append();
    Table1->fieldByName(QStringLiteral("No_Nota"))->setAsString(Edit1->text());
    Table1->fieldByName(QStringLiteral("Tanggal"))->setValue(DateTimePicker1->date());  // the day as picked
    Table1->fieldByName(QStringLiteral("Kepada"))->setAsString(Edit2->text());
    Table1->fieldByName(QStringLiteral("Alamat"))->setAsString(Memo1->toPlainText());
    Table1->fieldByName(QStringLiteral("Jumlah_Total"))->setAsFloat(numtext::strToFloat(Label7->text()));
    Table1->post();
}

bool TFNota1::storeHeader()
{
    showLinesOf(Edit1->text());  // with what other desks stored under the number meanwhile
    bool shared = false;
    for (const QVariant &line : linesShown())
        shared = shared || !m_ownLines.contains(line);
    if (!shared) {
        try {
            postHeader();
            return true;
        } catch (const EDuplicateKey &) {
            // Another desk stored this number since the lines were added.
        }
    }
    const QString taken = Edit1->text();
    const QString next = nextFreeNumber();
    filterLines();
    const QString why = Table1->findKey(taken) ? QStringLiteral("No Nota %1 sudah disimpan di meja lain.")
                                               : QStringLiteral("No Nota %1 sedang dipakai di meja lain.");
    if (!msg::question(why.arg(taken) + QStringLiteral("\nSimpan nota ini dengan No Nota %1?").arg(next), QStringLiteral("Konfirmasi")))
        return false;
    try {
        DatabaseTransaction together;
        for (const QVariant &line : std::as_const(m_ownLines)) {
            if (!Table2->gotoBookmark(line))
                continue;  // deleted again
            Table2->edit();
            Table2->fieldByName(QStringLiteral("ID_Nota"))->setAsString(next);
            Table2->post();
        }
        Edit1->setText(next);
        filterLines();  // the total of the lines now under the new number
        postHeader();
        together.commit();
    } catch (...) {
        // Nothing of it was stored: the window shows the invoice as it was.
        if (Table2->state() != DataSetState::Browse)
            Table2->cancel();
        Edit1->setText(taken);
        filterLines();
        Table1->refresh();
        throw;
    }
    m_proposed = next;
    return true;
}

void TFNota1::BitBtn7Click()
{
    if (Edit2->text().isEmpty()) {
        msg::exclamation(QStringLiteral("Isi Kolom Kepada Untuk Melakukan pencarian!"), kKesalahan);
        return;
    }
    Table3->open();
    // The customer table is closed again however the lookup ends.
    struct Closes {
        Table &table;
        ~Closes()
        {
            try {
                table.close();
            } catch (...) {
            }
        }
    } closes{*Table3};
    if (Table3->findKey(Edit2->text())) {
        Memo1->setPlainText(Table3->fieldByName(QStringLiteral("Alamat"))->asString());
    } else {
        msg::exclamation(QStringLiteral("Daftar Pelanggan Tidak Ditemukan"), kKesalahan);
        Memo1->clear();
    }
}

void TFNota1::BitBtn6Click() { windows::form(FNota3)->ShowModal(); }
