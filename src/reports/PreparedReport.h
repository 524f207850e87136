#pragma once
// A prepared report: device-independent pages of draw operations with every
// value resolved. The preview, the printer, a PDF and a report file all show
// the same pages. Fonts and pictures live once in the report's tables and are
// referred to by id from the operations.
#include "reports/PreparedPicture.h"
#include "reports/ReportModel.h"

#include <QRectF>
#include <QRgb>
#include <QString>
#include <vector>

enum class DrawKind : quint8 {
    Fill,     // rect filled with `color`
    Text,     // lines of `text` in font `resource`, top-down from rect's top
    Shape,    // rect filled with `color`, thin black outline
    Line,     // thin line from rect's top-left to its bottom-right, in `color`
    Picture,  // picture `resource` stretched to rect
};

namespace drawflags {
constexpr quint8 kAlignMask = 0x03;  // TextAlign
constexpr quint8 kOpaque = 0x04;     // text box filled with `fill` under the text
constexpr quint8 kClip = 0x08;       // text cut at the box's left and right edges
} // namespace drawflags

struct DrawOp {
    QRectF rect;          // tenths of a millimetre from the paper's top-left corner
    QString text;         // the printed lines, joined by '\n'
    QRgb color = 0;
    QRgb fill = 0;
    qint32 resource = -1; // font id (Text) or picture id (Picture)
    DrawKind kind = DrawKind::Fill;
    quint8 flags = 0;

    TextAlign align() const { return TextAlign(flags & drawflags::kAlignMask); }
    bool operator==(const DrawOp &other) const = default;
};

struct PreparedFont {
    QString family;
    qreal pointSize = 10;
    bool bold = false;
    qreal lineHeight = 0;  // tenths of a millimetre, as measured by the layout
    bool operator==(const PreparedFont &other) const = default;
};

struct PreparedPage {
    std::vector<DrawOp> ops;
    bool operator==(const PreparedPage &other) const = default;
};

class PreparedReport {
public:
    QString title;
    qreal paperWidth = reports::mm(210);
    qreal paperHeight = reports::mm(297);
    PrinterSettings printer;
    std::vector<PreparedFont> fonts;
    std::vector<PreparedPicture> pictures;
    std::vector<PreparedPage> pages;
    bool complete = false;  // every page is produced

    int pageCount() const { return int(pages.size()); }
    QString caption() const { return title.isEmpty() ? QStringLiteral("Print Preview") : title; }
    // The texts of a page in drawing order, one entry per text operation.
    QStringList pageTexts(int pageIndex) const;
    // Same pages, fonts and pictures (pictures compared by their pixels).
    bool samePages(const PreparedReport &other) const;
};

bool operator==(const PrinterSettings &a, const PrinterSettings &b);
