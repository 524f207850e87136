#include "access/MainMenu.h"

#include "access/AccountMessages.h"
#include "access/Widgets.h"
#include "controls/Application.h"
#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "controls/Pictures.h"
#include "core/DateText.h"
#include "data/Table.h"
#include "listreports/RBarang.h"
#include "listreports/RPelanggan.h"
#include "reports/ReportPreview.h"
#include "shop/Session.h"
#include "shop/BackupAtEnd.h"
#include "shop/BackupRules.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

using namespace accessui;

namespace {
constexpr int kClientWidth = 592;
constexpr int kClientHeight = 413;

QIcon svgIcon(const QString &resource) { return QIcon(pixmap(resource, QSize(16, 16))); }

QAction *menuItem(QMenu *menu, const QString &name, const QString &caption, const QString &hint,
                  const QIcon &icon = QIcon())
{
    QAction *a = menu->addAction(icon, caption);
    a->setObjectName(name);
    a->setStatusTip(hint);
    return a;
}

QAction *separator(QMenu *menu, const QString &name)
{
    QAction *a = menu->addSeparator();
    a->setObjectName(name);
    return a;
}

QGroupBox *groupBox(QWidget *parent, const QString &name, const QString &title, const QRect &geometry,
                    const QColor &titleColour)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    applyFont(box, QStringLiteral("Tahoma"), 8, true);
    setTextColour(box, titleColour);
    return box;
}

// A button inside a group box: plain black text whatever the box's caption colour.
QToolButton *boxButton(QGroupBox *box, const QString &name, const QString &caption, const QString &hint, int row)
{
    QToolButton *b = speedButton(box, name, caption, hint, QRect(8, 20 + row * 27, box->width() - 16, 25));
    applyFont(b, QStringLiteral("Tahoma"), 8);
    setTextColour(b, Qt::black);
    return b;
}
} // namespace

TFMain::TFMain(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FMain"));
    setCaption(QStringLiteral("Sistem Nota"));
    setBorder(BorderStyle::Single, SystemMenu | Minimize);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);

    buildMenu();
    buildClient();
    // The client area keeps its designed size; the menu bar sits above it.
    const int menuHeight = MainMenu1->heightForWidth(kClientWidth) > 0 ? MainMenu1->heightForWidth(kClientWidth)
                                                                       : MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, kClientWidth, menuHeight);
    Client->setGeometry(0, menuHeight, kClientWidth, kClientHeight);
    setClientSize(kClientWidth, kClientHeight + menuHeight);

    goodsReportTable = accessui::table(this, QStringLiteral("goodsReportTable"), QStringLiteral("Barang.DB"));
    customerReportTable = accessui::table(this, QStringLiteral("customerReportTable"), QStringLiteral("Pelanggan.DB"));
    goodsReport = goodsListReport(*goodsReportTable);
    customerReport = customerListReport(*customerReportTable);

    connectHandlers();
    FormCreate();
}

TFMain::~TFMain()
{
    if (nApp)
        nApp->setOnHint(nullptr);
}

