// A small rubber-parts shop to try the system with: 36 goods with bitmap
// pictures, 12 customers, groups, part kinds and two invoices, written through
// the engine's own tables.
#include "sampleshop/SampleShop.h"

#include "core/Errors.h"
#include "data/Table.h"

#include <QBuffer>
#include <QDate>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace sampleshop {
namespace {
struct Goods {
    const char *maker;
    const char *name;
    const char *part;
    const char *group;
    int price;
};

const Goods kGoods[] = {
    {"48815-0K010", "KARET STABIL INNOVA", "BUSHING", "TOYOTA", 45000},
    {"48815-26030", "KARET STABIL KIJANG", "BUSHING", "TOYOTA", 38500},
    {"12361-0Y040", "KARET SUPPORT MESIN AVANZA", "MOUNTING", "TOYOTA", 285000},
    {"12371-BZ010", "KARET SUPPORT TRANSMISI", "MOUNTING", "DAIHATSU", 215000},
    {"90311-38047", "SEAL KRUK AS DEPAN", "SEAL", "TOYOTA", 52000},
    {"90311-50028", "SEAL AS RODA BELAKANG", "SEAL", "TOYOTA", 61000},
    {"04427-0K020", "BOOT AS RODA LUAR", "BOOT", "TOYOTA", 97500},
    {"45535-0K010", "BOOT STEERING RACK", "BOOT", "TOYOTA", 88000},
    {"48655-BZ010", "BUSHING ARM BAWAH", "BUSHING", "DAIHATSU", 72000},
    {"48061-BZ010", "BUSHING ARM BESAR XENIA", "BUSHING", "DAIHATSU", 135000},
    {"09283-35012", "SEAL AS RODA CARRY", "SEAL", "SUZUKI", 42000},
    {"11610-77E00", "KARET SUPPORT MESIN ERTIGA", "MOUNTING", "SUZUKI", 325000},
    {"44610-60G00", "BOOT KOPLING FUTURA", "BOOT", "SUZUKI", 36000},
    {"MB109658", "KARET PER L300", "BUSHING", "MITSUBISHI", 27500},
    {"MB584503", "KARET SHOCK BREAKER", "BUSHING", "MITSUBISHI", 18000},
    {"MD050124", "O-RING POMPA OLI", "O-RING", "MITSUBISHI", 12500},
    {"ME011833", "SEAL KLEP COLT DIESEL", "SEAL", "MITSUBISHI", 9500},
    {"8-97039-025", "KARET SUPPORT MESIN PANTHER", "MOUNTING", "ISUZU", 265000},
    {"8-94419-123", "SEAL KRUK AS BELAKANG PANTHER", "SEAL", "ISUZU", 89000},
    {"8-97137-611", "KARET STABIL PANTHER", "BUSHING", "ISUZU", 41000},
    {"91212-PLC-003", "SEAL KRUK AS JAZZ", "SEAL", "HONDA", 76000},
    {"50821-SAA-013", "KARET SUPPORT MESIN JAZZ", "MOUNTING", "HONDA", 345000},
    {"44017-SAA-000", "BOOT AS RODA DALAM JAZZ", "BOOT", "HONDA", 105000},
    {"51810-SAA-003", "BUSHING ARM JAZZ", "BUSHING", "HONDA", 98000},
    {"90430-12031", "O-RING BAUT TAP OLI", "O-RING", "TOYOTA", 3500},
    {"96143-10800", "O-RING INJEKTOR", "O-RING", "TOYOTA", 8500},
    {"67861-0K010", "KARET PINTU DEPAN KANAN", "KARET", "TOYOTA", 185000},
    {"62381-BZ010", "KARET LIST KACA", "KARET", "DAIHATSU", 67000},
    {"85214-0K010", "KARET WIPER INNOVA", "KARET", "TOYOTA", 35000},
    {"17565-35080", "KARET GANTUNGAN KNALPOT", "KARET", "TOYOTA", 24000},
    {"31126-87202", "SEAL MASTER KOPLING", "SEAL", "DAIHATSU", 31000},
    {"04478-60100", "SEAL KIT MASTER REM", "SEAL", "TOYOTA", 58000},
    {"KV-RB-001", "KARET PEDAL REM", "KARET", "UMUM", 7500},
    {"KV-RB-002", "KARET PEDAL KOPLING", "KARET", "UMUM", 7500},
    {"KV-RB-003", "DOP KARET TUAS PERSNELING", "BOOT", "UMUM", 28000},
    {"KV-RB-004", "KARET TUTUP TANGKI", "KARET", "UMUM", 15000},
};

const char *kParts[] = {"BOOT", "BUSHING", "KARET", "MOUNTING", "O-RING", "SEAL"};
const char *kGroups[] = {"TOYOTA", "DAIHATSU", "SUZUKI", "MITSUBISHI", "ISUZU", "HONDA", "UMUM"};

struct Customer {
    const char *name;
    const char *address;
    const char *town;
    const char *postcode;
    const char *phone1;
    const char *phone2;
    const char *fax;
    const char *email;
};

const Customer kCustomers[] = {
    {"Bengkel Maju Jaya", "Jl. Jend. Sudirman No. 112\nKel. Sukamaju", "Bandung", "40171", "022-4231187", "", "022-4231188", "majujaya.bengkel@gmail.com"},
    {"Toko Sparepart Sinar Motor", "Jl. Raya Bogor Km 28 No. 5", "Jakarta", "13710", "021-8710245", "0812-9934-1120", "", "sinarmotor@yahoo.co.id"},
    {"CV Karya Teknik", "Kompleks Ruko Kenari Blok C-7\nJl. Kenari Raya", "Jakarta", "10430", "021-3904456", "021-3904457", "021-3904458", "admin@karyateknik.co.id"},
    {"Bapak Hendra Gunawan", "Jl. Dago Pojok No. 23", "Bandung", "40135", "0813-2201-7784", "", "", ""},
    {"UD Sumber Rejeki", "Jl. Pahlawan No. 45", "Semarang", "50241", "024-8314567", "", "", "sumberrejeki.smg@gmail.com"},
    {"Bengkel Mobil Sejahtera", "Jl. Ahmad Yani No. 301\nRT 04 RW 02", "Surabaya", "60234", "031-8412390", "0817-355-901", "", ""},
    {"PT Armada Logistik Nusantara", "Kawasan Industri Cikarang\nJl. Jababeka Raya Blok F", "Bekasi", "17530", "021-8934110", "", "021-8934111", "pool@armadalogistik.co.id"},
    {"Ibu Siti Rahmawati", "Perum Griya Asri Blok B2 No. 9", "Bogor", "16710", "0856-9120-3345", "", "", "siti.rahma@gmail.com"},
    {"Toko Karet Abadi", "Pasar Baru Lt. 2 No. 14", "Bandung", "40181", "022-4207765", "", "", ""},
    {"Bengkel Pak Darmo", "Jl. Kaliurang Km 7,5", "Yogyakarta", "55581", "0274-885210", "", "", ""},
    {"CV Mitra Diesel", "Jl. Soekarno-Hatta No. 628", "Bandung", "40286", "022-7512334", "022-7512335", "022-7512336", "mitradiesel@gmail.com"},
    {"Koperasi Angkutan Kota Cimahi", "Jl. Amir Machmud No. 40", "Cimahi", "40526", "022-6654021", "", "", "kopamc@yahoo.com"},
};

QColor partColour(const QString &part)
{
    if (part == QLatin1String("SEAL"))
        return QColor(0xd8, 0xe4, 0xf0);
    if (part == QLatin1String("O-RING"))
        return QColor(0xf3, 0xe6, 0xc8);
    if (part == QLatin1String("BOOT"))
        return QColor(0xdc, 0xef, 0xdc);
    if (part == QLatin1String("MOUNTING"))
        return QColor(0xf0, 0xdc, 0xdc);
    if (part == QLatin1String("BUSHING"))
        return QColor(0xe6, 0xe0, 0xf2);
    return QColor(0xee, 0xee, 0xe6);
}

// A simple drawing of the part kind in rubber black and steel grey, as a
// BMP bitmap file.
QByteArray picture(const QString &part, int variant)
{
    QImage image(200, 130, QImage::Format_RGB32);
    image.fill(partColour(part));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor rubber(0x22, 0x22, 0x24);
        const QColor steel(0x9a, 0xa0, 0xa8);
        const QPointF centre(100, 65);
        const qreal grow = variant % 3 * 4;
        if (part == QLatin1String("SEAL") || part == QLatin1String("O-RING")) {
            const qreal outer = 46 + grow, width = part == QLatin1String("SEAL") ? 16 : 7;
            p.setPen(QPen(rubber, width));
            p.drawEllipse(centre, outer - width / 2, outer - width / 2);
            if (part == QLatin1String("SEAL")) {
                p.setPen(QPen(steel, 3));
                p.drawEllipse(centre, outer - width - 2, outer - width - 2);
            }
        } else if (part == QLatin1String("BUSHING")) {
            p.setPen(Qt::NoPen);
            p.setBrush(steel);
            p.drawEllipse(centre, 50 + grow, 50 + grow);
            p.setBrush(rubber);
            p.drawEllipse(centre, 42 + grow, 42 + grow);
            p.setBrush(steel);
            p.drawEllipse(centre, 16, 16);
            p.setBrush(partColour(part));
            p.drawEllipse(centre, 10, 10);
        } else if (part == QLatin1String("BOOT")) {
            p.setPen(Qt::NoPen);
            p.setBrush(rubber);
            const int folds = 4 + variant % 3;
            for (int i = 0; i < folds; ++i) {
                const qreal x = 30 + i * (140.0 / folds);
                const qreal h = 40 + i * 14;
                p.drawRoundedRect(QRectF(x, centre.y() - h / 2, 140.0 / folds - 4, h), 6, 6);
            }
        } else if (part == QLatin1String("MOUNTING")) {
            p.setPen(Qt::NoPen);
            p.setBrush(steel);
            p.drawRect(QRectF(25, 22, 150, 14));
            p.drawRect(QRectF(25, 94, 150, 14));
            p.setBrush(rubber);
            QPainterPath block;
            block.moveTo(45, 36);
            block.lineTo(155, 36);
            block.quadTo(140 - grow, 65, 155, 94);
            block.lineTo(45, 94);
            block.quadTo(60 + grow, 65, 45, 36);
            p.drawPath(block);
            p.setBrush(QColor(0x55, 0x58, 0x5c));
            for (qreal x : {40.0, 160.0}) {
                p.drawEllipse(QPointF(x, 29), 5, 5);
                p.drawEllipse(QPointF(x, 101), 5, 5);
            }
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(rubber);
            QPainterPath strip;
            strip.addRoundedRect(QRectF(20, 45 - grow / 2, 160, 40 + grow), 18, 18);
            p.drawPath(strip);
            p.setBrush(partColour(part));
            p.drawRoundedRect(QRectF(40, 58, 120, 14), 7, 7);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void setText(Table &t, const char *field, const QString &value) { t.fieldByName(QString::fromLatin1(field))->setAsString(value); }

void fillGoods()
{
    Table t;
    t.setTableName(QStringLiteral("Barang.DB"));
    t.open();
    int n = 0;
    for (const Goods &g : kGoods) {
        ++n;
        t.append();
        setText(t, "Kode_Kervano", QStringLiteral("KV-%1").arg(n, 4, 10, QLatin1Char('0')));
        setText(t, "Kode_Barang", QString::fromLatin1(g.maker));
        setText(t, "Nama_Barang", QString::fromLatin1(g.name));
        setText(t, "Part", QString::fromLatin1(g.part));
        setText(t, "Group_Barang", QString::fromLatin1(g.group));
        t.fieldByName(QStringLiteral("Harga"))->setAsFloat(g.price);
        t.fieldByName(QStringLiteral("Gambar"))->setAsBlob(picture(QString::fromLatin1(g.part), n));
        t.post();
    }
    t.close();
}

void fillLists()
{
    Table parts;
    parts.setTableName(QStringLiteral("Part.db"));
    parts.open();
    for (const char *p : kParts) {
        parts.append();
        setText(parts, "Part", QString::fromLatin1(p));
        parts.post();
    }
    parts.close();
    Table groups;
    groups.setTableName(QStringLiteral("Group.db"));
    groups.open();
    for (const char *g : kGroups) {
        groups.append();
        setText(groups, "Group", QString::fromLatin1(g));
        groups.post();
    }
    groups.close();
}

void fillCustomers()
{
    Table t;
    t.setTableName(QStringLiteral("Pelanggan.DB"));
    t.open();
    for (const Customer &c : kCustomers) {
        t.append();
        setText(t, "Nama", QString::fromUtf8(c.name));
        setText(t, "Alamat", QString::fromUtf8(c.address));
        setText(t, "Kota", QString::fromUtf8(c.town));
        setText(t, "KodePos", QString::fromLatin1(c.postcode));
        setText(t, "No_Telp1", QString::fromLatin1(c.phone1));
        setText(t, "No_Telp2", QString::fromLatin1(c.phone2));
        setText(t, "FAX", QString::fromLatin1(c.fax));
        setText(t, "Email", QString::fromLatin1(c.email));
        t.post();
    }
    t.close();
}

// Two stored invoices, so that the invoice browser has something to show.
void fillInvoices()
{
    struct Line {
        int goods;
        int quantity;
        int discount;
    };
    const struct {
        int customer;
        int daysAgo;
        QList<Line> lines;
    } invoices[] = {
        {0, 9, {{0, 4, 0}, {4, 2, 5}, {24, 10, 0}}},
        {6, 2, {{2, 1, 10}, {17, 1, 10}, {6, 2, 0}, {29, 4, 0}}},
    };
    Table headers, lines;
    headers.setTableName(QStringLiteral("NotaUtama.DB"));
    lines.setTableName(QStringLiteral("Nota.DB"));
    headers.open();
    lines.open();
    int number = 0;
    for (const auto &inv : invoices) {
        const QString no = QStringLiteral("%1").arg(++number, 6, 10, QLatin1Char('0'));
        long double total = 0;
        for (const Line &l : inv.lines) {
            const Goods &g = kGoods[l.goods];
            const long double gross = static_cast<long double>(g.price) * l.quantity;
            const long double amount = gross - gross * l.discount / 100.0L;
            total += amount;
            lines.append();
            setText(lines, "ID_Nota", no);
            setText(lines, "Kode_KV", QStringLiteral("KV-%1").arg(l.goods + 1, 4, 10, QLatin1Char('0')));
            setText(lines, "Kode_Brg", QString::fromLatin1(g.maker));
            setText(lines, "Nama_Brg", QString::fromLatin1(g.name));
            lines.fieldByName(QStringLiteral("Harga"))->setAsFloat(g.price);
            lines.fieldByName(QStringLiteral("Banyak"))->setAsFloat(l.quantity);
            lines.fieldByName(QStringLiteral("Diskon"))->setAsFloat(l.discount);
            lines.fieldByName(QStringLiteral("Jumlah"))->setAsFloat(amount);
            lines.post();
        }
        const Customer &c = kCustomers[inv.customer];
        headers.append();
        setText(headers, "No_Nota", no);
        headers.fieldByName(QStringLiteral("Tanggal"))->setValue(QDate::currentDate().addDays(-inv.daysAgo));
        setText(headers, "Kepada", QString::fromUtf8(c.name));
        setText(headers, "Alamat", QString::fromUtf8(c.address));
        headers.fieldByName(QStringLiteral("Jumlah_Total"))->setAsFloat(total);
        headers.post();
    }
}
} // namespace

Filled fill()
{
    Table probe;
    for (const char *table : {"Barang.DB", "Pelanggan.DB", "NotaUtama.DB", "Group.db", "Part.db"}) {
        probe.setTableName(QString::fromLatin1(table));
        probe.open();
        if (!probe.isEmpty())
            throw EDatabaseError(QStringLiteral("The database already holds data in %1; the sample shop fills only an empty database")
                                     .arg(QString::fromLatin1(table)));
        probe.close();
    }
    fillLists();
    fillGoods();
    fillCustomers();
    fillInvoices();
    return Filled{int(std::size(kGoods)), int(std::size(kCustomers)), int(std::size(kGroups)), int(std::size(kParts)), 2};
}
} // namespace sampleshop
