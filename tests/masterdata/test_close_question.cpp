// Closing a master data window while its record holds typing not stored yet:
// the question "Simpan perubahan?" and each of its answers, for an edited and
// a new record, by the close box, "Ke Main Menu" and Escape; a record without
// changes closes without a question; "Ya" whose post is refused keeps the
// window open.
#include "MasterDataFixture.h"
#include "TestMain.h"
#include "access/MainMenu.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/DBNavigator.h"
#include "data/Table.h"
#include "masterdata/DaftarBrg.h"
#include "masterdata/Pelanggan.h"
#include "masterdata/TLGroup.h"
#include "masterdata/TLPart.h"

#include <QToolButton>

using Button = DBNavigator::Button;

namespace {
enum class Window { Goods, Customers, Groups, Parts };
enum class Way { CloseBox, MainMenuButton, Escape };

// One window with what the test does in it: the value typed into its record,
// and where that value is stored.
struct Subject {
    TForm *form;
    QToolButton *opener;       // the main window's button
    QToolButton *mainMenu;     // "Ke Main Menu", or null
    Table *table;
    DBNavigator *navigator;
    QString storedTable, storedField;
    QString typed, stored;     // typed, and as the table keeps it
    QWidget *typedInto;        // a bound edit, or the grid
    int gridColumn = 0;
};

Subject subject(Window which)
{
    switch (which) {
    case Window::Goods:
        return {FDaftarBrg, FMain->SpeedButton2, FDaftarBrg->SpeedButton1, FDaftarBrg->Table1, FDaftarBrg->DBNavigator1,
                QStringLiteral("Barang"), QStringLiteral("Kode_Kervano"), QStringLiteral("kv-09"), QStringLiteral("KV-09"),
                FDaftarBrg->DBEdit1};
    case Window::Customers:
        return {FPelanggan, FMain->SpeedButton4, FPelanggan->SpeedButton2, FPelanggan->Table1, FPelanggan->DBNavigator1,
                QStringLiteral("Pelanggan"), QStringLiteral("Nama"), QStringLiteral("Toko Baru"),
                QStringLiteral("Toko Baru"), FPelanggan->DBEdit1};
    case Window::Groups:
        return {Form1, FMain->SpeedButton6, nullptr, Form1->Table1, Form1->DBNavigator1, QStringLiteral("Group"),
                QStringLiteral("Group"), QStringLiteral("Baru"), QStringLiteral("Baru"), Form1->DBGrid1, 1};
    case Window::Parts: break;
    }
    return {Form2, FMain->SpeedButton7, nullptr, Form2->Table1, Form2->DBNavigator1, QStringLiteral("Part"),
            QStringLiteral("Part"), QStringLiteral("Baru"), QStringLiteral("Baru"), Form2->DBGrid1, 0};
}
} // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(Way)
Q_DECLARE_METATYPE(MsgAnswer)

class TestCloseQuestion : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fx.stop(); }

    void pendingTypingIsAskedFor_data();
    void pendingTypingIsAskedFor();
    void unchangedRecordClosesWithoutAQuestion_data();
    void unchangedRecordClosesWithoutAQuestion();
    void refusedPostKeepsTheWindowOpen();

private:
    // How many records hold `s.stored` in its field.
    int storedCount(const Subject &s)
    {
        return fx.db()
            .scalar(QStringLiteral("SELECT COUNT(*) FROM \"%1\" WHERE \"%2\" = ?").arg(s.storedTable, s.storedField),
                    {s.stored})
            .toInt();
    }
    static void type(const Subject &s);
    static void close(const Subject &s, Way way);

    MasterDataFixture fx;
};

void TestCloseQuestion::init()
{
    fx.start();
    fx.addGoods(QStringLiteral("KV-01"), QStringLiteral("SIL RODA"));
    fx.addGoods(QStringLiteral("KV-02"), QStringLiteral("KARET PINTU"));
    fx.addCustomer(QStringLiteral("Toko Maju"));
    fx.addCustomer(QStringLiteral("Bengkel Jaya"));
    fx.addGroup(QStringLiteral("Karet"));
    fx.addGroup(QStringLiteral("Seal"));
    fx.addPart(QStringLiteral("Oring"));
    fx.addPart(QStringLiteral("Seal"));
}

// Types the subject's value over what its first field holds, as a user does.
void TestCloseQuestion::type(const Subject &s)
{
    if (auto *grid = qobject_cast<DBGrid *>(s.typedInto)) {
        MasterDataFixture::activate(grid);
        for (int c = grid->currentIndex().column(); c < s.gridColumn; ++c)
            MasterDataFixture::press(Qt::Key_Right);
        MasterDataFixture::typeKeys(s.typed);
        return;
    }
    MasterDataFixture::typeInto(s.typedInto, s.typed);
}

void TestCloseQuestion::close(const Subject &s, Way way)
{
    switch (way) {
    case Way::CloseBox: s.form->close(); break;
    case Way::MainMenuButton: s.mainMenu->click(); break;
    case Way::Escape:
        MasterDataFixture::activate(s.typedInto);
        MasterDataFixture::press(Qt::Key_Escape);
        break;
    }
}

