// The printed invoice in both of its definitions, over the tables of the
// window that opens it: what a page shows, where and in which font, how a
// long or an empty invoice runs over its pages, what the caller sets, and
// the modal preview.
#include "AccessFixture.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "core/DateText.h"
#include "data/Table.h"
#include "invoice/LihatN.h"
#include "invoice/Nota1.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPreview.h"

#include <QApplication>
#include <QToolButton>
#include <optional>

namespace {
// The window-text colour of these layouts: one no element names itself.
const QColor kWindowText(1, 2, 3);
const QColor kBlack(0, 0, 0), kBlue(0, 0, 255), kMaroon(128, 0, 0), kGrey(128, 128, 128);
const QString kDots77(77, QLatin1Char('.'));
const QString kDots61(61, QLatin1Char('.'));

// One print window's definition, bound to the two tables it reads.
struct Printed {
    const ReportDefinition *report;
    ReportElement *printDate;
    Table *header;
    Table *lines;
    PrintedInvoice *form;
};

Printed printed(const QString &window)
{
    const bool newInvoice = window == QLatin1String("FPrintN");
    PrintedInvoice *form = newInvoice ? &FNota1->FPrintN : &FlihatN->FPrintN2;
    Table *header = newInvoice ? FNota1->Table1 : FlihatN->Table1;
    Table *lines = newInvoice ? FNota1->Table2 : FlihatN->Table2;
    form->bind(*header, *lines);
    return {&form->report, form->printDate, header, lines, form};
}

struct Line {
    QString kodeKV, kodeBrg, nama;
    QVariant harga, banyak, diskon, jumlah;
};

std::shared_ptr<PreparedReport> layOut(const Printed &p)
{
    LayoutOptions options;
    options.windowText = kWindowText;
    return reports::layout(*p.report, options);
}

// The texts of a page in drawing order; boxes that print nothing left out.
QStringList textsOf(const PreparedReport &report, int page)
{
    QStringList texts = report.pageTexts(page);
    texts.removeAll(QString());
    return texts;
}

const DrawOp *findText(const PreparedReport &report, int page, const QString &text)
{
    for (const DrawOp &op : report.pages.at(size_t(page)).ops)
        if (op.kind == DrawKind::Text && op.text == text)
            return &op;
    return nullptr;
}

// The bands of a page by their background fills, which differ in height:
// "PH CH Dx3 S C".
QString bandsOf(const PreparedReport &report, int page)
{
    QStringList bands;
    int details = 0;
    const auto flushDetails = [&] {
        if (details)
            bands << QStringLiteral("Dx%1").arg(details);
        details = 0;
    };
    for (const DrawOp &op : report.pages.at(size_t(page)).ops) {
        if (op.kind != DrawKind::Fill)
            continue;
        const int height = qRound(op.rect.height());
        if (height == 69) {
            ++details;
            continue;
        }
        flushDetails();
        switch (height) {
        case 364: bands << QStringLiteral("PH"); break;
        case 93: bands << QStringLiteral("CH"); break;
        case 95: bands << QStringLiteral("S"); break;
        case 222: bands << QStringLiteral("C"); break;
        default: bands << QStringLiteral("?%1").arg(height);
        }
    }
    flushDetails();
    return bands.join(QLatin1Char(' '));
}

bool near(qreal a, qreal b) { return std::abs(a - b) < 0.05; }
} // namespace

class TestPrintedInvoice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_locale.emplace(indonesian()); }
    void cleanupTestCase() { m_locale.reset(); }
    void init() { fx.start(); }
    void cleanup() { fx.stop(); }

    void pageShowsTheInvoice_data();
    void pageShowsTheInvoice();
    void elementsStandWhereTheDesignSays_data();
    void elementsStandWhereTheDesignSays();
    void lineValuesAsText_data();
    void lineValuesAsText();
    void pagesOfShortAndLongInvoices_data();
    void pagesOfShortAndLongInvoices();
    void longTextsStayInTheirBoxes_data();
    void longTextsStayInTheirBoxes();
    void invoiceWithoutLines_data();
    void invoiceWithoutLines();
    void layingOutLeavesTheHeaderWhereItStood_data();
    void layingOutLeavesTheHeaderWhereItStood();
    void printDateSetByTheCaller_data();
    void printDateSetByTheCaller();
    void modalPreviewCaptionedNota_data();
    void modalPreviewCaptionedNota();

