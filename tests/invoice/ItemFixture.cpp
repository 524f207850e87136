#include "ItemFixture.h"

#include "access/MainMenu.h"
#include "data/Table.h"
#include "invoice/Nota1.h"

#include <QBuffer>
#include <QImage>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

namespace {
QByteArray bitmap(const QColor &colour)
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

const QStringList kLineFields{"ID_Nota", "Kode_KV", "Kode_Brg", "Nama_Brg", "Harga", "Banyak", "Diskon", "Jumlah"};
} // namespace

const QList<ItemFixture::Goods> &ItemFixture::goods()
{
    static const QList<Goods> list{
        {"KV-001", "RB-3302", "KARET STABIL DEPAN", "KARET", "TOYOTA", "15000"},
        {"KV-002", "RB-1120", "SEAL AS RODA", "SEAL", "HONDA", "12500"},
        {"KV-003", "AB-0500", "BOOT STEER", "BOOT", "DAIHATSU", "10801,875"},
    };
    return list;
}

void ItemFixture::start()
{
    m_access.start();
    Table barang;
    barang.setTableName(QStringLiteral("Barang.DB"));
    barang.open();
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    int i = 0;
    for (const Goods &g : goods()) {
        barang.append();
        barang.fieldByName(QStringLiteral("Kode_Kervano"))->setAsString(g.kodeKervano);
        barang.fieldByName(QStringLiteral("Kode_Barang"))->setAsString(g.kodeBarang);
        barang.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(g.nama);
        barang.fieldByName(QStringLiteral("Part"))->setAsString(g.part);
        barang.fieldByName(QStringLiteral("Group_Barang"))->setAsString(g.group);
        barang.fieldByName(QStringLiteral("Harga"))->setAsString(g.harga);
        barang.fieldByName(QStringLiteral("Gambar"))->setAsBlob(bitmap(colours[i++]));
        barang.post();
    }
    barang.close();

    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
    QVERIFY(FMain->isVisible());
    FMain->SpeedButton3->click();
    QVERIFY(FNota1->isVisible());
    QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000001"));
}

void ItemFixture::stop() { m_access.stop(); }

QList<QStringList> ItemFixture::storedLines()
{
    Table lines;
    lines.setTableName(QStringLiteral("Nota.DB"));
    lines.open();
    QList<QStringList> out;
    for (; !lines.eof(); lines.next()) {
        QStringList row;
        for (const QString &f : kLineFields)
            row << lines.fieldByName(f)->asString();
        out << row;
    }
    return out;
}
