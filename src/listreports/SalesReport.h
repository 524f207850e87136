#pragma once
// The printed sales recap "Laporan Penjualan", in the make of the list
// reports: page number, the shop's title band with the range and the chart
// as a picture, the table with its titles on every page, the number of
// invoices and the total, the date of printing.
#include "reports/ReportModel.h"

namespace sales {
class SalesRecap;
}

namespace salesreport {
// Fills an empty definition with the recap; the definition holds its own
// copy of the rows and the chart's picture.
void define(ReportDefinition &report, const sales::SalesRecap &recap);
} // namespace salesreport