void TFMain::buildMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);
    applyFont(MainMenu1, QStringLiteral("Tahoma"), 8);

    auto topMenu = [this](const QString &name, const QString &caption, const QString &hint) {
        QMenu *m = MainMenu1->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        m->menuAction()->setStatusTip(hint);
        applyFont(m, QStringLiteral("Tahoma"), 8);
        return m;
    };

    Sistem1 = topMenu(QStringLiteral("Sistem1"), QStringLiteral("    Nota"), QStringLiteral("Menu Nota"));
    NotaBaru1 = menuItem(Sistem1, QStringLiteral("NotaBaru1"), QStringLiteral("Nota Baru"),
                         QStringLiteral("Buat Nota Baru"), standardIcon(QStyle::SP_FileIcon));
    LihatNota1 = menuItem(Sistem1, QStringLiteral("LihatNota1"), QStringLiteral("Lihat Nota"),
                          QStringLiteral("Lihat Nota yang telah dibuat"),
                          standardIcon(QStyle::SP_FileDialogContentsView));
    N1 = separator(Sistem1, QStringLiteral("N1"));
    LogOut1 = menuItem(Sistem1, QStringLiteral("LogOut1"), QStringLiteral("LogOut"),
                       QStringLiteral("Klik untuk User Admin LogOut"), svgIcon(QStringLiteral(":/access/logout.svg")));
    Exit1 = menuItem(Sistem1, QStringLiteral("Exit1"), QStringLiteral("Exit"),
                     QStringLiteral("Klik untuk Keluar Sistem Aplikasi"), svgIcon(QStringLiteral(":/access/exit.svg")));
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    Exit1->setShortcutContext(Qt::WindowShortcut);
    addAction(Exit1);  // Ctrl+X works while the main window is active, menu closed

    Barang1 = topMenu(QStringLiteral("Barang1"), QStringLiteral("Barang"), QStringLiteral("Menu Barang"));
    DaftarBarang1 = menuItem(Barang1, QStringLiteral("DaftarBarang1"), QStringLiteral("Daftar Barang"),
                             QStringLiteral("Kllik untuk Lihat, Edit, Tambah/Hapus Daftar Barang "),
                             standardIcon(QStyle::SP_FileDialogDetailedView));
    N2 = separator(Barang1, QStringLiteral("N2"));
    ambahGroupBarang1 = menuItem(Barang1, QStringLiteral("ambahGroupBarang1"),
                                 QStringLiteral("Tambah List Group Barang"), QString());
    ambahGroupBarang1->setEnabled(false);
    ambah1 = menuItem(Barang1, QStringLiteral("ambah1"), QStringLiteral("Tambah List Part Barang"), QString());
    ambah1->setEnabled(false);

    Pelanggan1 = topMenu(QStringLiteral("Pelanggan1"), QStringLiteral("Pelanggan"), QStringLiteral("Menu Pelanggan"));
    DaftarPelanggan1 = menuItem(Pelanggan1, QStringLiteral("DaftarPelanggan1"), QStringLiteral("Daftar Pelanggan"),
                                QStringLiteral("Kllik untuk Lihat, Edit, Tambah/Hapus Daftar Pelanggan"),
                                standardIcon(QStyle::SP_FileDialogListView));

    Pencarian1 = topMenu(QStringLiteral("Pencarian1"), QStringLiteral("Pencarian"), QStringLiteral("Menu Pencarian"));
    PencarianDaftarBarang1 = menuItem(Pencarian1, QStringLiteral("PencarianDaftarBarang1"),
                                      QStringLiteral("Pencarian Daftar Barang"),
                                      QStringLiteral("Klik untuk melakukan pencarian Daftar Barang"),
                                      svgIcon(QStringLiteral(":/access/search.svg")));
    PencarianDaftarPelanggan1 = menuItem(Pencarian1, QStringLiteral("PencarianDaftarPelanggan1"),
                                         QStringLiteral("Pencarian Daftar Pelanggan"),
                                         QStringLiteral("Klik untuk melakukan pencarian Daftar Pelanggan"),
                                         svgIcon(QStringLiteral(":/access/search.svg")));

    Report1 = topMenu(QStringLiteral("Report1"), QStringLiteral("Report"), QStringLiteral("Menu Report atau Laporan"));
    DaftarPelanggan2 = menuItem(Report1, QStringLiteral("DaftarPelanggan2"), QStringLiteral("Daftar Pelanggan"),
                                QStringLiteral("Laporan Daftar Pelanggan"));
    DaftarBarang2 = menuItem(Report1, QStringLiteral("DaftarBarang2"), QStringLiteral("Daftar Barang"),
                             QStringLiteral("Laporan Daftar Barang"));
    LaporanPenjualan1 = menuItem(Report1, QStringLiteral("LaporanPenjualan1"), QStringLiteral("Laporan Penjualan"),
                                 QStringLiteral("Laporan Penjualan per Hari, Bulan, Barang atau Pelanggan"));

    N3 = MainMenu1->addAction(QStringLiteral("||"));
    N3->setObjectName(QStringLiteral("N3"));
    N3->setEnabled(false);

    User1 = topMenu(QStringLiteral("User1"), QStringLiteral("Admin"), QStringLiteral("Menu Admin"));
    GantiPassword1 = menuItem(User1, QStringLiteral("GantiPassword1"), QStringLiteral("Ganti Password"),
                              QStringLiteral("Klik untuk Admin Mengubah UserName dan Password"),
                              svgIcon(QStringLiteral(":/access/key.svg")));
    N4 = separator(User1, QStringLiteral("N4"));
    Status1 = menuItem(User1, QStringLiteral("Status1"), QStringLiteral("Status"),
                       QStringLiteral("Klik untuk melihat Status User Admin"),
                       standardIcon(QStyle::SP_MessageBoxInformation));

    About1 = topMenu(QStringLiteral("About1"), QStringLiteral("About"), QStringLiteral("Menu About"));
    entangSistemNotaKervano1 = menuItem(About1, QStringLiteral("entangSistemNotaKervano1"),
                                        QStringLiteral("Tentang Sistem Nota Kervano"),
                                        QStringLiteral("Tentang Aplikasi Sistem Nota Kervano"),
                                        svgIcon(QStringLiteral(":/logo.svg")));

    // A highlighted menu item (on the bar or in an open menu) shows its hint.
    auto showItemHint = [](QAction *item) {
        guard([item] {
            if (nApp)
                nApp->setHint(item->statusTip());
        });
    };
    connect(MainMenu1, &QMenuBar::hovered, this, showItemHint);
    for (QMenu *m : {Sistem1, Barang1, Pelanggan1, Pencarian1, Report1, User1, About1}) {
        connect(m, &QMenu::hovered, this, showItemHint);
        m->installEventFilter(this);
    }

    // F10 opens the menu bar at its first menu, as on every Linux desktop.
    auto *openMenuBar = new QAction(this);
    openMenuBar->setShortcut(QKeySequence(Qt::Key_F10));
    openMenuBar->setShortcutContext(Qt::WindowShortcut);
    addAction(openMenuBar);
    connect(openMenuBar, &QAction::triggered, this, [this] { MainMenu1->setActiveAction(Sistem1->menuAction()); });
}

