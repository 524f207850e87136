// Report files that are short, lie about their lengths, or ask for more than
// a real report ever needs: each is refused with a clear message before the
// reader allocates for it, and a report beyond the limits is not saved.
#include "TestMain.h"

#include "core/Errors.h"
#include "reports/ReportFile.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {
constexpr qsizetype kHeaderSize = 20;  // magic, version, reserved, payload length
constexpr qsizetype kHashSize = 32;
const QString kDamaged = QStringLiteral("Berkas laporan 'bad.nqr' rusak atau tidak lengkap");
const QString kForeign = QStringLiteral("'bad.nqr' bukan berkas laporan");

QByteArray headerOnly(quint64 length)
{
    QByteArray bytes("NOTARPT\x1a\x01\x00\x00\x00", 12);
    bytes.resize(kHeaderSize);
    qToLittleEndian<quint64>(length, bytes.data() + 12);
    return bytes;
}

// A small report whose file is mostly payload: one page, one picture.
PreparedReport smallReport()
{
    PreparedReport report;
    report.title = QStringLiteral("Nota");
    QImage logo(3, 2, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    report.pictures.push_back(logo);
    DrawOp op;
    op.kind = DrawKind::Picture;
    op.resource = 0;
    op.rect = QRectF(10, 10, 30, 20);
    report.pages.push_back(PreparedPage{{op}});
    return report;
}

PreparedReport withPictures(std::initializer_list<QImage> pictures)
{
    PreparedReport report;
    report.pictures.assign(pictures.begin(), pictures.end());
    report.pages.resize(1);
    return report;
}

PreparedReport withPages(qsizetype pages)
{
    PreparedReport report;
    report.pages.resize(size_t(pages));
    return report;
}

QImage blank(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

quint32 crc32(QByteArrayView bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG that is only a signature and a header claiming width x height
// pixels: its size can be read, its pixels cannot.
QByteArray pngHeaderClaiming(quint32 width, quint32 height)
{
    QByteArray chunk("IHDR", 4);
    chunk.resize(4 + 13);
    qToBigEndian<quint32>(width, chunk.data() + 4);
    qToBigEndian<quint32>(height, chunk.data() + 8);
    chunk[12] = 8;  // bits per sample
    chunk[13] = 2;  // truecolour
    chunk[14] = chunk[15] = chunk[16] = 0;
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    QByteArray field(4, '\0');
    qToBigEndian<quint32>(13, field.data());
    out += field + chunk;
    qToBigEndian<quint32>(crc32(chunk), field.data());
    return out + field;
}

// The file of a report with one 1 x 1 picture whose PNG is replaced by `png`.
QByteArray withPictureBytes(const QByteArray &png)
{
    QByteArray small;
    QBuffer buffer(&small);
    buffer.open(QIODevice::WriteOnly);
    blank(1, 1).save(&buffer, "PNG");
    QByteArray file = reportfile::serialise(withPictures({blank(1, 1)}));
    const qsizetype at = file.indexOf(small);
    Q_ASSERT(at > 0);
    QByteArray payload = file.mid(kHeaderSize, file.size() - kHeaderSize - kHashSize);
    payload.replace(at - kHeaderSize, small.size(), png);
    qToLittleEndian<quint32>(quint32(png.size()), payload.data() + at - kHeaderSize - 4);
    QByteArray out = file.left(kHeaderSize);
    qToLittleEndian<quint64>(quint64(payload.size()), out.data() + 12);
    return out + payload + QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
}

QString loadError(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bad.nqr"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return QStringLiteral("cannot write the file");
    out.close();
    try {
        reportfile::load(file);
    } catch (const EError &e) {
        return e.message();
    }
    return QStringLiteral("loaded");
}
} // namespace

class TestReportFileLimits : public QObject {
    Q_OBJECT
private slots:
    void shortFilesAreRefused_data();
    void shortFilesAreRefused();
    void badFilesAreRefused_data();
    void badFilesAreRefused();
    void reportsAtTheLimitsLoad_data();
    void reportsAtTheLimitsLoad();
    void reportsBeyondTheLimitsAreNotSaved_data();
    void reportsBeyondTheLimitsAreNotSaved();
    void marksPiledOnACharacterAreBounded_data();
    void marksPiledOnACharacterAreBounded();
};

void TestReportFileLimits::shortFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    // Every length field that matches a file too short for its checksum;
    // read unsigned, such a length is huge.
    for (qsizetype size = kHeaderSize; size <= kHeaderSize + kHashSize + 4; ++size) {
        QByteArray bytes = headerOnly(quint64(size - kHeaderSize - kHashSize));
        bytes.resize(size, '\xff');
        QTest::addRow("%lld bytes, length field matching", qlonglong(size)) << bytes << kDamaged;
    }
    // A good file cut short at every length.
    const QByteArray good = reportfile::serialise(smallReport());
    for (qsizetype size = 0; size < good.size(); ++size)
        QTest::addRow("good file cut to %lld bytes", qlonglong(size)) << good.left(size) << (size < 8 ? kForeign : kDamaged);
}

void TestReportFileLimits::shortFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QCOMPARE(loadError(bytes), message);
}

