#pragma once
// The new-invoice window: proposes the next invoice number and today's date,
// names the customer (typed, looked up with ">>" or picked from the list),
// takes lines from the goods list or by hand (each stored at once under the
// number), deletes lines, keeps the running total of the lines shown, and
// finally stores the header and previews the printed invoice.
#include "app/Windows.h"
#include "controls/Form.h"
#include "core/NumberText.h"

class DataSource;
class DBGrid;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Table;

class TFNota1 : public TForm {
    Q_OBJECT
public:
    explicit TFNota1(QWidget *parent = nullptr);

    QFrame *Panel1;              // white header panel
    QLabel *Image1;              // the shop's logo
    QLabel *Label1;              // "Kervano"
    QLabel *Label2;              // "AUTOMOTIVE RUBBER PART"
    QLabel *Label3;              // "Tanggal :"
    QDateEdit *DateTimePicker1;  // invoice date
    QLabel *Label4;              // "Kepada :"
    QLineEdit *Edit2;            // customer name
    QPushButton *BitBtn7;        // ">>"
    QPushButton *BitBtn6;        // "Cari dari List"
    QLabel *Label5;              // "Alamat :"
    QPlainTextEdit *Memo1;       // customer address
    QLabel *Label6;              // "No Nota :"
    QLineEdit *Edit1;            // invoice number
    QPushButton *BitBtn1;        // "Add Dari List"
    QPushButton *BitBtn5;        // "Add Manual"
    QPushButton *BitBtn3;        // "Hapus Barang"
    DBGrid *DBGrid1;             // the invoice's lines
    QLabel *Label8;              // "Jumlah Total Rp. :"
    QLabel *Label7;              // running total, plain number text
    QPushButton *BitBtn2;        // "Simpan Dan Cetak Nota"
    QPushButton *BitBtn4;        // "&Close"

    Table *Table1;               // NotaUtama, by No_Nota: invoice headers
    Table *Table2;               // Nota: invoice lines, filtered to the number
    Table *Table3;               // Pelanggan, by Nama: customers
    DataSource *DataSource1;     // the grid's link to Table2

    void FormShow() override;
    void FormClose() override;
    void BitBtn1Click();
    void BitBtn5Click();
    void BitBtn3Click();
    void hapus();
    void BitBtn2Click();
    void BitBtn7Click();
    void BitBtn6Click();

    // Filters Table2 to the lines of the number in Edit1.
    void filterLines();

    // The sum of the amounts of the lines shown.
    Money linesTotal() const;

    // A line this window stored under the number (its bookmark in Table2).
    void lineStored(const QVariant &bookmark) { m_ownLines << bookmark; }

private:
    // The check of both "Add" buttons: a number is typed and has no header
    // yet, nor lines another desk stored under it since it was proposed.
    bool numberIsFree();
    // The first number after the last stored one with neither a header nor lines.
    QString nextFreeNumber();
    bool hasLines(const QString &number);  // shows them
    void showLinesOf(const QString &number);
    // Stores the header under the number in Edit1; when another desk stored
    // that number first, or stores lines under it too, proposes the next free
    // number and moves this invoice's lines there with the header, all or
    // nothing. False when not stored.
    bool storeHeader();
    void postHeader();
    // The bookmarks of the lines Table2 shows.
    QList<QVariant> linesShown();

    QString m_proposed;      // the number proposed when the window showed
    int m_linesShown = 0;    // lines already stored under it then
    // This invoice's lines: those under its number when the number was fixed
    // by the first "Add", and those this window stored since.
    QList<QVariant> m_ownLines;
};
