#pragma once
// The printed invoice ("Nota"): one A4 layout of the shop's header, the
// invoice's lines, the total and the signature block. Two windows print it,
// each over its own header and line tables and with two measurements of its
// own; everything else is shared here.
#include "reports/ReportModel.h"

#include <memory>

// The two measurements in which the invoice's definitions differ, in millimetres.
struct InvoiceMeasures {
    qreal dateCaptionLeft;  // left of "Tanggal :"
    qreal amountWidth;      // width of a line's right-aligned Jumlah box
};

namespace invoicereport {
// Fills an empty `report` with the invoice layout. `lines` are the driving
// records (the invoice's lines, already filtered by their window); `header`
// is read where its window left it. Returns the print-date label, whose
// caption the caller replaces before the preview.
ReportElement &build(ReportDefinition &report, std::shared_ptr<RecordSource> header,
                     std::shared_ptr<RecordSource> lines, const InvoiceMeasures &measures);
} // namespace invoicereport
