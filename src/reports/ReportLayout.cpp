#include "reports/ReportLayout.h"

#include "core/DateText.h"
#include "reports/TextMeasure.h"

#include <QCache>
#include <QGuiApplication>
#include <QPalette>

namespace {
// Heights are compared with a little slack: a design's millimetres with two
// decimals do not add up exactly in binary.
constexpr qreal kSlack = 1e-6;
// Child bands nest at most this deep (guards against a parent cycle).
constexpr int kMaxChildDepth = 16;

QRgb desktopWindowText()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QGuiApplication::palette().color(QPalette::WindowText).rgba();
    return qRgb(0, 0, 0);
}
} // namespace

ReportLayout::ReportLayout(const ReportDefinition &definition, LayoutOptions options)
    : m_def(definition), m_options(std::move(options)), m_report(std::make_shared<PreparedReport>()),
      m_records(definition.records)
{
    m_windowText = m_options.windowText.isValid() ? m_options.windowText.rgba() : desktopWindowText();
    m_report->title = m_def.title;
    m_report->paperWidth = m_def.page.width;
    m_report->paperHeight = m_def.page.height;
    m_report->printer = m_def.printer;
}

ReportLayout::~ReportLayout() = default;

bool ReportLayout::run(int maxRecords)
{
    if (m_phase == Phase::NotStarted)
        begin();
    if (m_phase == Phase::Details) {
        for (int n = 0; n < maxRecords && !m_records->eof(); ++n) {
            ++m_recordNumber;
            printBand(m_def.band(BandKind::Detail));
            if (m_recordCount > 0) {
                m_progress = int(std::min<qint64>(100, qint64(m_recordNumber) * 100 / m_recordCount));
                if (onProgress)
                    onProgress(m_progress);
            }
            m_records->next();
        }
        if (m_records->eof()) {
            printBand(m_def.band(BandKind::Summary));
            finish();
        }
    }
    return finished();
}

void ReportLayout::begin()
{
    bool empty = true;
    if (m_records) {
        m_records->first();
        m_recordCount = m_records->recordCount();
        empty = m_records->eof();
    }
    if (!empty) {
        printBand(m_def.band(BandKind::Title));
        printBand(m_def.band(BandKind::ColumnHeader));
        m_phase = Phase::Details;
        return;
    }
    if (m_def.printIfEmpty) {
        // One page without column header: title, one detail band whose data
        // shows nothing, summary.
        m_columnHeaders = false;
        printBand(m_def.band(BandKind::Title));
        m_recordNumber = 1;
        m_blankData = true;
        printBand(m_def.band(BandKind::Detail));
        m_blankData = false;
        printBand(m_def.band(BandKind::Summary));
    }
    finish();
}

void ReportLayout::finish()
{
    if (m_pageOpen)
        closePage(true);
    m_phase = Phase::Done;
    m_report->complete = true;
}

qreal ReportLayout::spaceLeft() const
{
    const ReportBand *footer = m_def.band(BandKind::PageFooter);
    return m_def.page.height - m_def.page.bottomMargin - (footer ? footer->height : 0) - m_y;
}

void ReportLayout::printBand(const ReportBand *band, int depth)
{
    if (!band || depth > kMaxChildDepth)
        return;
    if (!m_pageOpen) {
        startPage();
    } else if (!m_startingPage && band->kind != BandKind::PageFooter) {
        const qreal printable = m_def.page.height - m_def.page.topMargin - m_def.page.bottomMargin;
        const qreal height = bandHeight(*band);
        if (height > spaceLeft() + kSlack && height <= printable + kSlack) {
            closePage(false);
            startPage();
            // A column header that moved on is already on the new page.
            if (band->kind == BandKind::ColumnHeader && m_columnHeaders && m_pageNumber > 1)
                return;
        }
    }
    placeBand(*band, m_y, depth);
}

void ReportLayout::placeBand(const ReportBand &band, qreal top, int depth)
{
    const QPointF origin(m_def.page.leftMargin, top);
    const qreal height = bandHeight(band);
    const QRectF rect(origin, QSizeF(m_def.bandWidth, height));

    DrawOp background;
    background.kind = DrawKind::Fill;
    background.rect = rect;
    background.color = band.color.rgba();
    m_page.ops.push_back(background);

    drawElements(band, origin, height - band.height);

    auto line = [this](QPointF from, QPointF to) {
        DrawOp op;
        op.kind = DrawKind::Line;
        op.rect = QRectF(from, to);
        op.color = qRgb(0, 0, 0);
        m_page.ops.push_back(op);
    };
    if (band.frame.top)
        line(rect.topLeft(), rect.topRight());
    if (band.frame.bottom)
        line(rect.bottomLeft(), rect.bottomRight());
    if (band.frame.left)
        line(rect.topLeft(), rect.bottomLeft());
    if (band.frame.right)
        line(rect.topRight(), rect.bottomRight());

    m_y = top + height;
    if (const ReportBand *child = m_def.childOf(band))
        printBand(child, depth + 1);
}

