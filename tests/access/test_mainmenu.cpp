// Main window: questions, log-out, status box, hint line, date label, menu
// bar and the navigation to the other windows.
#include "AccessFixture.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "access/About.h"
#include "access/Exit.h"
#include "access/Login.h"
#include "access/MainMenu.h"
#include "access/Pass.h"
#include "core/DateText.h"
#include "data/Table.h"
#include "invoice/LihatN.h"
#include "invoice/Nota1.h"
#include "masterdata/DaftarBrg.h"
#include "masterdata/Pelanggan.h"
#include "masterdata/TLGroup.h"
#include "masterdata/TLPart.h"
#include "search/CBarang.h"
#include "search/Cpelanggan.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>

namespace {
// Moves the mouse to `local` in `widget` (its centre by default).
void pointAt(QWidget *widget, QPoint local = QPoint(-1, -1))
{
    if (local == QPoint(-1, -1))
        local = widget->rect().center();
    const QPoint global = widget->mapToGlobal(local);
    QCursor::setPos(global);
    QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QTest::qWait(5);
}
} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fx.stop(); }

    void menuBarDesign();
    void clientAreaBelowMenuBar();
    void questionsWithCancelChangeNothing_data();
    void questionsWithCancelChangeNothing();
    void exitQuestionOkEndsThroughSplash_data();
    void exitQuestionOkEndsThroughSplash();
    void closeBoxAsksNothing();
    void logoutAndBack();
    void statusBoxAfterFirstLogin();
    void statusBoxWhenAccountGone_data();
    void statusBoxWhenAccountGone();
    void nameLabelFollowsTheSession();
    void hintLineFollowsMouse();
    void hintLineShowsHighlightedMenuItem();
    void hintLineShowsMenuBarItemUnderMouse();
    void dateLabelRefreshedAtEveryShowing();
    void workWindowsReplaceMainWindow_data();
    void workWindowsReplaceMainWindow();
    void modalWindowsOverMainWindow_data();
    void modalWindowsOverMainWindow();
    void changePasswordOpensBeside();
    void sharedAcceleratorMovesBetweenButtons();
    void f10OpensTheMenuBar();
    void aboutAnswersEnterAndEscape_data();
    void aboutAnswersEnterAndEscape();
    void hintLineEmptiedOnItemWithoutHint();

private:
    AccessFixture fx;
};

void TestMainMenu::init()
{
    fx.start();
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
    QVERIFY(FMain->isVisible());
}

