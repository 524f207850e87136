#include "reports/PageTexts.h"

#include <QPainter>
#include <QSet>

namespace {
// The lines a text op shows, one a row.
QStringList linesOf(const DrawOp &op)
{
    return op.text.split(QLatin1Char('\n'));
}

// Whether the painter draws the line as it is: it turns these characters
// into blanks (or picks among length variants) first.
bool drawnAsIs(const QString &line)
{
    for (const QChar c : line)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\t') || c == QChar(ushort(0x9c)))
            return false;
    return !line.isEmpty();
}
} // namespace

PageTexts::PageTexts(const PreparedReport &report, int firstPage, int lastPage)
{
    const int last = lastPage < 0 ? report.pageCount() - 1 : std::min(lastPage, report.pageCount() - 1);
    QSet<Key> once;  // texts shown once so far
    for (int page = std::max(0, firstPage); page <= last; ++page) {
        for (const DrawOp &op : report.pages[size_t(page)].ops) {
            if (op.kind != DrawKind::Text || op.resource < 0)
                continue;
            for (const QString &line : linesOf(op)) {
                if (!drawnAsIs(line))
                    continue;
                Key key(op.resource, line);
                if (auto repeated = m_repeated.find(key); repeated != m_repeated.end())
                    repeated->lastPage = page;
                else if (once.remove(key))
                    m_repeated[key].lastPage = page;
                else
                    once.insert(std::move(key));
            }
        }
    }
    m_firstPage = std::max(0, firstPage);
    m_lastShownOn.resize(size_t(std::max(0, last - m_firstPage + 1)));
    for (auto it = m_repeated.cbegin(); it != m_repeated.cend(); ++it)
        m_lastShownOn[size_t(it->lastPage - m_firstPage)].push_back(it.key());
}

PageTexts::~PageTexts() = default;

void PageTexts::draw(QPainter &painter, int fontId, const QRectF &rect, Qt::Alignment align, const QString &text)
{
    const auto found = m_repeated.find(Key(fontId, text));
    if (found == m_repeated.end() || painter.layoutDirection() == Qt::RightToLeft) {
        painter.drawText(rect, int(align) | Qt::TextDontClip | Qt::TextSingleLine, text);
        return;
    }
    Shown &shown = found.value();
    if (!shown.layout) {
        // Laid out the way the painter lays out a single line of unwrapped text.
        shown.layout = std::make_shared<QTextLayout>(text, painter.font());
        QTextOption option;
        option.setAlignment(Qt::AlignLeft);
        option.setTextDirection(painter.layoutDirection());
        shown.layout->setTextOption(option);
        shown.layout->setCacheEnabled(true);
        shown.layout->beginLayout();
        QTextLine line = shown.layout->createLine();
        line.setLineWidth(0x01000000);
        line.setPosition(QPointF(0, 0));
        shown.layout->endLayout();
    }
    const QTextLine line = shown.layout->lineAt(0);
    qreal x = 0;
    if (align & Qt::AlignRight)
        x = rect.width() - line.horizontalAdvance();
    else if (align & Qt::AlignHCenter)
        x = (rect.width() - line.horizontalAdvance()) / 2;
    line.draw(&painter, QPointF(rect.x() + x, rect.y()));
}

void PageTexts::pageDone(int pageIndex)
{
    const int i = pageIndex - m_firstPage;
    if (i < 0 || size_t(i) >= m_lastShownOn.size())
        return;
    for (const Key &key : m_lastShownOn[size_t(i)])
        m_repeated.remove(key);
    m_lastShownOn[size_t(i)] = {};
}
