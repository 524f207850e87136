#include "reports/PageRenderer.h"

#include "reports/PagePictures.h"
#include "reports/PageTexts.h"
#include "reports/TextMeasure.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <malloc.h>
#include <mutex>
#include <optional>

namespace {
Qt::Alignment horizontal(TextAlign align)
{
    switch (align) {
    case TextAlign::Right:
        return Qt::AlignRight;
    case TextAlign::Center:
        return Qt::AlignHCenter;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

// Qt's PDF writer (also behind printing) compresses every page through a new
// compressor and buffers sized for ten megabytes. Under the allocator's
// adaptive limits each page then hands that memory back to the system and
// faults it in again (or maps and unmaps it), which costs more than drawing
// the page. Fixed limits keep such buffers in the heap, at hand for the next
// page.
void keepWorkingMemory()
{
    static std::once_flag once;
    std::call_once(once, [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
    });
}

// The boxes marked on a page, filed by the strips of the page they cross,
// so that asking whether a box is bare looks only at its neighbours.
class PaperMarks {
public:
    explicit PaperMarks(qreal paperHeight) : m_strips(size_t(std::max<qreal>(0, paperHeight) / kStrip) + 1) {}

    void mark(const QRectF &r)
    {
        for (size_t i = strip(r.top()), last = strip(r.bottom()); i <= last; ++i)
            m_strips[i].push_back(r);
    }
    bool bare(const QRectF &r) const
    {
        const QRectF box = r.normalized();
        for (size_t i = strip(box.top()), last = strip(box.bottom()); i <= last; ++i)
            for (const QRectF &m : m_strips[i])
                if (m.intersects(box))
                    return false;
        return true;
    }

private:
    static constexpr qreal kStrip = 100;  // a centimetre
    size_t strip(qreal y) const
    {
        return size_t(std::clamp<qreal>(y / kStrip, 0, qreal(m_strips.size() - 1)));
    }
    std::vector<std::vector<QRectF>> m_strips;
};

QPageSize pageSizeOf(const PreparedReport &report)
{
    return QPageSize(QSizeF(report.paperWidth / 10.0, report.paperHeight / 10.0), QPageSize::Millimeter);
}
} // namespace

namespace pagerender {

void paint(QPainter &painter, const PreparedReport &report, int pageIndex, qreal zoom, PagePictures *pictures,
           PageTexts *texts)
{
    if (pageIndex < 0 || pageIndex >= report.pageCount() || !painter.device())
        return;
    std::optional<PagePictures> ownPictures;
    if (!pictures)
        pictures = &ownPictures.emplace(report, pageIndex, pageIndex);
    const QPaintDevice &device = *painter.device();
    const qreal sx = device.logicalDpiX() / 254.0 * zoom;
    const qreal sy = device.logicalDpiY() / 254.0 * zoom;
    auto map = [sx, sy](const QRectF &r) { return QRectF(r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy); };

    // A thin line: a tenth of a millimetre, never below one device pixel.
    QPen thin(Qt::black, std::max<qreal>(1.0, sy));
    thin.setJoinStyle(Qt::MiterJoin);

    std::vector<QFont> fonts(report.fonts.size());
    std::vector<bool> made(report.fonts.size(), false);

    painter.save();
    painter.fillRect(map(QRectF(0, 0, report.paperWidth, report.paperHeight)), Qt::white);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // What the page shows so far, to skip white boxes on bare paper: every
    // band and most texts lay one under themselves, and on paper nothing
    // shows them, while a device like a PDF writes each one out.
    PaperMarks marked(report.paperHeight);
    auto bare = [&marked](const QRectF &r) { return marked.bare(r); };
    auto mark = [&marked](const QRectF &r) {
        // Glyphs and pens reach a little past their boxes.
        marked.mark(r.normalized().adjusted(-10, -10, 10, 10));
    };
    // White drawn on white leaves the paper bare, so white boxes mark nothing.
    auto white = [](QRgb colour) { return colour == qRgb(255, 255, 255); };
    auto whiteOnBare = [&bare, &white](QRgb colour, const QRectF &r) { return white(colour) && bare(r); };

    int fontSet = -1;                 // the painter's font, by id
    QRgb penColour = 0;               // the painter's pen colour, while it is a text pen
    bool textPen = false;
    for (const DrawOp &op : report.pages[size_t(pageIndex)].ops) {
        const QRectF rect = map(op.rect);
        switch (op.kind) {
        case DrawKind::Fill:
            if (whiteOnBare(op.color, op.rect))
                break;
            painter.fillRect(rect, QColor::fromRgba(op.color));
            if (!white(op.color))
                mark(op.rect);
            break;
        case DrawKind::Shape:
            painter.setPen(thin);
            textPen = false;
            painter.setBrush(QColor::fromRgba(op.color));
            painter.drawRect(rect);
            mark(op.rect);
            break;
        case DrawKind::Line: {
            QPen pen = thin;
            pen.setColor(QColor::fromRgba(op.color));
            painter.setPen(pen);
            textPen = false;
            painter.drawLine(rect.topLeft(), rect.bottomRight());
            mark(op.rect);
            break;
        }
        case DrawKind::Picture:
            if (const QImage &picture = pictures->image(op.resource); !picture.isNull())
                painter.drawImage(rect, picture);
            mark(op.rect);
            break;
        case DrawKind::Text: {
            if (op.resource < 0 || size_t(op.resource) >= report.fonts.size())
                break;
            const size_t id = size_t(op.resource);
            const PreparedFont &font = report.fonts[id];
            if (!made[id]) {
                fonts[id] = textmeasure::reportFont(font.family, font.pointSize * zoom, font.bold);
                made[id] = true;
            }
            const QStringList lines = op.text.split(QLatin1Char('\n'));
            const qreal lineHeight = font.lineHeight * sy;
            const QRectF shown(op.rect.x(), op.rect.y(), op.rect.width(),
                               std::max(op.rect.height(), font.lineHeight * lines.size()));
            if ((op.flags & drawflags::kOpaque) && !whiteOnBare(op.fill, op.rect))
                painter.fillRect(rect, QColor::fromRgba(op.fill));
            const bool clip = op.flags & drawflags::kClip;
            if (clip) {
                painter.save();
                painter.setClipRect(map(shown));
            }
            if (clip || fontSet != int(id)) {
                painter.setFont(fonts[id]);
                fontSet = clip ? -1 : int(id);
            }
            if (clip || !textPen || penColour != op.color) {
                painter.setPen(QColor::fromRgba(op.color));
                penColour = op.color;
                textPen = !clip;
            }
            const Qt::Alignment align = horizontal(op.align()) | Qt::AlignTop;
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QRectF line(rect.x(), rect.y() + i * lineHeight, rect.width(), lineHeight);
                if (texts)
                    texts->draw(painter, int(id), line, align, lines[i]);
                else
                    painter.drawText(line, int(align) | Qt::TextDontClip | Qt::TextSingleLine, lines[i]);
            }
            if (clip) {
                painter.restore();
                // The font and pen set inside the clip are gone with it.
                fontSet = -1;
                textPen = false;
            }
            mark(shown);
            break;
        }
        }
    }
    painter.restore();
}

QImage toImage(const PreparedReport &report, int pageIndex, int dpi)
{
    const QSize size(qCeil(report.paperWidth * dpi / 254.0), qCeil(report.paperHeight * dpi / 254.0));
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, report, pageIndex);
    return image;
}

bool toPdf(const PreparedReport &report, const QString &fileName)
{
    keepWorkingMemory();
    QPdfWriter writer(fileName);
    writer.setPageSize(pageSizeOf(report));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(report.caption());
    writer.setCreator(QStringLiteral("Sistem Nota"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    PagePictures pictures(report);
    PageTexts texts(report);
    for (int i = 0; i < report.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        paint(painter, report, i, 1.0, &pictures, &texts);
        pictures.pageDone(i);
        texts.pageDone(i);
    }
    return painter.end();
}

bool print(QPrinter &printer, const PreparedReport &report)
{
    if (report.pageCount() == 0)
        return true;
    keepWorkingMemory();
    printer.setFullPage(true);
    printer.setDocName(report.caption());
    int from = 1;
    int to = report.pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(report.pageCount(), std::max(from, printer.toPage()));
    }
    if (from > to)
        return true;
    // Copies the printer cannot make itself are printed one after another.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PagePictures pictures(report, from - 1, to - 1);
    PageTexts texts(report, from - 1, to - 1);
    bool firstSheet = true;
    bool sheetsFed = true;
    for (int copy = 0; copy < copies && sheetsFed; ++copy) {
        for (int page = from; page <= to && sheetsFed; ++page) {
            if (!firstSheet)
                sheetsFed = printer.newPage();
            if (sheetsFed)
                paint(painter, report, page - 1, 1.0, &pictures, &texts);
            // The copies after the first show the same pictures and texts again.
            if (copy == copies - 1) {
                pictures.pageDone(page - 1);
                texts.pageDone(page - 1);
            }
            firstSheet = false;
        }
    }
    return painter.end() && sheetsFed;
}

} // namespace pagerender
