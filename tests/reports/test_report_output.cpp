// Prepared pages on paper: images, PDF, and report files written and read back.
#include "ReportFixtures.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "core/Errors.h"
#include "reports/PageRenderer.h"
#include "reports/ReportFile.h"
#include "reports/ReportLayout.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

namespace {
// A three-page report with a picture on every page and a shape filled black.
std::unique_ptr<ReportDefinition> threePages()
{
    fixture::Shape shape;
    shape.records = 9;
    auto def = fixture::definition(shape);
    QImage logo(60, 40, QImage::Format_RGB32);
    logo.fill(QColor(0, 0, 255));
    auto &header = const_cast<ReportBand &>(*def->band(BandKind::PageHeader));
    header.addPicture(logo, reports::box(100, 2, 20, 15));
    header.addShape(reports::box(130, 5, 40, 10), Qt::black);
    return def;
}

QString pdfText(const QString &pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return {};
    return QString::fromUtf8(run.readAllStandardOutput());
}

QByteArray withFreshChecksum(QByteArray file)
{
    const qsizetype payload = file.size() - 20 - 32;
    file.replace(file.size() - 32, 32,
                 QCryptographicHash::hash(QByteArrayView(file).sliced(20, payload), QCryptographicHash::Sha256));
    return file;
}
} // namespace

class TestReportOutput : public QObject {
    Q_OBJECT
private slots:
    void imageShowsThePage();
    void pdfRoundTrip();
    void saveThenLoadGivesTheSamePages();
    void picturesAreStoredOnce();
    void pdfHoldsEachPictureOnce_data();
    void pdfHoldsEachPictureOnce();
    void fileWrittenBeforeStillReads();
    void badFilesAreRefused_data();
    void badFilesAreRefused();
    void printerPrintsTheChosenRange();
};

void TestReportOutput::imageShowsThePage()
{
    const auto def = threePages();
    const auto report = reports::layout(*def);
    const int dpi = 100;
    const QImage page = pagerender::toImage(*report, 0, dpi);
    QCOMPARE(page.size(), QSize(827, 1170));  // A4 at 100 dpi
    auto at = [&](qreal xMm, qreal yMm) { return page.pixelColor(qRound(xMm / 25.4 * dpi), qRound(yMm / 25.4 * dpi)); };
    // Header band starts at 10 mm / 10 mm: the black shape's middle, the
    // picture's middle, and an empty spot.
    QCOMPARE(at(10 + 150, 10 + 10), QColor(Qt::black));
    QCOMPARE(at(10 + 110, 10 + 9.5), QColor(0, 0, 255));
    QCOMPARE(at(100, 150), QColor(Qt::white));
    // Text is drawn: the "PH" marker darkens some pixels in its box.
    int dark = 0;
    for (int y = 40; y < 56; ++y)
        for (int x = 40; x < 60; ++x)
            dark += page.pixelColor(x, y).lightness() < 128;
    QVERIFY(dark > 5);
}

void TestReportOutput::pdfRoundTrip()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    const auto report = reports::layout(*threePages());
    QCOMPARE(report->pageCount(), 3);
    QVERIFY(pagerender::toPdf(*report, pdf));

    const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 3);
    for (int p = 0; p < 3; ++p) {
        QVERIFY2(pages[p].contains(QStringLiteral("Halaman %1").arg(p + 1)), qPrintable(pages[p]));
        QVERIFY(pages[p].contains("PF"));
    }
    QVERIFY(pages[0].contains("Item 1") && pages[0].contains("Item 4") && !pages[0].contains("Item 5"));
    QVERIFY(pages[2].contains("Item 9") && pages[2].contains("count=9"));
}