void TestReportFileLimits::badFilesAreRefused_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::newRow("the 20 bytes of a short file") << "short" << kDamaged;
    QTest::newRow("length field 2^63") << "length 2^63" << kDamaged;
    QTest::newRow("length field all ones") << "length all ones" << kDamaged;
    QTest::newRow("length field one more than the payload") << "length +1" << kDamaged;
    QTest::newRow("length field one less than the payload") << "length -1" << kDamaged;
    QTest::newRow("version 0") << "version 0" << kForeign;
    QTest::newRow("picture 8001 pixels wide") << "wide picture" << kDamaged;
    QTest::newRow("picture 8001 pixels high") << "high picture" << kDamaged;
    QTest::newRow("picture header claiming 100000 x 100000") << "huge claim" << kDamaged;
    QTest::newRow("picture header claiming 0 x 10") << "empty claim" << kDamaged;
    QTest::newRow("pictures over 256 MB decoded together") << "pictures total" << kDamaged;
    QTest::newRow("100001 empty pages") << "pages" << kDamaged;
}

void TestReportFileLimits::badFilesAreRefused()
{
    QFETCH(QString, damage);
    QFETCH(QString, message);
    QByteArray bytes = reportfile::serialise(smallReport());
    auto setLength = [&](quint64 length) { qToLittleEndian<quint64>(length, bytes.data() + 12); };
    const quint64 payload = quint64(bytes.size() - kHeaderSize - kHashSize);
    if (damage == "short")
        bytes = QByteArray("NOTARPT\x1a\x01\x00\x00\x00\xe0\xff\xff\xff\xff\xff\xff\xff", 20);
    else if (damage == "length 2^63")
        setLength(quint64(1) << 63);
    else if (damage == "length all ones")
        setLength(~quint64(0));
    else if (damage == "length +1")
        setLength(payload + 1);
    else if (damage == "length -1")
        setLength(payload - 1);
    else if (damage == "version 0")
        qToLittleEndian<quint16>(0, bytes.data() + 8);
    else if (damage == "wide picture")
        bytes = reportfile::serialise(withPictures({blank(8001, 1)}));
    else if (damage == "high picture")
        bytes = reportfile::serialise(withPictures({blank(1, 8001)}));
    else if (damage == "huge claim")
        bytes = withPictureBytes(pngHeaderClaiming(100000, 100000));
    else if (damage == "empty claim")
        bytes = withPictureBytes(pngHeaderClaiming(0, 10));
    else if (damage == "pictures total") {
        const QImage big = blank(5000, 5000);  // 100 MB decoded
        bytes = reportfile::serialise(withPictures({big, big, big}));
    }
    else if (damage == "pages")
        bytes = reportfile::serialise(withPages(reportfile::kMaxPages + 1));
    QCOMPARE(loadError(bytes), message);
}

void TestReportFileLimits::reportsAtTheLimitsLoad_data()
{
    QTest::addColumn<qsizetype>("pages");
    QTest::addColumn<QSize>("picture");
    QTest::newRow("100000 pages") << reportfile::kMaxPages << QSize();
    QTest::newRow("picture 8000 x 1") << qsizetype(1) << QSize(8000, 1);
    QTest::newRow("picture 1 x 8000") << qsizetype(1) << QSize(1, 8000);
}

