// The sales recap window: opened from the main window's report menu, each
// grouping over a small shop with known figures, an empty range that says
// so in the chart's place, a start after the end refused, the CSV file
// written, and the printed report's pages with the table and the chart.
#include "AccessFixture.h"
#include "SalesShop.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "access/MainMenu.h"
#include "listreports/LaporanPenjualan.h"
#include "reports/ReportPreview.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QValueAxis>
#include <optional>

namespace {
QStringList gridRows(const QTableWidget &grid)
{
    QStringList rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.columnCount(); ++c)
            cells << grid.item(r, c)->text();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList gridTitles(const QTableWidget &grid)
{
    QStringList titles;
    for (int c = 0; c < grid.columnCount(); ++c)
        titles << grid.horizontalHeaderItem(c)->text();
    return titles;
}

// The values of the chart's bars, in the order they are drawn, in the unit
// its value axis names.
QList<qreal> barValues(QChartView &view)
{
    QList<qreal> values;
    const QList<QAbstractSeries *> series = view.chart()->series();
    if (series.isEmpty())
        return values;
    for (QBarSet *set : static_cast<QAbstractBarSeries *>(series.first())->barSets())
        for (int i = 0; i < set->count(); ++i)
            values << set->at(i);
    return values;
}
} // namespace

class TestSalesRecapWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_locale.emplace(indonesian()); }
    void cleanupTestCase() { m_locale.reset(); }
    void init();
    void cleanup();

    void openedFromTheReportMenu();
    void groupings_data();
    void groupings();
    void emptyRangeSaysSo();
    void startAfterEndIsRefused();
    void csvFileWritten();
    void printedReportPages();

private:
    void show(const QDate &from, const QDate &to, QRadioButton *grouping);

    AccessFixture fx;
    std::optional<PinnedLocale> m_locale;
};

void TestSalesRecapWindow::init()
{
    fx.start();
    salesshop::storeSmallShop(fx.db());
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
    QVERIFY(FMain->isVisible());
}

void TestSalesRecapWindow::cleanup()
{
    FLaporanPenjualan->Close();
    fx.stop();
}

void TestSalesRecapWindow::show(const QDate &from, const QDate &to, QRadioButton *grouping)
{
    if (!FLaporanPenjualan->isVisible())
        FMain->LaporanPenjualan1->trigger();
    FLaporanPenjualan->DateTimePicker1->setDate(from);
    FLaporanPenjualan->DateTimePicker2->setDate(to);
    grouping->setChecked(true);
    FLaporanPenjualan->BitBtn1->click();
}

void TestSalesRecapWindow::openedFromTheReportMenu()
{
    const QList<QAction *> items = FMain->Report1->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items.at(1), FMain->DaftarBarang2);
    QCOMPARE(items.at(2), FMain->LaporanPenjualan1);
    QCOMPARE(FMain->LaporanPenjualan1->text(), QStringLiteral("Laporan Penjualan"));
    // Its hint goes to the hint line as the others' do.
    emit FMain->Report1->hovered(FMain->LaporanPenjualan1);
    QCOMPARE(FMain->StatusPanel2->text(), QStringLiteral("  Laporan Penjualan per Hari, Bulan, Barang atau Pelanggan"));

    ScriptedInterface person;
    FMain->LaporanPenjualan1->trigger();
    TFLaporanPenjualan &w = *FLaporanPenjualan;
    QVERIFY(w.isVisible());
    QVERIFY(FMain->isVisible());  // beside the main window, as the list reports
    QCOMPARE(w.windowTitle(), QStringLiteral("Laporan Penjualan"));
    const QDate today = QDate::currentDate();
    QCOMPARE(w.DateTimePicker1->date(), QDate(today.year(), today.month(), 1));
    QCOMPARE(w.DateTimePicker2->date(), today);
    QVERIFY(w.RadioButton1->isChecked());
    QCOMPARE(w.StringGrid1->accessibleName(), QStringLiteral("Rekap Penjualan :"));
    QCOMPARE(w.DateTimePicker1->accessibleName(), QStringLiteral("Dari Tanggal :"));
    // This month holds no sale of the small shop.
    QVERIFY(w.Label8->isVisible());
    QCOMPARE(person.count(), 0);
    w.BitBtn4->click();
    QVERIFY(!w.isVisible());
    QVERIFY(FMain->isVisible());
}

