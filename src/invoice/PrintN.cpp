#include "invoice/PrintN.h"

TFPrintN::TFPrintN(QWidget *parent) : PrintedInvoiceForm(QStringLiteral("FPrintN"), InvoiceMeasures{107.42, 22.23}, parent)
{
}
