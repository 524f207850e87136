#include "controls/PictureUpload.h"

#include "data/PictureBlob.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace pictureupload {
namespace {
// The usual kinds, each offered alone when its reader is there: the name in
// the dialog, the reader's format, and the suffixes its files carry.
struct Kind {
    const char *label;
    const char *format;
    QStringList suffixes;
};

const QList<Kind> &usualKinds()
{
    static const QList<Kind> kinds{
        {"Bitmap", "bmp", {QStringLiteral("bmp"), QStringLiteral("dib")}},
        {"Gambar JPEG", "jpeg", {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe")}},
        {"Gambar PNG", "png", {QStringLiteral("png")}},
        {"Gambar GIF", "gif", {QStringLiteral("gif")}},
        {"Gambar WebP", "webp", {QStringLiteral("webp")}},
        {"Ikon", "ico", {QStringLiteral("ico")}},
    };
    return kinds;
}

bool readerFor(const char *format)
{
    static const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    return formats.contains(QByteArray(format));
}

QString patterns(const QStringList &suffixes)
{
    QStringList out;
    for (const QString &s : suffixes)
        out << QStringLiteral("*.") + s;
    return out.join(QLatin1Char(' '));
}
} // namespace

QStringList readableSuffixes()
{
    static const QStringList suffixes = [] {
        QStringList out;
        for (const Kind &k : usualKinds())
            if (readerFor(k.format))
                out << k.suffixes;
        for (const QByteArray &format : QImageReader::supportedImageFormats())
            if (!out.contains(QString::fromLatin1(format)))
                out << QString::fromLatin1(format);
        return out;
    }();
    return suffixes;
}

bool isMetafile(const QString &suffix)
{
    const QString s = suffix.toLower();
    return s == QLatin1String("wmf") || s == QLatin1String("emf");
}

QString kindName(const QString &suffix)
{
    const QString s = suffix.toLower();
    for (const Kind &k : usualKinds())
        if (k.suffixes.contains(s))
            return QString::fromLatin1(k.format).toUpper();
    return s.toUpper();
}

QString openFilter()
{
    QStringList filter{QStringLiteral("Semua gambar (%1)").arg(patterns(readableSuffixes()))};
    QStringList others = readableSuffixes();
    for (const Kind &k : usualKinds()) {
        if (!readerFor(k.format))
            continue;
        filter << QStringLiteral("%1 (%2)").arg(QLatin1String(k.label), patterns(k.suffixes));
        for (const QString &s : k.suffixes)
            others.removeAll(s);
    }
    if (!others.isEmpty())
        filter << QStringLiteral("Gambar lain (%1)").arg(patterns(others));
    return filter.join(QStringLiteral(";;"));
}

QSize storedSize(QSize picture, QSize box)
{
    if (picture.isEmpty() || box.isEmpty())
        return picture;
    const double cover = std::max(double(box.width()) / picture.width(), double(box.height()) / picture.height());
    const double longest = 2.0 * std::max(box.width(), box.height()) / std::max(picture.width(), picture.height());
    const double scale = std::min({1.0, cover, longest});
    if (scale >= 1.0)
        return picture;
    return {std::max(1, qRound(picture.width() * scale)), std::max(1, qRound(picture.height() * scale))};
}

QByteArray storedBitmap(const QImage &picture, const QByteArray &fileBytes, QSize box)
{
    const QSize size = storedSize(picture.size(), box);
    if (size == picture.size() && pictureblob::isBitmap(fileBytes))
        return fileBytes;
    const QImage fitted =
        size == picture.size() ? picture : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage opaque(size, QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, fitted);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    opaque.save(&buffer, "BMP");
    return bytes;
}

} // namespace pictureupload
