// The pick-up window opened from the goods list: its design, what "OK"
// writes into the goods record (the listed text, empty when nothing was
// chosen, letters as listed), "Cancel", what the next opening shows, the
// Enter and Escape keys, and closing when the goods record cannot be posted.
#include "MasterDataFixture.h"
#include "TestMain.h"
#include "access/MainMenu.h"
#include "controls/DBEdit.h"
#include "controls/DBLookupComboBox.h"
#include "data/Table.h"
#include "masterdata/DaftarBrg.h"
#include "masterdata/update1.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {
enum class Mode { Group, Part };

// What the pick-up window shows, read inside it.
struct Seen {
    QString label;
    bool groupList = false, groupOk = false, partList = false, partOk = false, cancel = false;
    bool groupTable = false, partTable = false;
    QWidget *focus = nullptr;
};

Seen look(TFup1 &up)
{
    // Once the window has become the active one and settled its focus.
    if (!QTest::qWaitForWindowActive(&up))
        qWarning("the pick-up window did not become active");
    return {up.Label1->text(),          up.DBLookupComboBox1->isVisible(), up.BitBtn1->isVisible(),
            up.DBLookupComboBox2->isVisible(), up.BitBtn3->isVisible(),     up.BitBtn2->isVisible(),
            up.Table1->active(),        up.Table2->active(),               QApplication::focusWidget()};
}

QStringList items(QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}
} // namespace

Q_DECLARE_METATYPE(Mode)

class TestPickUp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fx.stop(); }

    void windowDesign();
    void okWritesTheListedText_data();
    void okWritesTheListedText();
    void okPostsOtherPendingEdits();
    void cancelLeavesTheRecordAndHidesEverything();
    void previousChoiceIsStillChosen();
    void enterConfirmsOnlyThePartPickUp_data();
    void enterConfirmsOnlyThePartPickUp();
    void escapeDoesNotClose();
    void failedPostStillClosesTheWindow_data();
    void failedPostStillClosesTheWindow();

private:
    void openGoods();
    // Opens the pick-up from the goods list, runs `inside` in it.
    void pickUp(Mode mode, std::function<void(TFup1 &)> inside);

    MasterDataFixture fx;
};

void TestPickUp::init()
{
    fx.start();
    fx.addGroup(QStringLiteral("Karet Mobil"));
    fx.addGroup(QStringLiteral("seal"));
    fx.addGroup(QStringLiteral("BOOT"));
    fx.addPart(QStringLiteral("Oring"));
    fx.addPart(QStringLiteral("bushing"));
    fx.addPart(QStringLiteral("Boot"));
    fx.addGoods(QStringLiteral("KV-01"), QStringLiteral("SIL RODA"), QStringLiteral("LAMA"), QStringLiteral("LAMA"));
    fx.addGoods(QStringLiteral("KV-02"), QStringLiteral("KARET PINTU"), QStringLiteral("LAMA"), QStringLiteral("LAMA"));
}

void TestPickUp::openGoods()
{
    FMain->SpeedButton2->click();
    QVERIFY(FDaftarBrg->isVisible());
}

void TestPickUp::pickUp(Mode mode, std::function<void(TFup1 &)> inside)
{
    // Every interface a test installs is a scripted one.
    static_cast<ScriptedInterface &>(ui()).actInside<TFup1>(std::move(inside));
    (mode == Mode::Group ? FDaftarBrg->SpeedButton4 : FDaftarBrg->SpeedButton5)->click();
    QVERIFY(!Fup1->isVisible());
}

