#pragma once
// Stored pictures: an 8-byte header (count 1, kind 0x0100, length of the rest;
// 16, 16 and 32 bits little-endian) followed by a BMP bitmap file. A reader
// takes the first 8 bytes as that header only when all three agree; otherwise
// the whole value is bitmap data. Only bitmaps are stored.
#include <QByteArray>

namespace pictureblob {
// True when `bytes` starts like a BMP bitmap file ("BM").
bool isBitmap(QByteArrayView bytes);
// The picture bytes of a stored value, with or without the header.
QByteArray unwrap(const QByteArray &stored);
// The same bytes seen in place, without copying them: valid while `stored` is.
QByteArrayView bare(const QByteArray &stored);
// Header + bitmap.
QByteArray wrap(const QByteArray &bitmap);
// What a picture given to the field is stored as: a bitmap (bare or with its
// header) is stored with the header; anything else (JPEG, icon, metafile,
// empty) as no value (an empty array).
QByteArray toStored(const QByteArray &picture);
// The SHA-256 digest of a stored value's bytes as they are, header and all:
// two desks compare a picture by it.
QByteArray digest(const QByteArray &stored);
} // namespace pictureblob
