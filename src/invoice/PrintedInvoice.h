#pragma once
// A printed invoice window: the invoice layout bound, when it is previewed, to
// the header and line tables of the invoice it prints. The new-invoice window
// and the invoice browser each have one; they differ only in two measures.
#include "controls/Form.h"
#include "invoice/InvoiceReport.h"
#include "reports/ReportModel.h"

class Table;

class PrintedInvoiceForm : public TForm {
    Q_OBJECT
public:
    PrintedInvoiceForm(const QString &name, const InvoiceMeasures &measures, QWidget *parent);

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