// A disabled item is highlighted without a hover signal: the mouse on it, or
// on a separator, empties the hint line.
bool TFMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        auto *menu = static_cast<QMenu *>(watched);
        QAction *item = menu->actionAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (item && (item->isSeparator() || !item->isEnabled()) && nApp)
            nApp->setHint(QString());
    }
    return TForm::eventFilter(watched, event);
}

void TFMain::buildClient()
{
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));

    // Banner.
    Panel1 = panel(Client, QStringLiteral("Panel1"), QRect(0, 0, kClientWidth, 75), Qt::white);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(5, 5, 65, 65);
    Image1->setPixmap(QPixmap::fromImage(pictures::logo(QSize(65, 65))));
    Label2 = label(Panel1, QStringLiteral("Label2"), QStringLiteral("Kervano"), QPoint(80, 2));
    applyFont(Label2, QStringLiteral("Times New Roman"), 28, true);
    setTextColour(Label2, kNavy);
    Label2->adjustSize();
    Label3 = label(Panel1, QStringLiteral("Label3"), QStringLiteral("AUTOMOTIVE RUBER PART"), QPoint(84, 50));
    applyFont(Label3, QStringLiteral("Arial"), 10, true);
    Label3->adjustSize();

    // Left panel.
    Panel2 = panel(Client, QStringLiteral("Panel2"), QRect(0, 75, 185, 318), kTeal);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label4 = label(Panel2, QStringLiteral("Label4"), QStringLiteral("Aplikasi"), QPoint(12, 12));
    applyFont(Label4, QStringLiteral("Tahoma"), 9, true);
    Label6 = label(Panel2, QStringLiteral("Label6"), QStringLiteral("Sistem Nota"), QPoint(12, 28));
    applyFont(Label6, QStringLiteral("Tahoma"), 15, true);
    for (QLabel *l : {Label4, Label6}) {
        setTextColour(l, Qt::white);
        l->adjustSize();
    }
    Image2 = picture(Panel2, QStringLiteral("Image2"), QStringLiteral(":/access/admin.svg"), QRect(12, 78, 33, 33));
    Label7 = label(Panel2, QStringLiteral("Label7"), QStringLiteral("Admin :"), QRect(52, 78, 125, 15));
    applyFont(Label7, QStringLiteral("Tahoma"), 8, true);
    setTextColour(Label7, Qt::white);
    Label1 = label(Panel2, QStringLiteral("Label1"), QString(), QRect(52, 95, 125, 16));
    applyFont(Label1, QStringLiteral("Tahoma"), 9, true);
    setTextColour(Label1, Qt::white);
    // The name of the session's account, from its login or its last change.
    // Made on first use, which may be after the login: who is logged in now, then each change.
    Label1->setText(currentSession().userName());
    connect(&currentSession(), &Session::userNameChanged, Label1, &QLabel::setText);
    Label5 = label(Panel2, QStringLiteral("Label5"), QString(), QRect(12, 122, 165, 34));
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(Label5, kSilver);

    // Middle column.
    GroupBox1 = groupBox(Client, QStringLiteral("GroupBox1"), QStringLiteral("Nota"), QRect(195, 83, 190, 80), kTeal);
    SpeedButton3 = boxButton(GroupBox1, QStringLiteral("SpeedButton3"), QStringLiteral("&Nota Baru"),
                             QStringLiteral("Tombol untuk membuat Nota baru"), 0);
    SpeedButton5 = boxButton(GroupBox1, QStringLiteral("SpeedButton5"), QStringLiteral("&Lihat Nota"),
                             QStringLiteral("Tombol Untuk Melihat Nota yang telah dibuat"), 1);
    GroupBox2 = groupBox(Client, QStringLiteral("GroupBox2"), QStringLiteral("Barang"), QRect(195, 171, 190, 107), kGreen);
    SpeedButton2 = boxButton(GroupBox2, QStringLiteral("SpeedButton2"), QStringLiteral("Daftar &Barang"),
                             QStringLiteral("Tombol untuk melihat Daftar Barang"), 0);
    SpeedButton6 = boxButton(GroupBox2, QStringLiteral("SpeedButton6"), QStringLiteral("Tambah Daftar List &Group"),
                             QStringLiteral("Tombol untuk Menambah Daftar List Group Barang"), 1);
    SpeedButton7 = boxButton(GroupBox2, QStringLiteral("SpeedButton7"), QStringLiteral("Tambah Daftar List &Part"),
                             QStringLiteral("Tombol untuk Menambah Daftar List Part Barang"), 2);
    SpeedButton14 = speedButton(Client, QStringLiteral("SpeedButton14"), QStringLiteral("Log Out"),
                                QStringLiteral("Tombol untuk Pengguna Admin LogOut"), QRect(195, 336, 190, 40));
    SpeedButton14->setIcon(QIcon(pixmap(QStringLiteral(":/access/logout.svg"), QSize(24, 24))));
    applyFont(SpeedButton14, QStringLiteral("Tahoma"), 8, true);

    // Right column.
    GroupBox3 = groupBox(Client, QStringLiteral("GroupBox3"), QStringLiteral("Pelanggan"), QRect(395, 83, 190, 53),
                         kBlue);
    SpeedButton4 = boxButton(GroupBox3, QStringLiteral("SpeedButton4"), QStringLiteral("Daftar &Pelanggan"),
                             QStringLiteral("Tombol untuk melihat Daftar Pelanggan"), 0);
    GroupBox4 = groupBox(Client, QStringLiteral("GroupBox4"), QStringLiteral("Pencarian"), QRect(395, 144, 190, 80),
                         Qt::black);
    SpeedButton8 = boxButton(GroupBox4, QStringLiteral("SpeedButton8"), QStringLiteral("Pencarian Daftar B&arang"),
                             QStringLiteral("Tombol untuk Pencarian Daftar Barang"), 0);
    SpeedButton9 = boxButton(GroupBox4, QStringLiteral("SpeedButton9"), QStringLiteral("Pencarian Daftar P&elanggan"),
                             QStringLiteral("Tombol untuk Pencarian Daftar Pelanggan"), 1);
    GroupBox5 = groupBox(Client, QStringLiteral("GroupBox5"), QStringLiteral("Report/Laporan"),
                         QRect(395, 232, 190, 80), kMaroon);
    SpeedButton10 = boxButton(GroupBox5, QStringLiteral("SpeedButton10"), QStringLiteral("Lap&oran Daftar Pelanggan"),
                              QStringLiteral("Tombol untuk melihat Laporan Daftar Pelanggan"), 0);
    SpeedButton11 = boxButton(GroupBox5, QStringLiteral("SpeedButton11"), QStringLiteral("Lapo&ran Daftar Barang"),
                              QStringLiteral("Tombol untuk melihat Laporan Daftar barang"), 1);
    SpeedButton1 = speedButton(Client, QStringLiteral("SpeedButton1"), QStringLiteral("Exit"),
                               QStringLiteral("Tombol untuk Pengguna Admin Keluar Sistem Aplikasi"),
                               QRect(395, 336, 190, 40));
    SpeedButton1->setIcon(QIcon(pixmap(QStringLiteral(":/access/exit.svg"), QSize(24, 24))));
    applyFont(SpeedButton1, QStringLiteral("Tahoma"), 10, true);
    for (QToolButton *b : {SpeedButton1, SpeedButton14})
        b->setIconSize(QSize(24, 24));

    // Status bar: "Status Aktif" and the hint line.
    StatusBar1 = new QStatusBar(Client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, kClientHeight - 20, kClientWidth, 20);
    StatusPanel1 = label(StatusBar1, QStringLiteral("StatusPanel1"), QStringLiteral("  Status Aktif"),
                         QRect(0, 2, 215, 18));
    StatusPanel2 = label(StatusBar1, QStringLiteral("StatusPanel2"), QStringLiteral("  "), QRect(217, 2, 500, 18));
    for (QLabel *p : {StatusPanel1, StatusPanel2})
        p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void TFMain::connectHandlers()
{
    const struct {
        QToolButton *button;
        void (TFMain::*handler)();
    } buttons[] = {
        {SpeedButton1, &TFMain::SpeedButton1Click},   {SpeedButton2, &TFMain::SpeedButton2Click},
        {SpeedButton3, &TFMain::SpeedButton3Click},   {SpeedButton4, &TFMain::SpeedButton4Click},
        {SpeedButton5, &TFMain::SpeedButton5Click},   {SpeedButton6, &TFMain::SpeedButton6Click},
        {SpeedButton7, &TFMain::SpeedButton7Click},   {SpeedButton8, &TFMain::SpeedButton8Click},
        {SpeedButton9, &TFMain::SpeedButton9Click},   {SpeedButton10, &TFMain::SpeedButton10Click},
        {SpeedButton11, &TFMain::SpeedButton11Click}, {SpeedButton14, &TFMain::SpeedButton14Click},
    };
    for (const auto &b : buttons)
        onEvent(b.button, &QToolButton::clicked, this, b.handler);

    const struct {
        QAction *item;
        void (TFMain::*handler)();
    } items[] = {
        {NotaBaru1, &TFMain::NotaBaru1Click},
        {LihatNota1, &TFMain::LihatNota1Click},
        {LogOut1, &TFMain::LogOut1Click},
        {Exit1, &TFMain::Exit1Click},
        {DaftarBarang1, &TFMain::DaftarBarang1Click},
        {DaftarPelanggan1, &TFMain::DaftarPelanggan1Click},
        {PencarianDaftarBarang1, &TFMain::PencarianDaftarBarang1Click},
        {PencarianDaftarPelanggan1, &TFMain::PencarianDaftarPelanggan1Click},
        {DaftarPelanggan2, &TFMain::DaftarPelanggan2Click},
        {DaftarBarang2, &TFMain::DaftarBarang2Click},
        {LaporanPenjualan1, &TFMain::LaporanPenjualan1Click},
        {GantiPassword1, &TFMain::GantiPassword1Click},
        {Status1, &TFMain::Status1Click},
        {entangSistemNotaKervano1, &TFMain::entangSistemNotaKervano1Click},
    };
    for (const auto &i : items)
        onEvent(i.item, &QAction::triggered, this, i.handler);
}

