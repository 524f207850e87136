// The goods and the customer list reports: how their records run over the
// pages, where each element stands and in which font, the values as text,
// pictures, the page header and footer, empty tables, and opening them from
// the main window in a non-modal preview over their own tables.
#include "AccessFixture.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "access/MainMenu.h"
#include "core/DateText.h"
#include "data/PictureBlob.h"
#include "data/Table.h"
#include "reports/PageRenderer.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPreview.h"

#include <QAction>
#include <QBuffer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <optional>

namespace {
const QColor kWindowText(1, 2, 3);
const QDateTime kPrinted(QDate(2009, 12, 5), QTime(14, 30, 5));
constexpr qreal kMargin = 12.70;

bool near(qreal a, qreal b) { return std::abs(a - b) < 0.05; }

// A Windows bitmap as the goods list stores it: with its 8-byte header.
QByteArray storedPicture(const QColor &colour)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return pictureblob::wrap(bytes);
}

struct Report {
    ReportDefinition *definition;
    Table *table;
    QString blockMark;  // the first caption of each record's block
    QString title;      // the preview's caption, the PDF's title and the print job's name
};

Report reportNamed(const QString &name)
{
    if (name == QLatin1String("goods"))
        return {&FMain->goodsReport, FMain->goodsReportTable, QStringLiteral("Kode Kervano :"),
                QStringLiteral("Laporan Daftar Barang")};
    return {&FMain->customerReport, FMain->customerReportTable, QStringLiteral("ID Pelanggan :"),
            QStringLiteral("Laporan Daftar Pelanggan")};
}

std::shared_ptr<PreparedReport> layOut(const Report &r)
{
    r.table->open();
    LayoutOptions options;
    options.windowText = kWindowText;
    options.clock = [] { return kPrinted; };
    return reports::layout(*r.definition, options);
}

QStringList textsOf(const PreparedReport &report, int page)
{
    QStringList texts = report.pageTexts(page);
    texts.removeAll(QString());
    return texts;
}

// The text operation showing `text` with its top-left corner at (left, top) mm
// from the paper's corner; null when there is none.
const DrawOp *textAt(const PreparedReport &report, int page, const QString &text, qreal left, qreal top)
{
    for (const DrawOp &op : report.pages.at(size_t(page)).ops)
        if (op.kind == DrawKind::Text && op.text == text && near(op.rect.left(), reports::mm(left))
            && near(op.rect.top(), reports::mm(top)))
            return &op;
    return nullptr;
}

// The operations of a kind whose box is (left, top, width, height) mm on the paper.
int opsAt(const PreparedReport &report, int page, DrawKind kind, qreal left, qreal top, qreal width, qreal height)
{
    int found = 0;
    for (const DrawOp &op : report.pages.at(size_t(page)).ops)
        if (op.kind == kind && near(op.rect.left(), reports::mm(left)) && near(op.rect.top(), reports::mm(top))
            && near(op.rect.width(), reports::mm(width)) && near(op.rect.height(), reports::mm(height)))
            ++found;
    return found;
}

// The text printed right after `caption` on a page (its value's box follows it).
QString after(const QStringList &texts, const QString &caption)
{
    const qsizetype at = texts.indexOf(caption);
    return at >= 0 && at + 1 < texts.size() ? texts.at(at + 1) : QStringLiteral("<none>");
}
} // namespace

class TestListReports : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_locale.emplace(indonesian()); }
    void cleanupTestCase() { m_locale.reset(); }
    void init();
    void cleanup() { fx.stop(); }

    void definitions_data();
    void definitions();
    void recordsRunOverPages_data();
    void recordsRunOverPages();
    void elementsStandWhereTheDesignSays_data();
    void elementsStandWhereTheDesignSays();
    void rulesAndPictures_data();
    void rulesAndPictures();
    void goodsWithoutPictureLeavesTheBoxBlank();
    void valuesAsText_data();
    void valuesAsText();
    void emptyTablesGiveNoPages_data();
    void emptyTablesGiveNoPages();
    void openedFromTheMainWindow_data();
    void openedFromTheMainWindow();

