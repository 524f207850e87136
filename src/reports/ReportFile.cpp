#include "reports/ReportFile.h"

#include "core/Errors.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

constexpr char kMagic[8] = {'N', 'O', 'T', 'A', 'R', 'P', 'T', '\x1A'};
constexpr qsizetype kHeaderSize = 8 + 2 + 2 + 8;
constexpr qsizetype kHashSize = 32;
constexpr qint64 kLargestFile = qint64(1) << 30;
// Smallest encoded sizes, to bound counts by the bytes that are left.
constexpr qsizetype kMinFontBytes = 4 + 8 + 1 + 8;
constexpr qsizetype kMinPictureBytes = 4;
constexpr qsizetype kMinPageBytes = 4;
constexpr qsizetype kMinOpBytes = 1 + 1 + 4 * 8 + 4 + 4 + 4 + 4;

class Writer {
public:
    void u8(quint8 v) { m_bytes.append(char(v)); }
    void u16(quint16 v) { raw(qToLittleEndian(v)); }
    void u32(quint32 v) { raw(qToLittleEndian(v)); }
    void i32(qint32 v) { raw(qToLittleEndian(v)); }
    void u64(quint64 v) { raw(qToLittleEndian(v)); }
    void f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        u64(bits);
    }
    void bytes(const QByteArray &b)
    {
        u32(quint32(b.size()));
        m_bytes.append(b);
    }
    void string(const QString &s) { bytes(s.toUtf8()); }
    QByteArray &data() { return m_bytes; }

private:
    template <typename T>
    void raw(T v) { m_bytes.append(reinterpret_cast<const char *>(&v), sizeof v); }
    QByteArray m_bytes;
};

struct Damaged {};

// Reads with bounds checks; any shortfall throws Damaged.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}
    qsizetype left() const { return m_bytes.size() - m_pos; }
    quint8 u8() { return quint8(*take(1)); }
    quint16 u16() { return qFromLittleEndian<quint16>(take(2)); }
    quint32 u32() { return qFromLittleEndian<quint32>(take(4)); }
    qint32 i32() { return qFromLittleEndian<qint32>(take(4)); }
    quint64 u64() { return qFromLittleEndian<quint64>(take(8)); }
    double f64()
    {
        const quint64 bits = u64();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v))
            throw Damaged{};
        return v;
    }
    QByteArray bytes()
    {
        const quint32 n = u32();
        if (n > quint64(left()))
            throw Damaged{};
        return QByteArray(reinterpret_cast<const char *>(take(n)), qsizetype(n));
    }
    QString string() { return QString::fromUtf8(bytes()); }
    // A count of items each at least `minBytes` long.
    quint32 count(qsizetype minBytes)
    {
        const quint32 n = u32();
        if (quint64(n) * quint64(minBytes) > quint64(left()))
            throw Damaged{};
        return n;
    }

private:
    const uchar *take(qsizetype n)
    {
        if (n > left())
            throw Damaged{};
        const auto *p = reinterpret_cast<const uchar *>(m_bytes.data()) + m_pos;
        m_pos += n;
        return p;
    }
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

// What a decoded picture of this size and pixel format takes (its lines are
// padded to 32 bits); a format the header does not tell is charged at 64 bits
// a pixel, the widest there is.
qint64 decodedBytes(QSize size, QImage::Format format)
{
    const qint64 bits = format == QImage::Format_Invalid ? 64 : QImage::toPixelFormat(format).bitsPerPixel();
    return (size.width() * bits + 31) / 32 * 4 * size.height();
}

bool sideFits(QSize size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= reportfile::kMaxPictureSide
        && size.height() <= reportfile::kMaxPictureSide;
}

// One PNG picture of the file, kept encoded: its size and pixel depth are
// read from its header, which must fit the limits and what is left of the
// budget for all pictures decoded; charges what it will take.
PreparedPicture pictureOf(QByteArray png, qint64 &budget)
{
    static constexpr char kSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    if (png.size() < 8 + 8 + 13 || std::memcmp(png.constData(), kSignature, 8) != 0
        || std::memcmp(png.constData() + 12, "IHDR", 4) != 0)
        throw Damaged{};
    const auto *header = reinterpret_cast<const uchar *>(png.constData()) + 16;
    const quint32 width = qFromBigEndian<quint32>(header);
    const quint32 height = qFromBigEndian<quint32>(header + 4);
    const quint8 depth = header[8];
    if (width > quint32(reportfile::kMaxPictureSide) || height > quint32(reportfile::kMaxPictureSide))
        throw Damaged{};
    const QSize size{int(width), int(height)};
    const qint64 bytes = decodedBytes(size, depth > 8 ? QImage::Format_RGBA64 : QImage::Format_ARGB32);
    if (!sideFits(size) || bytes > budget)
        throw Damaged{};
    budget -= bytes;
    return PreparedPicture::fromPng(std::move(png), size);
}

