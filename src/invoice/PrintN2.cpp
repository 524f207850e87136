#include "invoice/PrintN2.h"

#include "data/Table.h"
#include "invoice/InvoiceReport.h"
#include "invoice/LihatN.h"
#include "reports/DataSetRecords.h"
#include "reports/ReportPreview.h"

TFPrintN2::TFPrintN2(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FPrintN2"));
    setCaption(QStringLiteral("Nota"));
    setBorder(BorderStyle::Single, SystemMenu | Minimize | Maximize);
    setClientSize(800, 600);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Arial"), 18);

    printDate = &invoicereport::build(report, reports::recordsOf(FlihatN->Table1),
                                      reports::recordsOf(FlihatN->Table2), InvoiceMeasures{107.16, 24.34});
}

void TFPrintN2::PreviewModal()
{
    reports::previewModal(report);
}