private:
    void addHeader(const QString &number, const QDate &date, const QString &to, const QString &address,
                   const QVariant &total);
    void addLine(const QString &number, const Line &line);
    // Invoice 000001 of 5 December 2009 with two lines.
    void addSampleInvoice();
    // Opens the window's tables as the invoice windows do: the header on the
    // invoice's record, the lines filtered to its number.
    static void openInvoice(const Printed &p, const QString &number);
    static void bothWindows();

    AccessFixture fx;
    std::optional<PinnedLocale> m_locale;
};

void TestPrintedInvoice::addHeader(const QString &number, const QDate &date, const QString &to,
                                   const QString &address, const QVariant &total)
{
    fx.db().exec(QStringLiteral("INSERT INTO \"NotaUtama\" (\"No_Nota\", \"Tanggal\", \"Kepada\", \"Alamat\", "
                                "\"Jumlah_Total\") VALUES (?, ?, ?, ?, ?)"),
                 {number, date.toString(Qt::ISODate), to, address, total});
}

void TestPrintedInvoice::addLine(const QString &number, const Line &line)
{
    fx.db().exec(QStringLiteral("INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", "
                                "\"Harga\", \"Banyak\", \"Diskon\", \"Jumlah\") VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                 {number, line.kodeKV, line.kodeBrg, line.nama, line.harga, line.banyak, line.diskon, line.jumlah});
}

void TestPrintedInvoice::addSampleInvoice()
{
    addHeader(QStringLiteral("000001"), QDate(2009, 12, 5), QStringLiteral("Toko Sumber Makmur"),
              QStringLiteral("Jl. Gatot Subroto 17\nBandung"), 459376.5);
    // 40500 x 12,5 less 10 %; 1250,5 x 3 without discount.
    addLine(QStringLiteral("000001"), {"KV-0001", "90310-12", "Karet stabilizer", 40500.0, 12.5, 10.0, 455625.0});
    addLine(QStringLiteral("000001"), {"KV-0002", "48815-06", "Bushing arm", 1250.5, 3.0, 0.0, 3751.5});
}

void TestPrintedInvoice::openInvoice(const Printed &p, const QString &number)
{
    p.header->open();
    QVERIFY(p.header->findKey(number));
    p.lines->open();
    p.lines->setFiltered(false);
    p.lines->setFilter(QStringLiteral("ID_Nota ='%1'").arg(number));
    p.lines->setFiltered(true);
}

void TestPrintedInvoice::bothWindows()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("new invoice (FPrintN)") << QStringLiteral("FPrintN");
    QTest::newRow("invoice browser (FPrintN2)") << QStringLiteral("FPrintN2");
}

void TestPrintedInvoice::pageShowsTheInvoice_data() { bothWindows(); }

void TestPrintedInvoice::pageShowsTheInvoice()
{
    QFETCH(QString, window);
    const Printed p = printed(window);
    addSampleInvoice();
    openInvoice(p, QStringLiteral("000001"));

    const auto report = layOut(p);
    QCOMPARE(report->title, QStringLiteral("Nota"));
    QCOMPARE(report->caption(), QStringLiteral("Nota"));
    QCOMPARE(report->paperWidth, 2100.0);
    QCOMPARE(report->paperHeight, 2970.0);
    QCOMPARE(report->printer.paperSource, PaperSource::Automatic);
    QCOMPARE(report->printer.copies, 1);
    QCOMPARE(report->pageCount(), 1);
    QCOMPARE(textsOf(*report, 0),
             (QStringList{// page header
                          "Tanggal :", "05 Des 2009", "Kepada :", "Toko Sumber Makmur", "Alamat :", " No Nota :",
                          kDots77, "000001", "Kervano", "AUTOMOTIVE RUBBER PART", kDots61,
                          // the address, its lines over three dotted lines
                          kDots77, kDots77, kDots77, "Jl. Gatot Subroto 17\nBandung",
                          // column header
                          "Kode Barang", "Nama Barang", "Harga", "Banyak", "Diskon (%)", "Jumlah", "Kode Kervano",
                          // the lines
                          "90310-12", "Karet stabilizer", "Rp 40.500", "12,5", "10", "Rp 455.625", "KV-0001",
                          "48815-06", "Bushing arm", "Rp 1.250,5", "3", "0", "Rp 3.751,5", "KV-0002",
                          // total and signature block
                          "Jumlah Total : ", "Rp 459.376,5", "Tanda Terima", "( _______________ )", "Hormat Kami",
                          "( _______________ )", "12/12/09", "* Dicetak Tanggal"}));

    // The logo at the page header's top left, in its proportions (279 x 225)
    // centred in its square of 21.43 mm.
    const PreparedPage &page = report->pages.front();
    const auto logo = std::find_if(page.ops.begin(), page.ops.end(),
                                   [](const DrawOp &op) { return op.kind == DrawKind::Picture; });
    QVERIFY(logo != page.ops.end());
    const qreal logoHeight = 214.3 * 225 / 279;
    QVERIFY(near(logo->rect.left(), 105.8) && near(logo->rect.top(), 137.6 + (214.3 - logoHeight) / 2));
    QVERIFY(near(logo->rect.width(), 214.3) && near(logo->rect.height(), logoHeight));
    QCOMPARE(report->pictures.at(size_t(logo->resource)).size(), QSize(279, 225));
}

void TestPrintedInvoice::elementsStandWhereTheDesignSays_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("left");   // mm from the paper's left edge
    QTest::addColumn<qreal>("top");    // mm from the paper's top edge
    QTest::addColumn<qreal>("width");  // mm; 0 for a box as wide as its text
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("opaque");

    // Margins 12,70 above and 6,35 at the left. Bands from the top: page
    // header at 12,70, column header at 47,63, lines at 56,89 and 63,77,
    // summary at 70,65, signature block at 80,18.
    struct Row {
        const char *name, *text;
        qreal left, top, width;
        const char *family;
        qreal size;
        bool bold;
        QColor colour;
        bool opaque;
    };
    const Row shared[] = {
        {"date", "05 Des 2009", 131.23, 19.31, 0, "Arial", 10, true, kBlue, true},
        {"customer", "Toko Sumber Makmur", 131.23, 25.40, 0, "Arial", 10, true, kWindowText, true},
        {"dotted line under the address", "", 131.23, 41.46, 0, "Arial", 8, false, kWindowText, false},
        {"invoice number", "000001", 31.75, 38.10, 0, "Arial", 10, true, kMaroon, true},
        {"shop name", "Kervano", 33.87, 17.99, 0, "Tahoma", 28, false, kWindowText, true},
        {"column caption", "Kode Kervano", 10.05, 51.25, 0, "Arial", 10, true, kMaroon, false},
        {"line's Kode_KV", "KV-0001", 10.85, 59.71, 0, "Arial", 8, false, kWindowText, true},
        {"second line's Harga", "Rp 1.250,5", 110.33, 66.59, 0, "Arial", 8, false, kWindowText, true},
        {"total caption", "Jumlah Total : ", 138.11, 74.27, 0, "Arial", 10, true, kBlue, true},
        {"total", "Rp 459.376,5", 173.04, 74.27, 0, "Arial", 10, true, kMaroon, true},
        {"signature caption", "Tanda Terima", 31.75, 82.47, 0, "Tahoma", 10, false, kBlack, true},
        {"print-date caption", "* Dicetak Tanggal", 146.84, 100.47, 0, "Terminal", 6, false, kGrey, true},
        {"print date", "12/12/09", 175.15, 100.47, 0, "Terminal", 6, false, kGrey, true},
        {"address on the paper", "Jl. Gatot Subroto 17\nBandung", 131.23, 31.49, 0, "Arial", 10, false, kWindowText, false},
    };
    const auto add = [](const QString &window, const Row &row) {
        const QString text = *row.text ? QString::fromUtf8(row.text) : kDots77;
        QTest::addRow("%s: %s", qPrintable(window), row.name)
            << window << text << row.left << row.top << row.width << QString::fromLatin1(row.family) << row.size
            << row.bold << row.colour << row.opaque;
    };
    for (const QString &window : {QStringLiteral("FPrintN"), QStringLiteral("FPrintN2")})
        for (const Row &row : shared)
            add(window, row);
    // The two measurements in which the definitions differ.
    add(QStringLiteral("FPrintN"), {"date caption", "Tanggal :", 113.77, 19.31, 0, "Arial", 10, true, kWindowText, true});
    add(QStringLiteral("FPrintN2"), {"date caption", "Tanggal :", 113.51, 19.31, 0, "Arial", 10, true, kWindowText, true});
    add(QStringLiteral("FPrintN"), {"line's Jumlah", "Rp 455.625", 166.42, 59.71, 22.23, "Arial", 8, false, kWindowText, true});
    add(QStringLiteral("FPrintN2"), {"line's Jumlah", "Rp 455.625", 166.42, 59.71, 24.34, "Arial", 8, false, kWindowText, true});
}

