#include "invoice/PrintN2.h"

TFPrintN2::TFPrintN2(QWidget *parent)
    : PrintedInvoiceForm(QStringLiteral("FPrintN2"), InvoiceMeasures{107.16, 24.34}, parent)
{
}