void TestPickUp::windowDesign()
{
    ScriptedInterface person;
    QCOMPARE(Fup1->windowTitle(), QStringLiteral("Update"));
    QCOMPARE(Fup1->borderStyle(), TForm::BorderStyle::Single);
    QCOMPARE(Fup1->borderIcons(), int(TForm::NoIcons));
    QCOMPARE(Fup1->placement(), TForm::Placement::ScreenCenter);
    // Both lists and both "OK" buttons share their places and are hidden at start.
    QCOMPARE(Fup1->DBLookupComboBox1->geometry(), Fup1->DBLookupComboBox2->geometry());
    QCOMPARE(Fup1->BitBtn1->geometry(), Fup1->BitBtn3->geometry());
    for (QWidget *w : std::initializer_list<QWidget *>{Fup1->DBLookupComboBox1, Fup1->DBLookupComboBox2, Fup1->BitBtn1,
                                                       Fup1->BitBtn3})
        QVERIFY(w->isHidden());
    QVERIFY(!Fup1->BitBtn2->isHidden());
    QCOMPARE(Fup1->BitBtn1->text(), QStringLiteral("OK"));
    QCOMPARE(Fup1->BitBtn3->text(), QStringLiteral("OK"));
    QCOMPARE(Fup1->BitBtn2->text(), QStringLiteral("Cancel"));
    for (QPushButton *b : {Fup1->BitBtn1, Fup1->BitBtn2, Fup1->BitBtn3})
        QVERIFY(!b->icon().isNull());
    QVERIFY(Fup1->BitBtn3->isDefault());
    QVERIFY(!Fup1->BitBtn1->isDefault());
    QVERIFY(!Fup1->Table1->active());
    QVERIFY(!Fup1->Table2->active());
    // Tab order: group list, group OK, Cancel, part OK, part list.
    const QList<QWidget *> order{Fup1->DBLookupComboBox1, Fup1->BitBtn1, Fup1->BitBtn2, Fup1->BitBtn3,
                                 Fup1->DBLookupComboBox2};
    for (int i = 1; i < order.size(); ++i) {
        QWidget *next = order[i - 1]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus) || order[i - 1]->isAncestorOf(next))
            next = next->nextInFocusChain();
        QCOMPARE(next, order[i]);
    }

    // Opened for the group: its caption, list and "OK"; the list named by the caption.
    openGoods();
    Seen seen;
    pickUp(Mode::Group, [&](TFup1 &up) {
        seen = look(up);
        QVERIFY(up.isShowingModal());
        QCOMPARE(QAccessible::queryAccessibleInterface(up.DBLookupComboBox1)->text(QAccessible::Name), up.Label1->text());
        up.BitBtn2->click();
    });
    QCOMPARE(seen.label, QStringLiteral("Update Dari List Group :"));
    QVERIFY(seen.groupList && seen.groupOk && seen.cancel && seen.groupTable);
    QVERIFY(!seen.partList && !seen.partOk && !seen.partTable);
    // No control is chosen for the keyboard when it opens.
    QVERIFY(seen.focus == nullptr || seen.focus == Fup1);

    pickUp(Mode::Part, [&](TFup1 &up) {
        seen = look(up);
        QCOMPARE(QAccessible::queryAccessibleInterface(up.DBLookupComboBox2)->text(QAccessible::Name), up.Label1->text());
        up.BitBtn2->click();
    });
    QCOMPARE(seen.label, QStringLiteral("Update Dari List Part :"));
    QVERIFY(seen.partList && seen.partOk && seen.cancel && seen.partTable);
    QVERIFY(!seen.groupList && !seen.groupOk && !seen.groupTable);
    QVERIFY(seen.focus == nullptr || seen.focus == Fup1);
}

void TestPickUp::okWritesTheListedText_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("written");
    // Groups list in key order (No), parts in Part order.
    QTest::newRow("group: the Group text, not its No") << Mode::Group << 1 << "seal";
    QTest::newRow("group: letters as listed") << Mode::Group << 0 << "Karet Mobil";
    QTest::newRow("group: nothing chosen") << Mode::Group << -1 << "";
    QTest::newRow("part: letters as listed") << Mode::Part << 2 << "bushing";
    QTest::newRow("part: nothing chosen") << Mode::Part << -1 << "";
}

