// Pictures of the printed invoice for a person to look at: a sample invoice
// stored in a temporary database, opened in the new-invoice window's tables
// as that window does, laid out by its real report definition and rendered
// to PNG pages and a PDF; and the preview window grabbed at each zoom. Run
// through tools/screenshot-preview.sh (under Xvfb).
#include "TempDatabase.h"

#include "app/WindowSet.h"
#include "controls/Application.h"
#include "controls/Startup.h"
#include "core/DateText.h"
#include "data/Table.h"
#include "invoice/Nota1.h"
#include "reports/PageRenderer.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPreview.h"

#include <QAction>
#include <QDir>
#include <QTimer>

namespace {
// Invoice 000042 with `lines` lines, some names longer than their column,
// its address on four lines.
void storeSampleInvoice(const TempDatabase &db, int lines)
{
    long double total = 0;
    for (int i = 1; i <= lines; ++i) {
        const double price = 40500 + 1250.5 * (i % 5), quantity = i % 4 + 1 + (i % 7 == 0 ? 0.5 : 0);
        const double discount = i % 3 * 5;
        const long double amount = (long double)price * quantity - (long double)price * quantity * discount / 100;
        total += amount;
        db.exec(QStringLiteral("INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", \"Harga\", "
                               "\"Banyak\", \"Diskon\", \"Jumlah\") VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                {QStringLiteral("000042"), QStringLiteral("KV-%1").arg(1000 + i),
                 QStringLiteral("90310-%1").arg(i * 37),
                 i % 6 == 2 ? QStringLiteral("KARET SUPPORT MESIN AVANZA %1").arg(i) : QStringLiteral("Karet stabilizer %1").arg(i),
                 price, quantity,
                 discount, double(amount)});
    }
    db.exec(QStringLiteral("INSERT INTO \"NotaUtama\" (\"No_Nota\", \"Tanggal\", \"Kepada\", \"Alamat\", "
                           "\"Jumlah_Total\") VALUES (?, ?, ?, ?, ?)"),
            {QStringLiteral("000042"), QStringLiteral("2009-12-05"), QStringLiteral("Toko Sumber Makmur"),
             QStringLiteral("Jl. Gatot Subroto 17\nKel. Sukajadi\nKec. Sukasari\nBandung 40162"), double(total)});
}
} // namespace

int main(int argc, char **argv)
{
    NotaApplication app(argc, argv);
    startup::initialise();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("report-shots");
    QDir().mkpath(out);

    TempDatabase db;
    storeSampleInvoice(db, 45);
    windowset::create();
    // As the new-invoice window leaves its tables before it prints.
    FNota1->Table1->open();
    FNota1->Table1->findKey(QStringLiteral("000042"));
    FNota1->Table2->open();
    FNota1->Table2->setFilter(QStringLiteral("ID_Nota ='000042'"));
    FNota1->Table2->setFiltered(true);
    FNota1->FPrintN.bind(*FNota1->Table1, *FNota1->Table2);
    FNota1->FPrintN.printDate->setCaption(datetext::shortDate(QDate::currentDate()));
    const ReportDefinition &def = FNota1->FPrintN.report;

    const auto report = reports::layout(def);
    for (int p = 0; p < report->pageCount(); ++p)
        pagerender::toImage(*report, p, 150).save(QStringLiteral("%1/page-%2.png").arg(out).arg(p + 1));
    pagerender::toPdf(*report, out + QStringLiteral("/report.pdf"));

    int status = 0;
    {
        ReportPreview window;
        window.showReport(def);
        window.setMaximised();
        window.Show();
        const std::pair<QAction *, const char *> zooms[] = {
            {window.ZoomFit, "fit"}, {window.Zoom100, "100"}, {window.ZoomWidth, "width"}};
        QTimer::singleShot(500, &window, [&] {
            window.finishProduction();
            for (const auto &[action, name] : zooms) {
                action->trigger();
                QCoreApplication::processEvents();
                window.grab().save(QStringLiteral("%1/preview-%2.png").arg(out, QLatin1String(name)));
            }
            window.NextPage->trigger();
            QCoreApplication::processEvents();
            window.grab().save(out + QStringLiteral("/preview-page2.png"));
            window.Close();
            QCoreApplication::quit();
        });
        status = app.exec();
    }
    windowset::destroy();
    return status;
}
