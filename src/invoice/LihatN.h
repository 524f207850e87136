#pragma once
// The invoice browser: steps through the stored invoice headers with a
// navigator bar, shows the current header and, in a grid, that invoice's
// lines, and previews the invoice again. It only reads.
#include "app/Windows.h"
#include "controls/Form.h"
#include "invoice/PrintedInvoice.h"

class DataSource;
class DBGrid;
class DBNavigator;
class DBText;
class QFrame;
class QLabel;
class QPushButton;
class Table;

class TFlihatN : public TForm {
    Q_OBJECT
public:
    explicit TFlihatN(QWidget *parent = nullptr);

    QFrame *Panel1;          // white header panel
    QLabel *Image1;          // the shop's logo
    QLabel *Label1;          // "Kervano"
    QLabel *Label2;          // "AUTOMOTIVE RUBBER PART"
    QLabel *Label3;          // "No Nota :"
    DBText *DBText1;         // No_Nota
    QLabel *Label4;          // "Tanggal Buat Nota :"
    DBText *DBText2;         // Tanggal
    QLabel *Label5;          // "Kepada :"
    DBText *DBText3;         // Kepada
    QLabel *Label6;          // "Alamat :"
    DBText *DBText4;         // Alamat
    DBGrid *DBGrid1;         // the current invoice's lines
    QPushButton *BitBtn2;    // help (picture only)
    DBNavigator *DBNavigator1;  // first, prior, next, last, refresh on Table1
    QPushButton *BitBtn1;    // "Print Preview"
    QPushButton *BitBtn3;    // "&Close"
    QLabel *Label7;          // "Jumlah Total :"
    DBText *DBText5;         // Jumlah_Total

    Table *Table1;  // NotaUtama, by No_Nota: the stored invoice headers
    Table *Table2;  // Nota: the lines of the invoice shown
    DataSource *DataSource1;  // Table1 to the header values and the navigator
    DataSource *DataSource2;  // Table2 to the grid
    PrintedInvoice FPrintN2{kBrowsedInvoiceMeasures};  // the invoice shown, as printed

    void DBNavigator1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    // Filters Table2 to the lines of Table1's current invoice.
    void filterLines();

protected:
    void FormShow() override;
    void FormClose() override;
};
