// What both search windows do alike: the exact-match rule of the combo box,
// what stays between showings, a statement the engine refuses (at the search
// and again at the next showing), Enter, and the opening from the main window.
#include "SearchFixture.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "access/MainMenu.h"
#include "controls/DBGrid.h"
#include "controls/DBImage.h"
#include "controls/DBText.h"
#include "data/Query.h"
#include "search/CBarang.h"
#include "search/Cpelanggan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
SearchForm &searchWindow(const QString &which)
{
    if (which == QLatin1String("goods"))
        return *FCBarang;
    return *FCPelanggan;
}

// The text shown by the detail control bound to `field`.
QString detailText(SearchForm &w, const QString &field)
{
    for (DBText *t : w.findChildren<DBText *>())
        if (t->dataField() == field)
            return t->text();
    return QStringLiteral("<no control for %1>").arg(field);
}

void close(SearchForm &w)
{
    w.SpeedButton1->click();
    QVERIFY(!w.isVisible());
}
} // namespace

class TestSearchLifecycle : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void comboChoosesOnlyOnExactEntry_data();
    void comboChoosesOnlyOnExactEntry();
    void reopeningRunsTheLastSearchAgain_data();
    void reopeningRunsTheLastSearchAgain();
    void refusedStatementKeepsCountAndDetail_data();
    void refusedStatementKeepsCountAndDetail();
    void enterSearchesOnlyFromTheButton_data();
    void enterSearchesOnlyFromTheButton();
    void openedModallyFromMainWindow_data();
    void openedModallyFromMainWindow();

private:
    SearchFixture fx;
    std::unique_ptr<PinnedLocale> m_locale;
};

void TestSearchLifecycle::init()
{
    m_locale = std::make_unique<PinnedLocale>(indonesian());
    fx.start();
    fx.addSampleGoods();
    fx.addSampleCustomers();
}

void TestSearchLifecycle::cleanup()
{
    for (SearchForm *w : {static_cast<SearchForm *>(FCBarang), static_cast<SearchForm *>(FCPelanggan)})
        if (w->isVisible())
            w->Close();
    fx.stop();
    m_locale.reset();
}

void TestSearchLifecycle::comboChoosesOnlyOnExactEntry_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("chosen");  // picked from the list first
    QTest::addColumn<QString>("typed");   // then typed over it
    QTest::addColumn<QString>("column");  // the column searched afterwards

    QTest::newRow("goods: picked") << "goods" << "Group barang" << "" << "Group_Barang";
    QTest::newRow("goods: small letters") << "goods" << "Part" << "nama barang" << "Part";
    QTest::newRow("goods: typed exactly") << "goods" << "Part" << "Nama Barang" << "Nama_Barang";
    QTest::newRow("goods: half typed") << "goods" << "Part" << "Kode" << "Part";
    QTest::newRow("goods: other capitals") << "goods" << "Kode Barang" << "Group Barang" << "Kode_Barang";
    QTest::newRow("goods: own capitals") << "goods" << "Kode Barang" << "Group barang" << "Group_Barang";
    QTest::newRow("customers: picked") << "customers" << "No Telp2" << "" << "No_Telp2";
    QTest::newRow("customers: small letters") << "customers" << "Kota" << "nama pelanggan" << "Kota";
    QTest::newRow("customers: typed exactly") << "customers" << "Kota" << "Nama Pelanggan" << "Nama";
    QTest::newRow("customers: other capitals") << "customers" << "Kota" << "fax" << "Kota";
    QTest::newRow("customers: own capitals") << "customers" << "Kota" << "FAX" << "FAX";
}

