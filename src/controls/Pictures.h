#pragma once
// Pictures compiled into the program (assets/), rendered at the size asked.
#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

namespace pictures {
// The shop's logo; its natural size is 279 x 225. In another box it keeps
// its proportions, centred, with the rest transparent.
QImage logo(const QSize &size = QSize(279, 225));
// Any SVG resource of assets/ (":/name.svg") at the given size.
QImage svg(const QString &resource, const QSize &size);
QIcon icon(const QString &resource);
} // namespace pictures
