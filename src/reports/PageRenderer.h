#pragma once
// Paints prepared pages on any paint device: the preview, a printer, a PDF
// file or an image. Millimetres become device units through the device's own
// resolution, so every device shows the same page at its own sharpness.
#include "reports/PreparedReport.h"

class PagePictures;
class PageTexts;

#include <QImage>
#include <QString>

class QPainter;
class QPrinter;

namespace pagerender {

// Paints the page with its top-left corner at the painter's origin. zoom 1 is
// natural size on the painter's device. Pictures come decoded from
// `pictures` when a run of pages shares them, or are decoded for this page;
// texts that come back in the run are drawn from `texts`' layouts.
void paint(QPainter &painter, const PreparedReport &report, int pageIndex, qreal zoom = 1.0,
           PagePictures *pictures = nullptr, PageTexts *texts = nullptr);

// The page as an image at `dpi` dots per inch.
QImage toImage(const PreparedReport &report, int pageIndex, int dpi);

// Writes every page to a PDF file; false when the file cannot be written.
bool toPdf(const PreparedReport &report, const QString &fileName);

// Prints the printer's page range (all pages when it names none) in its
// number of copies; false when the printer cannot be opened.
bool print(QPrinter &printer, const PreparedReport &report);

} // namespace pagerender