void TestReportOutput::saveThenLoadGivesTheSamePages()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("report.nqr");
    auto def = threePages();
    def->printer.paperSource = PaperSource::FirstTray;
    const auto report = reports::layout(*def);
    reportfile::save(*report, file);
    const auto loaded = reportfile::load(file);
    QVERIFY(loaded->samePages(*report));
    QCOMPARE(loaded->pageTexts(2), report->pageTexts(2));
    QCOMPARE(loaded->printer.paperSource, PaperSource::FirstTray);
    QCOMPARE(pagerender::toImage(*loaded, 1, 50), pagerender::toImage(*report, 1, 50));
}

void TestReportOutput::picturesAreStoredOnce()
{
    QImage logo(200, 200, QImage::Format_RGB32);
    QRandomGenerator noise(7);  // noise does not compress away
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            logo.setPixel(x, y, noise.generate() | 0xff000000u);
    fixture::Shape shape;
    auto sizeWith = [&](int records) {
        shape.records = records;
        auto def = fixture::definition(shape);
        const_cast<ReportBand &>(*def->band(BandKind::Detail)).addPicture(logo, reports::box(60, 0, 20, 20));
        return reportfile::serialise(*reports::layout(*def)).size();
    };
    const qsizetype small = sizeWith(4);
    const qsizetype large = sizeWith(40);
    const qsizetype png = [&] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        logo.save(&buffer, "PNG");
        return bytes.size();
    }();
    QVERIFY(png > 50000);
    // 36 more rows and 9 more pages cost far less than one more picture.
    QVERIFY2(large - small < png, qPrintable(QStringLiteral("%1 -> %2").arg(small).arg(large)));
}

void TestReportOutput::pdfHoldsEachPictureOnce_data()
{
    QTest::addColumn<QList<int>>("pictureOnPage");  // the picture each page shows, by id
    QTest::addColumn<int>("distinct");
    QTest::newRow("one picture on every page") << QList<int>{0, 0, 0, 0} << 1;
    QTest::newRow("two pictures taking turns") << QList<int>{0, 1, 0, 1, 1, 0} << 2;
    QTest::newRow("a picture a page") << QList<int>{0, 1, 2} << 3;
    QTest::newRow("first and last page only") << QList<int>{1, 0, 0, 1} << 2;
}

// Pictures are decoded only to be drawn; the PDF still receives each one
// once, however many pages show it.
void TestReportOutput::pdfHoldsEachPictureOnce()
{
    QFETCH(QList<int>, pictureOnPage);
    QFETCH(int, distinct);
    if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
        QSKIP("pdfimages (poppler-utils) is not installed");
    PreparedReport report;
    for (const QColor colour : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)}) {
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(colour);
        report.pictures.push_back(picture);
    }
    for (const int id : pictureOnPage) {
        DrawOp op;
        op.kind = DrawKind::Picture;
        op.resource = id;
        op.rect = QRectF(100, 100, 300, 200);
        report.pages.push_back(PreparedPage{{op}});
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath("pictures.pdf");
    QVERIFY(pagerender::toPdf(report, pdf));
    QProcess run;
    run.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    QVERIFY(run.waitForFinished(30000) && run.exitCode() == 0);
    // Two heading lines, then one line per picture drawn on a page; a picture
    // written once into the file has one object number.
    const QStringList lines = QString::fromUtf8(run.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size() - 2, pictureOnPage.size());
    QSet<QString> objects;
    for (const QString &line : lines.mid(2))
        objects << line.simplified().section(QLatin1Char(' '), 10, 11);
    QCOMPARE(objects.size(), distinct);
}

