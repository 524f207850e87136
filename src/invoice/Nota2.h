#pragma once
// Adds one line from the goods list to the invoice being written: the goods
// record is found by maker's code, by shop code or from a drop-down of maker's
// codes; "Simpan" stores the line with its quantity and discount under the
// invoice number, raises the invoice's running total and closes; "Batal"
// closes without storing. Both leave the window empty for the next time.
#include "app/Windows.h"
#include "controls/Form.h"

class DBImage;
class DBLookupComboBox;
class DataSource;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class Table;

class TFNota2 : public TForm {
    Q_OBJECT
public:
    explicit TFNota2(QWidget *parent = nullptr);

    QLabel *Label1;                        // "No Nota :"
    QLabel *Label2;                        // the invoice number
    QPushButton *Button1;                  // "Sortir": opens or closes the goods table
    DBLookupComboBox *DBLookupComboBox1;   // maker's codes of the goods table
    DBImage *DBImage1;                     // picture of the goods table's current record
    QLabel *Label3;                        // "Kode Barang :"
    QLineEdit *Edit1;                      // maker's code
    QToolButton *SpeedButton1;             // lookup by maker's code
    QLabel *Label4;                        // "Kode Kervano :"
    QLineEdit *Edit4;                      // shop code
    QToolButton *SpeedButton2;             // lookup by shop code
    QLabel *Label5;                        // "Nama Barang :"
    QLabel *Label6;                        // goods name
    QLabel *Label10;                       // "Part :"
    QLabel *Label7;                        // part kind
    QLabel *Label11;                       // "Group :"
    QLabel *Label8;                        // goods group
    QLabel *Label12;                       // "Harga Rp. :"
    QLabel *Label9;                        // unit price, plain number text
    QLabel *Label13;                       // "Jumlah Barang :"
    QLineEdit *Edit2;                      // quantity
    QLabel *Label14;                       // "Diskon (%) :"
    QLineEdit *Edit3;                      // discount in percent
    QPushButton *BitBtn2;                  // "Simpan"
    QPushButton *BitBtn1;                  // "Batal"

    Table *Table1;                         // Barang, ordered by the last lookup's code
    DataSource *DataSource1;               // the picture's and the drop-down's link to Table1

    void FormShow() override;
    void FormClose() override;
    void SpeedButton1Click();
    void SpeedButton2Click();
    void DBLookupComboBox1CloseUp();
    void Button1Click();
    void BitBtn2Click();
    void BitBtn1Click();

private:
    // Seeks `key` in the goods table ordered by `indexField`; shows the found
    // record, its other code in `otherCodeBox`, or empties `keyBox` when none.
    void lookUp(const QString &indexField, QLineEdit *keyBox, const QString &otherCodeField,
                QLineEdit *otherCodeBox);
    // Back to the empty window: no goods, table closed, quantity and discount "0".
    void clearItem();
};
