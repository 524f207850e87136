#include "reports/FieldPicture.h"

#include <QtEndian>

namespace fieldpicture {
QByteArray imageData(const QByteArray &blob)
{
    constexpr qsizetype kHeader = 8;
    if (blob.size() < kHeader)
        return blob;
    const auto *bytes = reinterpret_cast<const uchar *>(blob.constData());
    const quint16 count = qFromLittleEndian<quint16>(bytes);
    const quint16 kind = qFromLittleEndian<quint16>(bytes + 2);
    const quint32 length = qFromLittleEndian<quint32>(bytes + 4);
    if (count == 1 && kind == 0x0100 && length > 0 && length <= quint64(blob.size() - kHeader))
        return blob.mid(kHeader, qsizetype(length));
    return blob;
}

QImage decode(const QByteArray &blob)
{
    if (blob.isEmpty())
        return {};
    return QImage::fromData(imageData(blob));
}
} // namespace fieldpicture
