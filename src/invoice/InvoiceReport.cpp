#include "invoice/InvoiceReport.h"

#include "controls/Pictures.h"

#include <utility>

namespace invoicereport {
namespace {
using reports::box;
using reports::mm;

const QColor kMaroon(128, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGrey(128, 128, 128);
const QColor kLightGreen(192, 220, 192);
const QColor kBlack(0, 0, 0);

// A rule: a rectangle a rule's width wide, outlined in black.
ReportElement &addRule(ReportBand &band, qreal left, qreal top, qreal height)
{
    return band.addShape(box(left, top, 0.26, height));
}

void addPageHeader(ReportDefinition &report, const std::shared_ptr<RecordSource> &header,
                   const InvoiceMeasures &measures)
{
    // 1.5 mm deeper than the design, for the address's third line.
    ReportBand &band = report.addBand(BandKind::PageHeader, mm(36.43));
    band.addPicture(pictures::logo(), box(4.23, 1.06, 21.43, 21.43));
    band.addLabel(QStringLiteral("Tanggal :"), box(measures.dateCaptionLeft, 6.61, 0, 5.29))
        .autoSized().withFont(QStringLiteral("Arial"), 10, true);
    band.addField(QStringLiteral("Tanggal"), box(124.88, 6.61, 0, 4.50), header)
        .autoSized().withFont(QStringLiteral("Arial"), 10, true, kBlue);
    band.addLabel(QStringLiteral("Kepada :"), box(108.21, 12.70, 0, 5.29))
        .autoSized().withFont(QStringLiteral("Arial"), 10, true);
    band.addField(QStringLiteral("Kepada"), box(124.88, 12.70, 0, 4.50), header)
        .autoSized().withFont(QStringLiteral("Arial"), 10, true);
    band.addLabel(QStringLiteral("Alamat :"), box(109.27, 19.31, 0, 5.29))
        .autoSized().withFont(QStringLiteral("Arial"), 10, true);
    band.addLabel(QStringLiteral(" No Nota :"), box(6.35, 25.40, 0, 5.29))
        .autoSized().withFont(QStringLiteral("Arial"), 10, true);
    // Dotted line under the customer's name.
    band.addLabel(QString(77, QLatin1Char('.')), box(124.88, 14.02, 0, 4.50))
        .autoSized().transparentText().withFont(QStringLiteral("Arial"), 8);
    band.addField(QStringLiteral("No_Nota"), box(25.40, 25.40, 0, 4.50), header)
        .autoSized().withFont(QStringLiteral("Arial"), 10, true, kMaroon);
    // The double rule across the bottom of the header.
    band.addShape(box(12.70, 34.31, 171.71, 0.79));
    band.addShape(box(6.35, 32.46, 184.41, 1.06));
    band.addLabel(QStringLiteral("Kervano"), box(27.52, 5.29, 0, 12.17))
        .autoSized().withFont(QStringLiteral("Tahoma"), 28);
    band.addLabel(QStringLiteral("AUTOMOTIVE RUBBER PART"), box(27.52, 17.20, 0, 4.50))
        .autoSized().withFont(QStringLiteral("Arial"), 10);
    // Dotted lines under the invoice number and under the address.
    band.addLabel(QString(61, QLatin1Char('.')), box(25.40, 26.72, 0, 3.97))
        .autoSized().transparentText().withFont(QStringLiteral("Arial"), 8);
    // The address: its first three lines (wrapped at the box's width), each
    // over a dotted line.
    for (const qreal top : {20.64, 24.70, 28.76})
        band.addLabel(QString(77, QLatin1Char('.')), box(124.88, top, 0, 4.50))
            .autoSized().transparentText().withFont(QStringLiteral("Arial"), 8);
    band.addField(QStringLiteral("Alamat"), box(124.88, 18.79, 66.50, 12.30), header)
        .transparentText().withFont(QStringLiteral("Arial"), 10);
}

void addColumnHeader(ReportDefinition &report)
{
    ReportBand &band = report.addBand(BandKind::ColumnHeader, mm(9.26));
    band.color = kLightGreen;
    band.frame = FrameLines::all();
    const auto caption = [&band](const char *text, qreal left) {
        band.addLabel(QString::fromLatin1(text), box(left, 2.12, 0, 4.50))
            .autoSized().transparentText().withFont(QStringLiteral("Arial"), 10, true, kMaroon);
    };
    caption("Kode Barang", 33.07);
    caption("Nama Barang", 59.27);
    caption("Harga", 103.72);
    caption("Banyak", 123.03);
    caption("Diskon (%)", 139.17);
    caption("Jumlah", 168.80);
    for (const qreal left : {57.15, 120.65, 101.60, 137.58, 158.22})
        addRule(band, left, 0.53, 7.67);
    caption("Kode Kervano", 3.70);
    addRule(band, 31.75, 0.53, 7.67);
}

void addDetail(ReportDefinition &report, const InvoiceMeasures &measures)
{
    ReportBand &band = report.addBand(BandKind::Detail, mm(6.88));
    band.frame.top = band.frame.bottom = true;
    // Each value wraps within its column, the row growing with it: a long
    // name is printed whole and never over the price.
    const auto value = [&band](const char *field, qreal left, qreal nextRule) {
        band.addField(QString::fromLatin1(field), box(left, 1.32, nextRule - left - 0.4, 4.50))
            .wrapped().withFont(QStringLiteral("Arial"), 8);
    };
    value("Kode_Brg", 33.60, 57.41);
    value("Nama_Brg", 59.80, 101.60);
    value("Harga", 103.98, 120.91);
    value("Banyak", 123.56, 137.85);
    value("Diskon", 139.70, 158.22);
    band.addField(QStringLiteral("Jumlah"), box(160.07, 1.32, measures.amountWidth, 4.50))
        .aligned(TextAlign::Right).withFont(QStringLiteral("Arial"), 8);
    for (const qreal left : {57.41, 101.60, 120.91, 137.85, 158.22, 31.75})
        addRule(band, left, 0.26, 6.61).stretched();
    value("Kode_KV", 4.50, 31.75);
}

const ReportBand &addSummary(ReportDefinition &report, const std::shared_ptr<RecordSource> &header)
{
    ReportBand &band = report.addBand(BandKind::Summary, mm(9.53));
    band.frame.top = true;
    band.addLabel(QStringLiteral("Jumlah Total : "), box(131.76, 2.12, 0, 4.50))
        .autoSized().withFont(QStringLiteral("Arial"), 10, true, kBlue);
    band.addField(QStringLiteral("Jumlah_Total"), box(166.69, 2.12, 0, 4.50), header)
        .autoSized().withFont(QStringLiteral("Arial"), 10, true, kMaroon);
    addRule(band, 158.22, 0.26, 7.14);
    // A thin and a thick line under the total.
    band.addShape(box(158.49, 7.41, 32.81, 0.26));
    band.addShape(box(158.49, 7.94, 32.81, 0.79), kBlack);
    return band;
}

ReportElement &addSignatures(ReportDefinition &report, const ReportBand &summary)
{
    ReportBand &band = report.addChildBand(summary, mm(22.23));
    const QString blank = QStringLiteral("( _______________ )");
    band.addLabel(QStringLiteral("Tanda Terima"), box(25.40, 0.79, 0, 4.50))
        .autoSized().withFont(QStringLiteral("Tahoma"), 10, false, kBlack);
    band.addLabel(blank, box(20.11, 16.67, 0, 4.50)).autoSized().withFont(QStringLiteral("Arial"), 10);
    band.addLabel(QStringLiteral("Hormat Kami"), box(88.90, 0.79, 0, 4.50))
        .autoSized().withFont(QStringLiteral("Tahoma"), 10, false, kBlack);
    band.addLabel(blank, box(83.08, 16.67, 0, 4.50)).autoSized().withFont(QStringLiteral("Arial"), 10);
    ReportElement &printDate = band.addLabel(QStringLiteral("12/12/09"), box(168.80, 18.79, 0, 2.38))
                                   .autoSized().withFont(QStringLiteral("Terminal"), 6, false, kGrey);
    band.addLabel(QStringLiteral("* Dicetak Tanggal"), box(140.49, 18.79, 0, 2.38))
        .autoSized().withFont(QStringLiteral("Terminal"), 6, false, kGrey);
    return printDate;
}
} // namespace

ReportElement &build(ReportDefinition &report, std::shared_ptr<RecordSource> header,
                     std::shared_ptr<RecordSource> lines, const InvoiceMeasures &measures)
{
    report.title = QStringLiteral("Nota");
    report.page.topMargin = report.page.bottomMargin = mm(12.70);
    report.page.leftMargin = report.page.rightMargin = mm(6.35);
    report.bandWidth = mm(197.38);
    report.baseFont = ReportFont{QStringLiteral("Arial"), 18, false, {}};
    report.records = std::move(lines);
    report.printIfEmpty = true;
    report.pageHeaderOnFirstPage = report.pageFooterOnLastPage = true;
    report.printer = PrinterSettings{};
    report.printer.paperSource = PaperSource::Automatic;

    addPageHeader(report, header, measures);
    addColumnHeader(report);
    addDetail(report, measures);
    return addSignatures(report, addSummary(report, header));
}
} // namespace invoicereport