private:
    void addGoods(int count, int withoutPictureAt = 0);
    void addCustomers(int count);
    void addRecords(const QString &report, int count);

    AccessFixture fx;
    std::optional<PinnedLocale> m_locale;
};

void TestListReports::init()
{
    fx.start();
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
    QVERIFY(FMain->isVisible());
}

void TestListReports::addGoods(int count, int withoutPictureAt)
{
    for (int i = 1; i <= count; ++i)
        fx.db().exec(QStringLiteral("INSERT INTO Barang (Kode_Kervano, Kode_Barang, Nama_Barang, Part, Group_Barang, "
                                    "Harga, Gambar) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                     {QStringLiteral("KV-%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("MB-%1").arg(i),
                      QStringLiteral("KARET %1").arg(i), QStringLiteral("SEAL"), QStringLiteral("TOYOTA"),
                      1000.0 * i,
                      i == withoutPictureAt ? QVariant(QMetaType(QMetaType::QByteArray))
                                            : QVariant(storedPicture(QColor::fromHsv(i * 30 % 360, 200, 200)))});
}

void TestListReports::addCustomers(int count)
{
    for (int i = 1; i <= count; ++i)
        fx.db().exec(QStringLiteral("INSERT INTO Pelanggan (Nama, Alamat, Kota, KodePos, No_Telp1, No_Telp2, FAX, "
                                    "Email) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                     {QStringLiteral("Pelanggan %1").arg(i), QStringLiteral("Jl. Merdeka %1").arg(i),
                      QStringLiteral("Bandung"), QStringLiteral("4026%1").arg(i % 10), QStringLiteral("022-%1").arg(i),
                      QStringLiteral("0812-%1").arg(i), QStringLiteral("022-9%1").arg(i),
                      QStringLiteral("p%1@contoh.id").arg(i)});
}

void TestListReports::addRecords(const QString &report, int count)
{
    if (report == QLatin1String("goods"))
        addGoods(count);
    else
        addCustomers(count);
}

void TestListReports::definitions_data()
{
    QTest::addColumn<QString>("report");
    QTest::newRow("goods") << "goods";
    QTest::newRow("customers") << "customers";
}

void TestListReports::definitions()
{
    QFETCH(QString, report);
    addRecords(report, 1);
    const auto prepared = layOut(reportNamed(report));
    QCOMPARE(prepared->caption(), reportNamed(report).title);
    // The PDF carries the report's name as its title.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(pagerender::toPdf(*prepared, pdf));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.waitForFinished() && info.exitCode() == 0, "pdfinfo (poppler-utils) reads the PDF");
    const QString pdfInfo = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(pdfInfo.contains(QRegularExpression(QStringLiteral("^Title: +%1$").arg(reportNamed(report).title),
                                                 QRegularExpression::MultilineOption)),
             qPrintable(pdfInfo));
    QCOMPARE(prepared->paperWidth, 2100.0);
    QCOMPARE(prepared->paperHeight, 2970.0);
    QCOMPARE(prepared->printer.paperSource, PaperSource::FirstTray);
    QCOMPARE(prepared->printer.copies, 1);
    QCOMPARE(prepared->printer.fromPage, 0);
    QVERIFY(!prepared->printer.duplex);
    const ReportDefinition &def = *reportNamed(report).definition;
    QCOMPARE(def.bandWidth, reports::mm(184.68));
    QVERIFY(!def.printIfEmpty);
    QCOMPARE(def.baseFont.family, QStringLiteral("Arial"));
    QCOMPARE(def.baseFont.pointSize, 10.0);
}

