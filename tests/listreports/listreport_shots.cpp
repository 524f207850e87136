// Pictures for a person to look at: the goods and the customer list reports
// over a small sample shop, as PDF files (every page) through the renderer
// the preview exports with, and the invoice browser on its second invoice as
// the screen shows it; the sales recap window over a generated quarter of
// invoices, once per grouping, with an empty range and with a dark palette,
// and its printed report per day and per goods as PDF files. Run under an X server (xvfb-run) with the desktop's
// regional settings, e.g. LC_ALL=id_ID.UTF-8:
//   listreport_shots <output folder>
// then turn a PDF page into PNG with pdftoppm.
#include "SalesShop.h"
#include "TempDatabase.h"

#include "app/WindowSet.h"
#include "controls/DBNavigator.h"
#include "data/Connection.h"
#include "data/PictureBlob.h"
#include "data/Table.h"
#include "invoice/LihatN.h"
#include "listreports/LaporanPenjualan.h"
#include "access/MainMenu.h"
#include "listreports/SalesReport.h"
#include "reports/PageRenderer.h"
#include "reports/ReportLayout.h"
#include "WindowShot.h"

#include <QBuffer>
#include <QDateEdit>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <cstdio>
#include <random>

using windowshot::settle;

namespace {
// A rubber ring in a coloured field, as a stored Windows bitmap.
QByteArray ringPicture(int variant)
{
    QImage image(200, 130, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(variant * 47 % 360, 40, 240));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x22, 0x22, 0x24), 10 + variant % 3 * 4));
        p.drawEllipse(QPointF(100, 65), 40 + variant % 4 * 4, 40 + variant % 4 * 4);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return pictureblob::wrap(bytes);
}

void storeSampleShop(const TempDatabase &db)
{
    const char *names[] = {"SEAL RODA DEPAN", "O-RING POMPA", "BOOT AS RODA", "KARET STABILIZER", "BUSHING ARM"};
    const char *parts[] = {"SEAL", "O-RING", "BOOT", "STABILIZER", "BUSHING"};
    for (int i = 1; i <= 10; ++i)
        db.exec(QStringLiteral("INSERT INTO Barang (Kode_Kervano, Kode_Barang, Nama_Barang, Part, Group_Barang, Harga, "
                               "Gambar) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                {QStringLiteral("KV-%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("90310-%1").arg(i * 37),
                 QString::fromLatin1(names[i % 5]), QString::fromLatin1(parts[i % 5]), QStringLiteral("TOYOTA"),
                 i == 3 ? 150000.0 : 1250.5 * i,
                 i == 2 ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(ringPicture(i))});
    for (int i = 1; i <= 7; ++i)
        db.exec(QStringLiteral("INSERT INTO Pelanggan (Nama, Alamat, Kota, KodePos, No_Telp1, No_Telp2, FAX, Email) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                {QStringLiteral("Toko Sumber Makmur %1").arg(i), QStringLiteral("Jl. Gatot Subroto %1\nBandung").arg(i),
                 QStringLiteral("Bandung"), QStringLiteral("40262"), QStringLiteral("022-73%1").arg(i),
                 QStringLiteral("0812-220%1").arg(i), QStringLiteral("022-74%1").arg(i),
                 QStringLiteral("toko%1@contoh.id").arg(i)});
    const struct {
        const char *number, *date, *to, *address;
        double total;
    } headers[] = {{"000001", "2009-12-05", "Toko Sumber Makmur", "Jl. Gatot Subroto 17", 459376.5},
                   {"000002", "2009-12-07", "Bengkel Maju Jaya", "Jl. Asia Afrika 8\nBandung", 48751.5}};
    for (const auto &h : headers)
        db.exec(QStringLiteral("INSERT INTO NotaUtama (No_Nota, Tanggal, Kepada, Alamat, Jumlah_Total) "
                               "VALUES (?, ?, ?, ?, ?)"),
                {QString::fromLatin1(h.number), QString::fromLatin1(h.date), QString::fromLatin1(h.to),
                 QString::fromLatin1(h.address), h.total});
    for (int i = 1; i <= 4; ++i)
        db.exec(QStringLiteral("INSERT INTO Nota (ID_Nota, Kode_KV, Kode_Brg, Nama_Brg, Harga, Banyak, Diskon, Jumlah) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                {QStringLiteral("000002"), QStringLiteral("KV-%1").arg(i, 4, 10, QLatin1Char('0')),
                 QStringLiteral("90310-%1").arg(i * 37), QString::fromLatin1(names[i % 5]), 1250.5 * i, double(i),
                 i % 2 * 10.0, 1250.5 * i * i * (1 - i % 2 * 0.1)});
}