void TestPrintedInvoice::elementsStandWhereTheDesignSays()
{
    QFETCH(QString, window);
    QFETCH(QString, text);
    QFETCH(qreal, left);
    QFETCH(qreal, top);
    QFETCH(qreal, width);
    QFETCH(QString, family);
    QFETCH(qreal, size);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    QFETCH(bool, opaque);
    const Printed p = printed(window);
    addSampleInvoice();
    openInvoice(p, QStringLiteral("000001"));

    const auto report = layOut(p);
    // The dotted line under the address is the last of the three.
    const DrawOp *op = nullptr;
    for (const DrawOp &candidate : report->pages.front().ops)
        if (candidate.kind == DrawKind::Text && candidate.text == text)
            op = &candidate;
    QVERIFY(op);
    QVERIFY2(near(op->rect.left(), reports::mm(left)), qPrintable(QString::number(op->rect.left())));
    QVERIFY2(near(op->rect.top(), reports::mm(top)), qPrintable(QString::number(op->rect.top())));
    if (width > 0) {
        QVERIFY2(near(op->rect.width(), reports::mm(width)), qPrintable(QString::number(op->rect.width())));
        QCOMPARE(op->align(), TextAlign::Right);
    } else {
        QCOMPARE(op->align(), TextAlign::Left);
    }
    const PreparedFont &font = report->fonts.at(size_t(op->resource));
    QCOMPARE(font.family, family);
    QCOMPARE(font.pointSize, size);
    QCOMPARE(font.bold, bold);
    QCOMPARE(QColor::fromRgba(op->color), colour);
    QCOMPARE(bool(op->flags & drawflags::kOpaque), opaque);
}