void TestListReports::recordsRunOverPages_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("records");
    QTest::addColumn<QList<int>>("perPage");  // records on each page

    // Goods: four on the first page below the title, four on every later
    // one; the summary always fits below the last.
    QTest::newRow("goods: one") << "goods" << 1 << QList<int>{1};
    QTest::newRow("goods: four and the summary on one page") << "goods" << 4 << QList<int>{4};
    QTest::newRow("goods: five") << "goods" << 5 << QList<int>{4, 1};
    QTest::newRow("goods: eight") << "goods" << 8 << QList<int>{4, 4};
    QTest::newRow("goods: ten") << "goods" << 10 << QList<int>{4, 4, 2};
    // Customers: three below the title, four on every later page, and the
    // summary alone on a further page after a full one.
    QTest::newRow("customers: three") << "customers" << 3 << QList<int>{3};
    QTest::newRow("customers: four") << "customers" << 4 << QList<int>{3, 1};
    QTest::newRow("customers: seven, the summary alone") << "customers" << 7 << QList<int>{3, 4, 0};
    QTest::newRow("customers: eight") << "customers" << 8 << QList<int>{3, 4, 1};
}

void TestListReports::recordsRunOverPages()
{
    QFETCH(QString, report);
    QFETCH(int, records);
    QFETCH(QList<int>, perPage);
    addRecords(report, records);
    const Report r = reportNamed(report);
    const auto prepared = layOut(r);

    QCOMPARE(prepared->pageCount(), perPage.size());
    const QString title = report == QLatin1String("goods") ? QStringLiteral("Laporan Daftar Barang")
                                                           : QStringLiteral("Laporan Daftar Pelanggan");
    const QString printed = datetext::dateTimeText(kPrinted);
    QStringList recordNumbers;
    for (int page = 0; page < prepared->pageCount(); ++page) {
        const QStringList texts = textsOf(*prepared, page);
        QCOMPARE(texts.count(r.blockMark), perPage.at(page));
        // Page header first, page footer last, on every page.
        QCOMPARE(texts.mid(0, 2), (QStringList{"Halaman ke:", QString::number(page + 1)}));
        QCOMPARE(texts.mid(texts.size() - 2), (QStringList{"Dicetak pada tanggal: ", printed}));
        QCOMPARE(texts.count(title), page == 0 ? 1 : 0);
        const bool last = page == prepared->pageCount() - 1;
        QCOMPARE(after(texts, QStringLiteral("Jumlah record: ")), last ? QString::number(records) : "<none>");
        for (qsizetype i = 0; i < texts.size(); ++i)
            if (texts[i] == QLatin1String("No. Urut :"))
                recordNumbers << texts.at(i + 1);
    }
    // Goods are numbered from 1; customers carry no number.
    QStringList expected;
    if (report == QLatin1String("goods"))
        for (int i = 1; i <= records; ++i)
            expected << QString::number(i);
    QCOMPARE(recordNumbers, expected);
    // The report leaves its table open on the last record.
    QVERIFY(r.table->active());
    QCOMPARE(r.table->recNo(), records);
}

