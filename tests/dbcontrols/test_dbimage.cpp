// The picture box: stretched and natural-size drawing, pictures loaded from
// files (bitmaps that fit stored as they are, other kinds and larger pictures
// converted to bitmaps that just cover the box), and pictures read back from
// the table with or without their header; files and pictures too large are
// refused before they are decoded.
#include "Fixture.h"
#include "TestMain.h"
#include "controls/DBImage.h"
#include "core/Errors.h"
#include "data/DataSet.h"
#include "data/Field.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>

namespace {
QImage redPicture(QSize size = QSize(40, 20))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

QString saveAs(const TempDatabase &db, const QString &name, const char *format, QSize size = QSize(40, 20))
{
    const QString path = db.folder() + QLatin1Char('/') + name;
    if (!redPicture(size).save(path, format))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray bitmapBytes()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    redPicture().save(&buffer, "BMP");
    return bytes;
}

// A bitmap file whose header says width x height pixels of 24 bits, followed
// by only a few bytes of pixels.
QByteArray bitmapHeaderClaiming(qint32 width, qint32 height)
{
    QByteArray bytes(14 + 40 + 16, '\0');
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), p + 2);
    qToLittleEndian<quint32>(14 + 40, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(width, p + 18);
    qToLittleEndian<qint32>(height, p + 22);
    qToLittleEndian<quint16>(1, p + 26);   // planes
    qToLittleEndian<quint16>(24, p + 28);  // bits a pixel
    return bytes;
}

// A small real JPEG whose frame header is rewritten to say width x height.
QByteArray jpegHeaderClaiming(quint16 width, quint16 height)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    redPicture().save(&buffer, "JPG");
    const qsizetype frame = bytes.indexOf(QByteArray("\xff\xc0", 2));
    if (frame < 0)
        qFatal("no frame header in the JPEG");
    qToBigEndian<quint16>(height, bytes.data() + frame + 5);
    qToBigEndian<quint16>(width, bytes.data() + frame + 7);
    return bytes;
}

struct PictureForm : ControlsFixture {
    DBImage *box = new DBImage(&window);

    PictureForm() : ControlsFixture(QStringLiteral("Barang.DB"))
    {
        db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\") VALUES ('K1'), ('K2')"));
        box->setDataSource(&source);
        box->setDataField(QStringLiteral("Gambar"));
        box->setGeometry(0, 0, 202, 102);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);  // 1-pixel frame: contents 200 x 100
    }

    QByteArray stored() const
    {
        return db.scalar(QStringLiteral("SELECT \"Gambar\" FROM \"Barang\" WHERE \"Kode_Kervano\" = 'K1'")).toByteArray();
    }
};
} // namespace

class TestDBImage : public QObject {
    Q_OBJECT
private slots:
    void stretchedFillsNaturalIsCentred();
    void bitmapIsStoredAndReadBack();
    void otherKindsAreStoredAsBitmaps_data();
    void otherKindsAreStoredAsBitmaps();
    void transparentPartsAreStoredWhite();
    void unreadableFilesAreRefused_data();
    void unreadableFilesAreRefused();
    void tooLargePicturesAreRefused_data();
    void tooLargePicturesAreRefused();
    void storedPictureWithOrWithoutHeader_data();
    void storedPictureWithOrWithoutHeader();
};

void TestDBImage::stretchedFillsNaturalIsCentred()
{
    PictureForm f;
    f.db.exec(QStringLiteral("UPDATE \"Barang\" SET \"Gambar\" = ? WHERE \"Kode_Kervano\" = 'K1'"), {bitmapBytes()});
    f.table.open();
    QCOMPARE(f.box->picture().size(), QSize(40, 20));

    f.box->setStretch(true);
    QCOMPARE(f.box->pictureRect(), QRect(1, 1, 200, 100));
    QImage shot = f.box->grab().toImage();
    for (const QPoint p : {QPoint(2, 2), QPoint(199, 99), QPoint(100, 50), QPoint(2, 99)})
        QCOMPARE(shot.pixelColor(p), QColor(Qt::red));

    f.box->setStretch(false);
    QCOMPARE(f.box->pictureRect(), QRect(81, 41, 40, 20));
    shot = f.box->grab().toImage();
    QCOMPARE(shot.pixelColor(100, 50), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(81, 41), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(120, 60), QColor(Qt::red));
    for (const QPoint p : {QPoint(2, 2), QPoint(80, 50), QPoint(121, 50), QPoint(100, 40), QPoint(100, 61)})
        QVERIFY(shot.pixelColor(p) != QColor(Qt::red));

    // The next record has no picture.
    f.table.next();
    QVERIFY(f.box->picture().isNull());
    QVERIFY(f.box->pictureRect().isNull());
}

