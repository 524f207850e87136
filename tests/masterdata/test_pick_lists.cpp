// Group and part list windows: their design, frames whose controls stay put,
// edits, inserts and deletes reaching the tables (kept after closing and
// offered by the pick-up window), typing never posted dropped on closing.
#include "MasterDataFixture.h"
#include "TestMain.h"
#include "access/Help1.h"
#include "access/MainMenu.h"
#include "controls/DBGrid.h"
#include "controls/DBLookupComboBox.h"
#include "controls/DBNavigator.h"
#include "data/Table.h"
#include "masterdata/DaftarBrg.h"
#include "masterdata/TLGroup.h"
#include "masterdata/TLPart.h"
#include "masterdata/update1.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QToolButton>

using Button = DBNavigator::Button;

namespace {
enum class Which { Groups, Parts };

// One of the two windows with what tells them apart.
struct ListWindow {
    PickListWindow *window;
    QToolButton *opener;  // the main window's button
    QString table, field, order;
    int column;           // the grid column of the listed value
};

ListWindow listWindow(Which which)
{
    if (which == Which::Groups)
        return {Form1, FMain->SpeedButton6, QStringLiteral("Group"), QStringLiteral("Group"), QStringLiteral("No"), 1};
    return {Form2, FMain->SpeedButton7, QStringLiteral("Part"), QStringLiteral("Part"), QStringLiteral("Part"), 0};
}

QStringList gridColumn(DBGrid *grid, int column)
{
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->cellText(r, column);
    return out;
}
} // namespace

Q_DECLARE_METATYPE(Which)

class TestPickLists : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fx.stop(); }

    void windowDesign_data();
    void windowDesign();
    void editsReachTheTable_data();
    void editsReachTheTable();
    void deleteCancelledKeepsTheRow_data();
    void deleteCancelledKeepsTheRow();
    void helpOpensModally_data();
    void helpOpensModally();

private:
    ListWindow open(Which which);
    MasterDataFixture fx;
};

void TestPickLists::init()
{
    fx.start();
    for (const char *g : {"Karet", "Seal", "Boot"})
        fx.addGroup(QString::fromLatin1(g));
    for (const char *p : {"Oring", "Boot", "Seal"})
        fx.addPart(QString::fromLatin1(p));
}

ListWindow TestPickLists::open(Which which)
{
    const ListWindow w = listWindow(which);
    w.opener->click();
    if (!w.window->isVisible())
        qWarning("the list window did not show");
    return w;
}

void TestPickLists::windowDesign_data()
{
    QTest::addColumn<Which>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("group list") << Which::Groups << "Tambah List Group" << QSize(313, 270) << QPoint(358, 216)
                                << QStringList{"No", "Group"} << QStringList{"Karet", "Seal", "Boot"};
    QTest::newRow("part list") << Which::Parts << "Tambah List Part" << QSize(553, 438) << QPoint(192, 114)
                               << QStringList{"Part"} << QStringList{"Boot", "Oring", "Seal"};
}

