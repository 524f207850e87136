#pragma once
// The customer picker: a list of the customers' names over the new-invoice
// window's customer table and the picked customer's address; "OK" copies
// both into the new-invoice window. It has no table of its own and stores
// nothing; the list keeps its last pick for the whole run.
#include "app/Windows.h"
#include "controls/Form.h"

class DataSource;
class DBLookupComboBox;
class DBMemo;
class QLabel;
class QPushButton;

class TFNota3 : public TForm {
    Q_OBJECT
public:
    explicit TFNota3(QWidget *parent = nullptr);

    DataSource *DataSource1;            // the invoice's customer table, bound when shown
    QLabel *Label1;                     // "List Nama Pelanggan :"
    DBLookupComboBox *DBLookupComboBox1;
    QLabel *Label2;                     // "Alamat :"
    DBMemo *DBMemo1;                    // bound to Alamat after the first close-up
    QPushButton *BitBtn1;               // "OK"
    QPushButton *BitBtn2;               // "Batal"

    void FormShow() override;
    void FormClose() override;
    void DBLookupComboBox1CloseUp();
    void BitBtn1Click();
    void BitBtn2Click();
};
