#pragma once
// The goods search: lists the goods whose value in the chosen column contains
// the typed text (typed in capitals), counts them, and shows the clicked row's
// goods record with its picture. It only reads.
#include "app/Windows.h"
#include "search/SearchForm.h"

class DBImage;
class DBText;
class QCheckBox;
class QLabel;

class TFCBarang : public SearchForm {
    Q_OBJECT
public:
    explicit TFCBarang(QWidget *parent = nullptr);

    DBImage *DBImage1;      // Gambar, stretched while "Screcth" is ticked
    QCheckBox *CheckBox1;   // "Screcth"
    QLabel *Label6;         // "Kode Kervano :"
    DBText *DBText1;        // Kode_Kervano
    QLabel *Label7;         // "Kode Barang :"
    DBText *DBText2;        // Kode_Barang
    QLabel *Label8;         // "Nama Barang :"
    DBText *DBText3;        // Nama_Barang
    QLabel *Label9;         // "Part :"
    DBText *DBText4;        // Part
    QLabel *Label10;        // "Group :"
    DBText *DBText5;        // Group_Barang
    QLabel *Label11;        // "Harga :"
    DBText *DBText6;        // Harga, plain number

    void CheckBox1Click();
};
