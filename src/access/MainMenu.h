#pragma once
// The main window: who is logged in and today's date, every function of the
// system through the menu bar and the button panel, the hint line, and the
// log-out and exit questions.
#include "app/Windows.h"
#include "controls/Form.h"
#include "reports/ReportModel.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolButton;
class Table;

class TFMain : public TForm {
    Q_OBJECT
public:
    explicit TFMain(QWidget *parent = nullptr);
    ~TFMain() override;

    // Menu bar and its items.
    QMenuBar *MainMenu1;
    QMenu *Sistem1;            // "    Nota"
    QAction *NotaBaru1;
    QAction *LihatNota1;
    QAction *N1;
    QAction *LogOut1;
    QAction *Exit1;            // Ctrl+X
    QMenu *Barang1;
    QAction *DaftarBarang1;
    QAction *N2;
    QAction *ambahGroupBarang1;  // disabled
    QAction *ambah1;             // disabled
    QMenu *Pelanggan1;
    QAction *DaftarPelanggan1;
    QMenu *Pencarian1;
    QAction *PencarianDaftarBarang1;
    QAction *PencarianDaftarPelanggan1;
    QMenu *Report1;
    QAction *DaftarPelanggan2;
    QAction *DaftarBarang2;
    QAction *LaporanPenjualan1;  // the sales recap window
    QAction *N3;               // "||", a disabled divider on the menu bar
    QMenu *User1;              // "Admin"
    QAction *GantiPassword1;
    QAction *N4;
    QAction *Status1;
    QMenu *About1;
    QAction *entangSistemNotaKervano1;

    // The client area below the menu bar.
    QWidget *Client;
    QFrame *Panel1;            // white banner
    QLabel *Image1;            // logo
    QLabel *Label2;            // "Kervano"
    QLabel *Label3;            // "AUTOMOTIVE RUBER PART"
    QFrame *Panel2;            // teal panel at the left
    QLabel *Label4;            // "Aplikasi"
    QLabel *Label6;            // "Sistem Nota"
    QLabel *Image2;            // small picture
    QLabel *Label7;            // "Admin :"
    QLabel *Label1;            // the logged-in user name
    QLabel *Label5;            // "Hari ini >> ..."
    QGroupBox *GroupBox1;      // "Nota"
    QGroupBox *GroupBox2;      // "Barang"
    QGroupBox *GroupBox3;      // "Pelanggan"
    QGroupBox *GroupBox4;      // "Pencarian"
    QGroupBox *GroupBox5;      // "Report/Laporan"
    QToolButton *SpeedButton1;   // "Exit"
    QToolButton *SpeedButton2;   // "Daftar &Barang"
    QToolButton *SpeedButton3;   // "&Nota Baru"
    QToolButton *SpeedButton4;   // "Daftar &Pelanggan"
    QToolButton *SpeedButton5;   // "&Lihat Nota"
    QToolButton *SpeedButton6;   // "Tambah Daftar List &Group"
    QToolButton *SpeedButton7;   // "Tambah Daftar List &Part"
    QToolButton *SpeedButton8;   // "Pencarian Daftar B&arang"
    QToolButton *SpeedButton9;   // "Pencarian Daftar P&elanggan"
    QToolButton *SpeedButton10;  // "Lap&oran Daftar Pelanggan"
    QToolButton *SpeedButton11;  // "Lapo&ran Daftar Barang"
    QToolButton *SpeedButton14;  // "Log Out"
    QStatusBar *StatusBar1;
    QLabel *StatusPanel1;      // "  Status Aktif"
    QLabel *StatusPanel2;      // the hint line

    // The list reports (FRBarang, FRPelanggan) over driving tables of their
    // own, opened at the first request and left open: a later request finds
    // them open.
    Table *goodsReportTable;
    Table *customerReportTable;
    ReportDefinition goodsReport;
    ReportDefinition customerReport;

    void FormCreate();
    void FormShow() override;
    void FormClose() override;
    void TampilkanHint();
    void logout();

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void SpeedButton14Click();

    void NotaBaru1Click();
    void LihatNota1Click();
    void LogOut1Click();
    void Exit1Click();
    void DaftarBarang1Click();
    void DaftarPelanggan1Click();
    void PencarianDaftarBarang1Click();
    void PencarianDaftarPelanggan1Click();
    void DaftarPelanggan2Click();
    void DaftarBarang2Click();
    void LaporanPenjualan1Click();
    void GantiPassword1Click();
    void Status1Click();
    void entangSistemNotaKervano1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void buildClient();
    void connectHandlers();
    // Hides the main window and shows a work window in its place.
    void openWorkWindow(TForm *window);
    // At the first showing of a run: a word about the backups when they need one.
    void showBackupHint();
    bool m_backupHintShown = false;
};
