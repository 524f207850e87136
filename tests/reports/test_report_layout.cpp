// Report layout: pagination, band placement, numbering and values as text.
#include "ReportFixtures.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "core/DateText.h"
#include "reports/ReportLayout.h"
#include "reports/TextMeasure.h"

namespace {
QStringList pageSequences(const PreparedReport &report)
{
    QStringList pages;
    for (int p = 0; p < report.pageCount(); ++p)
        pages << fixture::bands(report, p).join(QLatin1Char(' '));
    return pages;
}

// A one-band report whose detail band holds `element` over one record.
struct SingleElement {
    ReportDefinition def;
    std::shared_ptr<MemoryRecords> rows;
    ReportBand *detail;

    explicit SingleElement(const QVariantList &values = {QStringLiteral("x")})
        : rows(std::make_shared<MemoryRecords>(QStringList{"Nama", "Alamat", "Harga"}))
    {
        def.page.topMargin = def.page.bottomMargin = def.page.leftMargin = def.page.rightMargin = reports::mm(10);
        def.bandWidth = reports::mm(190);
        def.records = rows;
        rows->addRow(values);
        detail = &def.addBand(BandKind::Detail, reports::mm(30));
    }
    std::shared_ptr<PreparedReport> run(LayoutOptions options = {}) { return reports::layout(def, std::move(options)); }
};

std::vector<const DrawOp *> textOps(const PreparedReport &report, int page = 0)
{
    std::vector<const DrawOp *> ops;
    for (const DrawOp &op : report.pages.at(size_t(page)).ops)
        if (op.kind == DrawKind::Text)
            ops.push_back(&op);
    return ops;
}
} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT
private slots:
    void pagination_data();
    void pagination();
    void bandsStandWhereThePageSays();
    void recordNumbersAndCount();
    void progressAfterEachDetail();
    void emptyDetailShowsNoData();
    void dateTimeLeavesOutMidnight_data();
    void dateTimeLeavesOutMidnight();
    void valueLines_data();
    void valueLines();
    void wrappedLinesFitTheBox();
    void autoSizeKeepsItsEdge_data();
    void autoSizeKeepsItsEdge();
    void textBoxFillAndColour();
    void bandBackgroundAndFrame();
    void picturesAreSharedAndMissingOnesLeaveTheBoxBlank();
    void steppedLayoutGivesTheSamePages();
};

void TestReportLayout::pagination_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("printIfEmpty");
    QTest::addColumn<qreal>("detailMm");
    QTest::addColumn<QStringList>("pages");

    // Page 1 holds 4 details below PH, T and CH (60 -> 260 mm); later pages 4
    // below PH and CH (40 -> 240 mm); the footer reserves 270 -> 287 mm.
    const QString first4 = QStringLiteral("PH T CH D:1 D:2 D:3 D:4 PF PL");
    QTest::newRow("empty table, print-if-empty")
        << 0 << true << 50.0 << QStringList{"PH T D: S C PF PL"};
    QTest::newRow("empty table, no print-if-empty") << 0 << false << 50.0 << QStringList{};
    QTest::newRow("one record") << 1 << false << 50.0 << QStringList{"PH T CH D:1 S C PF PL"};
    QTest::newRow("detail moves to a new page")
        << 5 << false << 50.0 << QStringList{first4, "PH CH D:5 S C PF PL"};
    QTest::newRow("summary moves on with its child")
        << 4 << false << 50.0 << QStringList{first4, "PH CH S C PF PL"};
    QTest::newRow("child moves on alone")
        << 8 << false << 50.0 << QStringList{first4, "PH CH D:5 D:6 D:7 D:8 S PF PL", "PH CH C PF PL"};
    QTest::newRow("summary and child fit")
        << 7 << false << 50.0 << QStringList{first4, "PH CH D:5 D:6 D:7 S C PF PL"};
    QTest::newRow("over-tall detail never starts a page")
        << 2 << false << 280.0 << QStringList{"PH T CH D:1 D:2 PF PL", "PH CH S C PF PL"};
}

void TestReportLayout::pagination()
{
    QFETCH(int, records);
    QFETCH(bool, printIfEmpty);
    QFETCH(qreal, detailMm);
    QFETCH(QStringList, pages);
    fixture::Shape shape;
    shape.records = records;
    shape.printIfEmpty = printIfEmpty;
    shape.detailMm = detailMm;
    const auto def = fixture::definition(shape);
    const auto report = reports::layout(*def);
    QCOMPARE(pageSequences(*report), pages);
    QVERIFY(report->complete);
}