void TestPrintedInvoice::lineValuesAsText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<qreal>("left");  // the value's column, mm from the band's left
    QTest::addColumn<QString>("shown");

    QTest::newRow("Banyak with a fraction") << "Banyak" << QVariant(12.5) << 123.56 << "12,5";
    QTest::newRow("whole Banyak") << "Banyak" << QVariant(3.0) << 123.56 << "3";
    QTest::newRow("Banyak to 15 digits") << "Banyak" << QVariant(0.1 + 0.2) << 123.56 << "0,3";
    QTest::newRow("Banyak without thousands separator") << "Banyak" << QVariant(1500.0) << 123.56 << "1500";
    QTest::newRow("Diskon with a fraction") << "Diskon" << QVariant(7.25) << 139.70 << "7,25";
    QTest::newRow("no Diskon") << "Diskon" << QVariant(QMetaType(QMetaType::Double)) << 139.70 << "";
    QTest::newRow("Harga in rupiah") << "Harga" << QVariant(40500.0) << 103.98 << "Rp 40.500";
    // Wider than its column: wrapped within it, never over the quantity.
    QTest::newRow("Harga in millions") << "Harga" << QVariant(1234567.0) << 103.98 << "Rp\n1.234.567";
    QTest::newRow("Jumlah to two decimals") << "Jumlah" << QVariant(10801.875) << 160.07 << "Rp 10.801,88";
    QTest::newRow("Jumlah with one decimal") << "Jumlah" << QVariant(3751.5) << 160.07 << "Rp 3.751,5";
    QTest::newRow("Nama_Brg as stored") << "Nama_Brg" << QVariant("Seal 'O' ring 3/4\"") << 59.80
                                        << "Seal 'O' ring 3/4\"";
    QTest::newRow("Kode_Brg as stored") << "Kode_Brg" << QVariant("  90310-12") << 33.60 << "  90310-12";
}

