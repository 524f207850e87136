#include "invoice/PrintedInvoice.h"

#include "core/DateText.h"
#include "data/Table.h"
#include "reports/DataSetRecords.h"
#include "reports/ReportPreview.h"

#include <QDate>

void PrintedInvoice::bind(Table &header, Table &lines)
{
    if (&header == m_header && &lines == m_lines) {
        printDate->setCaption(m_designedDate);
        return;
    }
    report = ReportDefinition();
    printDate = &invoicereport::build(report, reports::recordsOf(&header), reports::recordsOf(&lines), m_measures);
    m_designedDate = printDate->caption;
    m_header = &header;
    m_lines = &lines;
}

void PrintedInvoice::PreviewModal(Table &header, Table &lines)
{
    bind(header, lines);
    printDate->setCaption(datetext::shortDate(QDate::currentDate()));
    reports::previewModal(report);
}
