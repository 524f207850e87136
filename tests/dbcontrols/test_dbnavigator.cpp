// The navigator bar: which buttons can act in each state of its dataset, the
// delete question, what its buttons do and their hints.
#include "Fixture.h"
#include "TestMain.h"
#include "controls/DBNavigator.h"
#include "data/DataSet.h"
#include "data/Field.h"

#include <QSignalSpy>
#include <QAccessible>
#include <QToolButton>

using Button = DBNavigator::Button;

namespace {
// Enabled buttons in the bar's order: first prior next last insert delete edit post cancel refresh.
QString enabledPattern(const DBNavigator &nav)
{
    QString s;
    for (Button b : DBNavigator::allButtons())
        s += nav.button(b)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}
} // namespace

class TestDBNavigator : public QObject {
    Q_OBJECT
private slots:
    void enableRules_data();
    void enableRules();
    void followsTheDataSet();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void buttonsActAndReportTheClick();
    void refusedPostKeepsTheRecordInInsertState();
    void visibleButtons();
    void hintsOfTheButtons_data();
    void hintsOfTheButtons();
};

void TestDBNavigator::enableRules_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("enabled");
    const QStringList three{"A", "B", "C"};
    //                                                                        FPNLIDEPCR
    QTest::newRow("closed") << three << "closed" << "0000000000";
    QTest::newRow("first record") << three << "first" << "0011111001";
    QTest::newRow("middle record") << three << "middle" << "1111111001";
    QTest::newRow("last record") << three << "last" << "1100111001";
    QTest::newRow("only record") << QStringList{"A"} << "first" << "0000111001";
    QTest::newRow("empty table") << QStringList{} << "first" << "0000101001";
    QTest::newRow("editing") << three << "edit middle" << "1111110111";
    QTest::newRow("inserting") << three << "insert middle" << "1111110111";
    QTest::newRow("inserting into an empty table") << QStringList{} << "insert" << "0000110111";
    QTest::newRow("read-only query, first") << three << "query first" << "0011000000";
    QTest::newRow("read-only query, middle") << three << "query middle" << "1111000000";
}

void TestDBNavigator::enableRules()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, setUp);
    QFETCH(QString, enabled);

    ControlsFixture f(QStringLiteral("Part.db"));
    fillParts(f.db, rows);
    Query query;
    query.setSql(QStringLiteral("SELECT Part\nFROM\nPart\nORDER BY Part"));
    DataSource querySource;
    querySource.setDataSet(&query);

    DBNavigator nav;
    const bool onQuery = setUp.startsWith(QLatin1String("query"));
    nav.setDataSource(onQuery ? &querySource : &f.source);
    DataSet &ds = onQuery ? static_cast<DataSet &>(query) : f.table;

    if (setUp != QLatin1String("closed"))
        ds.open();
    if (setUp.endsWith(QLatin1String("middle")))
        ds.next();
    if (setUp == QLatin1String("last"))
        ds.last();
    if (setUp.startsWith(QLatin1String("edit")))
        ds.edit();
    if (setUp.startsWith(QLatin1String("insert")))
        ds.insert();

    QCOMPARE(enabledPattern(nav), enabled);
}

void TestDBNavigator::followsTheDataSet()
{
    ControlsFixture f(QStringLiteral("Part.db"));
    fillParts(f.db, {"A", "B"});
    DBNavigator nav;
    nav.setDataSource(&f.source);
    f.table.open();
    QCOMPARE(enabledPattern(nav), QStringLiteral("0011111001"));
    nav.click(Button::Next);
    QCOMPARE(f.table.fieldByName("Part")->asString(), QStringLiteral("B"));
    QCOMPARE(enabledPattern(nav), QStringLiteral("1100111001"));
    f.table.close();
    QCOMPARE(enabledPattern(nav), QStringLiteral("0000000000"));
    // Bound to another data source, on an empty table.
    Table second;
    second.setTableName(QStringLiteral("Group.db"));
    DataSource secondSource;
    secondSource.setDataSet(&second);
    second.open();
    nav.setDataSource(&secondSource);
    QCOMPARE(enabledPattern(nav), QStringLiteral("0000101001"));
}

void TestDBNavigator::deleteAsksFirst_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("remaining");
    QTest::newRow("OK deletes") << true << "A,C";
    QTest::newRow("Cancel keeps the record") << false << "A,B,C";
}

void TestDBNavigator::deleteAsksFirst()
{
    QFETCH(bool, confirm);
    QFETCH(QString, remaining);
    ControlsFixture f(QStringLiteral("Part.db"));
    fillParts(f.db, {"A", "B", "C"});
    ScriptedInterface boxes;
    boxes.answer(confirm ? MsgAnswer::Ok : MsgAnswer::Cancel);
    DBNavigator nav;
    nav.setDataSource(&f.source);
    QSignalSpy clicks(&nav, &DBNavigator::clicked);
    f.table.open();
    f.table.next();

    nav.button(Button::Delete)->click();

    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, QStringLiteral("Delete record?"));
    QCOMPARE(boxes.last().caption, QStringLiteral("Confirm"));
    QCOMPARE(int(boxes.last().kind), int(MsgKind::Confirm));
    QCOMPARE(f.db.scalar(QStringLiteral("SELECT group_concat(\"Part\", ',') FROM (SELECT \"Part\" FROM \"Part\" ORDER BY 1)")).toString(),
             remaining);
    QCOMPARE(f.table.recordCount(), int(remaining.split(',').size()));
    QCOMPARE(clicks.count(), 1);
}

