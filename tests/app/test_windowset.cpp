// Start-up: the windows are made on first use, one instance each, in any
// order; the one table of every window's caption, frame and designed client
// size.
#include "TestMain.h"
#include "access/Login.h"
#include "access/MainMenu.h"
#include "app/WindowSet.h"
#include "app/Windows.h"
#include "controls/Form.h"

#include <QWindow>
#include <functional>

class TestWindowSet : public QObject {
    Q_OBJECT
private slots:
    void init() { windowset::create(); }
    void cleanup() { windowset::destroy(); }
    void nothingMadeBeforeUse();
    void madeOnFirstUseInAnyOrder();
    void captionsAndFrames_data();
    void captionsAndFrames();
    void titleBarsWithoutButtons_data();
    void titleBarsWithoutButtons();
    void onlyLoginVisibleAfterStart();
    void showingAShownWindowKeepsOneInstance();
    void closingLoginEndsProgram();
    void hidingLoginDoesNotEndProgram();
};

namespace {
// Every registered window by its name, made when asked for.
TForm *windowNamed(const QString &name)
{
    const QHash<QString, std::function<TForm *()>> instances{
        {"FLogin", [] { return windows::form(FLogin); }},
        {"FMain", [] { return windows::form(FMain); }},
        {"FDaftarBrg", [] { return windows::form(FDaftarBrg); }},
        {"FHelp1", [] { return windows::form(FHelp1); }},
        {"Fup1", [] { return windows::form(Fup1); }},
        {"FNota1", [] { return windows::form(FNota1); }},
        {"FNota2", [] { return windows::form(FNota2); }},
        {"FPelanggan", [] { return windows::form(FPelanggan); }},
        {"Fabout", [] { return windows::form(Fabout); }},
        {"FNota3", [] { return windows::form(FNota3); }},
        {"FNota4", [] { return windows::form(FNota4); }},
        {"Fexit", [] { return windows::form(Fexit); }},
        {"FlihatN", [] { return windows::form(FlihatN); }},
        {"FPass", [] { return windows::form(FPass); }},
        {"FCBarang", [] { return windows::form(FCBarang); }},
        {"FCPelanggan", [] { return windows::form(FCPelanggan); }},
        {"Form1", [] { return windows::form(Form1); }},
        {"Form2", [] { return windows::form(Form2); }},
        {"FLaporanPenjualan", [] { return windows::form(FLaporanPenjualan); }},
    };
    return instances.value(name)();
}
} // namespace

void TestWindowSet::nothingMadeBeforeUse()
{
    // Only the login window, the application's main form, is made at start.
    QCOMPARE(windowset::all(), QList<TForm *>{FLogin.made()});
    QCOMPARE(nApp->mainForm(), static_cast<TForm *>(FLogin));
    QVERIFY(!FMain.made());
    QVERIFY(!FNota3.made());
    QCOMPARE(NotaApplication::title(), QStringLiteral("Kervano Nota Application"));
}

void TestWindowSet::madeOnFirstUseInAnyOrder()
{
    // A window that reads another's state comes before it here: each is made
    // when first used, whatever was made before.
    ScriptedInterface person;
    person.actInside<TForm>([](TForm &picker) { picker.Close(); });
    windows::form(FNota3)->ShowModal();
    QVERIFY(FNota1.made());
    windows::form(FDaftarBrg)->Show();
    TForm *main = windows::form(FMain);
    QCOMPARE(windows::form(FMain), main);
    QCOMPARE(windowset::all().count(main), 1);
    QCOMPARE(main->objectName(), QStringLiteral("FMain"));
    windows::form(FDaftarBrg)->Hide();
}

