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

QImage logo(const QSize &size) { return svg(QStringLiteral(":/logo.svg"), size); }

QIcon icon(const QString &resource) { return QIcon(resource); }
} // namespace pictures