void TestPrintedInvoice::lineValuesAsText()
{
    QFETCH(QString, field);
    QFETCH(QVariant, stored);
    QFETCH(qreal, left);
    QFETCH(QString, shown);
    const Printed p = printed(QStringLiteral("FPrintN"));
    addHeader(QStringLiteral("000007"), QDate(2010, 1, 31), QStringLiteral("Budi"), QStringLiteral("Jl. A"), 1.0);
    addLine(QStringLiteral("000007"), {"KV-1", "B-1", "Karet", 1.0, 1.0, 0.0, 1.0});
    fx.db().exec(QStringLiteral("UPDATE \"Nota\" SET \"%1\" = ?").arg(field), {stored});
    openInvoice(p, QStringLiteral("000007"));

    const auto report = layOut(p);
    // The text in the line's row at the column's left.
    const qreal rowTop = reports::mm(12.70 + 36.43 + 9.26 + 1.32);
    QStringList found;
    for (const DrawOp &op : report->pages.front().ops)
        if (op.kind == DrawKind::Text && near(op.rect.left(), reports::mm(6.35 + left)) && near(op.rect.top(), rowTop))
            found << op.text;
    QCOMPARE(found.join(QLatin1Char('|')), shown);
}

void TestPrintedInvoice::pagesOfShortAndLongInvoices_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QStringList>("pages");

    // Below the page header (1,5 mm deeper than the design's, for the
    // address's third line) and the column header a page holds 32 lines
    // (58,39 to 278,55 mm of 284,30); the total needs 9,53 and the
    // signature block 22,23 below the last line.
    const QString n = QStringLiteral("FPrintN"), n2 = QStringLiteral("FPrintN2");
    QTest::newRow("one line") << n << 1 << QStringList{"PH CH Dx1 S C"};
    QTest::newRow("28 lines: all on one page") << n << 28 << QStringList{"PH CH Dx28 S C"};
    QTest::newRow("29 lines: the signature block moves on alone") << n << 29 << QStringList{"PH CH Dx29 S", "PH CH C"};
    QTest::newRow("31 lines: the total still fits") << n2 << 31 << QStringList{"PH CH Dx31 S", "PH CH C"};
    QTest::newRow("32 lines: the total moves on") << n << 32 << QStringList{"PH CH Dx32", "PH CH S C"};
    QTest::newRow("33 lines: a line moves on") << n2 << 33 << QStringList{"PH CH Dx32", "PH CH Dx1 S C"};
    QTest::newRow("34 lines: two lines move on") << n << 34 << QStringList{"PH CH Dx32", "PH CH Dx2 S C"};
    QTest::newRow("80 lines on three pages")
        << n2 << 80 << QStringList{"PH CH Dx32", "PH CH Dx32", "PH CH Dx16 S C"};
}

