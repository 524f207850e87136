#include "controls/Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace pictures {
namespace {
// Drawn at the screen's device pixels, so a scaled desktop shows it sharp at
// the same size.
QImage render(const QString &resource, const QSize &size, Qt::AspectRatioMode mode)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    renderer.setAspectRatioMode(mode);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}
} // namespace

QImage svg(const QString &resource, const QSize &size) { return render(resource, size, Qt::IgnoreAspectRatio); }

// The logo is not square: inside any box it keeps its proportions, centred.
QImage logo(const QSize &size) { return render(QStringLiteral(":/logo.svg"), size, Qt::KeepAspectRatio); }

QIcon icon(const QString &resource) { return QIcon(resource); }
} // namespace pictures
