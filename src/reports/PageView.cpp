#include "reports/PageView.h"

#include "reports/PageRenderer.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
const QColor kDesk(128, 128, 128);
const QColor kShadow(64, 64, 64);
} // namespace

PageView::PageView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PageView::setReport(std::shared_ptr<const PreparedReport> report)
{
    m_pictures.reset();
    m_report = std::move(report);
    m_page = 0;
    update();
}

void PageView::setPage(int pageIndex)
{
    if (pageIndex != m_page)
        m_pictures.reset();
    m_page = pageIndex;
    update();
}

void PageView::setZoom(qreal zoom)
{
    m_zoom = zoom;
    update();
}

QSizeF PageView::naturalPageSize() const
{
    const qreal width = m_report ? m_report->paperWidth : reports::mm(210);
    const qreal height = m_report ? m_report->paperHeight : reports::mm(297);
    return QSizeF(width * logicalDpiX() / 254.0, height * logicalDpiY() / 254.0);
}

QSize PageView::pageSize() const
{
    const QSizeF natural = naturalPageSize() * m_zoom;
    return QSize(qCeil(natural.width()), qCeil(natural.height()));
}

void PageView::fitTo(const QSize &viewport)
{
    const QSize page = pageSize() + QSize(2 * kDeskMargin, 2 * kDeskMargin);
    resize(page.expandedTo(viewport));
    update();
}

QRect PageView::pageRect() const
{
    const QSize page = pageSize();
    return QRect(QPoint(std::max(kDeskMargin, (width() - page.width()) / 2),
                        std::max(kDeskMargin, (height() - page.height()) / 2)),
                 page);
}

void PageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), kDesk);
    if (!m_report || m_page < 0 || m_page >= m_report->pageCount())
        return;
    const QRect page = pageRect();
    painter.fillRect(page.translated(3, 3), kShadow);
    painter.translate(page.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), page.size()));
    if (!m_pictures)
        m_pictures = std::make_unique<PagePictures>(*m_report, m_page, m_page);
    pagerender::paint(painter, *m_report, m_page, m_zoom, m_pictures.get());
}