void TestReportFileLimits::reportsAtTheLimitsLoad()
{
    QFETCH(qsizetype, pages);
    QFETCH(QSize, picture);
    PreparedReport report = withPages(pages);
    if (picture.isValid())
        report.pictures.push_back(blank(picture.width(), picture.height()));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("limit.nqr"));
    reportfile::save(report, file);
    const auto loaded = reportfile::load(file);
    QCOMPARE(loaded->pageCount(), int(pages));
    QVERIFY(loaded->samePages(report));
}

void TestReportFileLimits::reportsBeyondTheLimitsAreNotSaved_data()
{
    QTest::addColumn<qsizetype>("pages");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("copies");
    QTest::newRow("100001 pages") << reportfile::kMaxPages + 1 << QSize() << 0;
    QTest::newRow("picture 8001 x 1") << qsizetype(1) << QSize(8001, 1) << 1;
    QTest::newRow("picture 1 x 8001") << qsizetype(1) << QSize(1, 8001) << 1;
    QTest::newRow("pictures over 256 MB together") << qsizetype(1) << QSize(5000, 5000) << 3;
    // Larger than the picture reader decodes at all.
    QTest::newRow("picture of 144 MB") << qsizetype(1) << QSize(6000, 6000) << 1;
}

void TestReportFileLimits::reportsBeyondTheLimitsAreNotSaved()
{
    QFETCH(qsizetype, pages);
    QFETCH(QSize, picture);
    QFETCH(int, copies);
    PreparedReport report = withPages(pages);
    const QImage shared = picture.isValid() ? blank(picture.width(), picture.height()) : QImage();
    report.pictures.assign(size_t(copies), shared);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("big.nqr"));
    try {
        reportfile::save(report, file);
        QFAIL("a report beyond the limits was saved");
    } catch (const EError &e) {
        QCOMPARE(e.message(), QStringLiteral("Laporan terlalu besar untuk disimpan sebagai berkas laporan ('big.nqr')"));
    }
    QVERIFY(!QFile::exists(file));
}

// One letter under a million combining marks makes a small file whose every
// repaint takes seconds: a file may pile no more than the limit on one
// character, and the report holding such a text is not saved.
void TestReportFileLimits::marksPiledOnACharacterAreBounded_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inTitle");
    QTest::addColumn<bool>("fits");
    const QString acute(QChar(0x0301));
    const QString stem = QString::fromUcs4(U"\U0001D165");  // a combining mark beyond the basic plane
    const int most = reportfile::kMaxCombiningMarks;
    QTest::newRow("Vietnamese") << QStringLiteral("Ti\u1EBFng Vi\u00EA\u0323t") << false << true;
    QTest::newRow("the most marks on a letter") << QLatin1Char('a') + acute.repeated(most) << false << true;
    QTest::newRow("the most on every letter") << (QLatin1Char('a') + acute.repeated(most)).repeated(100) << false << true;
    QTest::newRow("one mark more") << QLatin1Char('a') + acute.repeated(most + 1) << false << false;
    QTest::newRow("one mark more in the title") << QLatin1Char('a') + acute.repeated(most + 1) << true << false;
    QTest::newRow("one more beyond the basic plane") << QLatin1Char('a') + stem.repeated(most + 1) << false << false;
    QTest::newRow("a million marks") << QLatin1Char('a') + acute.repeated(1000000) << false << false;
}

void TestReportFileLimits::marksPiledOnACharacterAreBounded()
{
    QFETCH(QString, text);
    QFETCH(bool, inTitle);
    QFETCH(bool, fits);
    PreparedReport report = smallReport();
    DrawOp op;
    op.kind = DrawKind::Text;
    op.resource = 0;
    op.rect = QRectF(10, 40, 100, 10);
    op.text = inTitle ? QStringLiteral("Nota") : text;
    if (inTitle)
        report.title = text;
    report.fonts.push_back(PreparedFont{QStringLiteral("Arial"), 10, false, 12});
    report.pages.front().ops.push_back(op);
    QCOMPARE(loadError(reportfile::serialise(report)), fits ? QStringLiteral("loaded") : kDamaged);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("marks.nqr"));
    try {
        reportfile::save(report, file);
        QVERIFY(fits);
    } catch (const EError &e) {
        QVERIFY2(!fits, qPrintable(e.message()));
    }
}

NOTA_TEST_MAIN(TestReportFileLimits)
#include "test_report_file_limits.moc"