void TestListReports::elementsStandWhereTheDesignSays_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("left");  // mm from the paper's left edge
    QTest::addColumn<qreal>("top");   // mm from the paper's top edge
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("size");
    QTest::addColumn<bool>("bold");

    // Bands of page 1, from the top margin at 12,70: page header, title,
    // one record, summary; the footer's top at 297 - 12,70 - 10,58 = 273,72.
    struct Row {
        const char *name, *text;    // empty text: the date and time of printing
        qreal left, bandTop, top;  // left and top within the band
        const char *family;
        qreal size;
        bool bold;
    };
    const qreal header = kMargin, title = header + 10.85, footer = 273.72;
    const auto add = [](const char *report, const Row &row) {
        QTest::addRow("%s: %s", report, row.name)
            << QString::fromLatin1(report)
            << (*row.text ? QString::fromUtf8(row.text) : datetext::dateTimeText(kPrinted)) << kMargin + row.left
            << row.bandTop + row.top << QString::fromLatin1(row.family) << row.size << row.bold;
    };
    for (const char *report : {"goods", "customers"}) {
        const bool goods = QLatin1String(report) == QLatin1String("goods");
        const qreal summary = title + (goods ? 35.98 + 50.80 : 38.10 + 61.65);
        const Row shared[] = {
            {"page caption", "Halaman ke:", 4.23, header, 2.12, "Arial", 10, false},
            {"page number", "1", 27.52, header, 2.12, "Arial", 10, false},
            {"shop name", "Kervano", 27.52, title, 3.18, "Tahoma", 28, false},
            {"shop line", "AUTOMOTIVE RUBBER PART", 27.52, title, 15.08, "Arial", 10, false},
            {"record count caption", "Jumlah record: ", 10.58, summary, 2.12, "Arial", 10, false},
            {"record count", "1", 38.10, summary, 2.12, "Arial", 10, false},
            {"printed caption", "Dicetak pada tanggal: ", 10.58, footer, 4.23, "Arial", 10, false},
            {"printed", "", 48.68, footer, 4.23, "Arial", 10, false},
        };
        for (const Row &row : shared)
            add(report, row);
    }
    const qreal goods = title + 35.98;
    const Row goodsRows[] = {
        {"Kode Kervano caption", "Kode Kervano :", 48.95, goods, 6.35, "Arial", 10, true},
        {"Kode_Kervano", "KV-01", 80.43, goods, 6.35, "Arial", 10, false},
        {"Kode Barang caption", "Kode Barang :", 52.65, goods, 12.70, "Arial", 10, true},
        {"Kode_Barang", "MB-1", 80.43, goods, 12.70, "Arial", 10, false},
        {"Nama caption", "Nama :", 64.82, goods, 19.31, "Arial", 10, true},
        {"Nama_Barang in bold", "KARET 1", 80.43, goods, 19.31, "Arial", 10, true},
        {"Part caption", "Part :", 67.73, goods, 25.66, "Arial", 10, true},
        {"Part", "SEAL", 80.43, goods, 25.66, "Arial", 10, false},
        {"Group caption", "Group :", 64.29, goods, 31.75, "Arial", 10, true},
        {"Group_Barang", "TOYOTA", 80.43, goods, 31.75, "Arial", 10, false},
        {"Harga caption", "Harga :", 64.56, goods, 38.36, "Arial", 10, true},
        {"Harga", "1000", 80.43, goods, 38.36, "Arial", 10, false},
        {"record number caption", "No. Urut :", 143.93, goods, 42.33, "Arial", 10, true},
        {"record number", "1", 160.87, goods, 42.33, "Arial", 10, false},
    };
    for (const Row &row : goodsRows)
        add("goods", row);
    const qreal customer = title + 38.10;
    const Row customerRows[] = {
        {"ID caption", "ID Pelanggan :", 4.23, customer, 2.12, "Arial", 10, true},
        {"ID_Pelanggan", "1", 31.75, customer, 2.12, "Arial", 10, false},
        {"Nama caption", "Nama :", 16.93, customer, 8.47, "Arial", 10, true},
        {"Nama", "Pelanggan 1", 31.75, customer, 8.47, "Arial", 10, false},
        {"Alamat caption", "Alamat :", 14.82, customer, 15.08, "Arial", 10, true},
        {"Alamat", "Jl. Merdeka 1", 31.75, customer, 15.08, "Arial", 10, false},
        {"Kota caption", "Kota :", 19.05, customer, 21.43, "Arial", 10, true},
        {"Kota", "Bandung", 31.75, customer, 21.43, "Arial", 10, false},
        {"Kode Pos caption", "Kode Pos :", 10.58, customer, 27.78, "Arial", 10, true},
        {"KodePos", "40261", 31.75, customer, 27.78, "Arial", 10, false},
        {"No. Telp1 caption", "No. Telp1 :", 10.58, customer, 33.87, "Arial", 10, true},
        {"No_Telp1", "022-1", 31.75, customer, 33.87, "Arial", 10, false},
        {"No. Telp2 caption", "No. Telp2 :", 10.58, customer, 40.48, "Arial", 10, true},
        {"No_Telp2", "0812-1", 31.75, customer, 40.48, "Arial", 10, false},
        {"No Fax caption", "No Fax :", 14.82, customer, 46.83, "Arial", 10, true},
        {"FAX", "022-91", 31.75, customer, 46.83, "Arial", 10, false},
        {"Email caption", "Email :", 16.93, customer, 53.18, "Arial", 10, true},
        {"Email", "p1@contoh.id", 31.75, customer, 53.18, "Arial", 10, false},
    };
    for (const Row &row : customerRows)
        add("customers", row);
}

