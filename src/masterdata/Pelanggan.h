#pragma once
// The customer list: one customer at a time in bound fields, a navigator over
// the customer table in key order; the table gives a new customer its number
// when it is posted.
#include "app/Windows.h"
#include "controls/Form.h"

class DBEdit;
class DBMemo;
class DBNavigator;
class DBText;
class DataSource;
class QFrame;
class QLabel;
class QToolButton;
class Table;

class TFPelanggan : public TForm {
    Q_OBJECT
public:
    explicit TFPelanggan(QWidget *parent = nullptr);

    QLabel *Label1;              // "ID (Auto Number) :"
    DBText *DBText1;             // ID_Pelanggan, display only
    QLabel *Label2;              // "Nama :"
    DBEdit *DBEdit1;             // Nama
    QLabel *Label3;              // "Alamat :"
    DBMemo *DBMemo1;             // Alamat
    QLabel *Label4;              // "Kota :"
    DBEdit *DBEdit2;             // Kota
    QLabel *Label5;              // "Kode Pos :"
    DBEdit *DBEdit3;             // KodePos
    QLabel *Label6;              // "No Telp1 :"
    DBEdit *DBEdit4;             // No_Telp1
    QLabel *Label7;              // "No Telp2 :"
    DBEdit *DBEdit5;             // No_Telp2
    QLabel *Label8;              // "No Fax :"
    DBEdit *DBEdit6;             // FAX
    QLabel *Label9;              // "Email :"
    DBEdit *DBEdit7;             // Email
    QFrame *Bevel1;              // the rule above the buttons
    QToolButton *SpeedButton1;   // "Bantuan"
    DBNavigator *DBNavigator1;   // all ten buttons on Table1
    QToolButton *SpeedButton2;   // "Ke Main Menu"

    Table *Table1;               // Pelanggan, in key order
    DataSource *DataSource1;     // every bound control's link to Table1

    void FormShow() override;
    bool FormCloseQuery() override;
    void FormClose() override;
    void SpeedButton1Click();
    void SpeedButton2Click();
};
