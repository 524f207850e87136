// The picture box: stretched and natural-size drawing, pictures loaded from
// files (bitmaps stored, other kinds shown until the post and stored empty),
// and pictures read back from the table with or without their header.
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
QImage redPicture()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

QString saveAs(const TempDatabase &db, const QString &name, const char *format)
{
    const QString path = db.folder() + QLatin1Char('/') + name;
    if (!redPicture().save(path, format))
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
    void otherKindsShowUntilThePostAndAreStoredEmpty_data();
    void otherKindsShowUntilThePostAndAreStoredEmpty();
    void unreadableFilesAreRefused_data();
    void unreadableFilesAreRefused();
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

void TestDBImage::otherKindsShowUntilThePostAndAreStoredEmpty_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("JPEG") << "karet.jpg" << QByteArray("JPG");
    QTest::newRow("icon") << "karet.ico" << QByteArray("ICO");
}

void TestDBImage::otherKindsShowUntilThePostAndAreStoredEmpty()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    PictureForm f;
    f.db.exec(QStringLiteral("UPDATE \"Barang\" SET \"Gambar\" = ? WHERE \"Kode_Kervano\" = 'K1'"), {bitmapBytes()});
    const QString file = saveAs(f.db, name, format.constData());
    f.table.open();
    f.table.edit();
    f.box->loadFromFile(file);
    QCOMPARE(f.box->picture().size(), QSize(40, 20));  // shown at once
    f.table.post();
    QVERIFY(f.box->picture().isNull());  // stored as no picture
    QVERIFY(f.stored().isEmpty());
    QVERIFY(f.db.scalar(QStringLiteral("SELECT \"Gambar\" IS NULL FROM \"Barang\" WHERE \"Kode_Kervano\" = 'K1'")).toBool());

    // Dropped instead of posted: the stored picture comes back.
    f.db.exec(QStringLiteral("UPDATE \"Barang\" SET \"Gambar\" = ? WHERE \"Kode_Kervano\" = 'K1'"), {bitmapBytes()});
    f.table.refresh();
    f.box->loadFromFile(file);
    f.table.cancel();
    QCOMPARE(f.box->picture().size(), QSize(40, 20));
    QCOMPARE(f.stored(), bitmapBytes());  // untouched
}

void TestDBImage::unreadableFilesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown extension") << "notes.txt" << QByteArray("hello") << "Unknown picture file extension (.txt)";
    QTest::newRow("extension kept as written") << "PIC.Png" << QByteArray("x") << "Unknown picture file extension (.Png)";
    QTest::newRow("no extension") << "picture" << QByteArray("x") << "Unknown picture file extension (.)";
    QTest::newRow("broken bitmap") << "broken.bmp" << QByteArray("BMxxxx") << "Bitmap image is not valid";
    QTest::newRow("broken JPEG") << "broken.jpg" << QByteArray("\xff\xd8xx") << "JPEG image is not valid";
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