void TestPrintedInvoice::pagesOfShortAndLongInvoices()
{
    QFETCH(QString, window);
    QFETCH(int, lines);
    QFETCH(QStringList, pages);
    const Printed p = printed(window);
    addHeader(QStringLiteral("000003"), QDate(2009, 12, 5), QStringLiteral("Toko Sumber Makmur"),
              QStringLiteral("Jl. Gatot Subroto 17\r\nBandung 40262"), 1000.0 * lines);
    QStringList codes;
    for (int i = 1; i <= lines; ++i) {
        codes << QStringLiteral("KV-%1").arg(i, 4, 10, QLatin1Char('0'));
        addLine(QStringLiteral("000003"), {codes.last(), "B", "Karet", 1000.0, 1.0, 0.0, 1000.0});
    }
    // Lines of another invoice stay out.
    addLine(QStringLiteral("000004"), {"KV-9999", "B", "Lain", 1.0, 1.0, 0.0, 1.0});
    openInvoice(p, QStringLiteral("000003"));

    const auto report = layOut(p);
    QStringList bands, printedCodes;
    std::optional<QRectF> address;
    for (int page = 0; page < report->pageCount(); ++page) {
        bands << bandsOf(*report, page);
        const QStringList texts = textsOf(*report, page);
        for (const QString &text : texts)
            if (text.startsWith(QLatin1String("KV-")))
                printedCodes << text;
        // Every page repeats the header's values and the address's lines,
        // at the same place on the paper.
        QCOMPARE(texts.mid(0, 2), (QStringList{"Tanggal :", "05 Des 2009"}));
        QCOMPARE(texts.count(QStringLiteral("000003")), 1);
        const DrawOp *shown = findText(*report, page, QStringLiteral("Jl. Gatot Subroto 17\nBandung 40262"));
        QVERIFY(shown);
        if (!address)
            address = shown->rect;
        QCOMPARE(shown->rect, *address);
    }
    QCOMPARE(bands, pages);
    QCOMPARE(printedCodes, codes);
    // The total and the signature block once, at the end.
    QString all;
    for (int page = 0; page < report->pageCount(); ++page)
        all += textsOf(*report, page).join(QLatin1Char('|'));
    QCOMPARE(all.count(QStringLiteral("Jumlah Total : ")), 1);
    QCOMPARE(all.count(QStringLiteral("Tanda Terima")), 1);
    QCOMPARE(all.count(QStringLiteral("* Dicetak Tanggal")), 1);
    // The line table is left on its last line.
    QCOMPARE(p.lines->recNo(), lines);
}

void TestPrintedInvoice::longTextsStayInTheirBoxes_data() { bothWindows(); }

