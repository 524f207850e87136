#pragma once
// The new-invoice window: proposes the next invoice number and today's date,
// names the customer (typed, looked up with ">>" or picked from the list),
// takes lines from the goods list or by hand (each stored at once under the
// number), deletes lines, keeps the running total of the lines shown, and
// finally stores the header and previews the printed invoice.
#include "app/Windows.h"
#include "controls/Form.h"
#include "invoice/PrintedInvoice.h"

class DataSource;
class InvoiceDraft;
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
    QLabel *Label7;              // the draft's total, plain number text
    QPushButton *BitBtn2;        // "Simpan Dan Cetak Nota"
    QPushButton *BitBtn4;        // "&Close"

    InvoiceDraft *draft;         // the invoice being written: number, lines, total, customer
    Table *Table1;               // the draft's NotaUtama, by No_Nota: invoice headers
    Table *Table2;               // the draft's Nota: invoice lines, filtered to the number
    Table *Table3;               // the draft's Pelanggan, by Nama: customers
    DataSource *DataSource1;     // the grid's link to Table2
    PrintedInvoice FPrintN{kNewInvoiceMeasures};  // the invoice as printed on storing

    void FormShow() override;
    bool FormCloseQuery() override;
    void FormClose() override;
    void BitBtn1Click();
    void BitBtn5Click();
    void BitBtn3Click();
    void hapus();
    void BitBtn2Click();
    void BitBtn7Click();
    void BitBtn6Click();

private:
    // The check of both "Add" buttons: a number is typed and has no header
    // yet, nor lines another desk stored under it since it was proposed.
    bool numberIsFree();
    // Lines found under the proposed number: discarded or continued with.
    void askAboutLinesLeft(int count);
    void showDraft();
    void showCustomer();
};
