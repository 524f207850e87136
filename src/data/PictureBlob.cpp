#include "data/PictureBlob.h"

#include <QCryptographicHash>
#include <QtEndian>

namespace pictureblob {
namespace {
constexpr int kHeaderSize = 8;
constexpr quint16 kCount = 1;
constexpr quint16 kKind = 0x0100;

bool hasHeader(const QByteArray &stored)
{
    if (stored.size() < kHeaderSize)
        return false;
    const auto *p = reinterpret_cast<const uchar *>(stored.constData());
    return qFromLittleEndian<quint16>(p) == kCount && qFromLittleEndian<quint16>(p + 2) == kKind
        && qFromLittleEndian<quint32>(p + 4) == quint32(stored.size() - kHeaderSize);
}
} // namespace

bool isBitmap(QByteArrayView bytes) { return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M'; }

QByteArray unwrap(const QByteArray &stored) { return hasHeader(stored) ? stored.mid(kHeaderSize) : stored; }

QByteArrayView bare(const QByteArray &stored)
{
    return hasHeader(stored) ? QByteArrayView(stored).sliced(kHeaderSize) : QByteArrayView(stored);
}

QByteArray wrap(const QByteArray &bitmap)
{
    QByteArray out(kHeaderSize, '\0');
    auto *p = reinterpret_cast<uchar *>(out.data());
    qToLittleEndian<quint16>(kCount, p);
    qToLittleEndian<quint16>(kKind, p + 2);
    qToLittleEndian<quint32>(quint32(bitmap.size()), p + 4);
    return out + bitmap;
}

QByteArray toStored(const QByteArray &picture)
{
    const QByteArray bare = unwrap(picture);
    return isBitmap(bare) ? wrap(bare) : QByteArray();
}

QByteArray digest(const QByteArray &stored) { return QCryptographicHash::hash(stored, QCryptographicHash::Sha256); }
} // namespace pictureblob