void TestDBImage::bitmapIsStoredAndReadBack()
{
    PictureForm f;
    const QString file = saveAs(f.db, QStringLiteral("karet.bmp"), "BMP");
    f.table.open();
    f.box->loadFromFile(file);
    QCOMPARE(f.table.state(), DataSetState::Edit);
    QCOMPARE(f.box->picture().size(), QSize(40, 20));
    f.table.post();

    // Stored with its header: count 1, kind 0x0100, length of the bitmap.
    const QByteArray stored = f.stored();
    QFile bmp(file);
    QVERIFY(bmp.open(QIODevice::ReadOnly));
    const QByteArray original = bmp.readAll();
    QCOMPARE(stored.size(), original.size() + 8);
    const auto *p = reinterpret_cast<const uchar *>(stored.constData());
    QCOMPARE(qFromLittleEndian<quint16>(p), quint16(1));
    QCOMPARE(qFromLittleEndian<quint16>(p + 2), quint16(0x0100));
    QCOMPARE(qFromLittleEndian<quint32>(p + 4), quint32(original.size()));
    QCOMPARE(stored.mid(8), original);

    f.table.close();
    QVERIFY(f.box->picture().isNull());
    f.table.open();
    QCOMPARE(f.box->picture().size(), QSize(40, 20));
    QCOMPARE(f.box->picture().pixelColor(5, 5), QColor(Qt::red));
}

void TestDBImage::otherKindsAreStoredAsBitmaps_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("storedSize");
    QTest::newRow("JPEG") << "karet.jpg" << QByteArray("JPG") << QSize(40, 20) << QSize(40, 20);
    QTest::newRow("icon") << "karet.ico" << QByteArray("ICO") << QSize(40, 20) << QSize(40, 20);
    // The box shows 200 x 100: scaled to just cover it, proportions kept, the
    // longer side at most twice the box's.
    QTest::newRow("wide JPEG scaled down") << "lebar.jpg" << QByteArray("JPG") << QSize(3000, 1500) << QSize(200, 100);
    QTest::newRow("JPEG covering the box") << "pas.jpg" << QByteArray("JPG") << QSize(1024, 700) << QSize(200, 137);
    QTest::newRow("JPEG just the box's size") << "sama.jpg" << QByteArray("JPG") << QSize(200, 100) << QSize(200, 100);
    QTest::newRow("tall JPEG, longer side limited") << "tinggi.jpeg" << QByteArray("JPG") << QSize(600, 2048) << QSize(117, 400);
    QTest::newRow("widest picture loaded") << "terlebar.jpg" << QByteArray("JPG") << QSize(DBImage::kLargestSide, 16) << QSize(400, 1);
    QTest::newRow("large bitmap") << "besar.bmp" << QByteArray("BMP") << QSize(800, 400) << QSize(200, 100);
    QTest::newRow("PNG") << "karet.png" << QByteArray("PNG") << QSize(400, 200) << QSize(200, 100);
    QTest::newRow("WebP") << "karet.webp" << QByteArray("WEBP") << QSize(400, 300) << QSize(200, 150);
    QTest::newRow("PNG under a JPEG name") << "png.jpg" << QByteArray("PNG") << QSize(40, 20) << QSize(40, 20);
}