bool writePdf(const ReportDefinition &report, const QString &file)
{
    const auto prepared = reports::layout(report);
    std::printf("%s: %d pages\n", qPrintable(file), prepared->pageCount());
    return pagerender::toPdf(*prepared, file);
}

// A quarter of invoices over twelve goods and eight customers.
void storeQuarter(const TempDatabase &db)
{
    const char *names[] = {"SEAL RODA DEPAN", "O-RING POMPA", "BOOT AS RODA", "KARET STABILIZER", "BUSHING ARM",
                           "KARET PINTU", "SEAL KRUK AS", "DOP KARET", "KARET WIPER", "BOOT KOPLING", "KARET SUPPORT",
                           "SEAL POWER STEERING"};
    const char *customers[] = {"Toko Sumber Makmur", "Bengkel Maju Jaya", "CV Karya Motor", "Toko Sinar Baru",
                               "Bengkel Sentosa", "UD Teknik Abadi", "Toko Mitra Mobil", "Bengkel Harapan"};
    std::mt19937 random(12);
    connection::Transaction transaction(*connection::ofFile(db.path()));
    for (int invoice = 1; invoice <= 160; ++invoice) {
        const QString number = QStringLiteral("%1").arg(invoice, 6, 10, QLatin1Char('0'));
        double total = 0;
        for (int line = 0, lines = 1 + int(random() % 5); line < lines; ++line) {
            const int goods = int(random() % 12);
            const double price = 15000.0 + goods * 7500.0;
            const double quantity = double(1 + random() % 8);
            total += price * quantity;
            salesshop::addLine(db, number, QStringLiteral("KV-%1").arg(goods + 1, 4, 10, QLatin1Char('0')),
                               QStringLiteral("90310-%1").arg(goods * 37), QString::fromLatin1(names[goods]), price,
                               quantity, 0, price * quantity);
        }
        salesshop::addHeader(db, number, QDate(2025, 1, 2).addDays(int(random() % 88)).toString(Qt::ISODate),
                             QString::fromLatin1(customers[random() % 8]), total);
    }
    transaction.commit();
}

bool salesRecapShots(const QDir &out)
{
    TFLaporanPenjualan &w = *FLaporanPenjualan;
    w.Show();
    settle();
    const auto show = [&w](const QDate &from, const QDate &to, QRadioButton *grouping) {
        w.DateTimePicker1->setDate(from);
        w.DateTimePicker2->setDate(to);
        grouping->setChecked(true);
        w.BitBtn1->click();
        settle(300);
    };
    const auto pdf = [&w, &out](const QString &name) {
        ReportDefinition report;
        salesreport::define(report, *w.recap());
        return writePdf(report, out.filePath(name));
    };
    const QDate january(2025, 1, 1), march(2025, 3, 31);
    show(january, QDate(2025, 1, 31), w.RadioButton1);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-per-day.png")));
    bool written = pdf(QStringLiteral("sales-per-day.pdf"));
    show(january, march, w.RadioButton2);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-per-month.png")));
    show(january, march, w.RadioButton3);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-per-goods.png")));
    written = pdf(QStringLiteral("sales-per-goods.pdf")) && written;
    show(january, march, w.RadioButton4);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-per-customer.png")));
    show(QDate(2025, 6, 1), QDate(2025, 6, 30), w.RadioButton1);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-empty.png")));

    // A dark desktop: the window's palette, and the chart's colours follow it.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2e));
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x20));
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x36));
    dark.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3e));
    dark.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
    const QPalette light = QApplication::palette();
    QApplication::setPalette(dark);
    show(january, march, w.RadioButton1);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-dark.png")));
    QApplication::setPalette(light);
    w.Close();
    return written;
}
} // namespace

int main(int argc, char **argv)
{
    const windowshot::Program program(argc, argv);
    if (!program.ready())
        return 2;
    const QDir &out = program.out();

    TempDatabase db;
    storeSampleShop(db);
    windowset::create();

    FMain->goodsReportTable->open();
    FMain->customerReportTable->open();
    bool written = writePdf(FMain->goodsReport, out.filePath(QStringLiteral("goods.pdf")))
                   && writePdf(FMain->customerReport, out.filePath(QStringLiteral("customers.pdf")));

    FlihatN->Show();
    FlihatN->DBNavigator1->button(DBNavigator::Button::Next)->click();
    settle(300);
    FlihatN->grab().save(out.filePath(QStringLiteral("browser.png")));
    std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("browser.png"))));
    FlihatN->Close();

    {
        TempDatabase quarter;  // the alias names it while the sales window reads
        storeQuarter(quarter);
        written = salesRecapShots(out) && written;
    }
    windowset::destroy();
    return written ? 0 : 1;
}