// A file written before pictures were held encoded: the same format, read
// as it always was.
void TestReportOutput::fileWrittenBeforeStillReads()
{
    const auto report = reportfile::load(QCoreApplication::applicationDirPath() + QStringLiteral("/written-before.nqr"));
    QCOMPARE(report->title, QStringLiteral("Nota"));
    QCOMPARE(report->pageCount(), 3);
    QCOMPARE(report->pictures.size(), size_t(1));
    QCOMPARE(report->pictures.front().size(), QSize(3, 2));
    QCOMPARE(report->pictures.front().image().pixelColor(1, 1), QColor(Qt::red));
    QCOMPARE(report->pageTexts(0), (QStringList{"Nota Penjualan", "Jumlah\nRp 12.500"}));
    QCOMPARE(report->pageTexts(2), QStringList());
    // The picture is drawn stretched over its box, 20 x 20 mm at 150 mm / 5 mm.
    const QImage page = pagerender::toImage(*report, 0, 100);
    QCOMPARE(page.pixelColor(qRound(160 / 25.4 * 100), qRound(15 / 25.4 * 100)), QColor(Qt::red));
}

void TestReportOutput::badFilesAreRefused_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    const QString damaged = QStringLiteral("Berkas laporan 'bad.nqr' rusak atau tidak lengkap");
    QTest::newRow("empty file") << "empty" << "'bad.nqr' bukan berkas laporan";
    QTest::newRow("foreign file") << "foreign" << "'bad.nqr' bukan berkas laporan";
    QTest::newRow("truncated") << "truncated" << damaged;
    QTest::newRow("header only") << "header" << damaged;
    QTest::newRow("flipped byte") << "flipped" << damaged;
    QTest::newRow("bytes appended") << "appended" << damaged;
    QTest::newRow("newer version") << "version" << "Berkas laporan 'bad.nqr' ditulis oleh versi program yang lebih baru";
    QTest::newRow("huge count, valid checksum") << "count" << damaged;
    QTest::newRow("font id out of range, valid checksum") << "fontid" << damaged;
}

void TestReportOutput::badFilesAreRefused()
{
    QFETCH(QString, damage);
    QFETCH(QString, message);
    const auto report = reports::layout(*threePages());
    QByteArray bytes = reportfile::serialise(*report);
    if (damage == "empty") {
        bytes.clear();
    } else if (damage == "foreign") {
        bytes = QByteArrayLiteral("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<<>>\nendobj\n");
    } else if (damage == "truncated") {
        bytes.truncate(bytes.size() / 2);
    } else if (damage == "header") {
        bytes.truncate(12);
    } else if (damage == "flipped") {
        bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x40);
    } else if (damage == "appended") {
        bytes.append("trailing");
    } else if (damage == "version") {
        qToLittleEndian<quint16>(reportfile::kVersion + 1, bytes.data() + 8);
    } else if (damage == "count") {
        // The font count follows the title ("Test"), two sizes, three numbers
        // and three flags: payload offset 4 + 4 + 16 + 12 + 3.
        qToLittleEndian<quint32>(0xFFFFFFFFu, bytes.data() + 20 + 39);
        bytes = withFreshChecksum(bytes);
    } else if (damage == "fontid") {
        // Every text operation's font id is checked against the font table:
        // rewrite the first operation's id field of the first page.
        const QByteArray marker = QByteArrayLiteral("PH");
        const qsizetype text = bytes.indexOf(marker);  // the "PH" label's text
        QVERIFY(text > 0);
        // id (4) and the text's length (4) stand right before the text.
        qToLittleEndian<qint32>(99, bytes.data() + text - 8);
        bytes = withFreshChecksum(bytes);
    }
    QTemporaryDir dir;
    const QString file = dir.filePath("bad.nqr");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();
    try {
        reportfile::load(file);
        QFAIL("a bad file was read");
    } catch (const EError &e) {
        QCOMPARE(e.message(), message);
    }
}

void TestReportOutput::printerPrintsTheChosenRange()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const auto report = reports::layout(*threePages());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    QVERIFY(pagerender::print(printer, *report));
    const QStringList pages = pdfText(dir.filePath("printed.pdf")).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages[0].contains("Halaman 2"));
    QVERIFY(pages[1].contains("Halaman 3"));
}

NOTA_TEST_MAIN(TestReportOutput)
#include "test_report_output.moc"
