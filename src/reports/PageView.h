#pragma once
// Shows one prepared page at a zoom factor, centred on a grey desk.
#include "reports/PagePictures.h"
#include "reports/PreparedReport.h"

#include <QWidget>
#include <memory>

class PageView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDeskMargin = 12;

    explicit PageView(QWidget *parent = nullptr);

    void setReport(std::shared_ptr<const PreparedReport> report);
    void setPage(int pageIndex);
    int page() const { return m_page; }
    void setZoom(qreal zoom);
    qreal zoom() const { return m_zoom; }

    // The page's size on this widget at zoom 1, in pixels.
    QSizeF naturalPageSize() const;
    // The page at the current zoom.
    QSize pageSize() const;
    // Resizes to hold the page, and at least `viewport`.
    void fitTo(const QSize &viewport);
    // Where the page stands on the widget.
    QRect pageRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<const PreparedReport> m_report;
    // The shown page's pictures, decoded once for its repaints.
    std::unique_ptr<PagePictures> m_pictures;
    int m_page = 0;
    qreal m_zoom = 1.0;
};
