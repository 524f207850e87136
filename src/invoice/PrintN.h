#pragma once
// The printed invoice of the new-invoice window.
#include "app/Windows.h"
#include "invoice/PrintedInvoice.h"

class TFPrintN : public PrintedInvoiceForm {
    Q_OBJECT
public:
    explicit TFPrintN(QWidget *parent = nullptr);
};
