// Reports over real tables: display formats, memo and picture fields, another
// table's current record, the filter of the driving table, and where the
// cursors are left.
#include "TempDatabase.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "core/DateText.h"
#include "core/NumberText.h"
#include "data/PictureBlob.h"
#include "data/Table.h"
#include "reports/DataSetRecords.h"
#include "reports/ReportLayout.h"

#include <QBuffer>

namespace {
QByteArray storedBitmap(QColor colour)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return pictureblob::wrap(bmp);
}

ReportDefinition singleBand(std::shared_ptr<RecordSource> records)
{
    ReportDefinition def;
    def.page.topMargin = def.page.bottomMargin = def.page.leftMargin = reports::mm(10);
    def.bandWidth = reports::mm(190);
    def.records = std::move(records);
    return def;
}

QStringList allTexts(const PreparedReport &report)
{
    QStringList texts;
    for (int p = 0; p < report.pageCount(); ++p)
        texts << report.pageTexts(p);
    return texts;
}
} // namespace

class TestReportTables : public QObject {
    Q_OBJECT
private slots:
    void goodsWithPicturesAndPlainPrices();
    void invoiceLinesThroughFilterWithHeaderFormats();
    void memoFirstLineAndMissingFields();
    void emptyOrClosedTableGivesNoPage();
};

void TestReportTables::goodsWithPicturesAndPlainPrices()
{
    TempDatabase db;
    for (int i = 1; i <= 6; ++i)
        db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Nama_Barang\", \"Harga\", \"Gambar\") "
                               "VALUES (?, ?, ?, ?)"),
                {QStringLiteral("KV-%1").arg(i), QStringLiteral("Karet %1").arg(i), 150000.0 + i - 1,
                 i == 3 ? QVariant() : QVariant(storedBitmap(i % 2 ? Qt::red : Qt::green))});
    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.open();

    ReportDefinition def = singleBand(reports::recordsOf(&goods));
    ReportBand &detail = def.addBand(BandKind::Detail, reports::mm(50));
    detail.addField("Kode_Kervano", reports::box(80, 6, 0, 4.5)).autoSized();
    detail.addField("Harga", reports::box(80, 38, 0, 4.5)).autoSized();
    detail.addField("Gambar", reports::box(80, 42, 0, 4.5)).autoSized();  // a graphic field prints no text
    detail.addDataPicture("Gambar", reports::box(4, 4, 40, 40));
    ReportBand &summary = def.addBand(BandKind::Summary, reports::mm(10));
    summary.addSystemData(SystemValue::RecordCount, reports::box(38, 2, 0, 4.5)).autoSized();

    const auto report = reports::layout(def);
    QCOMPARE(report->pageCount(), 2);
    QCOMPARE(allTexts(*report), (QStringList{"KV-1", "150000", "KV-2", "150001", "KV-3", "150002", "KV-4", "150003",
                                             "KV-5", "150004", "KV-6", "150005", "6"}));
    int pictures = 0;
    for (const PreparedPage &page : report->pages)
        for (const DrawOp &op : page.ops)
            if (op.kind == DrawKind::Picture) {
                ++pictures;
                QCOMPARE(report->pictures.at(size_t(op.resource)).size(), QSize(8, 6));
            }
    QCOMPARE(pictures, 5);  // the record without a picture leaves its box blank
    // Equal stored pictures are held once, packed as stored, red then green.
    QCOMPARE(report->pictures.size(), size_t(2));
    const QColor colours[] = {Qt::red, Qt::green};
    for (size_t i = 0; i < 2; ++i) {
        QCOMPARE(report->pictures[i].encoding(), PreparedPicture::Encoding::PackedBitmap);
        QCOMPARE(report->pictures[i].image().pixelColor(4, 3), colours[i]);
    }
    // The report leaves the table open on its last record.
    QVERIFY(goods.active());
    QCOMPARE(goods.recNo(), 6);
}