// A goods name wider than its column wraps within it and its row grows (the
// column rules with it), so nothing is cut and nothing runs over the price;
// the address prints its first three lines.
void TestPrintedInvoice::longTextsStayInTheirBoxes()
{
    QFETCH(QString, window);
    const Printed p = printed(window);
    addHeader(QStringLiteral("000009"), QDate(2026, 12, 10), QStringLiteral("Budi"),
              QStringLiteral("Jl. Mawar 1\nKel. Sukajadi\nKec. Sukasari\nBandung 40162"), 1.0);
    const QString name = QStringLiteral("KARET SUPPORT MESIN AVANZA 1.5");
    addLine(QStringLiteral("000009"), {"KV-1", "B-1", name, 285000.0, 1.0, 0.0, 285000.0});
    addLine(QStringLiteral("000009"), {"KV-2", "B-2", "Seal", 1000.0, 1.0, 0.0, 1000.0});
    openInvoice(p, QStringLiteral("000009"));

    const auto report = layOut(p);
    QCOMPARE(report->pageCount(), 1);
    QVERIFY(findText(*report, 0, QStringLiteral("Jl. Mawar 1\nKel. Sukajadi\nKec. Sukasari")));
    const DrawOp *printedName = nullptr;
    for (const DrawOp &op : report->pages.front().ops)
        if (op.kind == DrawKind::Text && QString(op.text).replace(QLatin1Char('\n'), QLatin1Char(' ')) == name)
            printedName = &op;
    QVERIFY(printedName);
    QVERIFY(printedName->text.contains(QLatin1Char('\n')));
    const qreal column = reports::mm(6.35 + 101.60);  // the rule left of the price
    QVERIFY2(printedName->rect.right() <= column, qPrintable(QString::number(printedName->rect.right())));
    const DrawOp *price = findText(*report, 0, QStringLiteral("Rp 285.000"));
    QVERIFY(price);
    QVERIFY(!printedName->rect.intersects(price->rect));
    // The grown row holds the whole name; the next row starts below it.
    const DrawOp *next = findText(*report, 0, QStringLiteral("Seal"));
    QVERIFY(next);
    QVERIFY(next->rect.top() >= printedName->rect.bottom());
    QCOMPARE(bandsOf(*report, 0).left(3), QStringLiteral("PH "));
    QVERIFY2(bandsOf(*report, 0).contains(QLatin1String("?")), qPrintable(bandsOf(*report, 0)));  // a row of its own height
}

void TestPrintedInvoice::invoiceWithoutLines_data() { bothWindows(); }

void TestPrintedInvoice::invoiceWithoutLines()
{
    QFETCH(QString, window);
    const Printed p = printed(window);
    addSampleInvoice();  // lines of another invoice
    addHeader(QStringLiteral("000002"), QDate(2009, 12, 6), QStringLiteral("Toko Kosong"), QStringLiteral("Jl. B 2"),
              0.0);
    openInvoice(p, QStringLiteral("000002"));
    QVERIFY(p.lines->isEmpty());

    const auto report = layOut(p);
    QCOMPARE(report->pageCount(), 1);
    QCOMPARE(bandsOf(*report, 0), QStringLiteral("PH Dx1 S C"));
    // The page header shows the invoice's header; no column captions; the
    // empty line row shows no text.
    QCOMPARE(textsOf(*report, 0),
             (QStringList{"Tanggal :", "06 Des 2009", "Kepada :", "Toko Kosong", "Alamat :", " No Nota :", kDots77,
                          "000002", "Kervano", "AUTOMOTIVE RUBBER PART", kDots61, kDots77, kDots77, kDots77, "Jl. B 2",
                          "Jumlah Total : ", "Rp ", "Tanda Terima", "( _______________ )", "Hormat Kami",
                          "( _______________ )", "12/12/09", "* Dicetak Tanggal"}));
    // The empty row stands directly below the page header, with its frame
    // lines at top and bottom and the six rules of the columns.
    const qreal rowTop = reports::mm(12.70 + 36.43), rowBottom = rowTop + reports::mm(6.88);
    QList<qreal> rules;
    int frameLines = 0;
    for (const DrawOp &op : report->pages.front().ops) {
        if (op.kind == DrawKind::Shape && op.rect.top() > rowTop && op.rect.bottom() < rowBottom)
            rules << op.rect.left() - reports::mm(6.35);
        if (op.kind == DrawKind::Line && op.rect.height() == 0
            && (near(op.rect.top(), rowTop) || near(op.rect.top(), rowBottom)))
            ++frameLines;
    }
    const QList<qreal> columns{57.41, 101.60, 120.91, 137.85, 158.22, 31.75};
    QCOMPARE(rules.size(), columns.size());
    for (qsizetype i = 0; i < rules.size(); ++i)
        QVERIFY2(near(rules[i], reports::mm(columns[i])), qPrintable(QString::number(rules[i])));
    QVERIFY(frameLines >= 2);
}

