// The lookup list: one field of every visible record in the dataset's order;
// picking moves the dataset; the close-up signal; the pick kept across
// closing and opening the dataset.
#include "Fixture.h"
#include "TestMain.h"
#include "controls/DBLookupComboBox.h"
#include "data/DataSet.h"
#include "data/Field.h"

#include <QAbstractItemView>
#include <QSignalSpy>

namespace {
QStringList listed(const QComboBox &combo)
{
    QStringList out;
    for (int i = 0; i < combo.count(); ++i)
        out << combo.itemText(i);
    return out;
}

struct GroupList : ControlsFixture {
    DBLookupComboBox *combo = new DBLookupComboBox(&window);

    GroupList() : ControlsFixture(QStringLiteral("Group.db"))
    {
        db.exec(QStringLiteral("INSERT INTO \"Group\" (\"No\", \"Group\") VALUES (1, 'Karet'), (2, 'Ban'), (3, 'Seal')"));
        combo->setListSource(&source);
        combo->setKeyField(QStringLiteral("No"));
        combo->setListField(QStringLiteral("Group"));
    }
};
} // namespace

class TestDBLookup : public QObject {
    Q_OBJECT
private slots:
    void listsTheFieldInTheDataSetsOrder();
    void pickingMovesTheDataSet();
    void pickingADuplicateGoesToTheFirst();
    void closeUpComesWhetherOrNotPicked();
    void pickIsKeptAcrossCloseAndOpen();
};

void TestDBLookup::listsTheFieldInTheDataSetsOrder()
{
    GroupList f;
    QCOMPARE(f.combo->count(), 0);
    f.table.open();
    QCOMPARE(listed(*f.combo), (QStringList{"Karet", "Ban", "Seal"}));  // key order
    QCOMPARE(f.combo->text(), QString());  // nothing picked yet
    QVERIFY(!f.combo->hasKey());
    QVERIFY(!f.combo->isEditable());

    // Another table, in its key order.
    fillParts(f.db, {"Seal", "Karet", "Ban"});
    Table parts;
    parts.setTableName(QStringLiteral("Part.db"));
    DataSource partSource;
    partSource.setDataSet(&parts);
    DBLookupComboBox partList;
    partList.setListSource(&partSource);
    partList.setKeyField(QStringLiteral("Part"));
    partList.setListField(QStringLiteral("Part"));
    parts.open();
    QCOMPARE(listed(partList), (QStringList{"Ban", "Karet", "Seal"}));
    parts.close();
    QCOMPARE(partList.count(), 0);
}

void TestDBLookup::pickingMovesTheDataSet()
{
    GroupList f;
    f.table.open();
    f.combo->pick(1);
    QCOMPARE(f.combo->text(), QStringLiteral("Ban"));
    QCOMPARE(f.combo->keyValue(), QStringLiteral("2"));
    QCOMPARE(f.table.fieldByName("Group")->asString(), QStringLiteral("Ban"));

    // With the keyboard on the closed list, as a user picks.
    f.show(f.combo);
    pressKey(Qt::Key_Down);
    QCOMPARE(f.combo->text(), QStringLiteral("Seal"));
    QCOMPARE(f.table.fieldByName("No")->asString(), QStringLiteral("3"));

    // Moving the dataset otherwise leaves the list's pick as it is.
    f.table.first();
    QCOMPARE(f.combo->text(), QStringLiteral("Seal"));
}

void TestDBLookup::pickingADuplicateGoesToTheFirst()
{
    ControlsFixture f(QStringLiteral("Pelanggan.DB"));
    f.db.exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\", \"Kota\") VALUES "
                             "('Budi', 'Medan'), ('Ani', 'Solo'), ('Budi', 'Bogor')"));
    f.table.setIndexFieldNames(QStringLiteral("Nama"));
    DBLookupComboBox names;
    names.setListSource(&f.source);
    names.setKeyField(QStringLiteral("Nama"));
    names.setListField(QStringLiteral("Nama"));
    f.table.open();
    QCOMPARE(listed(names), (QStringList{"Ani", "Budi", "Budi"}));
    names.pick(2);
    QCOMPARE(names.text(), QStringLiteral("Budi"));
    QCOMPARE(f.table.fieldByName("Kota")->asString(), QStringLiteral("Medan"));
    QCOMPARE(f.table.recNo(), 2);
}

void TestDBLookup::closeUpComesWhetherOrNotPicked()
{
    GroupList f;
    f.table.open();
    f.show(f.combo);
    QStringList seen;  // what the list shows and where the dataset is, at close-up
    QObject::connect(f.combo, &DBLookupComboBox::closeUp, f.combo, [&] {
        seen << f.combo->text() + QLatin1Char('/') + f.table.fieldByName("Group")->asString();
    });

    // Picked in the dropped-down list.
    f.combo->showPopup();
    QTRY_VERIFY(f.combo->view()->isVisible());
    f.combo->view()->setCurrentIndex(f.combo->model()->index(2, 0));
    QTest::keyClick(f.combo->view(), Qt::Key_Return);
    QTRY_COMPARE(seen.size(), 1);
    QCOMPARE(seen.last(), QStringLiteral("Seal/Seal"));

    // Closed without a pick.
    f.combo->showPopup();
    QTRY_VERIFY(f.combo->view()->isVisible());
    QTest::keyClick(f.combo->view(), Qt::Key_Escape);
    QTRY_COMPARE(seen.size(), 2);
    QCOMPARE(seen.last(), QStringLiteral("Seal/Seal"));

    // On a closed table the list is empty and closing it still tells.
    f.table.close();
    f.combo->showPopup();
    f.combo->hidePopup();
    QTRY_COMPARE(seen.size(), 3);
    QCOMPARE(seen.last(), QStringLiteral("/"));

    // The control hidden with its window: no list closed, nothing sent.
    f.window.hide();
    QCoreApplication::processEvents();
    QCOMPARE(seen.size(), 3);
}

void TestDBLookup::pickIsKeptAcrossCloseAndOpen()
{
    GroupList f;
    f.table.open();
    f.combo->pick(1);
    f.table.close();
    QCOMPARE(f.combo->text(), QString());
    f.table.open();  // back on the record picked last
    QCOMPARE(f.combo->text(), QStringLiteral("Ban"));
    QCOMPARE(f.table.fieldByName("Group")->asString(), QStringLiteral("Ban"));

    // Its key gone, the list shows nothing and the dataset starts at the first record.
    f.table.close();
    f.db.exec(QStringLiteral("DELETE FROM \"Group\" WHERE \"No\" = 2"));
    f.table.open();
    QCOMPARE(f.combo->text(), QString());
    QCOMPARE(f.table.fieldByName("Group")->asString(), QStringLiteral("Karet"));
    QCOMPARE(f.combo->keyValue(), QStringLiteral("2"));
}

NOTA_TEST_MAIN(TestDBLookup)
#include "test_dblookup.moc"