void TestReportTables::invoiceLinesThroughFilterWithHeaderFormats()
{
    PinnedLocale locale(english());
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"NotaUtama\" VALUES ('000001', '2009-12-01', 'Budi', 'Jl. A', 10)"));
    db.exec(QStringLiteral("INSERT INTO \"NotaUtama\" VALUES ('000002', '2009-12-05', 'Ani', 'Jl. B', 1234567.5)"));
    for (const auto &[id, name, price, qty] : {std::tuple{"000001", "Seal", 1000.0, 1.0},
                                               std::tuple{"000002", "Karet", 40500.0, 2.5},
                                               std::tuple{"000002", "Bushing", 10801.875, 3.0}})
        db.exec(QStringLiteral("INSERT INTO \"Nota\" (\"ID_Nota\", \"Nama_Brg\", \"Harga\", \"Banyak\") VALUES (?, ?, ?, ?)"),
                {QString::fromLatin1(id), QString::fromLatin1(name), price, qty});
    Table header;
    header.setTableName(QStringLiteral("NotaUtama.DB"));
    header.open();
    header.last();
    Table lines;
    lines.setTableName(QStringLiteral("Nota.DB"));
    lines.setFilter(QStringLiteral("ID_Nota ='000002'"));
    lines.setFiltered(true);
    lines.open();

    auto head = reports::recordsOf(&header);
    ReportDefinition def = singleBand(reports::recordsOf(&lines));
    ReportBand &top = def.addBand(BandKind::PageHeader, reports::mm(20));
    top.addField("Tanggal", reports::box(124.88, 6.61, 0, 4.5), head).autoSized();
    ReportBand &detail = def.addBand(BandKind::Detail, reports::mm(6.88));
    detail.addField("Nama_Brg", reports::box(59.8, 1.32, 0, 4.5)).autoSized();
    detail.addField("Harga", reports::box(103.98, 1.32, 0, 4.5)).autoSized();
    detail.addField("Banyak", reports::box(123.56, 1.32, 0, 4.5)).autoSized();
    ReportBand &summary = def.addBand(BandKind::Summary, reports::mm(9.53));
    summary.addField("Jumlah_Total", reports::box(166.69, 2.12, 0, 4.5), head).autoSized();

    const auto report = reports::layout(def);
    const QString date = datetext::formatDate(datetext::kDisplayDate, QDate(2009, 12, 5));
    QCOMPARE(date, QStringLiteral("05 Dec 2009"));
    QCOMPARE(allTexts(*report),
             (QStringList{date, "Karet", numtext::formatMoney(40500), "2.5", "Bushing",
                          numtext::formatMoney(10801.875), "3", numtext::formatMoney(1234567.5)}));
    QCOMPARE(header.recNo(), 2);  // the header table was read where it stood
}

void TestReportTables::memoFirstLineAndMissingFields()
{
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\", \"Alamat\", \"Kota\") VALUES (?, ?, ?)"),
            {QStringLiteral("Toko Maju"), QStringLiteral("Jl. Mawar 5\r\nRT 02 / RW 03"), QStringLiteral("Bandung")});
    Table customers;
    customers.setTableName(QStringLiteral("Pelanggan.DB"));
    customers.open();
    ReportDefinition def = singleBand(reports::recordsOf(&customers));
    ReportBand &detail = def.addBand(BandKind::Detail, reports::mm(61.65));
    detail.addField("ID_Pelanggan", reports::box(31.75, 2.12, 0, 4.5)).autoSized();
    detail.addField("Alamat", reports::box(31.75, 15.08, 0, 4.5)).autoSized();
    detail.addField("Kota", reports::box(31.75, 21.43, 0, 4.5)).autoSized();
    detail.addField("Tidak_Ada", reports::box(31.75, 27.78, 0, 4.5)).autoSized();
    detail.addField("FAX", reports::box(31.75, 46.83, 0, 4.5)).autoSized();  // empty
    const auto report = reports::layout(def);
    QCOMPARE(allTexts(*report), (QStringList{"1", "Jl. Mawar 5", "Bandung"}));
}

void TestReportTables::emptyOrClosedTableGivesNoPage()
{
    TempDatabase db;
    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    ReportDefinition def = singleBand(reports::recordsOf(&goods));
    def.addBand(BandKind::Detail, reports::mm(50)).addLabel("row", reports::box(0, 0, 10, 5));
    QCOMPARE(reports::layout(def)->pageCount(), 0);  // closed
    goods.open();
    QCOMPARE(reports::layout(def)->pageCount(), 0);  // open and empty
    def.printIfEmpty = true;
    QCOMPARE(reports::layout(def)->pageTexts(0), QStringList{"row"});
}

NOTA_TEST_MAIN(TestReportTables)
#include "test_report_tables.moc"
