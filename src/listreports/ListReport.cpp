#include "listreports/ListReport.h"

#include "controls/Pictures.h"

#include <utility>

namespace listreport {
using reports::box;
using reports::mm;

namespace {
constexpr qreal kLineHeight = 4.50;  // every one-line text box of these reports
} // namespace

void setUp(ReportDefinition &report, std::shared_ptr<RecordSource> records)
{
    report.title.clear();  // addTitle names it
    report.page = PageSetup{};
    report.page.topMargin = report.page.bottomMargin = mm(12.70);
    report.page.leftMargin = report.page.rightMargin = mm(12.70);
    report.bandWidth = mm(184.68);
    report.baseFont = ReportFont{QStringLiteral("Arial"), 10, false, {}};
    report.records = std::move(records);
    report.printIfEmpty = false;
    report.pageHeaderOnFirstPage = report.pageFooterOnLastPage = true;
    report.printer = PrinterSettings{};
    report.printer.paperSource = PaperSource::FirstTray;

    ReportBand &header = report.addBand(BandKind::PageHeader, mm(10.85));
    header.addLabel(QStringLiteral("Halaman ke:"), box(4.23, 2.12, 0, kLineHeight)).autoSized();
    header.addSystemData(SystemValue::PageNumber, box(27.52, 2.12, 0, kLineHeight)).autoSized();
}

ReportBand &addTitle(ReportDefinition &report, const QString &title, qreal heightMm, qreal ruleLeftMm, qreal ruleWidthMm)
{
    // The name of the preview, the PDF, the proposed export file and the print job.
    report.title = title;
    ReportBand &band = report.addBand(BandKind::Title, mm(heightMm));
    // The title's box runs past the band's right edge, so its centre lies a
    // little right of the band's middle.
    band.addLabel(title, box(0.00, 23.28, 191.03, 8.73))
        .aligned(TextAlign::Center).withFont(QStringLiteral("Arial"), 20);
    band.addPicture(pictures::logo(), box(4.23, 1.06, 21.43, 21.43));
    band.addLabel(QStringLiteral("Kervano"), box(27.52, 3.18, 0, 12.17))
        .autoSized().withFont(QStringLiteral("Tahoma"), 28);
    band.addLabel(QStringLiteral("AUTOMOTIVE RUBBER PART"), box(27.52, 15.08, 0, kLineHeight))
        .autoSized().withFont(QStringLiteral("Arial"), 10);
    // A white rectangle this low draws as a double rule.
    band.addShape(box(ruleLeftMm, 33.07, ruleWidthMm, 1.06));
    return band;
}

void addSummaryAndFooter(ReportDefinition &report)
{
    ReportBand &summary = report.addBand(BandKind::Summary, mm(10.58));
    summary.addLabel(QStringLiteral("Jumlah record: "), box(10.58, 2.12, 0, kLineHeight)).autoSized();
    summary.addSystemData(SystemValue::RecordCount, box(38.10, 2.12, 0, kLineHeight)).autoSized();
    addFooter(report);
}

void addFooter(ReportDefinition &report)
{
    ReportBand &footer = report.addBand(BandKind::PageFooter, mm(10.58));
    footer.addLabel(QStringLiteral("Dicetak pada tanggal: "), box(10.58, 4.23, 0, kLineHeight)).autoSized();
    footer.addSystemData(SystemValue::DateTime, box(48.68, 4.23, 0, kLineHeight)).autoSized();
}

ReportElement &addCaption(ReportBand &band, const QString &text, qreal leftMm, qreal topMm)
{
    return band.addLabel(text, box(leftMm, topMm, 0, kLineHeight)).autoSized().withFont(QStringLiteral("Arial"), 10, true);
}

ReportElement &addValue(ReportBand &band, const QString &field, qreal leftMm, qreal topMm)
{
    return band.addField(field, box(leftMm, topMm, 0, kLineHeight)).autoSized();
}
} // namespace listreport