void TestReportLayout::bandsStandWhereThePageSays()
{
    fixture::Shape shape;
    shape.records = 8;
    const auto def = fixture::definition(shape);
    const auto report = reports::layout(*def);
    QCOMPARE(report->pageCount(), 3);

    // Later pages: page header at the top margin, column header below it,
    // then the rows; the child that moved on alone stands below both.
    QCOMPARE(fixture::findText(*report, 1, "PH")->rect.top(), 100.0);
    QCOMPARE(fixture::findText(*report, 1, "CH")->rect.top(), 300.0);
    QCOMPARE(fixture::findText(*report, 1, "Item 5")->rect.top(), 400.0);
    QCOMPARE(fixture::findText(*report, 1, "S")->rect.top(), 2400.0);
    QCOMPARE(fixture::findText(*report, 2, "C")->rect.top(), 400.0);
    QCOMPARE(fixture::findText(*report, 0, "CH")->rect.top(), 500.0);

    for (int p = 0; p < report->pageCount(); ++p) {
        // Footer's lower edge on the bottom margin: top at 297 - 10 - 17 mm.
        QCOMPARE(fixture::findText(*report, p, "PF")->rect.top(), 2700.0);
        // The page-level element is drawn last, at the same place on the paper.
        const DrawOp &last = report->pages[size_t(p)].ops.back();
        QCOMPARE(last.text, QStringLiteral("PL"));
        QCOMPARE(last.rect.topLeft(), QPointF(1500, 50));
        QCOMPARE(fixture::findText(*report, p, QStringLiteral("Halaman %1").arg(p + 1)) != nullptr, true);
        // Bands start on the left margin.
        QCOMPARE(fixture::findText(*report, p, "PH")->rect.left(), 100.0);
    }
}

void TestReportLayout::recordNumbersAndCount()
{
    fixture::Shape shape;
    shape.records = 12;
    const auto def = fixture::definition(shape);
    const auto report = reports::layout(*def);
    QStringList numbers, counts;
    for (int p = 0; p < report->pageCount(); ++p)
        for (const QString &text : report->pageTexts(p)) {
            if (text.startsWith(QLatin1Char('#')))
                numbers << text;
            if (text.startsWith(QLatin1String("count=")))
                counts << text;
        }
    QStringList expected;
    for (int i = 1; i <= 12; ++i)
        expected << QStringLiteral("#%1").arg(i);
    QCOMPARE(numbers, expected);
    QCOMPARE(counts, QStringList{"count=12"});
}

void TestReportLayout::progressAfterEachDetail()
{
    fixture::Shape shape;
    shape.records = 12;
    const auto def = fixture::definition(shape);
    ReportLayout layout(*def);
    QList<int> seen;
    layout.onProgress = [&](int percent) { seen << percent; };
    while (!layout.run(5)) {
    }
    QCOMPARE(seen, (QList<int>{8, 16, 25, 33, 41, 50, 58, 66, 75, 83, 91, 100}));
    QCOMPARE(layout.progress(), 100);
}

void TestReportLayout::emptyDetailShowsNoData()
{
    auto city = std::make_shared<MemoryRecords>(QStringList{"Kota"});
    city->addRow({QStringLiteral("Bandung")});
    fixture::Shape shape;
    shape.printIfEmpty = true;

    shape.records = 0;
    auto empty = reports::layout(*fixture::definition(shape, city));
    QCOMPARE(empty->pageCount(), 1);
    QVERIFY(!empty->pageTexts(0).contains("Bandung"));
    QVERIFY(empty->pageTexts(0).contains("count=0"));

    shape.records = 1;
    auto one = reports::layout(*fixture::definition(shape, city));
    QVERIFY(one->pageTexts(0).contains("Bandung"));
}

void TestReportLayout::dateTimeLeavesOutMidnight_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("withTime");
    QTest::newRow("midnight") << QDateTime(QDate(2009, 12, 5), QTime(0, 0, 0)) << false;
    QTest::newRow("one second past") << QDateTime(QDate(2009, 12, 5), QTime(0, 0, 1)) << true;
    QTest::newRow("afternoon") << QDateTime(QDate(2024, 2, 29), QTime(14, 30, 5)) << true;
}

