#pragma once
// The customer search: lists the customers whose value in the chosen column
// contains the typed text (kept as typed), counts them, and shows the clicked
// row's customer record. It only reads.
#include "app/Windows.h"
#include "search/SearchForm.h"

class DBMemo;
class DBText;
class QLabel;

class TFCPelanggan : public SearchForm {
    Q_OBJECT
public:
    explicit TFCPelanggan(QWidget *parent = nullptr);

    QLabel *Label6;         // "ID Pelanggan :"
    DBText *DBText1;        // ID_pelanggan
    QLabel *Label7;         // "Nama :"
    DBText *DBText2;        // Nama
    QLabel *Label8;         // "Alamat :"
    DBMemo *DBMemo1;        // alamat, read-only
    QLabel *Label9;         // "Kota :"
    DBText *DBText3;        // Kota
    QLabel *Label10;        // "Kode Pos :"
    DBText *DBText4;        // KodePos
    QLabel *Label11;        // "No Telp1 :"
    DBText *DBText5;        // No_Telp1
    QLabel *Label12;        // "No Telp2 :"
    DBText *DBText6;        // No_Telp2
    QLabel *Label13;        // "Fax :"
    DBText *DBText7;        // FAX
    QLabel *Label14;        // "Email :"
    DBText *DBText8;        // Email
};
