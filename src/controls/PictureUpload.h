#pragma once
// Picture files a picture box loads: which kinds it reads (every kind the
// toolkit's picture readers know on this desktop: bitmaps, JPEG, PNG, GIF,
// icons, WebP where its reader is installed...), what the open-picture dialog
// offers, and the bitmap a picture is stored as.
#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

class QImage;

namespace pictureupload {

// File name suffixes of the kinds that can be read, lower case.
QStringList readableSuffixes();
// Windows metafiles (.wmf, .emf): known, but no reader shows them.
bool isMetafile(const QString &suffix);
// What a suffix's pictures are called in a message ("JPEG", "PNG", "BMP").
QString kindName(const QString &suffix);

// The open-picture dialog's filter: every kind together, then the usual
// kinds each alone, then any other kinds the desktop reads.
QString openFilter();

// The size a picture of `picture` pixels is stored at for a box that shows
// `box` pixels at most: scaled down, proportions kept, to the smallest size
// that still covers the box (so the stretched picture loses no detail),
// its longer side no more than twice the box's longer side; never enlarged.
QSize storedSize(QSize picture, QSize box);

// The bitmap file stored for a decoded picture: `fileBytes` as they are when
// they are a bitmap file already of its stored size, otherwise the picture
// scaled to storedSize() and laid on white where it is transparent.
QByteArray storedBitmap(const QImage &picture, const QByteArray &fileBytes, QSize box);

} // namespace pictureupload
