#pragma once
// A report definition as data: an A4 page with margins, bands stacked down the
// page and the elements inside them. Lengths are in tenths of a millimetre;
// reports::mm() converts the millimetres a design gives.
#include "reports/RecordSource.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace reports {
constexpr qreal mm(qreal millimetres) { return millimetres * 10.0; }
// An element's box from millimetres: left and top from the band's (or for a
// page-level element the paper's) top-left corner.
constexpr QRectF box(qreal left, qreal top, qreal width, qreal height)
{
    return QRectF(mm(left), mm(top), mm(width), mm(height));
}
} // namespace reports

// A text font. An invalid colour stands for the desktop's window-text colour.
struct ReportFont {
    QString family;
    qreal pointSize = 10;
    bool bold = false;
    QColor color;
};

enum class TextAlign : quint8 { Left, Right, Center };
enum class ElementKind : quint8 { Label, DataText, SystemData, Shape, Picture, DataPicture };
enum class SystemValue : quint8 { PageNumber, RecordNumber, RecordCount, DateTime };

class ReportElement {
public:
    ElementKind kind = ElementKind::Label;
    QRectF box;  // tenths of a millimetre

    // Text elements (label, data text, system data).
    std::optional<ReportFont> font;  // none: the report's base font, regular, window text
    TextAlign align = TextAlign::Left;
    // A text is kept inside its box (cut off where it does not fit) unless
    // it grows: to the width of its text (autoSize), or down, wrapped at the
    // box's width, with its band growing so that every line shows (wraps).
    bool autoSize = false;
    bool wraps = false;
    bool transparent = false;  // no white fill under the text
    bool stretches = false;    // a shape that grows with its band (a column rule)
    QString caption;           // a label's text; the prefix of system data
    SystemValue value = SystemValue::PageNumber;

    // Data text and data picture: a field of `source`, or of the report's
    // driving records when `source` is null.
    std::shared_ptr<RecordSource> source;
    QString field;

    QColor fill;    // shape fill; invalid means white
    QImage picture; // fixed picture, in its proportions centred in the box

    // The caption a caller may replace before it opens the preview.
    void setCaption(const QString &text) { caption = text; }

    // Fluent settings for definitions.
    ReportElement &withFont(const QString &family, qreal pointSize, bool bold = false, QColor color = {});
    ReportElement &autoSized(bool on = true) { autoSize = on; return *this; }
    ReportElement &wrapped(bool on = true) { wraps = on; return *this; }
    ReportElement &stretched(bool on = true) { stretches = on; return *this; }
    ReportElement &aligned(TextAlign a) { align = a; return *this; }
    ReportElement &transparentText(bool on = true) { transparent = on; return *this; }
    ReportElement &filled(QColor colour) { fill = colour; return *this; }
};

// An ordered list of elements: a later element is drawn over an earlier one.
class ElementList {
public:
    ReportElement &addLabel(const QString &caption, QRectF box);
    ReportElement &addField(const QString &field, QRectF box, std::shared_ptr<RecordSource> source = {});
    ReportElement &addSystemData(SystemValue value, QRectF box, const QString &prefix = {});
    ReportElement &addShape(QRectF box, QColor fill = {});
    ReportElement &addPicture(const QImage &picture, QRectF box);
    ReportElement &addDataPicture(const QString &field, QRectF box, std::shared_ptr<RecordSource> source = {});

    const std::vector<std::unique_ptr<ReportElement>> &elements() const { return m_elements; }

private:
    ReportElement &add(ElementKind kind, QRectF box);
    std::vector<std::unique_ptr<ReportElement>> m_elements;
};

enum class BandKind : quint8 { PageHeader, Title, ColumnHeader, Detail, Summary, Child, PageFooter };

struct FrameLines {
    bool top = false, bottom = false, left = false, right = false;
    static FrameLines all() { return {true, true, true, true}; }
};

class ReportBand : public ElementList {
public:
    ReportBand(BandKind kind, qreal height) : kind(kind), height(height) {}

    BandKind kind;
    qreal height;                // tenths of a millimetre
    QColor color = Qt::white;    // background
    FrameLines frame;            // thin black lines along the band's edges
    const ReportBand *parent = nullptr;  // for a child band
};

enum class PaperSource : quint8 { Automatic, FirstTray };

struct PrinterSettings {
    int copies = 1;
    int fromPage = 0;  // 0 and 0: all pages
    int toPage = 0;
    bool duplex = false;
    PaperSource paperSource = PaperSource::Automatic;
};

struct PageSetup {
    qreal width = reports::mm(210);   // A4 portrait, one column
    qreal height = reports::mm(297);
    qreal topMargin = 0, bottomMargin = 0, leftMargin = 0, rightMargin = 0;
};

class ReportDefinition {
public:
    QString title;       // preview caption and print job name
    PageSetup page;
    qreal bandWidth = 0;  // from the left margin
    ReportFont baseFont{QStringLiteral("Arial"), 10, false, {}};
    std::shared_ptr<RecordSource> records;  // the driving records
    bool printIfEmpty = false;
    bool pageHeaderOnFirstPage = true;
    bool pageFooterOnLastPage = true;
    PrinterSettings printer;
    ElementList pageElements;  // on the paper, drawn last on every page

    ReportBand &addBand(BandKind kind, qreal height);
    ReportBand &addChildBand(const ReportBand &parent, qreal height);

    const std::vector<std::unique_ptr<ReportBand>> &bands() const { return m_bands; }
    // The first band of a kind, or null.
    const ReportBand *band(BandKind kind) const;
    // The child band printed directly after `parent`, or null.
    const ReportBand *childOf(const ReportBand &parent) const;

    // The preview window's caption for this report.
    QString caption() const;

private:
    std::vector<std::unique_ptr<ReportBand>> m_bands;
};