void TestCloseQuestion::pendingTypingIsAskedFor_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<bool>("inserting");
    QTest::addColumn<Way>("way");
    QTest::addColumn<MsgAnswer>("answer");
    const struct {
        const char *name;
        Window window;
        Way way;  // the ways the window has
    } windows[] = {{"goods list", Window::Goods, Way::MainMenuButton},
                   {"customer list", Window::Customers, Way::MainMenuButton},
                   {"group list", Window::Groups, Way::CloseBox},
                   {"part list", Window::Parts, Way::CloseBox}};
    const struct {
        const char *name;
        MsgAnswer answer;
    } answers[] = {{"Ya", MsgAnswer::Yes}, {"Tidak", MsgAnswer::No}, {"Batal", MsgAnswer::Cancel}};
    for (const auto &w : windows) {
        for (const bool inserting : {false, true}) {
            for (const auto &a : answers) {
                // An edit closed by the close box, a new record by the window's own way.
                const Way way = inserting ? w.way : Way::CloseBox;
                QTest::addRow("%s, %s, %s", w.name, inserting ? "new record" : "edited record", a.name)
                    << w.window << inserting << way << a.answer;
            }
        }
    }
    QTest::newRow("goods list, Escape, Ya") << Window::Goods << false << Way::Escape << MsgAnswer::Yes;
    QTest::newRow("goods list, Escape, Batal") << Window::Goods << true << Way::Escape << MsgAnswer::Cancel;
    QTest::newRow("customer list, Escape, Tidak") << Window::Customers << false << Way::Escape << MsgAnswer::No;
}

void TestCloseQuestion::pendingTypingIsAskedFor()
{
    QFETCH(Window, window);
    QFETCH(bool, inserting);
    QFETCH(Way, way);
    QFETCH(MsgAnswer, answer);
    ScriptedInterface person;
    const Subject s = subject(window);
    s.opener->click();
    QVERIFY(s.form->isVisible());
    if (inserting)
        s.navigator->click(Button::Insert);
    type(s);
    const DataSetState pending = s.table->state();
    QCOMPARE(pending, inserting ? DataSetState::Insert : DataSetState::Edit);
    const int before = storedCount(s);
    QCOMPARE(before, 0);

    person.answer(answer);
    close(s, way);

    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().text, QStringLiteral("Simpan perubahan?"));
    QCOMPARE(person.last().caption, s.form->caption());
    QCOMPARE(person.last().kind, MsgKind::YesNoCancel);
    const bool closed = answer != MsgAnswer::Cancel;
    QCOMPARE(s.form->isVisible(), !closed);
    QCOMPARE(FMain->isVisible(), closed);
    QCoreApplication::processEvents();  // the pick lists apply once the action is over
    QCOMPARE(storedCount(s), answer == MsgAnswer::Yes ? 1 : 0);
    if (closed) {
        QVERIFY(!s.table->active());
        // An edited record keeps what it held when the typing is dropped.
        if (!inserting && answer == MsgAnswer::No)
            QCOMPARE(fx.db().scalar(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(s.storedTable)).toInt(), 2);
    } else {
        // "Batal": the typing is still there, to be stored or dropped.
        QCOMPARE(s.table->state(), pending);
        QCOMPARE(s.table->fieldByName(s.storedField)->asString(), s.stored);
        s.navigator->click(Button::Post);
        QCoreApplication::processEvents();
        QCOMPARE(storedCount(s), 1);
        s.form->close();
        QVERIFY(!s.form->isVisible());
        QCOMPARE(person.count(), 1);
    }
}

void TestCloseQuestion::unchangedRecordClosesWithoutAQuestion_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<bool>("inserting");
    QTest::newRow("goods list, edit") << Window::Goods << false;
    QTest::newRow("goods list, new record") << Window::Goods << true;
    QTest::newRow("customer list, edit") << Window::Customers << false;
    QTest::newRow("part list, new record") << Window::Parts << true;
}

void TestCloseQuestion::unchangedRecordClosesWithoutAQuestion()
{
    QFETCH(Window, window);
    QFETCH(bool, inserting);
    ScriptedInterface person;
    const Subject s = subject(window);
    s.opener->click();
    s.navigator->click(inserting ? Button::Insert : Button::Edit);
    QVERIFY(s.table->state() != DataSetState::Browse);
    s.form->close();
    QVERIFY(!s.form->isVisible());
    QCOMPARE(person.count(), 0);
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(s.storedTable)).toInt(), 2);
}

// "Ya" stores with the usual checks: a new goods record without its shop
// code is refused, and the window stays open with the record as typed.
void TestCloseQuestion::refusedPostKeepsTheWindowOpen()
{
    ScriptedInterface person;
    FMain->SpeedButton2->click();
    FDaftarBrg->DBNavigator1->click(Button::Insert);
    MasterDataFixture::typeInto(FDaftarBrg->DBEdit3, QStringLiteral("tanpa kode"));
    person.answer(MsgAnswer::Yes);
    FDaftarBrg->SpeedButton1->click();
    QCOMPARE(person.count(), 2);
    QCOMPARE(person.boxes()[0].kind, MsgKind::YesNoCancel);
    QCOMPARE(person.last().kind, MsgKind::Error);
    QCOMPARE(person.last().text, QStringLiteral("Field 'Kode_Kervano' harus diisi."));
    QVERIFY(FDaftarBrg->isVisible());
    QVERIFY(!FMain->isVisible());
    QCOMPARE(FDaftarBrg->Table1->state(), DataSetState::Insert);
    QCOMPARE(FDaftarBrg->DBEdit3->text(), QStringLiteral("TANPA KODE"));
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Barang")).toInt(), 2);
}

NOTA_TEST_MAIN(TestCloseQuestion)
#include "test_close_question.moc"
