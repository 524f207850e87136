#include "invoice/PrintN.h"

#include "data/Table.h"
#include "invoice/InvoiceReport.h"
#include "invoice/Nota1.h"
#include "reports/DataSetRecords.h"
#include "reports/ReportPreview.h"

TFPrintN::TFPrintN(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FPrintN"));
    setCaption(QStringLiteral("Nota"));
    setBorder(BorderStyle::Single, SystemMenu | Minimize | Maximize);
    setClientSize(800, 600);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Arial"), 18);

    printDate = &invoicereport::build(report, reports::recordsOf(FNota1->Table1), reports::recordsOf(FNota1->Table2),
                                      InvoiceMeasures{107.42, 22.23});
}

void TFPrintN::PreviewModal()
{
    reports::previewModal(report);
}