void TestDBNavigator::buttonsActAndReportTheClick()
{
    ControlsFixture f(QStringLiteral("Part.db"));
    fillParts(f.db, {"A", "B", "C"});
    ScriptedInterface boxes;
    DBNavigator nav;
    nav.setDataSource(&f.source);
    QSignalSpy clicks(&nav, &DBNavigator::clicked);
    f.table.open();
    Field *part = f.table.fieldByName("Part");

    nav.button(Button::Last)->click();
    QCOMPARE(part->asString(), QStringLiteral("C"));
    nav.button(Button::Prior)->click();
    QCOMPARE(part->asString(), QStringLiteral("B"));
    nav.button(Button::First)->click();
    QCOMPARE(part->asString(), QStringLiteral("A"));

    nav.button(Button::Edit)->click();
    QCOMPARE(f.table.state(), DataSetState::Edit);
    part->setAsString(QStringLiteral("AA"));
    nav.button(Button::Cancel)->click();
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(part->asString(), QStringLiteral("A"));

    nav.button(Button::Insert)->click();
    QCOMPARE(f.table.state(), DataSetState::Insert);
    part->setAsString(QStringLiteral("D"));
    nav.button(Button::Post)->click();
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.db.scalar(QStringLiteral("SELECT count(*) FROM \"Part\" WHERE \"Part\" = 'D'")).toInt(), 1);

    // Refresh re-reads the record as someone else stored it.
    f.db.exec(QStringLiteral("UPDATE \"Part\" SET \"Part\" = 'DD' WHERE \"Part\" = 'D'"));
    QCOMPARE(part->asString(), QStringLiteral("D"));
    nav.button(Button::Refresh)->click();
    QCOMPARE(part->asString(), QStringLiteral("DD"));

    QCOMPARE(clicks.count(), 8);
    QCOMPARE(clicks.first().first().value<Button>(), Button::Last);
    QCOMPARE(clicks.last().first().value<Button>(), Button::Refresh);
    QCOMPARE(boxes.count(), 0);

    // A disabled button does nothing and reports no click.
    nav.button(Button::Last)->click();
    clicks.clear();
    nav.click(Button::Next);
    QCOMPARE(clicks.count(), 0);
}

void TestDBNavigator::refusedPostKeepsTheRecordInInsertState()
{
    ControlsFixture f(QStringLiteral("Part.db"));
    fillParts(f.db, {"A"});
    ScriptedInterface boxes;
    DBNavigator nav;
    nav.setDataSource(&f.source);
    QSignalSpy clicks(&nav, &DBNavigator::clicked);
    f.table.open();
    nav.button(Button::Insert)->click();
    f.table.fieldByName("Part")->setAsString(QStringLiteral("A"));  // the key is taken

    nav.button(Button::Post)->click();

    QCOMPARE(boxes.count(), 1);
    QCOMPARE(int(boxes.last().kind), int(MsgKind::Error));
    QVERIFY2(boxes.last().text.contains(QLatin1String("A")), qPrintable(boxes.last().text));
    QCOMPARE(f.table.state(), DataSetState::Insert);
    QCOMPARE(enabledPattern(nav).mid(7, 2), QStringLiteral("11"));  // post and cancel still on
    QCOMPARE(clicks.count(), 1);  // the insert only
    QCOMPARE(f.db.scalar(QStringLiteral("SELECT count(*) FROM \"Part\"")).toInt(), 1);
}

void TestDBNavigator::visibleButtons()
{
    DBNavigator nav;
    const QList<Button> browser{Button::First, Button::Prior, Button::Next, Button::Last, Button::Refresh};
    nav.setVisibleButtons(browser);
    QCOMPARE(nav.visibleButtons(), browser);
    QVERIFY(nav.button(Button::Insert)->isHidden());
    nav.setVisibleButtons(DBNavigator::allButtons());
    QCOMPARE(nav.visibleButtons().size(), 10);
}

void TestDBNavigator::hintsOfTheButtons_data()
{
    QTest::addColumn<Button>("button");
    QTest::addColumn<QString>("hint");
    QTest::newRow("first") << Button::First << "Record pertama";
    QTest::newRow("prior") << Button::Prior << "Record sebelumnya";
    QTest::newRow("next") << Button::Next << "Record berikutnya";
    QTest::newRow("last") << Button::Last << "Record terakhir";
    QTest::newRow("insert") << Button::Insert << "Tambah record";
    QTest::newRow("delete") << Button::Delete << "Hapus record";
    QTest::newRow("edit") << Button::Edit << "Ubah record";
    QTest::newRow("post") << Button::Post << "Simpan perubahan";
    QTest::newRow("cancel") << Button::Cancel << "Batalkan perubahan";
    QTest::newRow("refresh") << Button::Refresh << "Muat ulang data";
}

// Each button shows its picture; its hint feeds the status line always,
// names it for a screen reader, and shows as a tool tip only when hints are
// asked for.
void TestDBNavigator::hintsOfTheButtons()
{
    QFETCH(Button, button);
    QFETCH(QString, hint);
    DBNavigator nav;
    QToolButton *b = nav.button(button);
    QVERIFY(!b->icon().isNull());
    QVERIFY(!b->icon().pixmap(16, 16).isNull());
    QCOMPARE(DBNavigator::hint(button), hint);
    QCOMPARE(b->statusTip(), hint);
    QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name), hint);
    QVERIFY(b->toolTip().isEmpty());
    nav.setShowHint(true);
    QCOMPARE(b->toolTip(), hint);
    nav.setShowHint(false);
    QVERIFY(b->toolTip().isEmpty());
    QCOMPARE(b->statusTip(), hint);
}

NOTA_TEST_MAIN(TestDBNavigator)
#include "test_dbnavigator.moc"
