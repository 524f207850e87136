// Customer list window: its design, a new customer's number shown once the
// table gave it, letters stored as typed, closing with unposted typing
// ("Ke Main Menu" or the close box), the next showing at the first customer,
// and "Bantuan".
#include "MasterDataFixture.h"
#include "TestMain.h"
#include "access/Help1.h"
#include "access/MainMenu.h"
#include "controls/DBEdit.h"
#include "controls/DBMemo.h"
#include "controls/DBNavigator.h"
#include "controls/DBText.h"
#include "data/Table.h"
#include "masterdata/Pelanggan.h"

#include "Accessibility.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using Button = DBNavigator::Button;

namespace {
QString accessibleName(QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
} // namespace

class TestCustomerList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fx.stop(); }

    void windowDesign();
    void newCustomerGetsTheTablesNumber();
    void lettersStoredAsTyped();
    void closingDropsUnpostedTyping_data();
    void closingDropsUnpostedTyping();
    void bantuanOpensHelpModally();

private:
    void openWindow();
    QString storedName(int id)
    {
        return fx.db().scalar(QStringLiteral("SELECT Nama FROM Pelanggan WHERE ID_Pelanggan = ?"), {id}).toString();
    }

    MasterDataFixture fx;
};

void TestCustomerList::init()
{
    fx.start();
    fx.addCustomer(QStringLiteral("Toko Maju"), QStringLiteral("Bandung"));
    fx.addCustomer(QStringLiteral("Bengkel Jaya"), QStringLiteral("Jakarta"));
    fx.addCustomer(QStringLiteral("Ahmad"), QStringLiteral("Bogor"));
}

void TestCustomerList::openWindow()
{
    FMain->SpeedButton4->click();
    QVERIFY(FPelanggan->isVisible());
    QVERIFY(!FMain->isVisible());
}

void TestCustomerList::windowDesign()
{
    openWindow();
    TFPelanggan &w = *FPelanggan;
    QCOMPARE(w.windowTitle(), QStringLiteral("Daftar Pelanggan"));
    QCOMPARE(w.borderStyle(), TForm::BorderStyle::Single);
    QCOMPARE(w.borderIcons(), int(TForm::SystemMenu));
    QCOMPARE(w.font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(w.SpeedButton1->text(), QStringLiteral("Bantuan"));
    QCOMPARE(w.SpeedButton2->text(), QStringLiteral("Ke Main Menu"));
    QCOMPARE(w.DBNavigator1->visibleButtons(), DBNavigator::allButtons());
    for (QToolButton *b : {w.SpeedButton1, w.SpeedButton2})
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);

    // Each field named by its caption, bound to its field, nothing in capitals.
    const struct {
        QWidget *box;
        const char *caption;
    } names[] = {{w.DBEdit1, "Nama :"},     {w.DBMemo1, "Alamat :"},   {w.DBEdit2, "Kota :"},
                 {w.DBEdit3, "Kode Pos :"}, {w.DBEdit4, "No Telp1 :"}, {w.DBEdit5, "No Telp2 :"},
                 {w.DBEdit6, "No Fax :"},   {w.DBEdit7, "Email :"}};
    for (const auto &n : names)
        QCOMPARE(accessibleName(n.box), QString::fromUtf8(n.caption));
    // The number is a value: read as shown, labelled by its caption.
    QVERIFY(!w.DBText1->text().isEmpty());
    QCOMPARE(accessibleName(w.DBText1), w.DBText1->text());
    QVERIFY(labelsOf(w.DBText1).contains(w.Label1));
    const QList<DBEdit *> edits{w.DBEdit1, w.DBEdit2, w.DBEdit3, w.DBEdit4, w.DBEdit5, w.DBEdit6, w.DBEdit7};
    const QStringList fields{"Nama", "Kota", "KodePos", "No_Telp1", "No_Telp2", "FAX", "Email"};
    for (int i = 0; i < edits.size(); ++i) {
        QCOMPARE(edits[i]->dataField(), fields[i]);
        QVERIFY(!edits[i]->capitals());
    }
    for (Button b : DBNavigator::allButtons())
        QCOMPARE(accessibleName(w.DBNavigator1->button(b)), DBNavigator::hint(b));
    QCOMPARE(w.DBMemo1->dataField(), QStringLiteral("Alamat"));
    QCOMPARE(w.DBText1->dataField(), QStringLiteral("ID_Pelanggan"));
    QCOMPARE(w.DBText1->focusPolicy(), Qt::NoFocus);

    // Tab order: the eight fields, then the navigator.
    QList<QWidget *> order{w.DBEdit1, w.DBMemo1, w.DBEdit2, w.DBEdit3, w.DBEdit4, w.DBEdit5, w.DBEdit6, w.DBEdit7};
    for (Button b : DBNavigator::allButtons())
        order << w.DBNavigator1->button(b);
    for (int i = 1; i < order.size(); ++i) {
        QWidget *next = order[i - 1]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus) || order[i - 1]->isAncestorOf(next))
            next = next->nextInFocusChain();
        QCOMPARE(next, order[i]);
    }

    // Opened on the first customer in key order.
    QCOMPARE(w.DBText1->text(), QStringLiteral("1"));
    QCOMPARE(w.DBEdit1->text(), QStringLiteral("Toko Maju"));
}