void TestPickUp::okWritesTheListedText()
{
    QFETCH(Mode, mode);
    QFETCH(int, row);
    QFETCH(QString, written);
    ScriptedInterface person;
    openGoods();
    QVERIFY(FDaftarBrg->Table1->findKey(QStringLiteral("KV-02")));
    QStringList listed;
    QString shownBeforeOk;
    pickUp(mode, [&](TFup1 &up) {
        DBLookupComboBox *list = mode == Mode::Group ? up.DBLookupComboBox1 : up.DBLookupComboBox2;
        listed = items(list);
        QVERIFY(list->text().isEmpty());  // nothing chosen yet
        if (row >= 0)
            list->pick(row);
        shownBeforeOk = list->text();
        (mode == Mode::Group ? up.BitBtn1 : up.BitBtn3)->click();
    });
    if (mode == Mode::Group)
        QCOMPARE(listed, (QStringList{"Karet Mobil", "seal", "BOOT"}));
    else
        QCOMPARE(listed, (QStringList{"Boot", "Oring", "bushing"}));
    QCOMPARE(shownBeforeOk, written);
    QCOMPARE(person.count(), 0);

    const QString field = mode == Mode::Group ? QStringLiteral("Group_Barang") : QStringLiteral("Part");
    const QString other = mode == Mode::Group ? QStringLiteral("Part") : QStringLiteral("Group_Barang");
    QCOMPARE(fx.goods(QStringLiteral("KV-02"), field).toString(), written);
    QCOMPARE(fx.goods(QStringLiteral("KV-02"), other).toString(), QStringLiteral("LAMA"));
    QCOMPARE(fx.goods(QStringLiteral("KV-01"), field).toString(), QStringLiteral("LAMA"));
    // The goods list shows the posted record; the pick-up put everything away.
    QCOMPARE(FDaftarBrg->Table1->state(), DataSetState::Browse);
    QCOMPARE((mode == Mode::Group ? FDaftarBrg->DBEdit4 : FDaftarBrg->DBEdit5)->text(), written);
    QVERIFY(!Fup1->Table1->active() && !Fup1->Table2->active());
    for (QWidget *w : std::initializer_list<QWidget *>{Fup1->DBLookupComboBox1, Fup1->DBLookupComboBox2, Fup1->BitBtn1,
                                                       Fup1->BitBtn3})
        QVERIFY(w->isHidden());
}

void TestPickUp::okPostsOtherPendingEdits()
{
    openGoods();
    MasterDataFixture::typeInto(FDaftarBrg->DBEdit3, QStringLiteral("sil roda baru"));
    pickUp(Mode::Part, [](TFup1 &up) {
        up.DBLookupComboBox2->pick(1);
        up.BitBtn3->click();
    });
    QCOMPARE(fx.goods(QStringLiteral("KV-01"), QStringLiteral("Nama_Barang")).toString(), QStringLiteral("SIL RODA BARU"));
    QCOMPARE(fx.goods(QStringLiteral("KV-01"), QStringLiteral("Part")).toString(), QStringLiteral("Oring"));
}

void TestPickUp::cancelLeavesTheRecordAndHidesEverything()
{
    ScriptedInterface person;
    openGoods();
    pickUp(Mode::Group, [](TFup1 &up) {
        up.DBLookupComboBox1->pick(2);
        up.BitBtn2->click();
    });
    QCOMPARE(fx.goods(QStringLiteral("KV-01"), QStringLiteral("Group_Barang")).toString(), QStringLiteral("LAMA"));
    QCOMPARE(FDaftarBrg->Table1->state(), DataSetState::Browse);
    QVERIFY(!Fup1->Table1->active());

    // The part pick-up that follows shows only the part list and its "OK".
    Seen seen;
    pickUp(Mode::Part, [&](TFup1 &up) {
        seen = look(up);
        up.BitBtn2->click();
    });
    QVERIFY(seen.partList && seen.partOk && seen.cancel);
    QVERIFY(!seen.groupList && !seen.groupOk);
    QCOMPARE(person.count(), 0);
}

void TestPickUp::previousChoiceIsStillChosen()
{
    openGoods();
    pickUp(Mode::Group, [](TFup1 &up) {
        up.DBLookupComboBox1->pick(2);
        up.BitBtn1->click();
    });
    QVERIFY(FDaftarBrg->Table1->findKey(QStringLiteral("KV-02")));
    QString shown;
    pickUp(Mode::Group, [&](TFup1 &up) {
        shown = up.DBLookupComboBox1->text();
        up.BitBtn1->click();
    });
    QCOMPARE(shown, QStringLiteral("BOOT"));
    QCOMPARE(fx.goods(QStringLiteral("KV-02"), QStringLiteral("Group_Barang")).toString(), QStringLiteral("BOOT"));
}

