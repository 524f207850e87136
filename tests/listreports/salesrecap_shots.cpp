// Pictures for a person to look at: the sales recap window over a generated
// shop (a quarter of invoices), once per grouping, again with a dark palette
// and with an empty range, and the printed report per day and per goods as
// PDF files. Run under an X server (xvfb-run) with the desktop's regional
// settings, e.g. LC_ALL=id_ID.UTF-8:
//   salesrecap_shots <output folder>
// then turn a PDF page into PNG with pdftoppm.
#include "SalesShop.h"
#include "TempDatabase.h"

#include "app/WindowSet.h"
#include "controls/Application.h"
#include "controls/Startup.h"
#include "data/Connection.h"
#include "listreports/LaporanPenjualan.h"
#include "listreports/SalesReport.h"
#include "reports/PageRenderer.h"
#include "reports/ReportLayout.h"
#include "WindowShot.h"

#include <QDateEdit>
#include <QDir>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <random>

namespace {
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

void showRecap(const QDate &from, const QDate &to, QRadioButton *grouping)
{
    FLaporanPenjualan->DateTimePicker1->setDate(from);
    FLaporanPenjualan->DateTimePicker2->setDate(to);
    grouping->setChecked(true);
    FLaporanPenjualan->BitBtn1->click();
    windowshot::settle(300);
}

bool writePdf(const QString &file)
{
    ReportDefinition report;
    salesreport::define(report, *FLaporanPenjualan->recap());
    const auto prepared = reports::layout(report);
    std::printf("%s: %d pages\n", qPrintable(file), prepared->pageCount());
    return pagerender::toPdf(*prepared, file);
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    NotaApplication app(argc, argv);
    startup::initialise();
    if (argc < 2) {
        std::fprintf(stderr, "usage: salesrecap_shots <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    TempDatabase db;
    storeQuarter(db);
    windowset::create();
    TFLaporanPenjualan &w = *FLaporanPenjualan;
    w.Show();
    windowshot::settle();

    const QDate january(2025, 1, 1), march(2025, 3, 31);
    showRecap(january, QDate(2025, 1, 31), w.RadioButton1);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-per-day.png")));
    bool written = writePdf(out.filePath(QStringLiteral("sales-per-day.pdf")));
    showRecap(january, march, w.RadioButton2);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-per-month.png")));
    showRecap(january, march, w.RadioButton3);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-per-goods.png")));
    written = writePdf(out.filePath(QStringLiteral("sales-per-goods.pdf"))) && written;
    showRecap(january, march, w.RadioButton4);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-per-customer.png")));
    showRecap(QDate(2025, 6, 1), QDate(2025, 6, 30), w.RadioButton1);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-empty.png")));

    // A dark desktop: the window's palette, the chart's colours follow it.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2e));
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x20));
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x36));
    dark.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3e));
    dark.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
    QApplication::setPalette(dark);
    showRecap(january, march, w.RadioButton1);
    windowshot::shoot(w, out.filePath(QStringLiteral("sales-dark.png")));

    w.Close();
    windowset::destroy();
    return written ? 0 : 1;
}