void TestDBImage::otherKindsAreStoredAsBitmaps()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(QSize, storedSize);
    PictureForm f;
    f.db.exec(QStringLiteral("UPDATE \"Barang\" SET \"Gambar\" = ? WHERE \"Kode_Kervano\" = 'K1'"), {bitmapBytes()});
    const QString file = saveAs(f.db, name, format.constData(), size);
    f.table.open();
    f.table.edit();
    f.box->loadFromFile(file);
    QCOMPARE(f.box->picture().size(), size);  // shown at once as loaded
    f.table.post();

    // Stored as a bitmap with its header, at most as large as the box needs.
    const QByteArray stored = f.stored();
    QVERIFY(stored.size() > 8);
    const auto *p = reinterpret_cast<const uchar *>(stored.constData());
    QCOMPARE(qFromLittleEndian<quint16>(p), quint16(1));
    QCOMPARE(qFromLittleEndian<quint16>(p + 2), quint16(0x0100));
    QCOMPARE(qFromLittleEndian<quint32>(p + 4), quint32(stored.size() - 8));
    QVERIFY(stored.mid(8).startsWith("BM"));
    QImage readBack;
    QVERIFY(readBack.loadFromData(stored.mid(8), "BMP"));
    QCOMPARE(readBack.size(), storedSize);
    const QColor middle = readBack.pixelColor(storedSize.width() / 2, storedSize.height() / 2);
    QVERIFY2(middle.red() > 200 && middle.green() < 60 && middle.blue() < 60, qPrintable(middle.name()));
    // The box shows what is stored now.
    QCOMPARE(f.box->picture().size(), storedSize);

    // Dropped instead of posted: the stored picture comes back.
    f.db.exec(QStringLiteral("UPDATE \"Barang\" SET \"Gambar\" = ? WHERE \"Kode_Kervano\" = 'K1'"), {bitmapBytes()});
    f.table.refresh();
    f.box->loadFromFile(file);
    f.table.cancel();
    QCOMPARE(f.box->picture().size(), QSize(40, 20));
    QCOMPARE(f.stored(), bitmapBytes());  // untouched
}

void TestDBImage::transparentPartsAreStoredWhite()
{
    PictureForm f;
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 32; ++y)
            icon.setPixelColor(x, y, Qt::blue);
    const QString file = f.db.folder() + QStringLiteral("/setengah.ico");
    QVERIFY(icon.save(file, "ICO"));
    f.table.open();
    f.box->loadFromFile(file);
    f.table.post();
    QImage readBack;
    QVERIFY(readBack.loadFromData(f.stored().mid(8), "BMP"));
    QCOMPARE(readBack.pixelColor(4, 16), QColor(Qt::blue));
    QCOMPARE(readBack.pixelColor(28, 16), QColor(Qt::white));
}

void TestDBImage::unreadableFilesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown extension") << "notes.txt" << QByteArray("hello") << "Unknown picture file extension (.txt)";
    QTest::newRow("extension kept as written") << "PIC.Txt" << QByteArray("x") << "Unknown picture file extension (.Txt)";
    QTest::newRow("no extension") << "picture" << QByteArray("x") << "Unknown picture file extension (.)";
    QTest::newRow("broken bitmap") << "broken.bmp" << QByteArray("BMxxxx")
                                   << "Gambar \"broken.bmp\" tidak dapat dibaca: berkasnya rusak atau bukan gambar BMP";
    QTest::newRow("broken JPEG") << "broken.jpg" << QByteArray("\xff\xd8xx")
                                 << "Gambar \"broken.jpg\" tidak dapat dibaca: berkasnya rusak atau bukan gambar JPEG";
    QTest::newRow("broken PNG, capital extension") << "RUSAK.PNG" << QByteArray("\x89PNGxx")
                                                   << "Gambar \"RUSAK.PNG\" tidak dapat dibaca: berkasnya rusak atau bukan gambar PNG";
    QTest::newRow("metafile") << "gambar.wmf" << QByteArray("\xd7\xcd\xc6\x9a")
                              << "Gambar metafile (.wmf) tidak dapat ditampilkan. Simpan gambar itu sebagai PNG, JPEG atau BMP, "
                                 "lalu pilih lagi";
}

void TestDBImage::unreadableFilesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    PictureForm f;
    f.db.exec(QStringLiteral("UPDATE \"Barang\" SET \"Gambar\" = ? WHERE \"Kode_Kervano\" = 'K1'"), {bitmapBytes()});
    const QString path = f.db.folder() + QLatin1Char('/') + name;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    f.table.open();
    try {
        f.box->loadFromFile(path);
        QFAIL("no error raised");
    } catch (const EInvalidGraphic &e) {
        QCOMPARE(e.message(), message);
    }
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.box->picture().size(), QSize(40, 20));

    // A file that is not there at all.
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, f.box->loadFromFile(f.db.folder() + QStringLiteral("/missing.bmp")));
}