QByteArray payloadOf(const PreparedReport &report)
{
    Writer w;
    w.string(report.title);
    w.f64(report.paperWidth);
    w.f64(report.paperHeight);
    w.i32(report.printer.copies);
    w.i32(report.printer.fromPage);
    w.i32(report.printer.toPage);
    w.u8(report.printer.duplex ? 1 : 0);
    w.u8(quint8(report.printer.paperSource));
    w.u8(report.complete ? 1 : 0);

    w.u32(quint32(report.fonts.size()));
    for (const PreparedFont &f : report.fonts) {
        w.string(f.family);
        w.f64(f.pointSize);
        w.u8(f.bold ? 1 : 0);
        w.f64(f.lineHeight);
    }
    w.u32(quint32(report.pictures.size()));
    for (const PreparedPicture &picture : report.pictures)
        w.bytes(picture.png());
    w.u32(quint32(report.pages.size()));
    for (const PreparedPage &page : report.pages) {
        w.u32(quint32(page.ops.size()));
        for (const DrawOp &op : page.ops) {
            w.u8(quint8(op.kind));
            w.u8(op.flags);
            w.f64(op.rect.x());
            w.f64(op.rect.y());
            w.f64(op.rect.width());
            w.f64(op.rect.height());
            w.u32(op.color);
            w.u32(op.fill);
            w.i32(op.resource);
            w.string(op.text);
        }
    }
    return std::move(w.data());
}

// Whether no character of `text` carries more than kMaxCombiningMarks marks.
bool marksFit(const QString &text)
{
    int run = 0;
    for (const char32_t c : QStringView(text).toUcs4()) {
        run = QChar::isMark(c) ? run + 1 : 0;
        if (run > reportfile::kMaxCombiningMarks)
            return false;
    }
    return true;
}

std::shared_ptr<PreparedReport> reportOf(QByteArrayView payload)
{
    Reader r(payload);
    auto report = std::make_shared<PreparedReport>();
    report->title = r.string();
    if (!marksFit(report->title))
        throw Damaged{};
    report->paperWidth = r.f64();
    report->paperHeight = r.f64();
    if (report->paperWidth <= 0 || report->paperHeight <= 0 || report->paperWidth > 1e5 || report->paperHeight > 1e5)
        throw Damaged{};
    report->printer.copies = r.i32();
    report->printer.fromPage = r.i32();
    report->printer.toPage = r.i32();
    report->printer.duplex = r.u8() != 0;
    const quint8 source = r.u8();
    if (source > quint8(PaperSource::FirstTray))
        throw Damaged{};
    report->printer.paperSource = PaperSource(source);
    report->complete = r.u8() != 0;

    const quint32 fonts = r.count(kMinFontBytes);
    report->fonts.reserve(fonts);
    for (quint32 i = 0; i < fonts; ++i) {
        PreparedFont f;
        f.family = r.string();
        f.pointSize = r.f64();
        f.bold = r.u8() != 0;
        f.lineHeight = r.f64();
        if (f.pointSize <= 0 || f.pointSize > 1000 || f.lineHeight < 0 || f.lineHeight > 1e5)
            throw Damaged{};
        report->fonts.push_back(f);
    }
    const quint32 pictures = r.count(kMinPictureBytes);
    report->pictures.reserve(pictures);
    qint64 budget = reportfile::kMaxPictureBytes;
    for (quint32 i = 0; i < pictures; ++i)
        report->pictures.push_back(pictureOf(r.bytes(), budget));
    const quint32 pages = r.count(kMinPageBytes);
    if (pages > quint32(reportfile::kMaxPages))
        throw Damaged{};
    report->pages.reserve(pages);
    for (quint32 p = 0; p < pages; ++p) {
        PreparedPage page;
        const quint32 ops = r.count(kMinOpBytes);
        page.ops.reserve(ops);
        for (quint32 i = 0; i < ops; ++i) {
            DrawOp op;
            const quint8 kind = r.u8();
            if (kind > quint8(DrawKind::Picture))
                throw Damaged{};
            op.kind = DrawKind(kind);
            op.flags = r.u8();
            const double x = r.f64(), y = r.f64(), w = r.f64(), h = r.f64();
            op.rect = QRectF(x, y, w, h);
            op.color = r.u32();
            op.fill = r.u32();
            op.resource = r.i32();
            op.text = r.string();
            if (!marksFit(op.text))
                throw Damaged{};
            if ((op.flags & drawflags::kAlignMask) > quint8(TextAlign::Center))
                throw Damaged{};
            if (op.kind == DrawKind::Text && (op.resource < 0 || quint32(op.resource) >= fonts))
                throw Damaged{};
            if (op.kind == DrawKind::Picture && (op.resource < 0 || quint32(op.resource) >= pictures))
                throw Damaged{};
            page.ops.push_back(std::move(op));
        }
        report->pages.push_back(std::move(page));
    }
    if (r.left() != 0)
        throw Damaged{};
    return report;
}