void ReportLayout::startPage()
{
    ++m_pageNumber;
    m_pageOpen = true;
    m_page.ops.clear();
    m_y = m_def.page.topMargin;
    m_startingPage = true;
    // The page header shows its data even when the empty table's blank
    // detail band is what opens the page.
    const bool blankData = std::exchange(m_blankData, false);
    if (m_pageNumber > 1 || m_def.pageHeaderOnFirstPage)
        if (const ReportBand *header = m_def.band(BandKind::PageHeader))
            placeBand(*header, m_y, 0);
    if (m_pageNumber > 1 && m_columnHeaders)
        if (const ReportBand *columns = m_def.band(BandKind::ColumnHeader))
            placeBand(*columns, m_y, 0);
    m_blankData = blankData;
    m_startingPage = false;
}

void ReportLayout::closePage(bool lastPage)
{
    const ReportBand *footer = m_def.band(BandKind::PageFooter);
    if (footer && (!lastPage || m_def.pageFooterOnLastPage)) {
        m_startingPage = true;  // the footer and its child never move on
        placeBand(*footer, m_def.page.height - m_def.page.bottomMargin - footer->height, 0);
        m_startingPage = false;
    }
    drawElements(m_def.pageElements, QPointF(0, 0));
    m_page.ops.shrink_to_fit();
    m_report->pages.push_back(std::move(m_page));
    m_page = PreparedPage();
    m_pageOpen = false;
}

qreal ReportLayout::bandHeight(const ReportBand &band)
{
    qreal height = band.height;
    for (const auto &owned : band.elements()) {
        const ReportElement &e = *owned;
        if (!e.wraps || (e.kind != ElementKind::Label && e.kind != ElementKind::DataText))
            continue;
        const ReportFont font = e.font.value_or(ReportFont{m_def.baseFont.family, m_def.baseFont.pointSize, false, {}});
        const FontMeasure &measure = *m_measures[size_t(fontId(font))];
        const QString text = textOf(e);
        const bool oneLine = !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))
                             && measure.width(text) <= e.box.width();
        const qsizetype lines = oneLine ? 1 : measure.lines(text, e.box.width()).size();
        const qreal below = band.height - e.box.bottom();  // the room the design leaves under the text
        height = std::max(height, e.box.top() + std::max(e.box.height(), lines * measure.lineHeight()) + below);
    }
    return height;
}

QString ReportLayout::textOf(const ReportElement &e) const
{
    if (e.kind == ElementKind::Label)
        return e.caption;
    RecordSource *source = e.source ? e.source.get() : m_records.get();
    return m_blankData || !source ? QString() : source->text(e.field);
}

void ReportLayout::drawElements(const ElementList &elements, QPointF origin, qreal growth)
{
    for (const auto &owned : elements.elements()) {
        const ReportElement &e = *owned;
        RecordSource *source = e.source ? e.source.get() : m_records.get();
        switch (e.kind) {
        case ElementKind::Label: {
            auto cached = m_labelCache.constFind(&e);
            if (cached == m_labelCache.constEnd()) {
                // Lay the label out once, relative to its band, and reuse it.
                PreparedPage scratch;
                std::swap(scratch, m_page);
                drawText(e, e.caption, QPointF(0, 0));
                std::swap(scratch, m_page);
                cached = m_labelCache.insert(&e, scratch.ops.empty() ? DrawOp{} : scratch.ops.front());
            }
            if (cached->kind == DrawKind::Text) {
                DrawOp op = *cached;
                op.rect.translate(origin);
                m_page.ops.push_back(op);
            }
            break;
        }
        case ElementKind::DataText:
            drawText(e, textOf(e), origin);
            break;
        case ElementKind::SystemData:
            drawText(e, e.caption + systemText(e), origin);
            break;
        case ElementKind::Shape: {
            DrawOp op;
            op.kind = DrawKind::Shape;
            op.rect = e.box.translated(origin);
            if (e.stretches)
                op.rect.setHeight(op.rect.height() + growth);
            op.color = e.fill.isValid() ? e.fill.rgba() : qRgb(255, 255, 255);
            m_page.ops.push_back(op);
            break;
        }
        case ElementKind::Picture:
            drawPicture(pictureId(e.picture), e.box.translated(origin));
            break;
        case ElementKind::DataPicture:
            if (!m_blankData && source)
                drawPicture(pictureId(source->preparedPicture(e.field)), e.box.translated(origin));
            break;
        }
    }
}