void TestPickUp::enterConfirmsOnlyThePartPickUp_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("onList");
    QTest::addColumn<bool>("confirms");
    QTest::newRow("part, focus in the list") << Mode::Part << true << true;
    QTest::newRow("part, focus on no control") << Mode::Part << false << true;
    QTest::newRow("group, focus in the list") << Mode::Group << true << false;
    QTest::newRow("group, focus on no control") << Mode::Group << false << false;
}

void TestPickUp::enterConfirmsOnlyThePartPickUp()
{
    QFETCH(Mode, mode);
    QFETCH(bool, onList);
    QFETCH(bool, confirms);
    openGoods();
    bool openAfterEnter = false;
    pickUp(mode, [&](TFup1 &up) {
        DBLookupComboBox *list = mode == Mode::Group ? up.DBLookupComboBox1 : up.DBLookupComboBox2;
        list->pick(0);
        if (onList) {
            MasterDataFixture::activate(list);
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            QTest::keyClick(&up, Qt::Key_Return);
        }
        openAfterEnter = up.isVisible();
        if (openAfterEnter)
            up.BitBtn2->click();
    });
    QCOMPARE(openAfterEnter, !confirms);
    const QString field = mode == Mode::Group ? QStringLiteral("Group_Barang") : QStringLiteral("Part");
    QCOMPARE(fx.goods(QStringLiteral("KV-01"), field).toString(), confirms ? QStringLiteral("Boot") : QStringLiteral("LAMA"));
}

void TestPickUp::escapeDoesNotClose()
{
    openGoods();
    bool open = false;
    pickUp(Mode::Part, [&](TFup1 &up) {
        MasterDataFixture::activate(up.DBLookupComboBox2);
        QTest::keyClick(up.DBLookupComboBox2, Qt::Key_Escape);
        QTest::keyClick(&up, Qt::Key_Escape);
        open = up.isVisible();
        up.BitBtn2->click();
    });
    QVERIFY(open);
}

void TestPickUp::failedPostStillClosesTheWindow_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::newRow("group") << Mode::Group;
    QTest::newRow("part") << Mode::Part;
}

// On an empty goods list "OK" starts a new record, which cannot be posted
// without its shop code: the error is shown and the window closes anyway,
// leaving its list, button and table as they were.
void TestPickUp::failedPostStillClosesTheWindow()
{
    QFETCH(Mode, mode);
    fx.db().exec(QStringLiteral("DELETE FROM Barang"));
    ScriptedInterface person;
    openGoods();
    pickUp(mode, [&](TFup1 &up) {
        (mode == Mode::Group ? up.DBLookupComboBox1 : up.DBLookupComboBox2)->pick(0);
        (mode == Mode::Group ? up.BitBtn1 : up.BitBtn3)->click();
        QVERIFY(!up.isVisible());
    });
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().kind, MsgKind::Error);
    QCOMPARE(FDaftarBrg->Table1->state(), DataSetState::Insert);
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Barang")).toInt(), 0);
    if (mode == Mode::Group)
        QVERIFY(Fup1->Table1->active() && !Fup1->DBLookupComboBox1->isHidden() && !Fup1->BitBtn1->isHidden());
    else
        QVERIFY(Fup1->Table2->active() && !Fup1->DBLookupComboBox2->isHidden() && !Fup1->BitBtn3->isHidden());

    // Cancel puts everything away again.
    pickUp(mode, [](TFup1 &up) { up.BitBtn2->click(); });
    QVERIFY(!Fup1->Table1->active() && !Fup1->Table2->active());
    QVERIFY(Fup1->DBLookupComboBox1->isHidden() && Fup1->DBLookupComboBox2->isHidden());
}

NOTA_TEST_MAIN(TestPickUp)
#include "test_pickup.moc"
