// Pictures of the report engine's output for a person to look at: a sample
// invoice-like report rendered to PNG pages and a PDF, and the preview window
// grabbed at each zoom. Run through tools/screenshot-preview.sh (under Xvfb).
#include "controls/Application.h"
#include "controls/Pictures.h"
#include "controls/Startup.h"
#include "reports/MemoryRecords.h"
#include "reports/PageRenderer.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPreview.h"

#include <QAction>
#include <QDir>
#include <QTimer>

namespace {
using reports::box;

std::unique_ptr<ReportDefinition> sampleInvoice(int lines)
{
    auto header = std::make_shared<MemoryRecords>(QStringList{"No_Nota", "Tanggal", "Kepada", "Alamat", "Jumlah_Total"});
    header->addRow({"000042", "05 Des 2009", "Toko Sumber Makmur", "Jl. Gatot Subroto 17\nBandung", "Rp 2.345.600"});
    auto rows = std::make_shared<MemoryRecords>(
        QStringList{"Kode_KV", "Kode_Brg", "Nama_Brg", "Harga", "Banyak", "Diskon", "Jumlah"});
    for (int i = 1; i <= lines; ++i)
        rows->addRow({QStringLiteral("KV-%1").arg(1000 + i), QStringLiteral("90310-%1").arg(i * 37),
                      QStringLiteral("Karet stabilizer %1").arg(i), QStringLiteral("Rp 40.500"), double(i % 4 + 1),
                      double(i % 3 * 5), QStringLiteral("Rp %1.000").arg(40 * (i % 4 + 1))});

    const QColor maroon(128, 0, 0), blue(0, 0, 255), grey(128, 128, 128);
    auto def = std::make_unique<ReportDefinition>();
    def->title = QStringLiteral("Nota");
    def->page.topMargin = def->page.bottomMargin = reports::mm(12.7);
    def->page.leftMargin = def->page.rightMargin = reports::mm(6.35);
    def->bandWidth = reports::mm(197.38);
    def->baseFont = ReportFont{"Arial", 18, false, {}};
    def->records = rows;
    def->printIfEmpty = true;

    ReportBand &top = def->addBand(BandKind::PageHeader, reports::mm(34.93));
    top.addPicture(pictures::logo(), box(4.23, 1.06, 21.43, 21.43));
    top.addLabel("Tanggal :", box(107.42, 6.61, 0, 5.29)).autoSized().withFont("Arial", 10, true);
    top.addField("Tanggal", box(124.88, 6.61, 0, 4.5), header).autoSized().withFont("Arial", 10, true, blue);
    top.addLabel("Kepada :", box(108.21, 12.7, 0, 5.29)).autoSized().withFont("Arial", 10, true);
    top.addField("Kepada", box(124.88, 12.7, 0, 4.5), header).autoSized().withFont("Arial", 10, true);
    top.addLabel("Alamat :", box(109.27, 19.31, 0, 5.29)).autoSized().withFont("Arial", 10, true);
    top.addLabel(" No Nota :", box(6.35, 25.4, 0, 5.29)).autoSized().withFont("Arial", 10, true);
    top.addLabel(QString(77, '.'), box(124.88, 14.02, 0, 4.5)).autoSized().transparentText().withFont("Arial", 8);
    top.addField("No_Nota", box(25.4, 25.4, 0, 4.5), header).autoSized().withFont("Arial", 10, true, maroon);
    top.addShape(box(12.7, 32.81, 171.71, 0.79));
    top.addShape(box(6.35, 30.96, 184.41, 1.06));
    top.addLabel("Kervano", box(27.52, 5.29, 0, 12.17)).autoSized().withFont("Tahoma", 28);
    top.addLabel("AUTOMOTIVE RUBBER PART", box(27.52, 17.2, 0, 4.5)).autoSized().withFont("Arial", 10);
    top.addLabel(QString(61, '.'), box(25.4, 26.72, 0, 3.97)).autoSized().transparentText().withFont("Arial", 8);
    top.addLabel(QString(77, '.'), box(124.88, 20.64, 0, 4.5)).autoSized().transparentText().withFont("Arial", 8);

    ReportBand &columns = def->addBand(BandKind::ColumnHeader, reports::mm(9.26));
    columns.color = QColor(192, 220, 192);
    columns.frame = FrameLines::all();
    const std::pair<const char *, qreal> captions[] = {{"Kode Barang", 33.07}, {"Nama Barang", 59.27}, {"Harga", 103.72},
                                                       {"Banyak", 123.03},     {"Diskon (%)", 139.17}, {"Jumlah", 168.8},
                                                       {"Kode Kervano", 3.7}};
    for (const auto &[caption, left] : captions)
        columns.addLabel(caption, box(left, 2.12, 0, 4.5)).autoSized().transparentText().withFont("Arial", 10, true, maroon);
    for (qreal left : {57.15, 120.65, 101.6, 137.58, 158.22, 31.75})
        columns.addShape(box(left, 0.53, 0.26, 7.67));

    ReportBand &detail = def->addBand(BandKind::Detail, reports::mm(6.88));
    detail.frame.top = detail.frame.bottom = true;
    const std::pair<const char *, qreal> values[] = {{"Kode_Brg", 33.6}, {"Nama_Brg", 59.8}, {"Harga", 103.98},
                                                     {"Banyak", 123.56}, {"Diskon", 139.7}};
    for (const auto &[field, left] : values)
        detail.addField(field, box(left, 1.32, 0, 4.5)).autoSized().withFont("Arial", 8);
    detail.addField("Jumlah", box(160.07, 1.32, 22.23, 4.5)).aligned(TextAlign::Right).withFont("Arial", 8);
    for (qreal left : {57.41, 101.6, 120.91, 137.85, 158.22, 31.75})
        detail.addShape(box(left, 0.26, 0.26, 6.61));
    detail.addField("Kode_KV", box(4.5, 1.32, 0, 4.5)).autoSized().withFont("Arial", 8);

    ReportBand &summary = def->addBand(BandKind::Summary, reports::mm(9.53));
    summary.frame.top = true;
    summary.addLabel("Jumlah Total : ", box(131.76, 2.12, 0, 4.5)).autoSized().withFont("Arial", 10, true, blue);
    summary.addField("Jumlah_Total", box(166.69, 2.12, 0, 4.5), header).autoSized().withFont("Arial", 10, true, maroon);
    summary.addShape(box(158.22, 0.26, 0.26, 7.14));
    summary.addShape(box(158.49, 7.41, 32.81, 0.26));
    summary.addShape(box(158.49, 7.94, 32.81, 0.79), Qt::black);

    ReportBand &sign = def->addChildBand(summary, reports::mm(22.23));
    sign.addLabel("Tanda Terima", box(25.4, 0.79, 0, 4.5)).autoSized().withFont("Tahoma", 10, false, Qt::black);
    sign.addLabel("( _______________ )", box(20.11, 16.67, 0, 4.5)).autoSized().withFont("Arial", 10);
    sign.addLabel("Hormat Kami", box(88.9, 0.79, 0, 4.5)).autoSized().withFont("Tahoma", 10, false, Qt::black);
    sign.addLabel("( _______________ )", box(83.08, 16.67, 0, 4.5)).autoSized().withFont("Arial", 10);
    sign.addLabel("10/12/2026", box(168.8, 18.79, 0, 2.38)).autoSized().withFont("Terminal", 6, false, grey);
    sign.addLabel("* Dicetak Tanggal", box(140.49, 18.79, 0, 2.38)).autoSized().withFont("Terminal", 6, false, grey);

    def->pageElements.addField("Alamat", box(131.23, 31.49, 0, 4.5), header).autoSized().withFont("Arial", 10);
    return def;
}
} // namespace

int main(int argc, char **argv)
{
    NotaApplication app(argc, argv);
    startup::initialise();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("report-shots");
    QDir().mkpath(out);

    const auto def = sampleInvoice(45);
    const auto report = reports::layout(*def);
    for (int p = 0; p < report->pageCount(); ++p)
        pagerender::toImage(*report, p, 150).save(QStringLiteral("%1/page-%2.png").arg(out).arg(p + 1));
    pagerender::toPdf(*report, out + QStringLiteral("/report.pdf"));

    ReportPreview window;
    window.showReport(*def);
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
    return app.exec();
}