void TestCustomerList::newCustomerGetsTheTablesNumber()
{
    fx.db().exec(QStringLiteral("DELETE FROM Pelanggan WHERE ID_Pelanggan = 2"));
    openWindow();
    FPelanggan->DBNavigator1->click(Button::Next);
    FPelanggan->DBNavigator1->click(Button::Insert);
    QCOMPARE(FPelanggan->Table1->state(), DataSetState::Insert);
    QVERIFY(FPelanggan->DBText1->text().isEmpty());
    MasterDataFixture::typeInto(FPelanggan->DBEdit1, QStringLiteral("Pelanggan Baru"));
    MasterDataFixture::typeInto(FPelanggan->DBEdit2, QStringLiteral("Depok"));
    QVERIFY(FPelanggan->DBText1->text().isEmpty());  // still not posted
    FPelanggan->DBNavigator1->click(Button::Post);

    QCOMPARE(FPelanggan->Table1->state(), DataSetState::Browse);
    const QVariant given =
        fx.db().scalar(QStringLiteral("SELECT ID_Pelanggan FROM Pelanggan WHERE Nama = 'Pelanggan Baru'"));
    QVERIFY(given.isValid());
    QVERIFY(given.toInt() > 3);
    QCOMPARE(FPelanggan->DBText1->text(), given.toString());
    QCOMPARE(FPelanggan->DBEdit1->text(), QStringLiteral("Pelanggan Baru"));
}

void TestCustomerList::lettersStoredAsTyped()
{
    openWindow();
    MasterDataFixture::typeInto(FPelanggan->DBEdit1, QStringLiteral("toko Maju jaya"));
    MasterDataFixture::typeInto(FPelanggan->DBMemo1, QStringLiteral("jl. Merdeka 5"));
    MasterDataFixture::typeInto(FPelanggan->DBEdit7, QStringLiteral("Toko@Contoh.id"));
    QCOMPARE(FPelanggan->DBEdit1->text(), QStringLiteral("toko Maju jaya"));
    FPelanggan->DBNavigator1->click(Button::Post);
    QCOMPARE(storedName(1), QStringLiteral("toko Maju jaya"));
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Alamat FROM Pelanggan WHERE ID_Pelanggan = 1")).toString(),
             QStringLiteral("jl. Merdeka 5"));
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Email FROM Pelanggan WHERE ID_Pelanggan = 1")).toString(),
             QStringLiteral("Toko@Contoh.id"));
}

void TestCustomerList::closingDropsUnpostedTyping_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::addColumn<bool>("inserting");
    QTest::newRow("Ke Main Menu, edited customer") << true << false;
    QTest::newRow("Ke Main Menu, new customer") << true << true;
    QTest::newRow("close box, edited customer") << false << false;
}

// Answered "Tidak" to the question (test_close_question has every answer).
void TestCustomerList::closingDropsUnpostedTyping()
{
    QFETCH(bool, byButton);
    QFETCH(bool, inserting);
    ScriptedInterface person;
    person.answer(MsgAnswer::No);
    openWindow();
    FPelanggan->DBNavigator1->click(Button::Next);
    if (inserting)
        FPelanggan->DBNavigator1->click(Button::Insert);
    MasterDataFixture::typeInto(FPelanggan->DBEdit1, QStringLiteral("Hilang"));
    MasterDataFixture::typeInto(FPelanggan->DBMemo1, QStringLiteral("Jl. Hilang"));
    QVERIFY(FPelanggan->Table1->state() != DataSetState::Browse);
    if (byButton)
        FPelanggan->SpeedButton2->click();
    else
        FPelanggan->close();

    QVERIFY(!FPelanggan->isVisible());
    QVERIFY(!FPelanggan->Table1->active());
    QVERIFY(FMain->isVisible());
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().kind, MsgKind::YesNoCancel);
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Pelanggan")).toInt(), 3);
    QCOMPARE(storedName(2), QStringLiteral("Bengkel Jaya"));
    QVERIFY(fx.db().scalar(QStringLiteral("SELECT Alamat FROM Pelanggan WHERE ID_Pelanggan = 2")).isNull());

    // The next showing starts at the first customer in key order.
    openWindow();
    QCOMPARE(FPelanggan->Table1->recNo(), 1);
    QCOMPARE(FPelanggan->DBText1->text(), QStringLiteral("1"));
    QCOMPARE(FPelanggan->DBEdit1->text(), QStringLiteral("Toko Maju"));
}

void TestCustomerList::bantuanOpensHelpModally()
{
    ScriptedInterface person;
    openWindow();
    bool modal = false;
    person.actInside<TFHelp1>([&](TFHelp1 &help) {
        modal = help.isShowingModal();
        help.BitBtn1->click();
    });
    FPelanggan->SpeedButton1->click();
    QVERIFY(modal);
    QVERIFY(FPelanggan->isVisible());
}

NOTA_TEST_MAIN(TestCustomerList)
#include "test_customer_list.moc"
