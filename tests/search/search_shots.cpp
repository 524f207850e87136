// Pictures of the two search windows after a search, for a person to compare
// with the window designs: the goods search with a picture in the detail and
// with its column list open, and the customer search. Runs on a fresh
// temporary database under an X server such as Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24" tests/search/search_shots <output folder>
// Without a window manager there is no frame, so each picture gets a plain
// title bar drawn above the client area.
#include "SearchFixture.h"

#include "controls/Application.h"
#include "controls/DesktopInterface.h"
#include "controls/Startup.h"
#include "search/CBarang.h"
#include "search/Cpelanggan.h"

#include <QAbstractItemView>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextStream>
#include <QtTest>
#include <cstdio>

namespace {
void settle(int ms = 400)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

QImage titleBar(const TForm &form)
{
    QImage bar(form.width(), TForm::kFrameHeight - 4, QImage::Format_RGB32);
    QPainter p(&bar);
    QLinearGradient g(0, 0, form.width(), 0);
    g.setColorAt(0, QColor(0x0A, 0x24, 0x6A));
    g.setColorAt(1, QColor(0xA6, 0xCA, 0xF0));
    p.fillRect(bar.rect(), g);
    QFont f(QStringLiteral("Tahoma"), 8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(bar.rect().adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, form.caption());
    const QRect close(form.width() - 20, 5, 16, 15);
    p.fillRect(close, QColor(0xD4, 0xD0, 0xC8));
    p.setPen(Qt::black);
    p.drawText(close, Qt::AlignCenter, QStringLiteral("x"));
    return bar;
}

// The window's client area (and an open popup over it) from the screen.
void shoot(TForm &form, const QString &file, QWidget *popup = nullptr)
{
    settle();
    QRect area = form.geometry();
    if (popup && popup->isVisible())
        area = area.united(QRect(popup->mapToGlobal(QPoint(0, 0)), popup->size()));
    const QImage client = QGuiApplication::primaryScreen()->grabWindow(0).copy(area).toImage();
    const int top = TForm::kFrameHeight - 4;
    QImage out(client.width(), client.height() + top, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, titleBar(form));
    p.drawImage(0, top, client);
    p.end();
    out.save(file);
    QTextStream(stdout) << file << " " << form.objectName() << " client " << form.width() << "x" << form.height()
                        << "\n";
}

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
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    NotaApplication app(argc, argv);
    startup::initialise();
    DesktopInterface desktop;
    installUserInterface(&desktop);
    if (argc < 2) {
        std::fprintf(stderr, "usage: search_shots <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

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