void TestMainMenu::menuBarDesign()
{
    QStringList bar;
    for (QAction *a : FMain->MainMenu1->actions())
        bar << a->text();
    QCOMPARE(bar, (QStringList{"    Nota", "Barang", "Pelanggan", "Pencarian", "Report", "||", "Admin", "About"}));
    QVERIFY(!FMain->N3->isEnabled());
    QVERIFY(!FMain->N3->menu());
    QVERIFY(!FMain->ambahGroupBarang1->isEnabled());
    QVERIFY(!FMain->ambah1->isEnabled());
    QVERIFY(FMain->N1->isSeparator() && FMain->N2->isSeparator() && FMain->N4->isSeparator());
    QCOMPARE(FMain->Exit1->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    for (QAction *a : {FMain->NotaBaru1, FMain->LihatNota1, FMain->LogOut1, FMain->Exit1, FMain->DaftarBarang1,
                       FMain->DaftarPelanggan1, FMain->PencarianDaftarBarang1, FMain->PencarianDaftarPelanggan1,
                       FMain->GantiPassword1, FMain->Status1, FMain->entangSistemNotaKervano1})
        QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
    QCOMPARE(FMain->DaftarBarang1->statusTip(), QStringLiteral("Kllik untuk Lihat, Edit, Tambah/Hapus Daftar Barang "));
    QCOMPARE(FMain->Report1->menuAction()->statusTip(), QStringLiteral("Menu Report atau Laporan"));
    // Buttons: hints only in the hint line, hand cursor, accelerators.
    QCOMPARE(FMain->SpeedButton6->text(), QStringLiteral("Tambah Daftar List &Group"));
    QCOMPARE(FMain->SpeedButton11->statusTip(), QStringLiteral("Tombol untuk melihat Laporan Daftar barang"));
    for (QToolButton *b : FMain->findChildren<QToolButton *>(QRegularExpression(QStringLiteral("^SpeedButton")))) {
        QVERIFY(b->toolTip().isEmpty());
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(FMain->StatusPanel1->text(), QStringLiteral("  Status Aktif"));
    QCOMPARE(FMain->StatusPanel1->width(), 215);
    QCOMPARE(FMain->StatusPanel2->width(), 500);
}

void TestMainMenu::clientAreaBelowMenuBar()
{
    QCOMPARE(FMain->Client->size(), QSize(592, 413));
    QCOMPARE(FMain->Client->y(), FMain->MainMenu1->height());
    QCOMPARE(FMain->height(), 413 + FMain->MainMenu1->height());
}

void TestMainMenu::questionsWithCancelChangeNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("question");
    QTest::newRow("Exit button") << "SpeedButton1" << "Admin : admin, Anda ingin keluar Sistem?";
    QTest::newRow("Exit menu item") << "Exit1" << "Admin : admin, Anda ingin keluar Sistem?";
    QTest::newRow("Ctrl+X") << "ctrl+x" << "Admin : admin, Anda ingin keluar Sistem?";
    QTest::newRow("Log Out button") << "SpeedButton14" << "Admin : admin, Anda ingin Log Out?";
    QTest::newRow("LogOut menu item") << "LogOut1" << "Admin : admin, Anda ingin Log Out?";
}

void TestMainMenu::questionsWithCancelChangeNothing()
{
    QFETCH(QString, how);
    QFETCH(QString, question);
    ScriptedInterface boxes;
    boxes.answer(MsgAnswer::Cancel);
    if (how == QLatin1String("ctrl+x")) {
        FMain->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FMain));
        QTest::keyClick(FMain, Qt::Key_X, Qt::ControlModifier);
    } else if (auto *button = FMain->findChild<QToolButton *>(how)) {
        button->click();
    } else {
        FMain->findChild<QAction *>(how)->trigger();
    }
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, question);
    QCOMPARE(boxes.last().caption, QStringLiteral("Kervano Nota System"));
    QCOMPARE(boxes.last().kind, MsgKind::Question);
    QTest::qWait(5);
    QVERIFY(FMain->isVisible());
    QVERIFY(!FLogin->isVisible());
    QVERIFY(!Fexit->isVisible());
    QVERIFY(!boxes.programEnded());
    QCOMPARE(FMain->Label1->text(), AccessFixture::kAdmin);
}

void TestMainMenu::exitQuestionOkEndsThroughSplash_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "SpeedButton1";
    QTest::newRow("Exit menu item") << "Exit1";
}

void TestMainMenu::exitQuestionOkEndsThroughSplash()
{
    QFETCH(QString, how);
    ScriptedInterface boxes;
    if (auto *button = FMain->findChild<QToolButton *>(how))
        button->click();
    else
        FMain->findChild<QAction *>(how)->trigger();
    QCOMPARE(boxes.count(), 1);
    QVERIFY(!FMain->isVisible());
    QVERIFY(Fexit->isVisible());
    QTRY_VERIFY(boxes.programEnded());
}

void TestMainMenu::closeBoxAsksNothing()
{
    ScriptedInterface boxes;
    FMain->Close();
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!FMain->isVisible());
    QVERIFY(Fexit->isVisible());
    QTRY_VERIFY(boxes.programEnded());
}

void TestMainMenu::logoutAndBack()
{
    ScriptedInterface boxes;
    FMain->SpeedButton14->click();
    QVERIFY(!FMain->isVisible());
    QVERIFY(FLogin->isVisible());
    QVERIFY(FLogin->Edit1->text().isEmpty());
    QVERIFY(FLogin->Edit2->text().isEmpty());
    QCOMPARE(FLogin->focusWidget(), FLogin->Edit1);
    // Nothing else is reset: the label keeps the last name until the next login.
    QCOMPARE(FMain->Label1->text(), AccessFixture::kAdmin);
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
    QVERIFY(FMain->isVisible());
    QCOMPARE(fx.nomer().toInt(), 2);
}

