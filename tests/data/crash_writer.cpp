// Helper of test_crash: posts goods records through the engine in a loop and
// prints each shop code once its post has returned, until it is killed.
//   crash_writer <database file or server URI> <code prefix> [hold]
// It prints "ready" once the table is open and starts posting when a line
// arrives on standard input, so that the test can kill it also during its
// very first post.
// With "hold" it instead opens a transaction, adds the record <prefix>held
// in it, prints "held" and waits without committing, to be killed there.
#include "data/Connection.h"
#include "data/Database.h"
#include "data/Table.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>

#include <cstdio>
#include <iostream>
#include <string>

namespace {
// Pictures of a few sizes: records spread over one page or several.
QByteArray bitmap(int n)
{
    QImage image(32 + n % 5 * 40, 24 + n % 5 * 30, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(n * 37 % 360, 120, 160));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// Never returns while standard input stays open; the test kills it first.
int holdOpenTransaction(const QString &prefix)
{
    const std::shared_ptr<connection::Connection> db = connection::ofAlias(QStringLiteral("KV"));
    connection::Transaction tx(*db);
    connection::Failure failure;
    if (db->insert(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Nama_Barang\") VALUES (?, ?)"),
                   {prefix + QStringLiteral("held"), QStringLiteral("NOT COMMITTED")}, &failure)
        < 0) {
        std::fprintf(stderr, "%s\n", failure.text.toUtf8().constData());
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    return 3;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    database::setAliasPath(QStringLiteral("KV"), QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    if (argc > 3 && qstrcmp(argv[3], "hold") == 0)
        return holdOpenTransaction(prefix);

    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.open();
    std::printf("ready\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
    for (int n = 1;; ++n) {
        const QString code = prefix + QString::number(n);
        goods.append();
        goods.fieldByName(QStringLiteral("Kode_Kervano"))->setAsString(code);
        goods.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("NAMA ") + code);
        goods.fieldByName(QStringLiteral("Harga"))->setAsInteger(n);
        goods.fieldByName(QStringLiteral("Gambar"))->setAsBlob(bitmap(n));
        goods.post();
        std::printf("%s\n", code.toUtf8().constData());
        std::fflush(stdout);
    }
}