void TestSearchLifecycle::comboChoosesOnlyOnExactEntry()
{
    QFETCH(QString, window);
    QFETCH(QString, chosen);
    QFETCH(QString, typed);
    QFETCH(QString, column);
    SearchForm &w = searchWindow(window);
    w.Show();
    SearchFixture::chooseEntry(w, chosen);
    if (!typed.isEmpty()) {
        w.ComboBox1->lineEdit()->clear();
        QTest::keyClicks(w.ComboBox1->lineEdit(), typed);
        QCOMPARE(w.ComboBox1->currentText(), typed);  // as typed: nothing completes it
        QCOMPARE(w.ComboBox1->count(), window == QLatin1String("goods") ? 5 : 9);
    }
    QCOMPARE(w.Edit2->text(), column);
    SearchFixture::search(w, QStringLiteral("A"));
    QCOMPARE(w.Query1->sql().split(QLatin1Char('\n')).value(5), column + QStringLiteral(" Like \"%A%\""));
}

void TestSearchLifecycle::reopeningRunsTheLastSearchAgain_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");       // first column of the grid
    QTest::addColumn<QString>("change");          // a change to the detail record while the window is closed
    QTest::addColumn<QString>("detailField");
    QTest::addColumn<QString>("detailValue");     // shown after reopening

    QTest::newRow("goods") << "goods" << "Part" << "SEAL" << QStringList{"KV-0001", "KV-0003", "KV-0006"}
                           << "UPDATE Barang SET Group_Barang = 'DAIHATSU' WHERE Kode_Kervano = 'KV-0001'"
                           << "Group_Barang" << "DAIHATSU";
    QTest::newRow("customers") << "customers" << "Kota" << "bandung" << QStringList{"1", "2", "4"}
                               << "UPDATE Pelanggan SET Email = 'andi@baru.id' WHERE ID_Pelanggan = 1"
                               << "Email" << "andi@baru.id";
}

void TestSearchLifecycle::reopeningRunsTheLastSearchAgain()
{
    QFETCH(QString, window);
    QFETCH(QString, entry);
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    QFETCH(QString, change);
    QFETCH(QString, detailField);
    QFETCH(QString, detailValue);
    SearchForm &w = searchWindow(window);
    w.Show();
    SearchFixture::chooseEntry(w, entry);
    SearchFixture::search(w, typed);
    QCOMPARE(SearchFixture::gridColumn(*w.DBGrid1, 0), found);
    const QString statement = w.Query1->sql();
    const QString filter = w.Query2->filter();
    auto *screcth = w.findChild<QCheckBox *>(QStringLiteral("CheckBox1"));
    if (screcth)
        screcth->click();

    close(w);
    QVERIFY(!w.Query1->active());
    QVERIFY(!w.Query2->active());
    QVERIFY(w.Edit1->text().isEmpty());
    fx.db().exec(change);

    w.Show();
    QCOMPARE(w.Query1->sql(), statement);
    QCOMPARE(SearchFixture::gridColumn(*w.DBGrid1, 0), found);
    QCOMPARE(w.Label5->text(), QString::number(found.size()));
    QVERIFY(w.Edit1->text().isEmpty());
    QCOMPARE(w.focusWidget(), w.Edit1);
    QCOMPARE(w.ComboBox1->currentText(), entry);
    QCOMPARE(w.Query2->filter(), filter);
    QCOMPARE(detailText(w, detailField), detailValue);  // read afresh
    if (screcth) {
        QVERIFY(!screcth->isChecked());
        QVERIFY(!FCBarang->DBImage1->stretch());
    }
}

void TestSearchLifecycle::refusedStatementKeepsCountAndDetail_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("detailField");
    QTest::addColumn<QString>("detailValue");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("recoverEntry");
    QTest::addColumn<QString>("recoverTyped");
    QTest::addColumn<int>("recovered");

    QTest::newRow("goods") << "goods" << "BAN" << "Kode_Kervano" << "KV-0001"
                           << "Query tidak sah: kolom 'Warna' tidak ada di tabel 'Barang'" << "Part" << "SEAL" << 3;
    QTest::newRow("customers") << "customers" << "budi" << "ID_pelanggan" << "3"
                               << "Query tidak sah: kolom 'Warna' tidak ada di tabel 'Pelanggan'" << "Kota" << "Bandung"
                               << 3;
}

