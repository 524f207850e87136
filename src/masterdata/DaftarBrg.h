#pragma once
// The goods list: one goods record at a time in bound edits beside its
// picture, a navigator over the goods table in shop-code order, a picture
// upload, the search by shop code, and the group and part kind picked from
// their lists through the pick-up window.
#include "app/Windows.h"
#include "controls/Form.h"

class DBEdit;
class DBImage;
class DBNavigator;
class DataSource;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class Table;

class TFDaftarBrg : public TForm {
    Q_OBJECT
public:
    explicit TFDaftarBrg(QWidget *parent = nullptr);

    DBImage *DBImage1;           // the record's picture, Gambar
    QToolButton *SpeedButton2;   // "Upload"
    QCheckBox *CheckBox1;        // "Stretch"
    QLabel *Label1;              // "Kode Kervano :"
    DBEdit *DBEdit1;             // Kode_Kervano, capitals
    QLabel *Label2;              // "Kode Barang :"
    DBEdit *DBEdit2;             // Kode_Barang, capitals
    QLabel *Label3;              // "Nama Barang :"
    DBEdit *DBEdit3;             // Nama_Barang, capitals
    QLabel *Label4;              // "Group :"
    DBEdit *DBEdit4;             // Group_Barang, capitals
    QToolButton *SpeedButton4;   // "<            Update Dari List Group"
    QLabel *Label5;              // "Part :"
    DBEdit *DBEdit5;             // Part, capitals
    QToolButton *SpeedButton5;   // "<              Update Dari List Part"
    QLabel *Label6;              // "Harga (Rp) :"
    DBEdit *DBEdit6;             // Harga, as typed
    QToolButton *SpeedButton3;   // "Help"
    DBNavigator *DBNavigator1;   // all ten buttons on Table1
    QToolButton *SpeedButton1;   // "Ke Main Menu"
    QFrame *Bevel1;              // the rule above the search row
    QLabel *Label7;              // "Pencarian Berdasarkan Kode Kervano :"
    QLineEdit *Edit1;            // shop code to search for, in capitals as typed
    QPushButton *BitBtn1;        // "Cari"

    Table *Table1;               // Barang, by Kode_Kervano
    DataSource *DataSource1;     // every bound control's link to Table1

    void FormShow() override;
    bool FormCloseQuery() override;
    void FormClose() override;
    void SpeedButton1Click();
    void SpeedButton3Click();
    void CheckBox1Click();
    void SpeedButton2Click();
    void BitBtn1Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
};