void TFMain::FormCreate()
{
    if (nApp)
        nApp->setOnHint([this] { guard([this] { TampilkanHint(); }); });
}

void TFMain::FormShow()
{
    Label5->setText(QStringLiteral("Hari ini >> ") +
                    datetext::formatDate(datetext::kLongDateLabel, QDate::currentDate()));
    showBackupHint();
}

void TFMain::showBackupHint()
{
    if (m_backupHintShown || !backupatend::isEnabled())
        return;
    m_backupHintShown = true;
    const QString hint = BackupRules::forAlias().startHint(QDate::currentDate());
    if (!hint.isEmpty())
        StatusPanel2->setText(QStringLiteral("  ") + hint);
}

void TFMain::FormClose()
{
    Hide();
    windows::form(Fexit)->Show();
}

void TFMain::TampilkanHint() { StatusPanel2->setText(QStringLiteral("  ") + (nApp ? nApp->hint() : QString())); }

void TFMain::logout()
{
    currentSession().logOut();
    Hide();
    windows::form(FLogin)->Show();
}

void TFMain::openWorkWindow(TForm *window)
{
    Hide();
    window->Show();
}

// Exit question.
void TFMain::SpeedButton1Click()
{
    if (msg::question(QStringLiteral("Admin : ") + currentSession().userName() + QStringLiteral(", Anda ingin keluar Sistem?"),
                      QStringLiteral("Kervano Nota System")))
        Close();
}