void TestDBImage::tooLargePicturesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("fileSize");  // the file is grown to this size with a hole, when larger
    QTest::addColumn<QString>("message");
    auto large = [](int width, int height) {
        return QStringLiteral("Gambar \"%1\" terlalu besar untuk dimuat (") + QString::number(width) + QStringLiteral(" x ")
            + QString::number(height) + QStringLiteral(" piksel)");
    };
    QTest::newRow("bitmap file of 600 MB")
        << "besar.bmp" << bitmapHeaderClaiming(40, 20) << (qint64(600) << 20)
        << "Berkas gambar \"%1\" terlalu besar (600 MB); paling besar 64 MB yang dapat dimuat";
    QTest::newRow("file one byte over 64 MB")
        << "besar.jpg" << jpegHeaderClaiming(40, 20) << DBImage::kLargestFileBytes + 1
        << "Berkas gambar \"%1\" terlalu besar (65 MB); paling besar 64 MB yang dapat dimuat";
    QTest::newRow("bitmap claiming 16000 x 16000")
        << "klaim.bmp" << bitmapHeaderClaiming(16000, 16000) << qint64(0) << large(16000, 16000);
    QTest::newRow("bitmap claiming 8001 x 1") << "lebar.bmp" << bitmapHeaderClaiming(8001, 1) << qint64(0)
                                             << large(8001, 1);
    QTest::newRow("bitmap claiming 1 x 8001, top-down") << "tinggi.dib" << bitmapHeaderClaiming(1, -8001) << qint64(0)
                                                         << large(1, 8001);
    QTest::newRow("JPEG claiming 8001 x 8001") << "klaim.jpg" << jpegHeaderClaiming(8001, 8001) << qint64(0)
                                              << large(8001, 8001);
    QTest::newRow("JPEG claiming 7000 x 7000, beyond what decodes")
        << "klaim.jpeg" << jpegHeaderClaiming(7000, 7000) << qint64(0) << large(7000, 7000);
}

void TestDBImage::tooLargePicturesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(qint64, fileSize);
    QFETCH(QString, message);
    PictureForm f;
    f.db.exec(QStringLiteral("UPDATE \"Barang\" SET \"Gambar\" = ? WHERE \"Kode_Kervano\" = 'K1'"), {bitmapBytes()});
    const QString path = f.db.folder() + QLatin1Char('/') + name;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
    if (fileSize > content.size())
        QVERIFY(file.resize(fileSize));  // sparse: takes no room on the disk
    file.close();
    f.table.open();
    try {
        f.box->loadFromFile(path);
        QFAIL("no error raised");
    } catch (const EInvalidGraphic &e) {
        QCOMPARE(e.message(), message.arg(path));
    }
    // The record stays as it was.
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.box->picture().size(), QSize(40, 20));
    QCOMPARE(f.stored(), bitmapBytes());
}

void TestDBImage::storedPictureWithOrWithoutHeader_data()
{
    QTest::addColumn<bool>("header");
    QTest::newRow("with header") << true;
    QTest::newRow("bare bitmap") << false;
}

void TestDBImage::storedPictureWithOrWithoutHeader()
{
    QFETCH(bool, header);
    PictureForm f;
    QByteArray value = bitmapBytes();
    if (header) {
        QByteArray head(8, '\0');
        auto *p = reinterpret_cast<uchar *>(head.data());
        qToLittleEndian<quint16>(1, p);
        qToLittleEndian<quint16>(0x0100, p + 2);
        qToLittleEndian<quint32>(quint32(value.size()), p + 4);
        value.prepend(head);
    }
    f.db.exec(QStringLiteral("UPDATE \"Barang\" SET \"Gambar\" = ? WHERE \"Kode_Kervano\" = 'K2'"), {value});
    f.table.open();
    QVERIFY(f.box->picture().isNull());
    f.table.next();
    QCOMPARE(f.box->picture().size(), QSize(40, 20));
    QCOMPARE(f.box->picture().pixelColor(0, 0), QColor(Qt::red));
}

NOTA_TEST_MAIN(TestDBImage)
#include "test_dbimage.moc"
