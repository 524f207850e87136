// Helper of test_crash: posts goods records through the engine in a loop and
// prints each shop code once its post has returned, until it is killed.
//   crash_writer <database file> <code prefix>
#include "data/Database.h"
#include "data/Table.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    database::setAliasPath(QStringLiteral("KV"), QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);

    QImage image(64, 48, QImage::Format_RGB32);  // a picture spreads each record over several pages
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    image.fill(Qt::darkGray);
    image.save(&buffer, "BMP");

    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.open();
    for (int n = 1;; ++n) {
        const QString code = prefix + QString::number(n);
        goods.append();
        goods.fieldByName(QStringLiteral("Kode_Kervano"))->setAsString(code);
        goods.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("NAMA ") + code);
        goods.fieldByName(QStringLiteral("Harga"))->setAsInteger(n);
        goods.fieldByName(QStringLiteral("Gambar"))->setAsBlob(bitmap);
        goods.post();
        std::printf("%s\n", code.toUtf8().constData());
        std::fflush(stdout);
    }
}