void TestSearchLifecycle::refusedStatementKeepsCountAndDetail()
{
    QFETCH(QString, window);
    QFETCH(QString, typed);
    QFETCH(QString, detailField);
    QFETCH(QString, detailValue);
    QFETCH(QString, error);
    QFETCH(QString, recoverEntry);
    QFETCH(QString, recoverTyped);
    QFETCH(int, recovered);
    SearchForm &w = searchWindow(window);
    ScriptedInterface boxes;
    w.Show();
    SearchFixture::search(w, typed);
    const QString count = w.Label5->text();
    QCOMPARE(detailText(w, detailField), detailValue);

    // The column kept for the search names no column of the table: the
    // engine refuses the statement.
    w.Edit2->setText(QStringLiteral("Warna"));
    w.BitBtn1->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, error);
    QCOMPARE(boxes.last().caption, QStringLiteral("Kervano Nota Application"));
    QCOMPARE(boxes.last().kind, MsgKind::Error);
    QVERIFY(!w.Query1->active());
    QCOMPARE(w.DBGrid1->model()->rowCount(), 0);
    QCOMPARE(w.Label5->text(), count);
    QCOMPARE(detailText(w, detailField), detailValue);

    // The refused statement stays and is run again at the next showing,
    // which stops there: nothing listed, no detail, the old count.
    close(w);
    w.Show();
    QVERIFY(w.isVisible());
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.last().text, error);
    QVERIFY(!w.Query1->active());
    QVERIFY(!w.Query2->active());
    QCOMPARE(w.DBGrid1->model()->rowCount(), 0);
    QCOMPARE(detailText(w, detailField), QString());
    QCOMPARE(w.Label5->text(), count);

    // A search with a column of the table recovers, detail included.
    SearchFixture::chooseEntry(w, recoverEntry);
    SearchFixture::search(w, recoverTyped);
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(w.DBGrid1->model()->rowCount(), recovered);
    QCOMPARE(w.Label5->text(), QString::number(recovered));
    w.Query1->first();
    QCOMPARE(detailText(w, detailField), w.Query1->fieldByName(detailField)->asString());
}

void TestSearchLifecycle::enterSearchesOnlyFromTheButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("goods") << "goods";
    QTest::newRow("customers") << "customers";
}

void TestSearchLifecycle::enterSearchesOnlyFromTheButton()
{
    QFETCH(QString, window);
    SearchForm &w = searchWindow(window);
    w.Show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QString start = w.Query1->sql();
    const QString count = w.Label5->text();
    QTest::keyClicks(w.Edit1, QStringLiteral("ANDI"));
    QTest::keyClick(w.Edit1, Qt::Key_Return);
    QCOMPARE(w.Query1->sql(), start);
    QCOMPARE(w.Label5->text(), count);
    w.BitBtn1->setFocus();
    QTest::keyClick(w.BitBtn1, Qt::Key_Return);
    QVERIFY(w.Query1->sql().contains(QStringLiteral("Like \"%ANDI%\"")));
}

void TestSearchLifecycle::openedModallyFromMainWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("count");
    QTest::newRow("goods") << "goods" << "karet" << "2";
    QTest::newRow("customers") << "customers" << "andi" << "3";
}

void TestSearchLifecycle::openedModallyFromMainWindow()
{
    QFETCH(QString, window);
    QFETCH(QString, typed);
    QFETCH(QString, count);
    SearchForm &w = searchWindow(window);
    ScriptedInterface person;
    bool modal = false;
    bool mainShown = false;
    QString shownCount;
    person.actInside([&](TForm &form) {
        QCOMPARE(&form, static_cast<TForm *>(&w));
        modal = w.isShowingModal();
        mainShown = FMain->isVisible();
        SearchFixture::search(w, typed);
        shownCount = w.Label5->text();
        w.SpeedButton1->click();
    });
    (window == QLatin1String("goods") ? FMain->SpeedButton8 : FMain->SpeedButton9)->click();
    QVERIFY(modal);
    QVERIFY(mainShown);
    QCOMPARE(shownCount, count);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.Query1->active());
    QVERIFY(FMain->isVisible());
    QCOMPARE(person.count(), 0);
}

NOTA_TEST_MAIN(TestSearchLifecycle)
#include "test_search_lifecycle.moc"
