// Pictures of prepared reports held encoded: a stored bitmap is packed as it
// is and reads back pixel for pixel as the general picture reader reads it;
// a decoded picture is held as PNG.
#include "TestMain.h"

#include "reports/PreparedPicture.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

namespace {
QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 37 % 256, y * 53 % 256, (x + y) * 11 % 256));
    return image;
}

QByteArray bmpOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The same bitmap with its rows stored top down (a negative height).
QByteArray topDown(const QByteArray &bottomUp)
{
    const auto *p = reinterpret_cast<const uchar *>(bottomUp.constData());
    const quint32 offset = qFromLittleEndian<quint32>(p + 10);
    const qint32 width = qFromLittleEndian<qint32>(p + 18);
    const qint32 height = qFromLittleEndian<qint32>(p + 22);
    const qsizetype stride = (qsizetype(width) * 24 + 31) / 32 * 4;
    QByteArray out = bottomUp.left(offset);
    for (qint32 row = height - 1; row >= 0; --row)
        out += bottomUp.mid(offset + row * stride, stride);
    qToLittleEndian<qint32>(-height, out.data() + 22);
    return out;
}

// A bitmap of 32 bits a pixel (blue, green, red, unused), made by hand.
QByteArray bits32(const QImage &image)
{
    QByteArray out(54, '\0');
    auto *p = reinterpret_cast<uchar *>(out.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(54 + image.width() * image.height() * 4), p + 2);
    qToLittleEndian<quint32>(54, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(image.width(), p + 18);
    qToLittleEndian<qint32>(image.height(), p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(32, p + 28);
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            out += char(qBlue(c));
            out += char(qGreen(c));
            out += char(qRed(c));
            out += char(0x7f);
        }
    return out;
}
} // namespace

class TestPreparedPictures : public QObject {
    Q_OBJECT
private slots:
    void storedBitmapsReadAsTheGeneralReader_data();
    void storedBitmapsReadAsTheGeneralReader();
    void decodedPicturesAreHeldAsPng();
    void whatIsNoBitmapGivesNoPicture();
};

void TestPreparedPictures::storedBitmapsReadAsTheGeneralReader_data()
{
    QTest::addColumn<QByteArray>("bmp");
    // Widths 1 to 5 give every row padding there is.
    for (int width = 1; width <= 5; ++width)
        QTest::addRow("24 bits, %d x 3, bottom up", width) << bmpOf(pattern(width, 3));
    QTest::newRow("24 bits, 7 x 4, top down") << topDown(bmpOf(pattern(7, 4)));
    QTest::newRow("32 bits, 5 x 3") << bits32(pattern(5, 3));
    QTest::newRow("8 bits with a palette") << bmpOf(pattern(6, 4).convertToFormat(QImage::Format_Indexed8));
    QTest::newRow("1 bit") << bmpOf(pattern(9, 2).convertToFormat(QImage::Format_Mono));
    QTest::newRow("goods picture size, 200 x 130") << bmpOf(pattern(200, 130));
}

void TestPreparedPictures::storedBitmapsReadAsTheGeneralReader()
{
    QFETCH(QByteArray, bmp);
    const QImage expected = QImage::fromData(bmp, "BMP");
    QVERIFY(!expected.isNull());
    const PreparedPicture picture = PreparedPicture::fromBitmapFile(bmp);
    QCOMPARE(picture.encoding(), PreparedPicture::Encoding::PackedBitmap);
    QCOMPARE(picture.size(), expected.size());
    QCOMPARE(picture.image().convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    // Written to a report file it becomes a PNG of the same pixels.
    QCOMPARE(QImage::fromData(picture.png(), "PNG").convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
}

void TestPreparedPictures::decodedPicturesAreHeldAsPng()
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30, 128));
    const PreparedPicture picture(image);
    QCOMPARE(picture.encoding(), PreparedPicture::Encoding::Png);
    QCOMPARE(picture.size(), QSize(40, 30));
    QVERIFY(picture.bytes().startsWith("\x89PNG"));
    QVERIFY(picture.bytes().size() < image.sizeInBytes() / 10);
    QCOMPARE(picture.image().convertToFormat(QImage::Format_ARGB32), image);
    QVERIFY(picture.samePicture(PreparedPicture::fromPng(picture.png(), picture.size())));
}

void TestPreparedPictures::whatIsNoBitmapGivesNoPicture()
{
    QVERIFY(PreparedPicture::fromBitmapFile(QByteArray("BM")).isNull());
    QVERIFY(PreparedPicture::fromBitmapFile(QByteArray("GIF89a and more bytes than a header needs")).isNull());
    QVERIFY(PreparedPicture(QImage()).isNull());
}

NOTA_TEST_MAIN(TestPreparedPictures)
#include "test_prepared_pictures.moc"