void TestSalesRecapWindow::groupings_data()
{
    QTest::addColumn<QString>("grouping");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("invoices");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QList<qreal>>("bars");  // thousands of rupiah
    QTest::newRow("per day") << "RadioButton1" << QDate(2025, 3, 1) << QDate(2025, 3, 3)
                             << QStringList{"Tanggal", "Jumlah Nota", "Total"}
                             << QStringList{"01 Mar 2025|1|Rp 25.000", "02 Mar 2025|0|Rp 0", "03 Mar 2025|2|Rp 41.500"}
                             << "3" << "Rp 66.500" << QList<qreal>{25, 0, 41.5};
    QTest::newRow("per month") << "RadioButton2" << QDate(2025, 2, 1) << QDate(2025, 4, 30)
                               << QStringList{"Bulan", "Jumlah Nota", "Total"}
                               << QStringList{"Februari 2025|1|Rp 10.000", "Maret 2025|3|Rp 66.500",
                                              "April 2025|1|Rp 20.000"}
                               << "5" << "Rp 96.500" << QList<qreal>{10, 66.5, 20};
    // Lying bars: the largest drawn last, on top.
    QTest::newRow("per goods") << "RadioButton3" << QDate(2025, 3, 1) << QDate(2025, 3, 3)
                               << QStringList{"Kode Kervano", "Kode Barang", "Nama Barang", "Banyak", "Jumlah"}
                               << QStringList{"KV-0001|90311-1|SEAL RODA|6|Rp 59.000", "X-99|LAIN|KARET LAIN|1|Rp 7.500",
                                              "KV-0002|04438-2|BOOT AS RODA|0|Rp 0"}
                               << "3" << "Rp 66.500" << QList<qreal>{0, 7.5, 59};
    QTest::newRow("per customer") << "RadioButton4" << QDate(2025, 3, 1) << QDate(2025, 3, 31)
                                  << QStringList{"Pelanggan", "Jumlah Nota", "Total"}
                                  << QStringList{"BENGKEL JAYA|1|Rp 37.500", "TOKO ABADI|2|Rp 29.000"} << "3"
                                  << "Rp 66.500" << QList<qreal>{29, 37.5};
}

void TestSalesRecapWindow::groupings()
{
    QFETCH(QString, grouping);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, rows);
    QFETCH(QString, invoices);
    QFETCH(QString, total);
    QFETCH(QList<qreal>, bars);
    ScriptedInterface person;
    show(from, to, FLaporanPenjualan->findChild<QRadioButton *>(grouping));
    TFLaporanPenjualan &w = *FLaporanPenjualan;
    QCOMPARE(person.count(), 0);
    QCOMPARE(gridTitles(*w.StringGrid1), titles);
    QCOMPARE(gridRows(*w.StringGrid1), rows);
    QCOMPARE(w.Label5->text(), invoices);
    QCOMPARE(w.Label7->text(), total);
    QVERIFY(w.Chart1->isVisible());
    QVERIFY(!w.Label8->isVisible());
    QCOMPARE(barValues(*w.Chart1), bars);
    QString unit;
    for (QAbstractAxis *axis : w.Chart1->chart()->axes())
        if (qobject_cast<QValueAxis *>(axis))
            unit = axis->titleText();
    QCOMPARE(unit, QStringLiteral("Ribu Rupiah"));
    QVERIFY(w.BitBtn2->isEnabled());
    QVERIFY(w.BitBtn3->isEnabled());
}

void TestSalesRecapWindow::emptyRangeSaysSo()
{
    ScriptedInterface person;
    show(QDate(2025, 3, 1), QDate(2025, 3, 3), FLaporanPenjualan->RadioButton1);
    TFLaporanPenjualan &w = *FLaporanPenjualan;
    QVERIFY(w.Chart1->isVisible());
    show(QDate(2025, 5, 1), QDate(2025, 5, 31), w.RadioButton3);
    QCOMPARE(w.StringGrid1->rowCount(), 0);
    QVERIFY(!w.Chart1->isVisible());
    QVERIFY(w.Label8->isVisible());
    QCOMPARE(w.Label8->text(), QStringLiteral("Tidak ada penjualan dari 01 Mei 2025 sampai 31 Mei 2025."));
    QCOMPARE(w.Label5->text(), QStringLiteral("0"));
    QCOMPARE(w.Label7->text(), QStringLiteral("Rp 0"));
    QVERIFY(!w.BitBtn2->isEnabled());
    QVERIFY(!w.BitBtn3->isEnabled());
    QCOMPARE(person.count(), 0);
}