void TestPickLists::windowDesign()
{
    QFETCH(Which, which);
    QFETCH(QString, caption);
    QFETCH(QSize, outer);
    QFETCH(QPoint, place);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, rows);
    const ListWindow w = open(which);
    PickListWindow &form = *w.window;
    QVERIFY(!FMain->isVisible());
    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(form.size() + QSize(TForm::kFrameWidth, TForm::kFrameHeight), outer);
    QCOMPARE(form.pos(), place);
    QCOMPARE(form.borderStyle(), TForm::BorderStyle::Sizeable);
    QCOMPARE(form.borderIcons(), TForm::SystemMenu | TForm::Minimize | TForm::Maximize);
    QCOMPARE(form.SpeedButton1->text(), QStringLiteral("Help"));
    QCOMPARE(form.SpeedButton1->focusPolicy(), Qt::NoFocus);
    QCOMPARE(form.DBNavigator1->visibleButtons(), DBNavigator::allButtons());
    QVERIFY(!QAccessible::queryAccessibleInterface(form.DBGrid1)->text(QAccessible::Name).isEmpty());
    for (Button b : DBNavigator::allButtons())
        QCOMPARE(QAccessible::queryAccessibleInterface(form.DBNavigator1->button(b))->text(QAccessible::Name),
                 DBNavigator::hint(b));

    // One column per field titled with its name; the grid starts at the first row.
    QStringList shownTitles;
    for (int c = 0; c < form.DBGrid1->model()->columnCount(); ++c)
        shownTitles << form.DBGrid1->columnTitle(c);
    QCOMPARE(shownTitles, titles);
    QCOMPARE(gridColumn(form.DBGrid1, w.column), rows);
    QVERIFY(!form.DBGrid1->isReadOnly());
    QCOMPARE(form.Table1->recNo(), 1);
    QVERIFY(form.Table1->cachedUpdates());

    // Resizing the frame moves and stretches nothing.
    const QRect grid = form.DBGrid1->geometry();
    const QRect help = form.SpeedButton1->geometry();
    const QRect nav = form.DBNavigator1->geometry();
    QVERIFY(grid.bottom() < help.top() && grid.bottom() < nav.top());
    QVERIFY(grid.right() < form.width() && nav.right() < form.width());
    form.resize(form.size() + QSize(200, 150));
    QCOMPARE(form.size(), outer - QSize(TForm::kFrameWidth, TForm::kFrameHeight) + QSize(200, 150));
    form.resize(200, 150);
    QCOMPARE(form.size(), QSize(200, 150));
    QCOMPARE(form.DBGrid1->geometry(), grid);
    QCOMPARE(form.SpeedButton1->geometry(), help);
    QCOMPARE(form.DBNavigator1->geometry(), nav);

    // Closed with its close box: the table closes and the main window shows.
    form.close();
    QVERIFY(!form.Table1->active());
    QVERIFY(FMain->isVisible());
}

void TestPickLists::editsReachTheTable_data()
{
    QTest::addColumn<Which>("which");
    QTest::addColumn<QStringList>("stored");
    // Edited "Seal" (second row) into "Seal2", appended "Zeta", deleted the
    // first row, typed over the last row without posting.
    QTest::newRow("group list") << Which::Groups << QStringList{"Seal2", "Boot", "Zeta"};
    QTest::newRow("part list") << Which::Parts << QStringList{"Oring2", "Seal", "Zeta"};
}