// Log-out question.
void TFMain::SpeedButton14Click()
{
    if (msg::question(QStringLiteral("Admin : ") + currentSession().userName() + QStringLiteral(", Anda ingin Log Out?"),
                      QStringLiteral("Kervano Nota System")))
        logout();
}

void TFMain::SpeedButton3Click() { openWorkWindow(windows::form(FNota1)); }
void TFMain::SpeedButton5Click() { openWorkWindow(windows::form(FlihatN)); }
void TFMain::SpeedButton2Click() { openWorkWindow(windows::form(FDaftarBrg)); }
void TFMain::SpeedButton6Click() { openWorkWindow(windows::form(Form1)); }
void TFMain::SpeedButton7Click() { openWorkWindow(windows::form(Form2)); }
void TFMain::SpeedButton4Click() { openWorkWindow(windows::form(FPelanggan)); }
void TFMain::SpeedButton8Click() { windows::form(FCBarang)->ShowModal(); }
void TFMain::SpeedButton9Click() { windows::form(FCPelanggan)->ShowModal(); }
void TFMain::SpeedButton10Click() { DaftarPelanggan2->trigger(); }
void TFMain::SpeedButton11Click() { DaftarBarang2->trigger(); }

// Menu items that act as a button do so by clicking it.
void TFMain::NotaBaru1Click() { SpeedButton3->click(); }
void TFMain::LihatNota1Click() { SpeedButton5->click(); }
void TFMain::LogOut1Click() { SpeedButton14->click(); }
void TFMain::Exit1Click() { SpeedButton1->click(); }
void TFMain::DaftarBarang1Click() { SpeedButton2->click(); }
void TFMain::DaftarPelanggan1Click() { SpeedButton4->click(); }
void TFMain::PencarianDaftarBarang1Click() { SpeedButton8->click(); }
void TFMain::PencarianDaftarPelanggan1Click() { SpeedButton9->click(); }