void TestListReports::elementsStandWhereTheDesignSays()
{
    QFETCH(QString, report);
    QFETCH(QString, text);
    QFETCH(qreal, left);
    QFETCH(qreal, top);
    QFETCH(QString, family);
    QFETCH(qreal, size);
    QFETCH(bool, bold);
    addRecords(report, 1);
    const auto prepared = layOut(reportNamed(report));
    QCOMPARE(prepared->pageCount(), 1);

    const DrawOp *op = textAt(*prepared, 0, text, left, top);
    QVERIFY2(op, qPrintable(textsOf(*prepared, 0).join(QLatin1Char('|'))));
    const PreparedFont &font = prepared->fonts.at(size_t(op->resource));
    QCOMPARE(font.family, family);
    QCOMPARE(font.pointSize, size);
    QCOMPARE(font.bold, bold);
    // Every text is in the window-text colour, opaque, left-aligned and as
    // wide as its text.
    QCOMPARE(QColor::fromRgba(op->color), kWindowText);
    QVERIFY(op->flags & drawflags::kOpaque);
    QCOMPARE(op->align(), TextAlign::Left);
    QVERIFY(!(op->flags & drawflags::kClip));
}

void TestListReports::rulesAndPictures_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("title");
    QTest::addColumn<qreal>("titleRuleLeft");
    QTest::addColumn<qreal>("titleRuleWidth");
    QTest::addColumn<qreal>("detailTop");  // of the first record, mm on the paper
    QTest::addColumn<qreal>("detailRuleTop");
    QTest::addColumn<qreal>("detailRuleWidth");

    QTest::newRow("goods") << "goods" << "Laporan Daftar Barang" << 6.35 << 173.30 << 59.53 << 48.68 << 173.83;
    QTest::newRow("customers") << "customers" << "Laporan Daftar Pelanggan" << 2.12 << 179.92 << 61.65 << 58.74
                               << 174.89;
}

void TestListReports::rulesAndPictures()
{
    QFETCH(QString, report);
    QFETCH(QString, title);
    QFETCH(qreal, titleRuleLeft);
    QFETCH(qreal, titleRuleWidth);
    QFETCH(qreal, detailTop);
    QFETCH(qreal, detailRuleTop);
    QFETCH(qreal, detailRuleWidth);
    addRecords(report, 2);
    const auto prepared = layOut(reportNamed(report));
    const qreal titleTop = kMargin + 10.85;

    // The title centred in its box, which runs past the band's right edge.
    const DrawOp *caption = textAt(*prepared, 0, title, kMargin, titleTop + 23.28);
    QVERIFY(caption);
    QCOMPARE(caption->align(), TextAlign::Center);
    QVERIFY(near(caption->rect.width(), reports::mm(191.03)));
    QVERIFY(near(caption->rect.center().x(), reports::mm(kMargin + 95.515)));
    const PreparedFont &font = prepared->fonts.at(size_t(caption->resource));
    QCOMPARE(font.family, QStringLiteral("Arial"));
    QCOMPARE(font.pointSize, 20.0);
    QVERIFY(!font.bold);

    // The logo (279 x 225) in its proportions, centred in its square; the
    // double rule under the title and a rule under every record.
    const qreal logoHeight = 21.43 * 225 / 279;
    QCOMPARE(opsAt(*prepared, 0, DrawKind::Picture, kMargin + 4.23, titleTop + 1.06 + (21.43 - logoHeight) / 2, 21.43,
                   logoHeight), 1);
    QCOMPARE(opsAt(*prepared, 0, DrawKind::Shape, kMargin + titleRuleLeft, titleTop + 33.07, titleRuleWidth, 1.06), 1);
    const qreal height = report == QLatin1String("goods") ? 50.80 : 61.65;
    for (int record = 0; record < 2; ++record)
        QCOMPARE(opsAt(*prepared, 0, DrawKind::Shape, kMargin + 4.76, detailTop + record * height + detailRuleTop,
                       detailRuleWidth, 0.26),
                 1);
    // Goods show their pictures at the left of each block; customers have none.
    int pictures = 0;
    for (const DrawOp &op : prepared->pages.front().ops)
        pictures += op.kind == DrawKind::Picture;
    if (report == QLatin1String("goods")) {
        QCOMPARE(pictures, 3);
        for (int record = 0; record < 2; ++record)
            QCOMPARE(opsAt(*prepared, 0, DrawKind::Picture, kMargin + 4.23, detailTop + record * height + 4.23, 40.48,
                           40.48),
                     1);
    } else {
        QCOMPARE(pictures, 1);
    }
}

