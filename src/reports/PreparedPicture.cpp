#include "reports/PreparedPicture.h"

#include "data/PictureBlob.h"
#include "reports/ReportFile.h"

#include <QBuffer>
#include <QtEndian>
#include <climits>
#include <memory>
#include <zstd.h>

namespace {
// Stored bitmaps are mostly flat colour: a fast level already packs them to
// a few per cent; the slower levels gain little on them.
constexpr int kPackLevel = -1;
// A bitmap file is never larger than this (the largest picture a report file
// may hold, at 32 bits a pixel, with room for its headers).
constexpr qint64 kLargestSide = reportfile::kMaxPictureSide;
constexpr qint64 kLargestBitmap = kLargestSide * kLargestSide * 4 + 4096;
// The memory kept for unpacking the next picture: a few goods pictures' worth.
constexpr qsizetype kKeptUnpacked = 1 << 20;

// The size a BMP file's header tells: the core header's 16-bit sides or the
// later headers' 32-bit ones (a negative height: rows stored top down).
QSize bitmapSize(QByteArrayView bmp)
{
    if (bmp.size() < 26 || !pictureblob::isBitmap(bmp))
        return {};
    const auto *p = reinterpret_cast<const uchar *>(bmp.data());
    const quint32 header = qFromLittleEndian<quint32>(p + 14);
    qint64 width = 0, height = 0;
    if (header == 12) {
        width = qFromLittleEndian<quint16>(p + 18);
        height = qFromLittleEndian<quint16>(p + 20);
    } else if (header >= 40) {
        width = qFromLittleEndian<qint32>(p + 18);
        height = std::abs(qint64(qFromLittleEndian<qint32>(p + 22)));
    }
    if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX)
        return {};
    return QSize(int(width), int(height));
}

QByteArray pngOf(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// The common stored bitmap, uncompressed rows of 24 or 32 bits a pixel, read
// directly: several times faster than the general reader, which takes the
// rest. A null image when the file is not of that kind.
QImage plainBitmap(QByteArrayView bmp)
{
    if (bmp.size() < 54)
        return {};
    const auto *p = reinterpret_cast<const uchar *>(bmp.data());
    const quint32 offset = qFromLittleEndian<quint32>(p + 10);
    const quint32 header = qFromLittleEndian<quint32>(p + 14);
    const qint32 width = qFromLittleEndian<qint32>(p + 18);
    const qint32 height = qFromLittleEndian<qint32>(p + 22);
    const quint16 bits = qFromLittleEndian<quint16>(p + 28);
    const quint32 compression = qFromLittleEndian<quint32>(p + 30);
    if (header < 40 || compression != 0 || (bits != 24 && bits != 32) || width <= 0 || height == 0
        || height == INT_MIN)
        return {};
    const qint64 rows = std::abs(qint64(height));
    const qint64 stride = (qint64(width) * bits + 31) / 32 * 4;
    if (width > kLargestSide || rows > kLargestSide || qint64(offset) + stride * rows > qint64(bmp.size()))
        return {};
    QImage image(width, int(rows), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < rows; ++y) {
        // Rows are stored bottom up unless the height is negative.
        const uchar *in = p + offset + stride * (height > 0 ? rows - 1 - y : y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        // A stored pixel's bytes (blue, green, red) are those of a QRgb in
        // memory: one word read a pixel, its fourth byte made opaque. The
        // last of a 24-bit row is read by bytes, as its word may pass the file's end.
        if (bits == 24) {
            for (int x = 0; x + 1 < width; ++x)
                out[x] = 0xff000000u | (qFromLittleEndian<quint32>(in + 3 * x) & 0xffffffu);
            const uchar *last = in + 3 * (width - 1);
            out[width - 1] = qRgb(last[2], last[1], last[0]);
        } else {
            for (int x = 0; x < width; ++x)
                out[x] = 0xff000000u | qFromLittleEndian<quint32>(in + 4 * x);
        }
    }
    return image;
}

// The bytes stay in `bytes`, whose memory is reused from one picture to the
// next: a fresh buffer a picture costs about as much as unpacking it.
bool unpack(const QByteArray &packed, QByteArray &bytes)
{
    const unsigned long long size = ZSTD_getFrameContentSize(packed.constData(), size_t(packed.size()));
    if (size == ZSTD_CONTENTSIZE_UNKNOWN || size == ZSTD_CONTENTSIZE_ERROR || size > quint64(kLargestBitmap))
        return false;
    bytes.resize(qsizetype(size));
    thread_local const std::unique_ptr<ZSTD_DCtx, size_t (*)(ZSTD_DCtx *)> context(ZSTD_createDCtx(), ZSTD_freeDCtx);
    if (!context)
        return false;
    const size_t made = ZSTD_decompressDCtx(context.get(), bytes.data(), size_t(bytes.size()), packed.constData(),
                                            size_t(packed.size()));
    return !ZSTD_isError(made) && made == size;
}
} // namespace

PreparedPicture::PreparedPicture(const QImage &image)
{
    if (image.isNull())
        return;
    m_bytes = pngOf(image);
    m_size = image.size();
}

PreparedPicture PreparedPicture::fromPng(QByteArray png, QSize size)
{
    PreparedPicture picture;
    picture.m_bytes = std::move(png);
    picture.m_size = size;
    return picture;
}

PreparedPicture PreparedPicture::fromBitmapFile(QByteArrayView bmp)
{
    PreparedPicture picture;
    const QSize size = bitmapSize(bmp);
    if (size.isEmpty() || bmp.size() > kLargestBitmap)
        return picture;
    // One packing context a thread, made once: making it costs more than packing a picture.
    thread_local const std::unique_ptr<ZSTD_CCtx, size_t (*)(ZSTD_CCtx *)> context(ZSTD_createCCtx(), ZSTD_freeCCtx);
    if (!context)
        return picture;
    QByteArray packed(qsizetype(ZSTD_compressBound(size_t(bmp.size()))), Qt::Uninitialized);
    const size_t made = ZSTD_compressCCtx(context.get(), packed.data(), size_t(packed.size()), bmp.data(),
                                          size_t(bmp.size()), kPackLevel);
    if (ZSTD_isError(made))
        return picture;
    packed.resize(qsizetype(made));
    packed.squeeze();
    picture.m_bytes = std::move(packed);
    picture.m_size = size;
    picture.m_encoding = Encoding::PackedBitmap;
    return picture;
}

QImage PreparedPicture::image() const
{
    if (isNull())
        return {};
    if (m_encoding == Encoding::Png)
        return QImage::fromData(m_bytes, "PNG");
    thread_local QByteArray bmp;
    if (!unpack(m_bytes, bmp))
        return {};
    QImage decoded = plainBitmap(bmp);
    if (decoded.isNull())
        decoded = QImage::fromData(bmp, "BMP");
    // Pictures of photo size do not keep their bytes' memory.
    if (bmp.capacity() > kKeptUnpacked)
        bmp = QByteArray();
    return decoded;
}

QByteArray PreparedPicture::png() const
{
    if (m_encoding == Encoding::Png)
        return m_bytes;
    const QImage decoded = image();
    return decoded.isNull() ? QByteArray() : pngOf(decoded);
}

bool PreparedPicture::samePicture(const PreparedPicture &other) const
{
    if (m_encoding == other.m_encoding && m_bytes == other.m_bytes)
        return true;
    if (m_size != other.m_size)
        return false;
    return image().convertToFormat(QImage::Format_ARGB32) == other.image().convertToFormat(QImage::Format_ARGB32);
}
