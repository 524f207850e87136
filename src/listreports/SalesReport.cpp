#include "listreports/SalesReport.h"

#include "listreports/ListReport.h"
#include "listreports/SalesChart.h"
#include "reports/MemoryRecords.h"
#include "shop/SalesRecap.h"

#include <memory>

namespace salesreport {
using reports::box;
using reports::mm;

namespace {
constexpr qreal kLine = 4.50;
constexpr qreal kChartTop = 44.0, kChartWidth = 176.0, kChartHeight = 88.0;

// Column widths (mm) across the band, as the table's columns go.
QList<qreal> widthsOf(const sales::SalesRecap &recap)
{
    if (recap.grouping() == sales::Grouping::PerGoods)
        return {30, 32, 62, 18, 38};
    return {90, 30, 60};
}

QString columnName(int i) { return QStringLiteral("c%1").arg(i); }
} // namespace

void define(ReportDefinition &report, const sales::SalesRecap &recap)
{
    const QList<qreal> widths = widthsOf(recap);
    const QList<bool> numeric = recap.numericColumns();
    QStringList columns;
    for (int i = 0; i < widths.size(); ++i)
        columns << columnName(i);
    auto records = std::make_shared<MemoryRecords>(columns);
    for (int r = 0; r < recap.rows().size(); ++r) {
        QVariantList values;
        for (const QString &cell : recap.cells(r))
            values << cell;
        records->addRow(values);
    }

    listreport::setUp(report, records);
    report.title = QStringLiteral("Laporan Penjualan");
    ReportBand &title = listreport::addTitle(report, report.title, kChartTop + kChartHeight + 4, 6.35, 173.30);
    title.addLabel(QStringLiteral("Periode : %1   (%2)").arg(recap.rangeText(), recap.groupingText()),
                   box(4.23, 36.5, 0, kLine))
        .autoSized()
        .withFont(QStringLiteral("Arial"), 10, true);
    // 96 pixels an inch: the chart's fonts keep their size on paper.
    const QSize pixels(qRound(kChartWidth / 25.4 * 96), qRound(kChartHeight / 25.4 * 96));
    title.addPicture(saleschart::picture(recap, pixels), box(4.23, kChartTop, kChartWidth, kChartHeight));

    // The titles over the table, on every page.
    ReportBand &head = report.addBand(BandKind::ColumnHeader, mm(7));
    head.color = QColor(192, 220, 192);
    head.frame = FrameLines::all();
    ReportBand &detail = report.addBand(BandKind::Detail, mm(5.5));
    detail.frame.bottom = true;
    const QStringList titles = recap.titles();
    qreal left = 2;
    for (int i = 0; i < widths.size(); ++i) {
        const TextAlign align = numeric.value(i) ? TextAlign::Right : TextAlign::Left;
        head.addLabel(titles.at(i), box(left, 1.2, widths.at(i) - 2, kLine))
            .aligned(align)
            .transparentText()
            .withFont(QStringLiteral("Arial"), 10, true);
        detail.addField(columnName(i), box(left, 0.5, widths.at(i) - 2, kLine)).aligned(align).transparentText();
        left += widths.at(i);
    }

    ReportBand &summary = report.addBand(BandKind::Summary, mm(14));
    summary.addLabel(QStringLiteral("Jumlah Nota : %1").arg(recap.invoices()), box(2, 3, 0, kLine))
        .autoSized()
        .withFont(QStringLiteral("Arial"), 10, true);
    summary.addLabel(QStringLiteral("Total : ") + recap.totalText(), box(2, 8.5, 0, kLine))
        .autoSized()
        .withFont(QStringLiteral("Arial"), 10, true);
    listreport::addFooter(report);
}
} // namespace salesreport