void TestListReports::goodsWithoutPictureLeavesTheBoxBlank()
{
    addGoods(3, 2);
    const auto prepared = layOut(reportNamed(QStringLiteral("goods")));
    const qreal detailTop = 59.53;
    QList<int> shown;
    for (int record = 0; record < 3; ++record)
        shown << opsAt(*prepared, 0, DrawKind::Picture, kMargin + 4.23, detailTop + record * 50.80 + 4.23, 40.48, 40.48);
    QCOMPARE(shown, (QList<int>{1, 0, 1}));
    // Nothing else is drawn where the picture would stand: the band's white.
    const QRectF box(reports::mm(kMargin + 4.23), reports::mm(detailTop + 50.80 + 4.23), reports::mm(40.48),
                     reports::mm(40.48));
    for (const DrawOp &op : prepared->pages.front().ops)
        if (op.kind != DrawKind::Fill)
            QVERIFY(!op.rect.intersects(box));
    // The pictures are the stored ones, stretched by the renderer.
    QCOMPARE(prepared->pictures.size(), size_t(3));  // logo and two goods
    QCOMPARE(prepared->pictures.back().size(), QSize(40, 30));
}

void TestListReports::valuesAsText_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");  // the text after the caption; empty: nothing

    const QVariant noNumber(QMetaType(QMetaType::Double));
    QTest::newRow("price without currency or separators") << "goods" << "Harga" << QVariant(150000.0) << "Harga :"
                                                          << "150000";
    QTest::newRow("price with a fraction") << "goods" << "Harga" << QVariant(1234.5) << "Harga :" << "1234,5";
    QTest::newRow("price to 15 digits") << "goods" << "Harga" << QVariant(0.1 + 0.2) << "Harga :" << "0,3";
    QTest::newRow("no price") << "goods" << "Harga" << noNumber << "Harga :" << "";
    QTest::newRow("name as stored") << "goods" << "Nama_Barang" << QVariant("karet 'O' 3/4\"") << "Nama :"
                                    << "karet 'O' 3/4\"";
    QTest::newRow("address: its first line") << "customers" << "Alamat" << QVariant("Jl. Asia Afrika 8\r\nBandung")
                                             << "Alamat :" << "Jl. Asia Afrika 8";
    QTest::newRow("address of three lines") << "customers" << "Alamat" << QVariant("Ruko Blok A\nNo. 3\nCimahi")
                                            << "Alamat :" << "Ruko Blok A";
    QTest::newRow("no e-mail") << "customers" << "Email" << QVariant(QMetaType(QMetaType::QString)) << "Email :"
                               << "";
}