void TestPrintedInvoice::layingOutLeavesTheHeaderWhereItStood_data() { bothWindows(); }

void TestPrintedInvoice::layingOutLeavesTheHeaderWhereItStood()
{
    QFETCH(QString, window);
    const Printed p = printed(window);
    for (int i = 1; i <= 3; ++i) {
        const QString number = QStringLiteral("00000%1").arg(i);
        addHeader(number, QDate(2009, 12, i), QStringLiteral("Pelanggan %1").arg(i), QStringLiteral("Jl. %1").arg(i),
                  100.0 * i);
        for (int j = 1; j <= 2; ++j)
            addLine(number, {QStringLiteral("KV-%1-%2").arg(i).arg(j), "B", "Karet", 50.0 * i, 1.0, 0.0, 50.0 * i});
    }
    openInvoice(p, QStringLiteral("000002"));
    QCOMPARE(p.header->recNo(), 2);

    const auto report = layOut(p);
    QCOMPARE(p.header->recNo(), 2);
    QCOMPARE(p.header->fieldByName(QStringLiteral("No_Nota"))->asString(), QStringLiteral("000002"));
    const QStringList texts = textsOf(*report, 0);
    QVERIFY(texts.contains(QStringLiteral("000002")));
    QVERIFY(texts.contains(QStringLiteral("Pelanggan 2")));
    QVERIFY(texts.contains(QStringLiteral("Rp 200")));
    QCOMPARE(texts.filter(QStringLiteral("KV-")), (QStringList{"KV-2-1", "KV-2-2"}));
}

void TestPrintedInvoice::printDateSetByTheCaller_data() { bothWindows(); }

void TestPrintedInvoice::printDateSetByTheCaller()
{
    QFETCH(QString, window);
    const Printed p = printed(window);
    addSampleInvoice();
    openInvoice(p, QStringLiteral("000001"));
    const DrawOp before = *findText(*layOut(p), 0, QStringLiteral("12/12/09"));

    // As the invoice windows do before the preview: the day of printing, not
    // the invoice's date.
    const QString today = datetext::shortDate(QDate::currentDate());
    p.printDate->setCaption(today);
    const auto report = layOut(p);
    QVERIFY(!findText(*report, 0, QStringLiteral("12/12/09")));
    const DrawOp *after = findText(*report, 0, today);
    QVERIFY(after);
    QCOMPARE(after->rect.topLeft(), before.rect.topLeft());
    QCOMPARE(after->resource, before.resource);
    QVERIFY(findText(*report, 0, QStringLiteral("05 Des 2009")));
}

void TestPrintedInvoice::modalPreviewCaptionedNota_data() { bothWindows(); }

void TestPrintedInvoice::modalPreviewCaptionedNota()
{
    QFETCH(QString, window);
    const Printed p = printed(window);
    addSampleInvoice();
    openInvoice(p, QStringLiteral("000001"));

    bool ran = false;
    ScriptedInterface person;
    person.actInside<ReportPreview>([&](ReportPreview &preview) {
        ran = true;
        QCOMPARE(preview.caption(), QStringLiteral("Nota"));
        QVERIFY(preview.isVisible());
        QCOMPARE(preview.windowModality(), Qt::ApplicationModal);
        preview.finishProduction();
        QCOMPARE(preview.pageCount(), 1);
        QVERIFY(preview.report()->pageTexts(0).contains(QStringLiteral("Toko Sumber Makmur")));
        preview.CloseButton->click();
    });
    p.form->PreviewModal(*p.header, *p.lines);
    QVERIFY(ran);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(p.header->recNo(), 1);
}

NOTA_TEST_MAIN(TestPrintedInvoice)
#include "test_printed_invoice.moc"
