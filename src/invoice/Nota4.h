#pragma once
// Adds one line typed in by hand to the invoice being written: codes, name,
// price, quantity and discount; "Simpan" checks the boxes, stores the line
// under the invoice number, raises the invoice's running total and closes;
// "Batal" closes without storing. Both leave the boxes empty for the next time.
#include "app/Windows.h"
#include "controls/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TFNota4 : public TForm {
    Q_OBJECT
public:
    explicit TFNota4(QWidget *parent = nullptr);

    QLabel *Label1;         // "No Nota :"
    QLabel *Label2;         // the invoice number
    QLabel *Label3;         // "Kode Kervano :"
    QLineEdit *Edit4;       // shop code
    QLabel *Label4;         // "Kode Barang :"
    QLineEdit *Edit1;       // maker's code; any change enables "Simpan"
    QLabel *Label5;         // "Nama Barang :"
    QLineEdit *Edit5;       // goods name
    QLabel *Label6;         // "Harga Rp. :"
    QLineEdit *Edit6;       // unit price
    QLabel *Label7;         // "Jumlah Barang :"
    QLineEdit *Edit2;       // quantity
    QLabel *Label8;         // "Diskon (%) :"
    QLineEdit *Edit3;       // discount in percent
    QLabel *Label9;         // hints beside the boxes, Edit4 to Edit3
    QLabel *Label10;
    QLabel *Label11;
    QLabel *Label12;
    QLabel *Label13;
    QLabel *Label14;
    QPushButton *BitBtn2;   // "Simpan"
    QPushButton *BitBtn1;   // "Batal"

    void FormShow() override;
    void FormClose() override;
    void Edit1Change();
    void BitBtn2Click();
    void BitBtn1Click();

private:
    // Empties the boxes, quantity and discount "0", "Simpan" disabled.
    void clearBoxes();
};
