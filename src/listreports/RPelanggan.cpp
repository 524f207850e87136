#include "listreports/RPelanggan.h"

#include "data/Table.h"
#include "listreports/ListReport.h"
#include "reports/DataSetRecords.h"

using listreport::addCaption;
using listreport::addValue;

ReportDefinition customerListReport(Table &customers)
{
    ReportDefinition report;
    listreport::setUp(report, reports::recordsOf(&customers));
    listreport::addTitle(report, QStringLiteral("Laporan Daftar Pelanggan"), 38.10, 2.12, 179.92);

    // One block per customer, in the design's drawing order; the address
    // prints its first line only, since every box holds one line.
    ReportBand &detail = report.addBand(BandKind::Detail, reports::mm(61.65));
    addCaption(detail, QStringLiteral("Nama :"), 16.93, 8.47);
    addValue(detail, QStringLiteral("Nama"), 31.75, 8.47);
    addCaption(detail, QStringLiteral("Alamat :"), 14.82, 15.08);
    addCaption(detail, QStringLiteral("Kota :"), 19.05, 21.43);
    addCaption(detail, QStringLiteral("Kode Pos :"), 10.58, 27.78);
    addValue(detail, QStringLiteral("Alamat"), 31.75, 15.08);
    addValue(detail, QStringLiteral("Kota"), 31.75, 21.43);
    addValue(detail, QStringLiteral("KodePos"), 31.75, 27.78);
    addCaption(detail, QStringLiteral("ID Pelanggan :"), 4.23, 2.12);
    addCaption(detail, QStringLiteral("No. Telp1 :"), 10.58, 33.87);
    addValue(detail, QStringLiteral("No_Telp1"), 31.75, 33.87);
    addCaption(detail, QStringLiteral("No. Telp2 :"), 10.58, 40.48);
    addValue(detail, QStringLiteral("No_Telp2"), 31.75, 40.48);
    addCaption(detail, QStringLiteral("No Fax :"), 14.82, 46.83);
    addValue(detail, QStringLiteral("FAX"), 31.75, 46.83);
    addCaption(detail, QStringLiteral("Email :"), 16.93, 53.18);
    addValue(detail, QStringLiteral("Email"), 31.75, 53.18);
    addValue(detail, QStringLiteral("ID_Pelanggan"), 31.75, 2.12);
    detail.addShape(reports::box(4.76, 58.74, 174.89, 0.26));

    listreport::addSummaryAndFooter(report);
    return report;
}
