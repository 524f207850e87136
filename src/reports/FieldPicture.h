#pragma once
// Pictures stored in graphic fields. A stored picture may carry an 8-byte
// header before the image data: count (16 bit, 1), kind (16 bit, 0x0100) and
// the data's length (32 bit), little-endian. Both forms are read.
#include <QByteArray>
#include <QImage>

namespace fieldpicture {
// The image data without the header (the bytes as they are when there is none).
QByteArray imageData(const QByteArray &blob);
// The decoded picture; a null image for no or unreadable data.
QImage decode(const QByteArray &blob);
} // namespace fieldpicture
