#pragma once
// The printed invoice over the new-invoice window's tables: its header
// table's current record and its line table as filtered to the invoice.
#include "app/Windows.h"
#include "controls/Form.h"
#include "reports/ReportModel.h"

class TFPrintN : public TForm {
    Q_OBJECT
public:
    explicit TFPrintN(QWidget *parent = nullptr);

    ReportDefinition report;   // bound to FNota1's Table1 (header) and Table2 (lines)
    ReportElement *printDate;  // "12/12/09" until the caller sets the day of printing

    // Shows the invoice in the modal preview; returns when it is closed.
    void PreviewModal();
};