QString displayName(const QString &fileName) { return QFileInfo(fileName).fileName(); }

bool withinLimits(const PreparedReport &report)
{
    if (report.pages.size() > size_t(reportfile::kMaxPages) || !marksFit(report.title))
        return false;
    for (const PreparedPage &page : report.pages)
        for (const DrawOp &op : page.ops)
            if (!marksFit(op.text))
                return false;
    // The picture reader's own limit for one picture, in megabytes (0: none).
    const qint64 readable = qint64(QImageReader::allocationLimit()) << 20;
    qint64 pictureBytes = 0;
    for (const PreparedPicture &picture : report.pictures) {
        // Read back, a picture takes 32 bits a pixel.
        const qint64 bytes = decodedBytes(picture.size(), QImage::Format_ARGB32);
        if (!sideFits(picture.size()) || (readable > 0 && bytes > readable))
            return false;
        pictureBytes += bytes;
    }
    return pictureBytes <= reportfile::kMaxPictureBytes;
}

} // namespace

namespace reportfile {

QByteArray serialise(const PreparedReport &report)
{
    const QByteArray payload = payloadOf(report);
    Writer w;
    w.data().append(kMagic, sizeof kMagic);
    w.u16(kVersion);
    w.u16(0);
    w.u64(quint64(payload.size()));
    w.data().append(payload);
    w.data().append(QCryptographicHash::hash(payload, QCryptographicHash::Sha256));
    return std::move(w.data());
}

std::shared_ptr<PreparedReport> parse(const QByteArray &bytes, const QString &name)
{
    if (bytes.size() < qsizetype(sizeof kMagic) || std::memcmp(bytes.constData(), kMagic, sizeof kMagic) != 0)
        throw EError(QStringLiteral("'%1' bukan berkas laporan").arg(name));
    const QString damaged = QStringLiteral("Berkas laporan '%1' rusak atau tidak lengkap").arg(name);
    if (bytes.size() < kHeaderSize)
        throw EError(damaged);
    Reader header(QByteArrayView(bytes).sliced(sizeof kMagic));
    const quint16 version = header.u16();
    header.u16();
    const quint64 length = header.u64();
    // Every version this program wrote counts from 1.
    if (version == 0)
        throw EError(QStringLiteral("'%1' bukan berkas laporan").arg(name));
    if (version > kVersion)
        throw EError(QStringLiteral("Berkas laporan '%1' ditulis oleh versi program yang lebih baru").arg(name));
    // The payload's length, in signed arithmetic: a file too short for its
    // header and checksum has none, not a huge one.
    const qsizetype payloadSize = bytes.size() - kHeaderSize - kHashSize;
    if (payloadSize < 0 || length != quint64(payloadSize))
        throw EError(damaged);
    const QByteArrayView payload = QByteArrayView(bytes).sliced(kHeaderSize, payloadSize);
    const QByteArrayView hash = QByteArrayView(bytes).sliced(kHeaderSize + payloadSize, kHashSize);
    if (QCryptographicHash::hash(payload, QCryptographicHash::Sha256) != hash)
        throw EError(damaged);
    try {
        return reportOf(payload);
    } catch (const Damaged &) {
        throw EError(damaged);
    }
}

void save(const PreparedReport &report, const QString &fileName)
{
    if (!withinLimits(report))
        throw EError(QStringLiteral("Laporan terlalu besar untuk disimpan sebagai berkas laporan ('%1')").arg(displayName(fileName)));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(serialise(report)) < 0 || !file.commit())
        throw EError(QStringLiteral("Berkas laporan '%1' tidak dapat ditulis").arg(displayName(fileName)));
}

std::shared_ptr<PreparedReport> load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EError(QStringLiteral("Berkas laporan '%1' tidak dapat dibuka").arg(displayName(fileName)));
    const QByteArray magic = file.peek(sizeof kMagic);
    if (magic.size() < qsizetype(sizeof kMagic) || std::memcmp(magic.constData(), kMagic, sizeof kMagic) != 0)
        throw EError(QStringLiteral("'%1' bukan berkas laporan").arg(displayName(fileName)));
    if (file.size() > kLargestFile)
        throw EError(QStringLiteral("Berkas laporan '%1' rusak atau tidak lengkap").arg(displayName(fileName)));
    return parse(file.readAll(), displayName(fileName));
}

} // namespace reportfile
