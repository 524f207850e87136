// The grid: columns, titles, display formats and markers; rows read on demand
// on a large table; the selected row and the current record move together;
// the editing keys of an editable grid.
#include "Fixture.h"
#include "TestMain.h"
#include "controls/DBGrid.h"
#include "controls/DBGridModel.h"
#include "controls/DBNavigator.h"
#include "data/DataSet.h"
#include "data/Field.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
struct GridForm : ControlsFixture {
    DBGrid *grid = new DBGrid(&window);
    DBNavigator *nav = new DBNavigator(&window);

    explicit GridForm(const QString &tableName) : ControlsFixture(tableName)
    {
        auto *column = new QVBoxLayout(&window);
        column->addWidget(grid);
        column->addWidget(nav);
        grid->setDataSource(&source);
        nav->setDataSource(&source);
    }

    QStringList titles() const
    {
        QStringList out;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            out << grid->columnTitle(c);
        return out;
    }

    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            out << grid->cellText(r, c);
        return out;
    }

    QString parts() const
    {
        return db.scalar(QStringLiteral("SELECT group_concat(\"Part\", ',') FROM (SELECT \"Part\" FROM \"Part\" ORDER BY 1)"))
            .toString();
    }

    void clickCell(int row, int col)
    {
        const QRect r = grid->visualRect(grid->model()->index(row, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }
};

void addLine(const TempDatabase &db, const QString &id, const QString &code, double price, double qty, double disc)
{
    db.exec(QStringLiteral("INSERT INTO \"Nota\" VALUES (?, ?, 'B-' || ?, 'BARANG ' || ?, ?, ?, ?, ?)"),
            {id, code, code, code, price, qty, disc, price * qty - price * qty * disc / 100});
}
} // namespace

class TestDBGrid : public QObject {
    Q_OBJECT
private slots:
    void columnsTitlesAndFormats_data();
    void columnsTitlesAndFormats();
    void memoAndPictureMarkers();
    void largeTableOpensWithoutReadingEveryRow();
    void selectionAndCurrentRecordMoveTogether();
    void cellClickOnlyOnDataCells();
    void typingEditsAndEscapeDrops();
    void insertKeyInsertsAnEmptyRow();
    void downPastTheLastRowAppends();
    void ctrlDeleteAsksFirst_data();
    void ctrlDeleteAsksFirst();
    void badNumberKeepsTheRowInEdit();
    void readOnlyGridTakesNoEditingKeys();
};

void TestDBGrid::columnsTitlesAndFormats_data()
{
    QTest::addColumn<QString>("hideBy");
    QTest::newRow("grid column hidden") << "grid";
    QTest::newRow("field not visible") << "field";
}

void TestDBGrid::columnsTitlesAndFormats()
{
    QFETCH(QString, hideBy);
    PinnedLocale locale(english());
    GridForm f(QStringLiteral("Nota.db"));
    addLine(f.db, "000001", "K1", 15000, 2, 10);
    addLine(f.db, "000001", "K2", 1234.5, 1, 0);
    if (hideBy == QLatin1String("grid"))
        f.grid->setColumnVisible(QStringLiteral("id_nota"), false);
    else
        f.table.fieldByName(QStringLiteral("ID_Nota"))->setVisible(false);
    QCOMPARE(f.grid->model()->columnCount(), 0);
    f.table.open();

    QCOMPARE(f.titles(), (QStringList{"Kode Kervano", "Kode Barang", "Nama Barang", "Harga", "Banyak", "Diskon", "Jumlah"}));
    QCOMPARE(f.column(0), (QStringList{"K1", "K2"}));
    QCOMPARE(f.column(3), (QStringList{"Rp 15,000", "Rp 1,234.5"}));
    QCOMPARE(f.column(4), (QStringList{"2", "1"}));
    QCOMPARE(f.column(5), (QStringList{"10", "0"}));
    QCOMPARE(f.column(6), (QStringList{"Rp 27,000", "Rp 1,234.5"}));
    const auto alignment = [&](int c) {
        return f.grid->model()->index(0, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(alignment(3), Qt::AlignRight);
    QCOMPARE(alignment(0), Qt::AlignLeft);

    // A title of the window's own; fields chosen and ordered by the window.
    f.grid->setColumnTitle(QStringLiteral("Banyak"), QStringLiteral("Qty"));
    QCOMPARE(f.grid->columnTitle(4), QStringLiteral("Qty"));
    f.grid->setFieldNames({QStringLiteral("Jumlah"), QStringLiteral("ID_Nota"), QStringLiteral("Kode_KV")});
    QCOMPARE(f.titles(), (QStringList{"Jumlah", "Kode Kervano"}));
    f.grid->setColumnVisible(QStringLiteral("ID_Nota"), true);
    QCOMPARE(f.titles(), (QStringList{"Jumlah", "ID_Nota", "Kode Kervano"}));
    QCOMPARE(f.column(1), (QStringList{"000001", "000001"}));

    // A filter narrows the rows.
    addLine(f.db, "000002", "K3", 1, 1, 0);
    f.table.setFilter(QStringLiteral("ID_Nota ='000002'"));
    f.table.setFiltered(true);
    QCOMPARE(f.column(2), (QStringList{"K3"}));

    f.table.close();
    QCOMPARE(f.grid->model()->rowCount(), 0);
    QCOMPARE(f.grid->model()->columnCount(), 0);
}

void TestDBGrid::memoAndPictureMarkers()
{
    GridForm f(QStringLiteral("Pelanggan.DB"));
    f.db.exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\", \"Alamat\") VALUES ('Budi', 'Jl. Mawar'), ('Ani', NULL)"));
    f.db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Gambar\") VALUES ('K1', X'424D00'), ('K2', NULL)"));
    Query customers;
    customers.setSql(QStringLiteral("SELECT \nID_pelanggan, Nama, alamat\nFROM\nPelanggan\nORDER BY ID_Pelanggan"));
    DataSource customerSource;
    customerSource.setDataSet(&customers);
    f.grid->setDataSource(&customerSource);
    customers.open();
    QCOMPARE(f.column(2), (QStringList{"(MEMO)", "(Memo)"}));
    QCOMPARE(f.column(0), (QStringList{"1", "2"}));

    Query goods;
    goods.setSql(QStringLiteral("SELECT Kode_Kervano, Gambar FROM Barang ORDER BY Kode_Kervano"));
    DataSource goodsSource;
    goodsSource.setDataSet(&goods);
    f.grid->setDataSource(&goodsSource);
    QCOMPARE(f.grid->model()->rowCount(), 0);
    goods.open();
    QCOMPARE(f.column(1), (QStringList{"(GRAPHIC)", "(Graphic)"}));
    // Markers are not typed into: the columns cannot be edited.
    QVERIFY(!(f.grid->model()->flags(f.grid->model()->index(0, 1)) & Qt::ItemIsEditable));
}