void TestMainMenu::statusBoxAfterFirstLogin()
{
    ScriptedInterface boxes;
    FMain->Status1->trigger();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, QStringLiteral("<-- Aplikasi Kervano Sistem Nota -->\n\n\nAdmin : admin\n\n"
                                               "Status Login : 1 Kali\nStatus Aktif  : Aktif"));
    QCOMPARE(boxes.last().caption, QStringLiteral("Status"));
    QCOMPARE(boxes.last().kind, MsgKind::Information);
}

// The logged-in account renamed or deleted at another desk: the box says so
// and never shows another account's count (it used to show the first
// account's); nothing is changed.
void TestMainMenu::statusBoxWhenAccountGone_data()
{
    QTest::addColumn<QString>("atAnotherDesk");
    QTest::newRow("renamed") << "UPDATE Adm SET NamaUser = 'pemilik' WHERE NamaUser = 'admin'";
    QTest::newRow("deleted") << "DELETE FROM Adm WHERE NamaUser = 'admin'";
}

void TestMainMenu::statusBoxWhenAccountGone()
{
    QFETCH(QString, atAnotherDesk);
    AccessFixture::addAccount(QStringLiteral("aaa"), QStringLiteral("x1"), 41);
    fx.db().exec(atAnotherDesk);
    const QString before = fx.db().joined(QStringLiteral("SELECT NamaUser || ':' || Nomer FROM Adm ORDER BY NamaUser"));
    ScriptedInterface boxes;
    FMain->Status1->trigger();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text,
             QStringLiteral("Akun \"admin\" tidak ada lagi di database: namanya diganti atau akun dihapus di komputer "
                            "lain. Tidak ada yang diubah. Silakan Log Out, lalu login kembali."));
    QCOMPARE(boxes.last().caption, QStringLiteral("Status"));
    QCOMPARE(boxes.last().kind, MsgKind::Exclamation);
    QCOMPARE(fx.db().joined(QStringLiteral("SELECT NamaUser || ':' || Nomer FROM Adm ORDER BY NamaUser")), before);
    QCOMPARE(FMain->Label1->text(), AccessFixture::kAdmin);
}

// The name label shows the session's account: the name of each login.
void TestMainMenu::nameLabelFollowsTheSession()
{
    QCOMPARE(FMain->Label1->text(), AccessFixture::kAdmin);
    AccessFixture::addAccount(QStringLiteral("kasir"), QStringLiteral("Kasir99"), 2);
    FMain->logout();
    AccessFixture::typeLogin(QStringLiteral("kasir"), QStringLiteral("Kasir99"));
    QCOMPARE(FMain->Label1->text(), QStringLiteral("kasir"));
    ScriptedInterface boxes;
    FMain->Status1->trigger();
    QVERIFY(boxes.last().text.contains(QStringLiteral("\nAdmin : kasir\n\nStatus Login : 3 Kali\n")));
    FMain->SpeedButton14->click();
    QCOMPARE(boxes.last().text, QStringLiteral("Admin : kasir, Anda ingin Log Out?"));
}

void TestMainMenu::hintLineFollowsMouse()
{
    FMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FMain));
    pointAt(FMain->SpeedButton3);
    QTRY_COMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Tombol untuk membuat Nota baru"));
    // Inside the box, beside its buttons.
    pointAt(FMain->GroupBox1, QPoint(3, FMain->GroupBox1->height() - 4));
    QCOMPARE(QApplication::widgetAt(QCursor::pos()), FMain->GroupBox1);
    QTRY_COMPARE(FMain->StatusPanel2->text(), QStringLiteral("  "));
    pointAt(FMain->SpeedButton1);
    QTRY_COMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Tombol untuk Pengguna Admin Keluar Sistem Aplikasi"));
    pointAt(FMain->Panel1);
    QTRY_COMPARE(FMain->StatusPanel2->text(), QStringLiteral("  "));
}

void TestMainMenu::hintLineShowsHighlightedMenuItem()
{
    FMain->Status1->hover();
    QCOMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Klik untuk melihat Status User Admin"));
    // Highlighting an item of an open menu, as the keyboard or mouse does.
    FMain->MainMenu1->setActiveAction(FMain->Sistem1->menuAction());
    QCOMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Menu Nota"));
    QTRY_VERIFY(FMain->Sistem1->isVisible());
    FMain->Sistem1->setActiveAction(FMain->LihatNota1);
    QCOMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Lihat Nota yang telah dibuat"));
    FMain->Sistem1->hide();
}

