#pragma once
// A picture of a prepared report, held encoded and decoded only while a page
// showing it is drawn: thousands of pages with a picture each stay small.
// Copies share the bytes, so a picture shown on many pages is held once.
//
// Two encodings: PNG (pictures given decoded, and those read from report
// files), and a stored bitmap file packed losslessly as it came from the
// database, which costs far less time than encoding its pixels again.
#include <QByteArray>
#include <QImage>
#include <QSize>

class PreparedPicture {
public:
    enum class Encoding : quint8 { Png, PackedBitmap };

    PreparedPicture() = default;
    // Encodes a decoded picture as PNG; a null image gives a null picture.
    PreparedPicture(const QImage &image);  // NOLINT: a decoded picture stands for its encoding
    // Takes PNG bytes whose header told `size`.
    static PreparedPicture fromPng(QByteArray png, QSize size);
    // Packs a BMP file; a null picture when its header tells no sensible size.
    static PreparedPicture fromBitmapFile(QByteArrayView bmp);

    bool isNull() const { return m_bytes.isEmpty(); }
    QSize size() const { return m_size; }
    Encoding encoding() const { return m_encoding; }
    // What is held: compared and hashed to share equal pictures.
    const QByteArray &bytes() const { return m_bytes; }

    // The pixels; a null image when the bytes do not decode.
    QImage image() const;
    // The picture as PNG: its own bytes when held as PNG.
    QByteArray png() const;

    // Equal bytes, or else the same pixels.
    bool samePicture(const PreparedPicture &other) const;

private:
    QByteArray m_bytes;
    QSize m_size;
    Encoding m_encoding = Encoding::Png;
};
