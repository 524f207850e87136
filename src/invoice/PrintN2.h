#pragma once
// The printed invoice of the invoice browser.
#include "app/Windows.h"
#include "invoice/PrintedInvoice.h"

class TFPrintN2 : public PrintedInvoiceForm {
    Q_OBJECT
public:
    explicit TFPrintN2(QWidget *parent = nullptr);
};