void TestPickLists::editsReachTheTable()
{
    QFETCH(Which, which);
    QFETCH(QStringList, stored);
    ScriptedInterface person;
    const ListWindow w = open(which);
    DBGrid *grid = w.window->DBGrid1;
    DBNavigator *nav = w.window->DBNavigator1;
    const auto tableNow = [&] {
        QCoreApplication::processEvents();  // the window applies once the action is over
        return fx.column(w.table, w.field, w.order);
    };

    // An edit posted with the navigator is in the table while the window is open.
    MasterDataFixture::activate(grid);
    MasterDataFixture::press(Qt::Key_Down);
    for (int c = 0; c < w.column; ++c)
        MasterDataFixture::press(Qt::Key_Right);
    const QString second = grid->cellText(1, w.column);
    MasterDataFixture::typeKeys(second + QStringLiteral("2"));
    QCOMPARE(w.window->Table1->state(), DataSetState::Edit);
    nav->click(Button::Post);
    QVERIFY(tableNow().contains(second + QStringLiteral("2")));
    QVERIFY(!w.window->Table1->updatesPending());
    QCOMPARE(grid->currentIndex().column(), w.column);  // the grid stays in the column

    // A row appended below the last one, posted by moving up.
    MasterDataFixture::press(Qt::Key_Escape);
    nav->click(Button::Last);
    MasterDataFixture::activate(grid);
    MasterDataFixture::press(Qt::Key_Down);
    QCOMPARE(w.window->Table1->state(), DataSetState::Insert);
    QCOMPARE(grid->currentIndex().column(), w.column);
    MasterDataFixture::typeKeys(QStringLiteral("Zeta"));
    MasterDataFixture::press(Qt::Key_Up);
    QVERIFY(tableNow().contains(QStringLiteral("Zeta")));

    // The first row deleted with Ctrl+Delete after the question.
    MasterDataFixture::press(Qt::Key_Escape);
    nav->click(Button::First);
    const QString first = grid->cellText(0, w.column);
    MasterDataFixture::activate(grid);
    MasterDataFixture::press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().text, QStringLiteral("Delete record?"));
    QVERIFY(!tableNow().contains(first));

    // Typing never posted is dropped on closing when the user says so.
    nav->click(Button::Last);
    MasterDataFixture::activate(grid);
    MasterDataFixture::typeKeys(QStringLiteral("XX"));
    QCOMPARE(w.window->Table1->state(), DataSetState::Edit);
    person.answer(MsgAnswer::No);
    w.window->close();
    QVERIFY(!w.window->Table1->active());
    QCOMPARE(fx.column(w.table, w.field, w.order), stored);
    QCOMPARE(person.count(), 2);
    QCOMPARE(person.last().text, QStringLiteral("Simpan perubahan?"));

    // Shown again, the grid lists what is stored.
    w.opener->click();
    QCOMPARE(gridColumn(grid, w.column), stored);
    w.window->close();

    // And the pick-up window offers it.
    FMain->SpeedButton2->click();
    fx.addGoods(QStringLiteral("KV-01"));
    FDaftarBrg->Table1->refresh();
    QStringList offered;
    person.actInside<TFup1>([&](TFup1 &up) {
        DBLookupComboBox *list = which == Which::Groups ? up.DBLookupComboBox1 : up.DBLookupComboBox2;
        for (int i = 0; i < list->count(); ++i)
            offered << list->itemText(i);
        up.BitBtn2->click();
    });
    (which == Which::Groups ? FDaftarBrg->SpeedButton4 : FDaftarBrg->SpeedButton5)->click();
    QCOMPARE(offered, stored);
}

void TestPickLists::deleteCancelledKeepsTheRow_data()
{
    QTest::addColumn<Which>("which");
    QTest::newRow("group list") << Which::Groups;
    QTest::newRow("part list") << Which::Parts;
}

void TestPickLists::deleteCancelledKeepsTheRow()
{
    QFETCH(Which, which);
    ScriptedInterface person;
    person.answer(MsgAnswer::Cancel);
    person.answer(MsgAnswer::Cancel);
    const ListWindow w = open(which);
    const QStringList before = fx.column(w.table, w.field, w.order);
    MasterDataFixture::activate(w.window->DBGrid1);
    MasterDataFixture::press(Qt::Key_Delete, Qt::ControlModifier);
    w.window->DBNavigator1->click(Button::Delete);
    QCOMPARE(person.count(), 2);
    QCOMPARE(person.last().caption, QStringLiteral("Confirm"));
    QCOMPARE(person.last().kind, MsgKind::Confirm);
    w.window->close();
    QCOMPARE(fx.column(w.table, w.field, w.order), before);
}

void TestPickLists::helpOpensModally_data() { deleteCancelledKeepsTheRow_data(); }

void TestPickLists::helpOpensModally()
{
    QFETCH(Which, which);
    ScriptedInterface person;
    const ListWindow w = open(which);
    bool modal = false;
    person.actInside<TFHelp1>([&](TFHelp1 &help) {
        modal = help.isShowingModal();
        help.BitBtn1->click();
    });
    w.window->SpeedButton1->click();
    QVERIFY(modal);
    QVERIFY(w.window->isVisible());
}

NOTA_TEST_MAIN(TestPickLists)
#include "test_pick_lists.moc"
