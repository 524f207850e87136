#pragma once
// What the goods and the customer list reports share: the A4 page with its
// margins and base font, the page header with the page number, a title band
// of the same make, the summary with the record count and the page footer
// with the date and time of printing.
#include "reports/ReportModel.h"

#include <memory>

namespace listreport {
// Sets the page and the driving records of an empty report and adds its page
// header: the records are the report's own table, unfiltered.
void setUp(ReportDefinition &report, std::shared_ptr<RecordSource> records);

// The title band: logo, shop name, the report's title centred across it and
// a double rule whose left and width (mm) differ between the reports. The
// title is also the report's name (preview caption, PDF title, print job).
ReportBand &addTitle(ReportDefinition &report, const QString &title, qreal heightMm, qreal ruleLeftMm, qreal ruleWidthMm);

// Summary ("Jumlah record: " and the count) and page footer.
void addSummaryAndFooter(ReportDefinition &report);
// The page footer alone: "Dicetak pada tanggal: " and the date and time.
void addFooter(ReportDefinition &report);

// A caption of the detail blocks: Arial 10 bold in the window-text colour.
ReportElement &addCaption(ReportBand &band, const QString &text, qreal leftMm, qreal topMm);
// A value of the detail blocks in the base font, as wide as its text.
ReportElement &addValue(ReportBand &band, const QString &field, qreal leftMm, qreal topMm);
} // namespace listreport