void TestSalesRecapWindow::startAfterEndIsRefused()
{
    ScriptedInterface person;
    show(QDate(2025, 3, 1), QDate(2025, 3, 3), FLaporanPenjualan->RadioButton1);
    TFLaporanPenjualan &w = *FLaporanPenjualan;
    const QStringList before = gridRows(*w.StringGrid1);
    show(QDate(2025, 3, 5), QDate(2025, 3, 1), w.RadioButton1);
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().text, QStringLiteral("Dari Tanggal (05 Mar 2025) tidak boleh sesudah Sampai Tanggal (01 Mar 2025)."));
    QCOMPARE(person.last().caption, QStringLiteral("Kesalahan"));
    QCOMPARE(person.last().kind, MsgKind::Exclamation);
    // What was shown stays.
    QCOMPARE(gridRows(*w.StringGrid1), before);
    QCOMPARE(w.Label7->text(), QStringLiteral("Rp 66.500"));
}

void TestSalesRecapWindow::csvFileWritten()
{
    ScriptedInterface person;
    show(QDate(2025, 3, 1), QDate(2025, 3, 3), FLaporanPenjualan->RadioButton3);
    const QString file = fx.db().folder() + QStringLiteral("/penjualan.csv");
    person.answerFile(file);
    FLaporanPenjualan->BitBtn3->click();
    QCOMPARE(person.fileRequests().size(), 1);
    QCOMPARE(person.fileRequests().first().mode, FileRequest::Mode::Save);
    QCOMPARE(person.fileRequests().first().defaultSuffix, QStringLiteral("csv"));
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().kind, MsgKind::Information);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    // As the admin tool exports: byte-order mark, ";" beside decimal commas,
    // plain number text.
    QCOMPARE(written.readAll(), QByteArray("\xEF\xBB\xBF"
                                           "Kode_KV;Kode_Brg;Nama_Brg;Banyak;Jumlah\r\n"
                                           "KV-0001;90311-1;SEAL RODA;6;59000\r\n"
                                           "X-99;LAIN;KARET LAIN;1;7500\r\n"
                                           "KV-0002;04438-2;BOOT AS RODA;0;0\r\n"));

    // Cancelling the file choice writes nothing.
    FLaporanPenjualan->BitBtn3->click();
    QCOMPARE(person.fileRequests().size(), 2);
    QCOMPARE(person.count(), 1);
}

void TestSalesRecapWindow::printedReportPages()
{
    ScriptedInterface person;
    show(QDate(2025, 3, 1), QDate(2025, 3, 3), FLaporanPenjualan->RadioButton1);
    QStringList texts;
    std::shared_ptr<const PreparedReport> prepared;
    person.actInside<ReportPreview>([&](ReportPreview &preview) {
        QCOMPARE(preview.caption(), QStringLiteral("Laporan Penjualan"));
        preview.finishProduction();
        prepared = preview.report();
        texts = prepared->pageTexts(0);
        preview.CloseButton->click();
    });
    FLaporanPenjualan->BitBtn2->click();
    QVERIFY(prepared);
    QCOMPARE(prepared->pageCount(), 1);
    texts.removeAll(QString());
    for (const char *expected :
         {"Halaman ke:", "1", "Laporan Penjualan", "Periode : 01 Mar 2025 s/d 03 Mar 2025   (Per Hari)", "Tanggal",
          "Jumlah Nota", "Total", "01 Mar 2025", "02 Mar 2025", "Rp 41.500", "Jumlah Nota : 3", "Total : Rp 66.500",
          "Dicetak pada tanggal: "})
        QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
    // The chart, a picture of its own beside the shop's logo, where the
    // title band puts it: below the page header (10.85 mm) at 44 mm into the
    // title band, across the page (fitted into its box by its proportions).
    int charts = 0;
    for (const DrawOp &op : prepared->pages.front().ops)
        if (op.kind == DrawKind::Picture && op.rect.width() > reports::mm(150)
            && std::abs(op.rect.top() - reports::mm(12.70 + 10.85 + 44)) < reports::mm(5)) {
            ++charts;
            const QImage picture = prepared->pictures.at(size_t(op.resource)).image();
            QVERIFY(!picture.isNull());
            QVERIFY(picture.width() > 1000);
        }
    QCOMPARE(charts, 1);
}

NOTA_TEST_MAIN(TestSalesRecapWindow)
#include "test_sales_recap_window.moc"