void TestReportLayout::dateTimeLeavesOutMidnight()
{
    QFETCH(QDateTime, now);
    QFETCH(bool, withTime);
    PinnedLocale locale(english());
    SingleElement r;
    r.detail->addSystemData(SystemValue::DateTime, reports::box(0, 0, 40, 5)).autoSized();
    const auto report = r.run({[now] { return now; }, {}});
    const QString date = datetext::shortDate(now.date());
    const QString expected = withTime ? date + QLatin1Char(' ') + datetext::longTime(now.time()) : date;
    QCOMPARE(report->pageTexts(0), QStringList{expected});
    QVERIFY(date.contains(QLatin1String(now.date().year() == 2009 ? "2009" : "2024")));
}

void TestReportLayout::valueLines_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<qreal>("heightMm");
    QTest::addColumn<QStringList>("printed");  // empty list: nothing printed

    QTest::newRow("line breaks, auto-size") << "Alamat" << true << 4.5 << QStringList{"Jl. Mawar 5"};
    QTest::newRow("line breaks, fixed box") << "Alamat" << false << 4.5 << QStringList{"Jl. Mawar 5"};
    QTest::newRow("line breaks, two lines high") << "Alamat" << false << 9.5 << QStringList{"Jl. Mawar 5\nBandung"};
    QTest::newRow("auto-size never wraps") << "Nama" << true << 4.5
                                           << QStringList{"Karet penahan debu as roda depan kiri"};
    QTest::newRow("missing field") << "Tidak_Ada" << true << 4.5 << QStringList{};
    QTest::newRow("float prints plain number") << "Harga" << true << 4.5 << QStringList{"150000"};
}

void TestReportLayout::valueLines()
{
    QFETCH(QString, field);
    QFETCH(bool, autoSize);
    QFETCH(qreal, heightMm);
    QFETCH(QStringList, printed);
    SingleElement r({QStringLiteral("Karet penahan debu as roda depan kiri"),
                     QStringLiteral("Jl. Mawar 5\r\nBandung\r\nJawa Barat"), 150000.0});
    r.detail->addField(field, reports::box(10, 2, 80, heightMm)).autoSized(autoSize);
    const auto report = r.run();
    QCOMPARE(report->pageTexts(0), printed);
}

void TestReportLayout::wrappedLinesFitTheBox()
{
    const QString text = QStringLiteral("Karet penahan debu as roda depan kiri untuk kendaraan niaga ringan");
    SingleElement r({text});
    const qreal width = reports::mm(30);
    r.detail->addField("Nama", QRectF(0, 0, width, reports::mm(9.5))).withFont("Arial", 10);
    const auto report = r.run();
    const QStringList lines = report->pageTexts(0).value(0).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);  // only the lines that fit 9.5 mm
    const FontMeasure measure("Arial", 10, false);
    for (const QString &line : lines)
        QVERIFY2(measure.width(line) <= width, qPrintable(line));
    QVERIFY(text.startsWith(lines.join(QLatin1Char(' '))));
    // A third line would not have fitted on the second.
    QVERIFY(measure.width(lines[1] + QLatin1Char(' ') + text.mid(lines.join(' ').size() + 1).section(' ', 0, 0)) > width);
}

void TestReportLayout::autoSizeKeepsItsEdge_data()
{
    QTest::addColumn<int>("align");
    QTest::newRow("left keeps left edge") << int(TextAlign::Left);
    QTest::newRow("right keeps right edge") << int(TextAlign::Right);
    QTest::newRow("centre keeps centre") << int(TextAlign::Center);
}

void TestReportLayout::autoSizeKeepsItsEdge()
{
    QFETCH(int, align);
    SingleElement r({QStringLiteral("Rp 150.000")});
    r.detail->addField("Nama", reports::box(50, 0, 60, 5)).autoSized().aligned(TextAlign(align));
    const auto report = r.run();
    const DrawOp *op = textOps(*report).at(0);
    const qreal textWidth = FontMeasure("Arial", 10, false).width("Rp 150.000");
    QVERIFY(textWidth > 50 && textWidth < 600);
    QCOMPARE(op->rect.width(), textWidth);
    QCOMPARE(op->align(), TextAlign(align));
    const qreal bandLeft = reports::mm(10);
    switch (TextAlign(align)) {
    case TextAlign::Left:
        QCOMPARE(op->rect.left(), bandLeft + 500);
        break;
    case TextAlign::Right:
        QCOMPARE(op->rect.right(), bandLeft + 1100);
        break;
    case TextAlign::Center:
        QCOMPARE(op->rect.center().x(), bandLeft + 800);
        break;
    }
}

