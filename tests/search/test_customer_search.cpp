// Customer search: the window as designed, the first showing, searches by
// each column (letter case, wildcards, quotes, attempts to leave the
// pattern), and the detail following clicks on data cells.
#include "SearchFixture.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "controls/DBText.h"
#include "data/Query.h"
#include "search/Cpelanggan.h"

#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
const QColor kTeal{0x00, 0x80, 0x80};
const QColor kAqua{0x00, 0xFF, 0xFF};

QWidget *nextTabStop(QWidget *w)
{
    QWidget *next = w->nextInFocusChain();
    while (next != w && (w->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus) || next->focusProxy()
                         || !next->isVisibleTo(w->window())))
        next = next->nextInFocusChain();
    return next;
}

QString accessibleName(QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

QColor textColour(const QWidget *w) { return w->palette().color(QPalette::WindowText); }

enum CustomerColumn { Number, Name, Address, Town, Postcode, Phone1, Phone2, Fax, Email };
} // namespace

class TestCustomerSearch : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowDesign();
    void firstShowingListsEveryCustomer();
    void search_data();
    void search();
    void sharedNameShowsLowestNumber();

private:
    void open();
    QString detailNumber() const { return FCPelanggan->DBText1->text(); }

    SearchFixture fx;
    std::unique_ptr<PinnedLocale> m_locale;
};

void TestCustomerSearch::init()
{
    m_locale = std::make_unique<PinnedLocale>(indonesian());
    fx.start();
    fx.addSampleCustomers();
}

void TestCustomerSearch::cleanup()
{
    if (FCPelanggan->isVisible())
        FCPelanggan->Close();
    fx.stop();
    m_locale.reset();
}

void TestCustomerSearch::open()
{
    FCPelanggan->Show();
    QVERIFY(FCPelanggan->isVisible());
}