// The mouse resting on a menu bar item highlights it; its hint stays while
// the mouse is there.
void TestMainMenu::hintLineShowsMenuBarItemUnderMouse()
{
    FMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FMain));
    pointAt(FMain->SpeedButton3);
    QTRY_COMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Tombol untuk membuat Nota baru"));
    const QRect admin = FMain->MainMenu1->actionGeometry(FMain->User1->menuAction());
    pointAt(FMain->MainMenu1, admin.center());
    QTest::qWait(20);
    QCOMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Menu Admin"));
    pointAt(FMain->MainMenu1, admin.center() + QPoint(1, 0));
    QTest::qWait(20);
    QCOMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Menu Admin"));
}

void TestMainMenu::dateLabelRefreshedAtEveryShowing()
{
    PinnedLocale indonesianDates(indonesian());
    const QDate today = QDate::currentDate();
    const QString expected = QStringLiteral("Hari ini >> ") + indonesian().dayName(today.dayOfWeek()) +
                             QStringLiteral(", ") + QString::number(today.day()) + QLatin1Char(' ') +
                             indonesian().monthName(today.month()) + QLatin1Char(' ') +
                             QString::number(today.year()) + QLatin1Char(' ');
    FMain->Label5->setText(QStringLiteral("kemarin"));
    FMain->SpeedButton3->click();
    QVERIFY(!FMain->isVisible());
    FNota1->Close();
    QVERIFY(FMain->isVisible());
    QCOMPARE(FMain->Label5->text(), expected);
}

void TestMainMenu::workWindowsReplaceMainWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("window");
    QTest::newRow("Nota Baru") << "SpeedButton3" << "FNota1";
    QTest::newRow("Nota Baru menu") << "NotaBaru1" << "FNota1";
    QTest::newRow("Lihat Nota") << "SpeedButton5" << "FlihatN";
    QTest::newRow("Lihat Nota menu") << "LihatNota1" << "FlihatN";
    QTest::newRow("Daftar Barang") << "SpeedButton2" << "FDaftarBrg";
    QTest::newRow("Daftar Barang menu") << "DaftarBarang1" << "FDaftarBrg";
    QTest::newRow("List Group") << "SpeedButton6" << "Form1";
    QTest::newRow("List Part") << "SpeedButton7" << "Form2";
    QTest::newRow("Daftar Pelanggan") << "SpeedButton4" << "FPelanggan";
    QTest::newRow("Daftar Pelanggan menu") << "DaftarPelanggan1" << "FPelanggan";
}

void TestMainMenu::workWindowsReplaceMainWindow()
{
    QFETCH(QString, how);
    QFETCH(QString, window);
    ScriptedInterface boxes;
    if (auto *button = FMain->findChild<QToolButton *>(how))
        button->click();
    else
        FMain->findChild<QAction *>(how)->trigger();
    TForm *work = nullptr;
    for (TForm *f : {static_cast<TForm *>(FNota1), static_cast<TForm *>(FlihatN), static_cast<TForm *>(FDaftarBrg),
                     static_cast<TForm *>(Form1), static_cast<TForm *>(Form2), static_cast<TForm *>(FPelanggan)})
        if (f->objectName() == window)
            work = f;
    QVERIFY(work);
    QVERIFY(!FMain->isVisible());
    QVERIFY(work->isVisible());
    QVERIFY(!work->isShowingModal());
    work->Close();
    QVERIFY(FMain->isVisible());
}

void TestMainMenu::modalWindowsOverMainWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("window");
    QTest::newRow("goods search") << "SpeedButton8" << "FCBarang";
    QTest::newRow("goods search menu") << "PencarianDaftarBarang1" << "FCBarang";
    QTest::newRow("customer search") << "SpeedButton9" << "FCPelanggan";
    QTest::newRow("customer search menu") << "PencarianDaftarPelanggan1" << "FCPelanggan";
    QTest::newRow("about") << "entangSistemNotaKervano1" << "Fabout";
}

void TestMainMenu::modalWindowsOverMainWindow()
{
    QFETCH(QString, how);
    QFETCH(QString, window);
    ScriptedInterface boxes;
    QString shownModally;
    bool mainStillShown = false;
    boxes.actInside([&](TForm &form) {
        if (form.isShowingModal())
            shownModally = form.objectName();
        mainStillShown = FMain->isVisible();
    });
    if (auto *button = FMain->findChild<QToolButton *>(how))
        button->click();
    else
        FMain->findChild<QAction *>(how)->trigger();
    QCOMPARE(shownModally, window);
    QVERIFY(mainStillShown);
    QVERIFY(FMain->isVisible());
}

