#pragma once
// A printed invoice: the invoice layout bound, when it is previewed, to the
// header and line tables of the invoice it prints. The new-invoice window
// (its FPrintN) and the invoice browser (its FPrintN2) each own one; they
// differ only in two measures.
#include "invoice/InvoiceReport.h"
#include "reports/ReportModel.h"

class Table;

class PrintedInvoice {
public:
    explicit PrintedInvoice(const InvoiceMeasures &measures) : m_measures(measures) {}

    ReportDefinition report;             // empty until bound
    ReportElement *printDate = nullptr;  // "12/12/09" until the day of printing is set

    // Lays the invoice out over `header` (read where it stands) and `lines`
    // (the invoice's lines, as filtered).
    void bind(Table &header, Table &lines);
    // Binds, dates the invoice today and shows it in the modal preview;
    // returns when the preview is closed.
    void PreviewModal(Table &header, Table &lines);

private:
    InvoiceMeasures m_measures;
    // The tables the layout was last built over, and its print date's
    // caption then: binding the same tables again only resets that.
    const Table *m_header = nullptr;
    const Table *m_lines = nullptr;
    QString m_designedDate;
};

// The measures of the new-invoice window's printed invoice and the browser's.
inline constexpr InvoiceMeasures kNewInvoiceMeasures{107.42, 22.23};
inline constexpr InvoiceMeasures kBrowsedInvoiceMeasures{107.16, 24.34};
