#pragma once
// Picture files as the program takes them in, in one place for the picture
// box and the admin tool's import: the limits on what is read and decoded,
// and a file read only from the folder it is meant to come from.
#include <QByteArray>
#include <QSize>
#include <QString>

namespace picturefile {
// A file larger than this is not read at all.
constexpr qint64 kLargestFileBytes = qint64(64) << 20;
// Nor a picture whose header says it is wider or higher than this.
constexpr int kLargestSide = 8000;

// False when a picture of `size` is beyond kLargestSide or beyond what the
// picture reader decodes at all. A size that is not known passes: the
// file's own size bounds what decoding it can take.
bool sizeFits(QSize size);

// The bytes of the file `name` names relative to `base`, when it is a
// regular file inside `folder` once every link is followed, no larger than
// kLargestFileBytes; else empty with the reason in `problem`. Devices, pipes
// and sockets are refused before they are opened for reading, so that none
// can hang or flood the reader.
QByteArray readInside(const QString &folder, const QString &base, const QString &name, QString &problem);

// Why `bytes` cannot be stored as a goods picture (a bitmap file that decodes
// within the limits above); empty when it can.
QString bitmapProblem(const QByteArray &bytes);
} // namespace picturefile