void TestReportLayout::textBoxFillAndColour()
{
    SingleElement r;
    ReportElement &plain = r.detail->addLabel("old caption", reports::box(0, 0, 40, 5));
    r.detail->addLabel("over", reports::box(0, 10, 40, 5)).transparentText().withFont("Arial", 10, true, QColor(128, 0, 0));
    r.def.baseFont = ReportFont{"Tahoma", 12, true, Qt::red};  // colour and weight of the base font are not used
    plain.setCaption(QStringLiteral("12/12/09"));
    const auto report = r.run({{}, QColor(1, 2, 3)});
    const auto ops = textOps(*report);
    QCOMPARE(ops.size(), size_t(2));
    QCOMPARE(ops[0]->text, QStringLiteral("12/12/09"));
    QVERIFY(ops[0]->flags & drawflags::kOpaque);
    QVERIFY(ops[0]->flags & drawflags::kClip);
    QCOMPARE(ops[0]->color, qRgb(1, 2, 3));
    const PreparedFont &base = report->fonts.at(size_t(ops[0]->resource));
    QCOMPARE(base.family, QStringLiteral("Tahoma"));
    QCOMPARE(base.pointSize, 12.0);
    QCOMPARE(base.bold, false);
    QVERIFY(!(ops[1]->flags & drawflags::kOpaque));
    QCOMPARE(ops[1]->color, qRgb(128, 0, 0));
    QVERIFY(report->fonts.at(size_t(ops[1]->resource)).bold);
}

void TestReportLayout::bandBackgroundAndFrame()
{
    SingleElement r;
    r.detail->color = QColor(192, 220, 192);
    r.detail->frame = FrameLines{true, true, false, true};
    const auto report = r.run();
    const auto &ops = report->pages[0].ops;
    const QRectF band(100, 100, 1900, 300);
    QCOMPARE(ops.front().kind, DrawKind::Fill);
    QCOMPARE(ops.front().rect, band);
    QCOMPARE(ops.front().color, qRgb(192, 220, 192));
    QList<QRectF> lines;
    for (const DrawOp &op : ops)
        if (op.kind == DrawKind::Line)
            lines << op.rect;
    QCOMPARE(lines, (QList<QRectF>{QRectF(band.topLeft(), band.topRight()), QRectF(band.bottomLeft(), band.bottomRight()),
                                   QRectF(band.topRight(), band.bottomRight())}));
}

void TestReportLayout::picturesAreSharedAndMissingOnesLeaveTheBoxBlank()
{
    QImage logo(40, 30, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    QImage photo(10, 10, QImage::Format_RGB32);
    photo.fill(Qt::green);
    auto rows = std::make_shared<MemoryRecords>(QStringList{"Gambar"});
    for (int i = 0; i < 20; ++i)
        rows->addRow({i % 2 ? QVariant(photo) : QVariant()});
    ReportDefinition def;
    def.page.topMargin = def.page.bottomMargin = reports::mm(10);
    def.bandWidth = reports::mm(190);
    def.records = rows;
    ReportBand &detail = def.addBand(BandKind::Detail, reports::mm(50));
    detail.addPicture(logo, reports::box(0, 0, 20, 20));
    detail.addDataPicture("Gambar", reports::box(30, 0, 40, 40));
    const auto report = reports::layout(def);

    QCOMPARE(report->pageCount(), 4);
    QCOMPARE(report->pictures.size(), size_t(2));
    int logos = 0, photos = 0;
    for (const PreparedPage &page : report->pages)
        for (const DrawOp &op : page.ops)
            if (op.kind == DrawKind::Picture)
                ++(report->pictures.at(size_t(op.resource)).image().pixel(0, 0) == QColor(Qt::blue).rgb() ? logos : photos);
    QCOMPARE(logos, 20);
    QCOMPARE(photos, 10);
}

void TestReportLayout::steppedLayoutGivesTheSamePages()
{
    fixture::Shape shape;
    shape.records = 30;
    const auto def = fixture::definition(shape);
    const auto whole = reports::layout(*def);
    ReportLayout stepped(*def);
    int steps = 0;
    int pagesBefore = 0;
    while (!stepped.run(1)) {
        ++steps;
        QVERIFY(stepped.report()->pageCount() >= pagesBefore);
        pagesBefore = stepped.report()->pageCount();
        QVERIFY(!stepped.report()->complete);
    }
    QCOMPARE(steps, 29);
    QVERIFY(stepped.report()->samePages(*whole));
}

NOTA_TEST_MAIN(TestReportLayout)
#include "test_report_layout.moc"