void TestListReports::valuesAsText()
{
    QFETCH(QString, report);
    QFETCH(QString, field);
    QFETCH(QVariant, stored);
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    addRecords(report, 1);
    fx.db().exec(QStringLiteral("UPDATE %1 SET %2 = ?")
                     .arg(report == QLatin1String("goods") ? QStringLiteral("Barang") : QStringLiteral("Pelanggan"), field),
                 {stored});
    const auto prepared = layOut(reportNamed(report));

    // The value's box stands at 80,43 (goods) or 31,75 (customers) in the
    // caption's line.
    const qreal valueLeft = kMargin + (report == QLatin1String("goods") ? 80.43 : 31.75);
    const DrawOp *captionOp = nullptr;
    for (const DrawOp &op : prepared->pages.front().ops)
        if (op.kind == DrawKind::Text && op.text == caption)
            captionOp = &op;
    QVERIFY(captionOp);
    QStringList found;
    for (const DrawOp &op : prepared->pages.front().ops)
        if (op.kind == DrawKind::Text && near(op.rect.left(), reports::mm(valueLeft))
            && near(op.rect.top(), captionOp->rect.top()) && !op.text.isEmpty())
            found << op.text;
    QCOMPARE(found.join(QLatin1Char('|')), shown);
}

void TestListReports::emptyTablesGiveNoPages_data() { definitions_data(); }

void TestListReports::emptyTablesGiveNoPages()
{
    QFETCH(QString, report);
    const Report r = reportNamed(report);
    QCOMPARE(layOut(r)->pageCount(), 0);

    // Through the main window: a preview without pages.
    int pages = -1;
    ScriptedInterface person;
    person.actInside<ReportPreview>([&](ReportPreview &preview) {
        preview.finishProduction();
        QVERIFY(preview.complete());
        pages = preview.pageCount();
    });
    (report == QLatin1String("goods") ? FMain->SpeedButton11 : FMain->SpeedButton10)->click();
    QCOMPARE(pages, 0);
    QCOMPARE(person.count(), 0);
}

void TestListReports::openedFromTheMainWindow_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("how");  // a button or a menu entry of the main window

    QTest::newRow("goods: button") << "goods" << "SpeedButton11";
    QTest::newRow("goods: Report menu") << "goods" << "DaftarBarang2";
    QTest::newRow("customers: button") << "customers" << "SpeedButton10";
    QTest::newRow("customers: Report menu") << "customers" << "DaftarPelanggan2";
}

void TestListReports::openedFromTheMainWindow()
{
    QFETCH(QString, report);
    QFETCH(QString, how);
    const Report r = reportNamed(report);
    addRecords(report, 5);
    const auto request = [&] {
        if (auto *button = FMain->findChild<QToolButton *>(how))
            button->click();
        else
            FMain->findChild<QAction *>(how)->trigger();
    };

    QStringList lastPage;
    int pages = 0;
    const auto look = [&](ReportPreview &preview) {
        QCOMPARE(preview.caption(), r.title);
        QCOMPARE(preview.windowModality(), Qt::NonModal);
        QVERIFY(preview.isVisible());
        // The main window stays shown and usable.
        QVERIFY(FMain->isVisible());
        QVERIFY(FMain->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
        preview.finishProduction();
        pages = preview.pageCount();
        lastPage = preview.report()->pageTexts(pages - 1);
        preview.CloseButton->click();
    };
    ScriptedInterface person;
    QVERIFY(!r.table->active());
    person.actInside<ReportPreview>(look);
    request();
    QCOMPARE(pages, 2);
    QCOMPARE(after(lastPage, QStringLiteral("Jumlah record: ")), QStringLiteral("5"));
    // The table stays open on its last record.
    QVERIFY(r.table->active());
    QCOMPARE(r.table->recNo(), 5);

    // A later request finds it open, and shows what was stored meanwhile.
    Table other;
    other.setTableName(r.table->tableName());
    other.open();
    other.append();
    other.fieldByName(report == QLatin1String("goods") ? QStringLiteral("Kode_Kervano") : QStringLiteral("Nama"))
        ->setAsString(QStringLiteral("ZZ-BARU"));
    other.post();
    other.close();
    person.actInside<ReportPreview>(look);
    request();
    QCOMPARE(after(lastPage, QStringLiteral("Jumlah record: ")), QStringLiteral("6"));
    QVERIFY(lastPage.contains(QStringLiteral("ZZ-BARU")));
    QVERIFY(r.table->active());
    QCOMPARE(person.count(), 0);
}

NOTA_TEST_MAIN(TestListReports)
#include "test_list_reports.moc"