void TestWindowSet::captionsAndFrames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("icons");
    QTest::addColumn<QSize>("client");
    QTest::newRow("login") << "FLogin" << "Login" << (TForm::SystemMenu | TForm::Minimize) << QSize(417, 193);
    QTest::newRow("help") << "FHelp1" << "Help Keterangan Tombol" << int(TForm::SystemMenu) << QSize(502, 245);
    QTest::newRow("update") << "Fup1" << "Update" << int(TForm::NoIcons) << QSize(443, 88);
    QTest::newRow("nota baru") << "FNota1" << "Nota Baru" << int(TForm::SystemMenu) << QSize(927, 568);
    QTest::newRow("add list") << "FNota2" << "Add Barang dari Daftar Barang" << int(TForm::NoIcons) << QSize(688, 328);
    QTest::newRow("pelanggan") << "FPelanggan" << "Daftar Pelanggan" << int(TForm::SystemMenu) << QSize(564, 359);
    QTest::newRow("about") << "Fabout" << "About" << int(TForm::SystemMenu) << QSize(344, 281);
    QTest::newRow("picker") << "FNota3" << "Cari Daftar Pelanggan" << int(TForm::NoIcons) << QSize(420, 142);
    QTest::newRow("manual") << "FNota4" << "Add Manual" << int(TForm::NoIcons) << QSize(519, 278);
    QTest::newRow("exit") << "Fexit" << "" << int(TForm::NoIcons) << QSize(371, 115);
    QTest::newRow("lihat") << "FlihatN" << "Lihat Nota" << int(TForm::SystemMenu) << QSize(918, 351);
    QTest::newRow("barang") << "FDaftarBrg" << "Daftar Barang" << int(TForm::SystemMenu) << QSize(870, 300);
    QTest::newRow("cari barang") << "FCBarang" << "Pencarian Daftar Barang" << int(TForm::SystemMenu) << QSize(774, 557);
    QTest::newRow("cari pelanggan") << "FCPelanggan" << "Pencarian Daftar Pelanggan" << int(TForm::SystemMenu) << QSize(777, 580);
    QTest::newRow("laporan penjualan") << "FLaporanPenjualan" << "Laporan Penjualan"
                                       << (TForm::SystemMenu | TForm::Minimize) << QSize(860, 560);
}

void TestWindowSet::captionsAndFrames()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, icons);
    QFETCH(QSize, client);
    TForm *form = windowNamed(name);
    QCOMPARE(form->objectName(), name);
    QCOMPARE(form->caption(), caption);
    QCOMPARE(form->borderIcons(), icons);
    QCOMPARE(form->clientSize(), client);
}

void TestWindowSet::titleBarsWithoutButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("add from list") << "FNota2";
    QTest::newRow("customer picker") << "FNota3";
    QTest::newRow("add by hand") << "FNota4";
}

// A title bar and nothing on it: the window manager is asked for no close,
// minimise or maximise button and no window menu.
void TestWindowSet::titleBarsWithoutButtons()
{
    QFETCH(QString, name);
    TForm *form = windowNamed(name);
    QVERIFY(form);
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    for (const Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                        Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint})
        QVERIFY2(!flags.testFlag(button), qPrintable(QString::number(int(button), 16)));
    form->show();
    QVERIFY(form->windowHandle());
    QCOMPARE(form->windowHandle()->flags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
             Qt::WindowFlags());
    form->hide();
}

void TestWindowSet::onlyLoginVisibleAfterStart()
{
    FLogin->Show();
    for (const QString &name : {"FMain", "FNota1", "FDaftarBrg", "FLaporanPenjualan"})
        windowNamed(name);
    for (TForm *f : windowset::all())
        QCOMPARE(f->isVisible(), f == FLogin);
    FLogin->Hide();
}

void TestWindowSet::showingAShownWindowKeepsOneInstance()
{
    FMain->Show();
    const int before = QApplication::topLevelWidgets().size();
    FMain->Show();
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
    QVERIFY(FMain->isVisible());
    FMain->Hide();
}

void TestWindowSet::closingLoginEndsProgram()
{
    ScriptedInterface person;
    FLogin->Show();
    FLogin->Close();
    QVERIFY(person.programEnded());
}

void TestWindowSet::hidingLoginDoesNotEndProgram()
{
    ScriptedInterface person;
    FLogin->Show();
    FLogin->Hide();
    QVERIFY(!person.programEnded());
}

NOTA_TEST_MAIN(TestWindowSet)
#include "test_windowset.moc"