void TFMain::DaftarPelanggan2Click()
{
    customerReportTable->open();
    reports::preview(customerReport);
}

void TFMain::DaftarBarang2Click()
{
    goodsReportTable->open();
    reports::preview(goodsReport);
}
// The sales recap opens beside the main window, as the list reports do.
void TFMain::LaporanPenjualan1Click() { windows::form(FLaporanPenjualan)->Show(); }

void TFMain::GantiPassword1Click() { windows::form(FPass)->Show(); }

// The status of the session's account as stored now; never another account's.
void TFMain::Status1Click()
{
    const Session &session = currentSession();
    const std::optional<accounts::Account> account = session.account();
    if (!account) {
        msg::exclamation(accountmsg::gone(session.userName()), QStringLiteral("Status"));
        return;
    }
    const QString text = QStringList{
        QStringLiteral("<-- Aplikasi Kervano Sistem Nota -->"),
        QString(),
        QString(),
        QStringLiteral("Admin : ") + account->name,
        QString(),
        QStringLiteral("Status Login : ") + account->logins + QStringLiteral(" Kali"),
        QStringLiteral("Status Aktif  : Aktif"),
    }.join(QLatin1Char('\n'));
    msg::information(text, QStringLiteral("Status"));
}

void TFMain::entangSistemNotaKervano1Click() { windows::form(Fabout)->ShowModal(); }
