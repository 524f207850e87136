#pragma once
// Sends a prepared report to a printer. The desktop's printers are looked up
// at the moment of printing, so a printer installed while a preview is open
// is found; a failure is told in words that say why.
#include "reports/PreparedReport.h"

#include <QString>

class QPrinter;

namespace printjob {

// Prints the report through `printer` (its copies, page range, paper). A
// printer set to write a file writes it; otherwise the job goes to `chosen`
// (the printer dialog's choice) or, with none chosen, to the desktop's
// default printer (the only one when none is the default).
// Returns why the report could not be printed, as the sentence the user
// reads; empty once the print system has taken the job.
QString print(QPrinter &printer, const QString &chosen, const PreparedReport &report);

// The printer the next print goes to when nothing is chosen; empty when the
// desktop has none.
QString desktopPrinter();

} // namespace printjob