void ReportLayout::drawText(const ReportElement &e, const QString &text, QPointF origin)
{
    const ReportFont font = e.font.value_or(ReportFont{m_def.baseFont.family, m_def.baseFont.pointSize, false, {}});
    const int id = fontId(font);
    const FontMeasure &measure = *m_measures[size_t(id)];

    QStringList lines;
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))
        && (e.autoSize || measure.width(text) <= e.box.width()))
        lines << text;
    else
        lines = measure.lines(text, e.autoSize ? 0 : e.box.width());
    QRectF rect = e.box;
    if (e.wraps) {
        // Every line: the band has grown to hold them.
        rect.setHeight(std::max(rect.height(), lines.size() * measure.lineHeight()));
    } else {
        // The first line always shows; further lines only while they fit the
        // box's height.
        qsizetype shown = 1;
        while (shown < lines.size() && (shown + 1) * measure.lineHeight() <= e.box.height() + kSlack)
            ++shown;
        lines.resize(shown);
    }

    if (e.autoSize) {
        qreal width = 0;
        for (const QString &line : lines)
            width = std::max(width, measure.width(line));
        if (e.align == TextAlign::Right)
            rect.setLeft(e.box.right() - width);
        else if (e.align == TextAlign::Center)
            rect.setLeft(e.box.center().x() - width / 2);
        rect.setWidth(width);
    }
    const QString printed = lines.size() == 1 ? lines.front() : lines.join(QLatin1Char('\n'));
    if (printed.isEmpty() && (e.transparent || rect.width() <= 0))
        return;

    DrawOp op;
    op.kind = DrawKind::Text;
    op.rect = rect.translated(origin);
    op.text = printed;
    op.resource = id;
    op.color = font.color.isValid() ? font.color.rgba() : m_windowText;
    op.fill = qRgb(255, 255, 255);
    op.flags = quint8(e.align) | (e.transparent ? 0 : drawflags::kOpaque) | (e.autoSize ? 0 : drawflags::kClip);
    m_page.ops.push_back(op);
}

void ReportLayout::drawPicture(int pictureId, const QRectF &rect)
{
    if (pictureId < 0)
        return;
    DrawOp op;
    op.kind = DrawKind::Picture;
    op.rect = rect;
    op.resource = pictureId;
    m_page.ops.push_back(op);
}

QString ReportLayout::systemText(const ReportElement &e) const
{
    switch (e.value) {
    case SystemValue::PageNumber:
        return QString::number(m_pageNumber);
    case SystemValue::RecordNumber:
        return QString::number(m_recordNumber);
    case SystemValue::RecordCount:
        return QString::number(m_recordCount);
    case SystemValue::DateTime:
        return datetext::dateTimeText(m_options.clock ? m_options.clock() : QDateTime::currentDateTime());
    }
    return {};
}

int ReportLayout::fontId(const ReportFont &font)
{
    const QString key = font.family + QLatin1Char('/') + QString::number(font.pointSize) + (font.bold ? u'b' : u'r');
    auto found = m_fontIds.constFind(key);
    if (found != m_fontIds.constEnd())
        return *found;
    auto measure = std::make_unique<FontMeasure>(font.family, font.pointSize, font.bold);
    m_report->fonts.push_back(PreparedFont{font.family, font.pointSize, font.bold, measure->lineHeight()});
    m_measures.push_back(std::move(measure));
    const int id = int(m_report->fonts.size()) - 1;
    m_fontIds.insert(key, id);
    return id;
}

int ReportLayout::pictureId(const QImage &picture)
{
    if (picture.isNull())
        return -1;
    auto found = m_pictureIds.constFind(picture.cacheKey());
    if (found != m_pictureIds.constEnd())
        return *found;
    // A definition's fixed pictures (the logo) are encoded once for every
    // layout of it: a report asked for again shows its first page at once.
    thread_local QCache<qint64, PreparedPicture> encoded(16);
    if (!encoded.contains(picture.cacheKey()))
        encoded.insert(picture.cacheKey(), new PreparedPicture(picture));
    const int id = pictureId(*encoded.object(picture.cacheKey()));
    m_pictureIds.insert(picture.cacheKey(), id);
    return id;
}

int ReportLayout::pictureId(const PreparedPicture &picture)
{
    if (picture.isNull())
        return -1;
    auto found = m_encodedPictureIds.constFind(picture.bytes());
    if (found != m_encodedPictureIds.constEnd() && m_report->pictures[size_t(*found)].encoding() == picture.encoding())
        return *found;
    m_report->pictures.push_back(picture);
    const int id = int(m_report->pictures.size()) - 1;
    m_encodedPictureIds.insert(picture.bytes(), id);
    return id;
}

namespace reports {
std::shared_ptr<PreparedReport> layout(const ReportDefinition &definition, LayoutOptions options)
{
    ReportLayout layout(definition, std::move(options));
    while (!layout.run(1000)) {
    }
    return layout.report();
}
} // namespace reports