void TestDBGrid::largeTableOpensWithoutReadingEveryRow()
{
    GridForm f(QStringLiteral("Barang.DB"));
    f.db.exec(QStringLiteral(
        "INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Harga\") "
        "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 100000) "
        "SELECT printf('K%06d', x), printf('B%06d', x), 'BARANG ' || x, x * 10 FROM n"));
    f.table.setIndexFieldNames(QStringLiteral("Kode_Kervano"));
    f.show();
    f.table.open();
    QApplication::processEvents();

    auto *model = f.grid->gridModel();
    QVERIFY2(model->fetchedRowCount() <= 2 * DBGridModel::kBatch, qPrintable(QString::number(model->fetchedRowCount())));
    QCOMPARE(f.grid->cellText(0, 0), QStringLiteral("K000001"));
    QCOMPARE(f.grid->currentIndex().row(), 0);

    // Scrolling to the end of what is there announces the next batch only.
    const int before = model->fetchedRowCount();
    f.grid->scrollToBottom();
    QApplication::processEvents();
    QVERIFY(model->fetchedRowCount() > before);
    QVERIFY(model->fetchedRowCount() <= before + 2 * DBGridModel::kBatch);

    // The last record: the grid follows it to the end.
    f.table.last();
    QCOMPARE(f.grid->currentIndex().row(), 99999);
    QCOMPARE(f.grid->cellText(99999, 0), QStringLiteral("K100000"));
    QCOMPARE(f.grid->cellText(99998, 2), QStringLiteral("BARANG 99999"));
    f.clickCell(f.grid->rowAt(f.grid->viewport()->height() / 2), 0);
    QVERIFY(f.table.recNo() < 100000);
    QCOMPARE(f.grid->currentIndex().row(), f.table.recNo() - 1);
}

