#include "listreports/RBarang.h"

#include "data/Table.h"
#include "listreports/ListReport.h"
#include "reports/DataSetRecords.h"

using listreport::addCaption;
using listreport::addValue;

ReportDefinition goodsListReport(Table &goods)
{
    ReportDefinition report;
    listreport::setUp(report, reports::recordsOf(&goods));
    listreport::addTitle(report, QStringLiteral("Laporan Daftar Barang"), 35.98, 6.35, 173.30);

    // One block per item, in the design's drawing order.
    ReportBand &detail = report.addBand(BandKind::Detail, reports::mm(50.80));
    addCaption(detail, QStringLiteral("Kode Barang :"), 52.65, 12.70);
    addValue(detail, QStringLiteral("Kode_Barang"), 80.43, 12.70);
    addCaption(detail, QStringLiteral("Nama :"), 64.82, 19.31);
    addCaption(detail, QStringLiteral("Part :"), 67.73, 25.66);
    addValue(detail, QStringLiteral("Nama_Barang"), 80.43, 19.31).withFont(QStringLiteral("Arial"), 10, true);
    addValue(detail, QStringLiteral("Part"), 80.43, 25.66);
    addCaption(detail, QStringLiteral("Kode Kervano :"), 48.95, 6.35);
    addCaption(detail, QStringLiteral("Group :"), 64.29, 31.75);
    addValue(detail, QStringLiteral("Group_Barang"), 80.43, 31.75);
    addCaption(detail, QStringLiteral("Harga :"), 64.56, 38.36);
    addValue(detail, QStringLiteral("Harga"), 80.43, 38.36);
    addValue(detail, QStringLiteral("Kode_Kervano"), 80.43, 6.35);
    detail.addShape(reports::box(4.76, 48.68, 173.83, 0.26));
    detail.addDataPicture(QStringLiteral("Gambar"), reports::box(4.23, 4.23, 40.48, 40.48));
    addCaption(detail, QStringLiteral("No. Urut :"), 143.93, 42.33);
    detail.addSystemData(SystemValue::RecordNumber, reports::box(160.87, 42.33, 0, 4.50)).autoSized();

    listreport::addSummaryAndFooter(report);
    return report;
}