void TestMainMenu::changePasswordOpensBeside()
{
    FMain->GantiPassword1->trigger();
    QVERIFY(FPass->isVisible());
    QVERIFY(FMain->isVisible());
    QVERIFY(!FPass->isShowingModal());
    // The main window's buttons still work meanwhile.
    ScriptedInterface boxes;
    FMain->Status1->trigger();
    QCOMPARE(boxes.count(), 1);
    FPass->Close();
}

// "Daftar &Pelanggan" and "Tambah Daftar List &Part" share Alt+P: each press
// moves to the next of them and Space or Enter opens the one reached.
void TestMainMenu::sharedAcceleratorMovesBetweenButtons()
{
    FMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FMain));
    QTest::keyClick(FMain, Qt::Key_P, Qt::AltModifier);
    QVERIFY(FMain->isVisible());
    QWidget *first = QApplication::focusWidget();
    QVERIFY(first == FMain->SpeedButton4 || first == FMain->SpeedButton7);
    QTest::keyClick(FMain, Qt::Key_P, Qt::AltModifier);
    QWidget *second = QApplication::focusWidget();
    QVERIFY(second == FMain->SpeedButton4 || second == FMain->SpeedButton7);
    QVERIFY(second != first);
    QTest::keyClick(FMain, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), first);
    // Enter on the customer button opens the customer list in the main window's place.
    if (first != FMain->SpeedButton4)
        QTest::keyClick(FMain, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), FMain->SpeedButton4);
    QTest::keyClick(FMain->SpeedButton4, Qt::Key_Return);
    QVERIFY(FPelanggan->isVisible());
    QVERIFY(!FMain->isVisible());
    windows::form(FPelanggan)->Close();
    // A letter that only one button has still presses it at once.
    QVERIFY(FMain->isVisible());
    FMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FMain));
    QTest::keyClick(FMain, Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY(Form1->isVisible());
    windows::form(Form1)->Close();
}

void TestMainMenu::f10OpensTheMenuBar()
{
    FMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FMain));
    QTest::keyClick(FMain, Qt::Key_F10);
    QTRY_VERIFY(FMain->Sistem1->isVisible());
    QCOMPARE(FMain->MainMenu1->activeAction(), FMain->Sistem1->menuAction());
    QCOMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Menu Nota"));
    FMain->Sistem1->hide();
}

void TestMainMenu::aboutAnswersEnterAndEscape_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestMainMenu::aboutAnswersEnterAndEscape()
{
    QFETCH(int, key);
    bool closedByKey = false;
    ScriptedInterface person;
    person.actInside([&](TForm &form) {
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        closedByKey = !form.isVisible();
    });
    FMain->entangSistemNotaKervano1->trigger();
    QVERIFY(closedByKey);
}

// Highlighting an item that has no hint (the disabled ones) empties the hint
// line instead of leaving the previous item's hint there.
void TestMainMenu::hintLineEmptiedOnItemWithoutHint()
{
    FMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FMain));
    FMain->MainMenu1->setActiveAction(FMain->Barang1->menuAction());
    QTRY_VERIFY(FMain->Barang1->isVisible());
    const QRect daftar = FMain->Barang1->actionGeometry(FMain->DaftarBarang1);
    pointAt(FMain->Barang1, daftar.center());
    QTRY_COMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Kllik untuk Lihat, Edit, Tambah/Hapus Daftar Barang "));
    for (QAction *item : {FMain->ambahGroupBarang1, FMain->ambah1}) {
        pointAt(FMain->Barang1, FMain->Barang1->actionGeometry(item).center());
        QTRY_COMPARE(FMain->StatusPanel2->text(), QStringLiteral("  "));
        pointAt(FMain->Barang1, daftar.center());
        QTRY_COMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Kllik untuk Lihat, Edit, Tambah/Hapus Daftar Barang "));
    }
    FMain->Barang1->hide();
}

NOTA_TEST_MAIN(TestMainMenu)
#include "test_mainmenu.moc"
