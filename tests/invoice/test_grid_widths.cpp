// The grids of the invoice and search windows show every column at the
// window's size, and money is never cut.
#include "ItemFixture.h"
#include "TestMain.h"
#include "access/MainMenu.h"
#include "controls/DBGrid.h"
#include "controls/DBGridModel.h"
#include "data/Field.h"
#include "data/FieldText.h"
#include "invoice/LihatN.h"
#include "invoice/Nota1.h"
#include "search/CBarang.h"
#include "search/Cpelanggan.h"

#include <QHeaderView>
#include <QToolButton>

class TestGridWidths : public QObject {
    Q_OBJECT
private slots:
    void init() { fx.start(); }
    void cleanup() { fx.stop(); }
    void everyColumnInView_data();
    void everyColumnInView();
    void userResizingStays();

private:
    ItemFixture fx;
};

namespace {
DBGrid *openGrid(const QString &window)
{
    if (window == QLatin1String("FNota1"))
        return FNota1->DBGrid1;
    FNota1->Close();
    if (window == QLatin1String("FlihatN")) {
        FMain->SpeedButton5->click();
        return FlihatN->DBGrid1;
    }
    if (window == QLatin1String("FCBarang")) {
        FCBarang->Show();
        return FCBarang->DBGrid1;
    }
    FCPelanggan->Show();
    return FCPelanggan->DBGrid1;
}
} // namespace

void TestGridWidths::everyColumnInView_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("columns");
    QTest::newRow("Nota Baru") << "FNota1" << 7;
    QTest::newRow("Lihat Nota") << "FlihatN" << 7;
    QTest::newRow("Pencarian Daftar Barang") << "FCBarang" << 7;
    QTest::newRow("Pencarian Daftar Pelanggan") << "FCPelanggan" << 9;
}

void TestGridWidths::everyColumnInView()
{
    QFETCH(QString, window);
    QFETCH(int, columns);
    DBGrid *grid = openGrid(window);
    QVERIFY(grid->isVisible());
    QTest::qWait(0);
    auto *model = qobject_cast<DBGridModel *>(grid->model());
    QVERIFY(model);
    QCOMPARE(model->columnCount(), columns);
    int total = 0;
    for (int c = 0; c < columns; ++c)
        total += grid->columnWidth(c);
    QVERIFY2(total <= grid->viewport()->width(),
             qPrintable(QStringLiteral("%1 px of columns in %2 px").arg(total).arg(grid->viewport()->width())));
    for (int c = 0; c < columns; ++c) {
        const Field *f = model->fieldAt(c);
        if (f->kind() != FieldKind::Float || f->displayFormat().isEmpty())
            continue;
        const QString large = fieldtext::displayText(f->def(), QVariant(888888888.0), true);
        QVERIFY2(grid->fontMetrics().horizontalAdvance(large) + 6 <= grid->columnWidth(c),
                 qPrintable(f->name() + QStringLiteral(": ") + large));
    }
}

void TestGridWidths::userResizingStays()
{
    DBGrid *grid = FNota1->DBGrid1;
    grid->horizontalHeader()->resizeSection(2, 333);
    FNota1->Close();
    FMain->SpeedButton3->click();
    QVERIFY(FNota1->isVisible());
    QCOMPARE(grid->columnWidth(2), 333);
}

NOTA_TEST_MAIN(TestGridWidths)
#include "test_grid_widths.moc"