void TestCustomerSearch::windowDesign()
{
    TFCPelanggan &w = *FCPelanggan;
    QCOMPARE(w.windowTitle(), QStringLiteral("Pencarian Daftar Pelanggan"));
    QCOMPARE(w.borderIcons(), int(TForm::SystemMenu));
    QCOMPARE(w.font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(w.font().pointSize(), 10);
    QCOMPARE(w.palette().color(QPalette::Window), kTeal);
    QCOMPARE(w.Label5->text(), QStringLiteral("0"));

    // The search line: aqua captions, the nine entries, the hidden column.
    QCOMPARE(w.Label1->text(), QStringLiteral("Seleksi Berdasarkan :"));
    QCOMPARE(w.Label2->text(), QStringLiteral("Kata atau Teks yang Dicari :"));
    for (QLabel *l : {w.Label1, w.Label2})
        QCOMPARE(textColour(l), kAqua);
    QStringList entries;
    for (int i = 0; i < w.ComboBox1->count(); ++i)
        entries << w.ComboBox1->itemText(i);
    QCOMPARE(entries, (QStringList{"ID Pelanggan", "Nama Pelanggan", "Alamat", "Kota", "Kode Pos", "No Telp1",
                                   "No Telp2", "FAX", "Email"}));
    QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Nama Pelanggan"));
    QCOMPARE(w.Edit2->text(), QStringLiteral("Nama"));
    QVERIFY(w.Edit1->text().isEmpty());
    QVERIFY(w.BitBtn1->text().isEmpty());
    QCOMPARE(w.BitBtn1->iconSize(), QSize(68, 32));
    QCOMPARE(w.SpeedButton1->text(), QStringLiteral("Tutup"));
    QCOMPARE(w.SpeedButton1->iconSize(), QSize(25, 24));
    QCOMPARE(w.Shape1->palette().color(QPalette::Window), QColor(Qt::yellow));

    // The rest of the captions are white.
    QCOMPARE(w.Label3->text(), QStringLiteral("Daftar Pelanggan :"));
    QCOMPARE(w.Label4->text(), QStringLiteral("Jumlah Record :"));
    QStringList captions;
    for (QLabel *l : {w.Label6, w.Label7, w.Label8, w.Label9, w.Label10, w.Label11, w.Label12, w.Label13, w.Label14})
        captions << l->text();
    QCOMPARE(captions, (QStringList{"ID Pelanggan :", "Nama :", "Alamat :", "Kota :", "Kode Pos :", "No Telp1 :",
                                    "No Telp2 :", "Fax :", "Email :"}));
    for (QLabel *l : {w.Label3, w.Label4, w.Label5, w.Label6, w.Label14})
        QCOMPARE(textColour(l), QColor(Qt::white));
    for (DBText *t : {w.DBText1, w.DBText8})
        QCOMPARE(textColour(t), QColor(Qt::white));

    const QString start = QStringLiteral("SELECT \nID_pelanggan, Nama, alamat, Kota, KodePos, No_Telp1, No_Telp2, FAX, "
                                         "Email\nFROM\nPelanggan\nORDER BY ID_Pelanggan");
    QCOMPARE(w.Query1->sql(), start);
    QCOMPARE(w.Query2->sql(), start);
    QVERIFY(w.DBGrid1->isReadOnly());
    QVERIFY(w.DBGrid1->rowSelect());

    open();
    QVERIFY(!w.Edit2->isVisible());
    QStringList titles;
    for (int c = 0; c < w.DBGrid1->model()->columnCount(); ++c)
        titles << w.DBGrid1->columnTitle(c);
    QCOMPARE(titles, (QStringList{"ID Pelanggan", "Nama", "alamat", "Kota", "Kode Pos", "No. Telp1", "No. Telp2", "FAX",
                                  "Email"}));
    QCOMPARE(w.focusWidget(), w.Edit1);
    const QList<QWidget *> order{w.ComboBox1, w.Edit1, w.BitBtn1, w.DBGrid1, w.DBMemo1};
    for (int i = 1; i < order.size(); ++i)
        QCOMPARE(nextTabStop(order[i - 1]), order[i]);
    QVERIFY(w.DBMemo1->isReadOnly());
    QCOMPARE(w.ComboBox1->accessibleName(), QStringLiteral("Seleksi Berdasarkan :"));
    QCOMPARE(accessibleName(w.Edit1), QStringLiteral("Kata atau Teks yang Dicari :"));
    QCOMPARE(accessibleName(w.DBGrid1), QStringLiteral("Daftar Pelanggan :"));
    QCOMPARE(accessibleName(w.DBMemo1), QStringLiteral("Alamat :"));
    QCOMPARE(accessibleName(w.BitBtn1), QStringLiteral("Cari"));
}

void TestCustomerSearch::firstShowingListsEveryCustomer()
{
    open();
    TFCPelanggan &w = *FCPelanggan;
    QCOMPARE(SearchFixture::gridColumn(*w.DBGrid1, Number), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    QCOMPARE(w.Label5->text(), QStringLiteral("7"));
    // The address column shows only whether there is one.
    QCOMPARE(w.DBGrid1->cellText(0, Address), QStringLiteral("(MEMO)"));
    QCOMPARE(w.DBGrid1->cellText(2, Address), QStringLiteral("(Memo)"));
    QCOMPARE(w.DBGrid1->cellText(0, Email), QStringLiteral("andi@contoh.id"));
    // The detail: the customer with the lowest number, every field.
    QVERIFY(!w.Query2->filtered());
    QStringList detail;
    for (DBText *t : {w.DBText1, w.DBText2, w.DBText3, w.DBText4, w.DBText5, w.DBText6, w.DBText7, w.DBText8})
        detail << t->text();
    QCOMPARE(detail, (QStringList{"1", "Andi", "Bandung", "40111", "022-111", "", "022-119", "andi@contoh.id"}));
    QCOMPARE(w.DBMemo1->text(), QStringLiteral("Jl. Merdeka 1\nBandung"));
}

void TestCustomerSearch::search_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("condition");  // the statement's sixth line
    QTest::addColumn<QStringList>("numbers"); // customers found, in order
    QTest::addColumn<QString>("detail");     // number in the detail area (6 has no name)

    QTest::newRow("small letters find capitals") << "Nama Pelanggan" << "andi" << "Nama Like \"%andi%\""
                                                 << QStringList{"1", "4", "5"} << "1";
    QTest::newRow("capitals find small letters") << "Nama Pelanggan" << "BUDI" << "Nama Like \"%BUDI%\""
                                                 << QStringList{"3"} << "3";
    QTest::newRow("empty text: every name, blanks left out") << "Nama Pelanggan" << "" << "Nama Like \"%%\""
                                                             << QStringList{"1", "2", "3", "4", "5", "7"} << "1";
    QTest::newRow("empty text on the address") << "Alamat" << "" << "alamat Like \"%%\""
                                               << QStringList{"1", "2", "4", "5", "6", "7"} << "1";
    QTest::newRow("percent is a wildcard, over lines") << "Alamat" << "Merdeka%Bandung"
                                                       << "alamat Like \"%Merdeka%Bandung%\"" << QStringList{"1"} << "1";
    QTest::newRow("underscore is a wildcard") << "Nama Pelanggan" << "B_DI" << "Nama Like \"%B_DI%\""
                                              << QStringList{"3"} << "3";
    QTest::newRow("double quote is found") << "Nama Pelanggan" << "\"Maju\"" << "Nama Like \"%\"\"Maju\"\"%\""
                                           << QStringList{"7"} << "7";
    QTest::newRow("name with a single quote") << "Nama Pelanggan" << "O'B" << "Nama Like \"%O'B%\""
                                              << QStringList{"2"} << "2";
    QTest::newRow("leaving the pattern finds the text itself")
        << "Nama Pelanggan" << "%\" OR 1=1 --" << "Nama Like \"%%\"\" OR 1=1 --%\"" << QStringList{} << "6";
    QTest::newRow("a second statement on the accounts finds nothing")
        << "Nama Pelanggan" << "\" UNION SELECT NamaUser, Pass FROM Adm --"
        << "Nama Like \"%\"\" UNION SELECT NamaUser, Pass FROM Adm --%\"" << QStringList{} << "6";
    QTest::newRow("number: the detail is the first of its name")
        << "ID Pelanggan" << "4" << "ID_pelanggan Like \"%4%\"" << QStringList{"4"} << "1";
    QTest::newRow("town") << "Kota" << "jakarta" << "Kota Like \"%jakarta%\"" << QStringList{"3", "5"} << "3";
    QTest::newRow("postcode") << "Kode Pos" << "4011" << "KodePos Like \"%4011%\"" << QStringList{"1", "2", "4"} << "1";
    QTest::newRow("second phone") << "No Telp2" << "0812" << "No_Telp2 Like \"%0812%\"" << QStringList{"3"} << "3";
    QTest::newRow("fax") << "FAX" << "119" << "FAX Like \"%119%\"" << QStringList{"1"} << "1";
    QTest::newRow("email") << "Email" << "wijaya" << "Email Like \"%wijaya%\"" << QStringList{"5"} << "5";
    QTest::newRow("nothing found: the customer without a name") << "Kota" << "Medan" << "Kota Like \"%Medan%\""
                                                                 << QStringList{} << "6";
}

void TestCustomerSearch::search()
{
    QFETCH(QString, entry);
    QFETCH(QString, typed);
    QFETCH(QString, condition);
    QFETCH(QStringList, numbers);
    QFETCH(QString, detail);
    open();
    TFCPelanggan &w = *FCPelanggan;
    ScriptedInterface boxes;
    SearchFixture::chooseEntry(w, entry);
    SearchFixture::search(w, typed);
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(w.Edit1->text(), typed);  // kept as typed
    QCOMPARE(w.Query1->sql(), QStringLiteral("SELECT\nID_pelanggan, Nama, alamat, Kota, KodePos, No_Telp1, No_Telp2, "
                                             "FAX, Email\nFROM\nPelanggan\nWhere\n")
                                  + condition + QStringLiteral("\nORDER BY ID_pelanggan"));
    QCOMPARE(SearchFixture::gridColumn(*w.DBGrid1, Number), numbers);
    QCOMPARE(w.Label5->text(), QString::number(numbers.size()));
    QCOMPARE(detailNumber(), detail);
}

void TestCustomerSearch::sharedNameShowsLowestNumber()
{
    open();
    TFCPelanggan &w = *FCPelanggan;
    SearchFixture::search(w, QStringLiteral("Andi"));  // 1, 4 (both "Andi") and 5
    QCOMPARE(w.Query2->filter(), QStringLiteral("Nama='Andi'"));
    SearchFixture::clickRow(w, 1, Town);
    QCOMPARE(w.Query1->fieldByName(QStringLiteral("ID_pelanggan"))->asString(), QStringLiteral("4"));
    QCOMPARE(detailNumber(), QStringLiteral("1"));
    QCOMPARE(w.DBMemo1->text(), QStringLiteral("Jl. Merdeka 1\nBandung"));
    SearchFixture::clickRow(w, 2, Name);
    QCOMPARE(detailNumber(), QStringLiteral("5"));
    QCOMPARE(w.DBText2->text(), QStringLiteral("ANDI WIJAYA"));
    QCOMPARE(w.DBMemo1->text(), QStringLiteral("Jl. Gatot Subroto 5"));
    // The keyboard leaves the detail as it was.
    w.DBGrid1->setFocus();
    QTest::keyClick(w.DBGrid1, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(w.Query1->recNo(), 1);
    QCOMPARE(detailNumber(), QStringLiteral("5"));
}

NOTA_TEST_MAIN(TestCustomerSearch)
#include "test_customer_search.moc"
