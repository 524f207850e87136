#include "controls/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace pictures {
QImage svg(const QString &resource, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

QImage logo(const QSize &size)
{
    // The logo is not square: inside any box it keeps its proportions, centred.
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/logo.svg"));
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

QIcon icon(const QString &resource) { return QIcon(resource); }
} // namespace pictures
