// Pictures of the two search windows after a search, for a person to compare
// with the window designs: the goods search with a picture in the detail and
// with its column list open, and the customer search. Runs on a fresh
// temporary database under an X server such as Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24" tests/search/search_shots <output folder>
// Without a window manager there is no frame, so each picture gets a plain
// title bar drawn above the client area.
#include "SearchFixture.h"

#include "search/CBarang.h"
#include "search/Cpelanggan.h"
#include "WindowShot.h"

#include <QAbstractItemView>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtTest>
#include <cstdio>

using windowshot::settle;
using windowshot::shoot;

namespace {


// The window's client area (and an open popup over it) from the screen.

// A grey rubber bushing on white, as a goods picture.
QByteArray bushingPicture()
{
    QImage image(160, 110, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(QPointF(80, 55), 48, 44);
    p.setBrush(QColor(0xB0, 0xB0, 0xB0));
    p.drawEllipse(QPointF(80, 55), 22, 20);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(80, 55), 11, 10);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
} // namespace

int main(int argc, char **argv)
{
    const windowshot::Program program(argc, argv);
    if (!program.ready())
        return 2;
    const QDir &out = program.out();

    SearchFixture fx;
    fx.start();
    fx.addSampleGoods();
    fx.addSampleCustomers();
    for (int i = 1; i <= 14; ++i)
        fx.addGoods(QStringLiteral("KV-1%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("48655-%1").arg(i * 173),
                    QStringLiteral("KARET BUSHING ARM %1").arg(i), QStringLiteral("BUSHING"),
                    i % 2 ? QStringLiteral("TOYOTA") : QStringLiteral("MITSUBISHI"), 42500 + 1250 * i, i % 3 == 0);
    fx.db().exec(QStringLiteral("UPDATE Barang SET Gambar = ? WHERE Kode_Kervano = 'KV-1003'"), {bushingPicture()});
    for (int i = 1; i <= 12; ++i)
        fx.addCustomer(QStringLiteral("Bengkel Andi Motor %1").arg(i), QStringLiteral("Jl. Soekarno Hatta %1\nBandung").arg(i * 11),
                       QStringLiteral("Bandung"), QStringLiteral("402%1").arg(i, 2, 10, QLatin1Char('0')),
                       QStringLiteral("022-75%1").arg(i * 131), {}, {}, QStringLiteral("andimotor%1@contoh.id").arg(i));

    // Goods: a search by name, the detail of a row with a picture.
    FCBarang->Show();
    settle();
    QTest::keyClicks(FCBarang->Edit1, QStringLiteral("bushing"));
    FCBarang->BitBtn1->click();
    SearchFixture::clickRow(*FCBarang, 2, 2);
    shoot(*FCBarang, out.filePath(QStringLiteral("goods-search.png")));
    // The column list open.
    FCBarang->ComboBox1->showPopup();
    shoot(*FCBarang, out.filePath(QStringLiteral("goods-search-columns.png")), FCBarang->ComboBox1->view()->window());
    FCBarang->ComboBox1->hidePopup();
    FCBarang->CheckBox1->click();
    shoot(*FCBarang, out.filePath(QStringLiteral("goods-search-unstretched.png")));
    FCBarang->Close();

    // Customers: a search by name, the detail of a clicked row.
    FCPelanggan->Show();
    settle();
    QTest::keyClicks(FCPelanggan->Edit1, QStringLiteral("andi"));
    FCPelanggan->BitBtn1->click();
    SearchFixture::clickRow(*FCPelanggan, 3, 1);
    shoot(*FCPelanggan, out.filePath(QStringLiteral("customer-search.png")));
    FCPelanggan->Close();

    fx.stop();
    installUserInterface(nullptr);
    return 0;
}