void TestDBGrid::selectionAndCurrentRecordMoveTogether()
{
    GridForm f(QStringLiteral("Part.db"));
    fillParts(f.db, {"A", "B", "C", "D"});
    f.grid->setRowSelect(true);
    f.grid->setReadOnly(true);
    f.show(f.grid);
    f.table.open();
    QCOMPARE(f.grid->currentIndex().row(), 0);
    QVERIFY(f.grid->selectionModel()->isRowSelected(0, QModelIndex()));

    f.table.next();
    QCOMPARE(f.grid->currentIndex().row(), 1);
    QVERIFY(f.grid->selectionModel()->isRowSelected(1, QModelIndex()));
    f.nav->button(DBNavigator::Button::Last)->click();
    QCOMPARE(f.grid->currentIndex().row(), 3);

    f.clickCell(2, 0);
    QCOMPARE(f.table.fieldByName("Part")->asString(), QStringLiteral("C"));
    pressKey(Qt::Key_Up);
    QCOMPARE(f.table.fieldByName("Part")->asString(), QStringLiteral("B"));
    pressKey(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(f.table.recNo(), 1);
    QVERIFY(!f.nav->button(DBNavigator::Button::Prior)->isEnabled());

    // Rows re-read keep the grid on the current record.
    f.table.findKey(QStringLiteral("C"));
    f.table.refresh();
    QCOMPARE(f.grid->currentIndex().row(), 2);
}

void TestDBGrid::cellClickOnlyOnDataCells()
{
    GridForm f(QStringLiteral("Part.db"));
    fillParts(f.db, {"A", "B", "C"});
    f.grid->setReadOnly(true);
    f.grid->setRowSelect(true);
    QStringList seen;
    QObject::connect(f.grid, &DBGrid::cellClick, f.grid,
                     [&](int column) { seen << f.table.fieldByName("Part")->asString() + QString::number(column); });
    f.show(f.grid);
    f.table.open();

    f.clickCell(2, 0);
    QCOMPARE(seen, QStringList{"C0"});  // the clicked row is current when the signal comes
    pressKey(Qt::Key_Up);
    QTest::mouseClick(f.grid->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseClick(f.grid->verticalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(3, f.grid->rowViewportPosition(0) + 3));
    QCOMPARE(seen, QStringList{"C0"});
    QCOMPARE(f.table.fieldByName("Part")->asString(), QStringLiteral("B"));
}

void TestDBGrid::typingEditsAndEscapeDrops()
{
    GridForm f(QStringLiteral("Part.db"));
    fillParts(f.db, {"A", "B", "C"});
    f.show(f.grid);
    f.table.open();
    pressKey(Qt::Key_Down);
    typeText(QStringLiteral("BX"));
    QCOMPARE(f.table.state(), DataSetState::Edit);
    QCOMPARE(f.table.fieldByName("Part")->asString(), QStringLiteral("BX"));
    QVERIFY(f.nav->button(DBNavigator::Button::Post)->isEnabled());
    QCOMPARE(f.grid->gridModel()->headerData(1, Qt::Vertical).toString(), QStringLiteral("I"));

    pressKey(Qt::Key_Escape);
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.grid->cellText(1, 0), QStringLiteral("B"));
    QCOMPARE(f.parts(), QStringLiteral("A,B,C"));

    // Typed again, then posted by the navigator with the editor still open.
    typeText(QStringLiteral("BB"));
    f.nav->button(DBNavigator::Button::Post)->click();
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.parts(), QStringLiteral("A,BB,C"));

    // Typed, then moved away: the changed row is posted.
    pressKey(Qt::Key_Escape);  // leaves the editor
    typeText(QStringLiteral("B2"));
    pressKey(Qt::Key_Up);
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.parts(), QStringLiteral("A,B2,C"));
    QCOMPARE(f.table.fieldByName("Part")->asString(), QStringLiteral("A"));
}

void TestDBGrid::insertKeyInsertsAnEmptyRow()
{
    GridForm f(QStringLiteral("Part.db"));
    fillParts(f.db, {"A", "C", "E"});
    f.show(f.grid);
    f.table.open();
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Insert);
    QCOMPARE(f.table.state(), DataSetState::Insert);
    QCOMPARE(f.grid->model()->rowCount(), 4);
    QCOMPARE(f.column(0), (QStringList{"A", "", "C", "E"}));
    QCOMPARE(f.grid->currentIndex().row(), 1);
    QCOMPARE(f.grid->gridModel()->headerData(1, Qt::Vertical).toString(), QStringLiteral("*"));

    typeText(QStringLiteral("D"));
    QCOMPARE(f.column(0), (QStringList{"A", "D", "C", "E"}));
    pressKey(Qt::Key_Up);  // posts; the row takes its place in key order
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.parts(), QStringLiteral("A,C,D,E"));
    QCOMPARE(f.column(0), (QStringList{"A", "C", "D", "E"}));
    QCOMPARE(f.grid->currentIndex().row(), f.table.recNo() - 1);
}

void TestDBGrid::downPastTheLastRowAppends()
{
    GridForm f(QStringLiteral("Part.db"));
    fillParts(f.db, {"A", "B"});
    f.show(f.grid);
    f.table.open();
    pressKey(Qt::Key_Down);
    QCOMPARE(f.table.state(), DataSetState::Browse);
    pressKey(Qt::Key_Down);  // past the last row
    QCOMPARE(f.table.state(), DataSetState::Insert);
    QCOMPARE(f.grid->model()->rowCount(), 3);
    QCOMPARE(f.grid->currentIndex().row(), 2);
    pressKey(Qt::Key_Down);  // the new row is still empty: nothing more
    QCOMPARE(f.grid->model()->rowCount(), 3);

    typeText(QStringLiteral("C"));
    pressKey(Qt::Key_Down);  // posts C and appends the next empty row
    QCOMPARE(f.parts(), QStringLiteral("A,B,C"));
    QCOMPARE(f.table.state(), DataSetState::Insert);
    QCOMPARE(f.grid->model()->rowCount(), 4);
    QCOMPARE(f.grid->currentIndex().row(), 3);

    pressKey(Qt::Key_Escape);  // drops the empty row
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.grid->model()->rowCount(), 3);
    QCOMPARE(f.parts(), QStringLiteral("A,B,C"));

    // On an empty table Down starts the first row.
    f.db.exec(QStringLiteral("DELETE FROM \"Part\""));
    f.table.close();
    f.table.open();
    QCOMPARE(f.grid->model()->rowCount(), 0);
    pressKey(Qt::Key_Down);
    QCOMPARE(f.table.state(), DataSetState::Insert);
    QCOMPARE(f.grid->model()->rowCount(), 1);
}

void TestDBGrid::ctrlDeleteAsksFirst_data()
{
    QTest::addColumn<bool>("editorOpen");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("remaining");
    QTest::newRow("OK deletes") << false << true << "A,C";
    QTest::newRow("Cancel keeps") << false << false << "A,B,C";
    QTest::newRow("OK while typing deletes") << true << true << "A,C";
    QTest::newRow("Cancel while typing keeps") << true << false << "A,B,C";
}

void TestDBGrid::ctrlDeleteAsksFirst()
{
    QFETCH(bool, editorOpen);
    QFETCH(bool, confirm);
    QFETCH(QString, remaining);
    GridForm f(QStringLiteral("Part.db"));
    fillParts(f.db, {"A", "B", "C"});
    ScriptedInterface boxes;
    boxes.answer(confirm ? MsgAnswer::Ok : MsgAnswer::Cancel);
    f.show(f.grid);
    f.table.open();
    pressKey(Qt::Key_Down);
    if (editorOpen)
        typeText(QStringLiteral("Q"));
    pressKey(Qt::Key_Delete, Qt::ControlModifier);

    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, QStringLiteral("Delete record?"));
    QCOMPARE(boxes.last().caption, QStringLiteral("Confirm"));
    QCOMPARE(f.parts(), remaining);
    QCOMPARE(f.grid->model()->rowCount(), int(remaining.split(',').size()));
    if (!confirm && editorOpen) {
        QCOMPARE(f.table.state(), DataSetState::Edit);  // the typing is still there
        pressKey(Qt::Key_Escape);
        QCOMPARE(f.table.state(), DataSetState::Browse);
    }
    QCOMPARE(f.parts(), remaining);
}

void TestDBGrid::badNumberKeepsTheRowInEdit()
{
    GridForm f(QStringLiteral("Barang.DB"));
    f.db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('K1', 100), ('K2', 200)"));
    ScriptedInterface boxes;
    f.grid->setFieldNames({QStringLiteral("Kode_Kervano"), QStringLiteral("Harga")});
    f.show(f.grid);
    f.table.open();
    pressKey(Qt::Key_Right);
    typeText(QStringLiteral("5x"));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(f.table.state(), DataSetState::Edit);
    pressKey(Qt::Key_Down);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, QStringLiteral("'5x' is not a valid floating point value for field 'Harga'"));
    QCOMPARE(f.table.state(), DataSetState::Edit);
    QCOMPARE(f.table.recNo(), 1);
    QCOMPARE(f.grid->currentIndex().row(), 0);
    QCOMPARE(f.db.scalar(QStringLiteral("SELECT \"Harga\" FROM \"Barang\" WHERE \"Kode_Kervano\" = 'K1'")).toDouble(), 100.0);
    // The cell's editor comes back with the text as typed.
    QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    QCOMPARE(qobject_cast<QLineEdit *>(QApplication::focusWidget())->text(), QStringLiteral("5x"));
    // A click on another row is refused the same way.
    f.clickCell(1, 0);
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(f.table.recNo(), 1);
    QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    pressKey(Qt::Key_Escape);
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.grid->cellText(0, 1), QStringLiteral("100"));
}

void TestDBGrid::readOnlyGridTakesNoEditingKeys()
{
    GridForm f(QStringLiteral("Part.db"));
    fillParts(f.db, {"A", "B"});
    ScriptedInterface boxes;
    f.grid->setReadOnly(true);
    f.show(f.grid);
    f.table.open();
    typeText(QStringLiteral("Z"));
    pressKey(Qt::Key_Insert);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.grid->model()->rowCount(), 2);
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(f.parts(), QStringLiteral("A,B"));
    QCOMPARE(f.table.recNo(), 2);
}

NOTA_TEST_MAIN(TestDBGrid)
#include "test_dbgrid.moc"
