// Report engine over 10,000 in-memory records (2,500 A4 pages, four records a
// page): layout time, memory per prepared page, time until the first page is
// there, PDF export and report-file round trip.
#include "controls/Pictures.h"
#include "controls/Startup.h"
#include "reports/MemoryRecords.h"
#include "reports/PageRenderer.h"
#include "reports/ReportFile.h"
#include "reports/ReportLayout.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {
constexpr int kRecords = 10000;

std::shared_ptr<MemoryRecords> goods()
{
    static const std::shared_ptr<MemoryRecords> rows = [] {
        auto r = std::make_shared<MemoryRecords>(
            QStringList{"Kode_Kervano", "Kode_Barang", "Nama_Barang", "Part", "Group_Barang", "Harga"});
        for (int i = 1; i <= kRecords; ++i)
            r->addRow({QStringLiteral("KV-%1").arg(i, 6, 10, QLatin1Char('0')), QStringLiteral("MB-%1").arg(i * 7),
                       QStringLiteral("Karet penahan debu %1").arg(i), QStringLiteral("Suspensi"),
                       QStringLiteral("Toyota"), 1500.0 * (i % 97 + 1)});
        return r;
    }();
    return rows;
}

// Shaped like the goods list: header with page number and logo, a detail
// block of captions and values, a summary and a footer with the date.
std::unique_ptr<ReportDefinition> goodsList()
{
    using reports::box;
    auto def = std::make_unique<ReportDefinition>();
    def->page.topMargin = def->page.bottomMargin = def->page.leftMargin = def->page.rightMargin = reports::mm(12.7);
    def->bandWidth = reports::mm(184.68);
    def->records = goods();
    ReportBand &header = def->addBand(BandKind::PageHeader, reports::mm(10.85));
    header.addLabel("Halaman ke:", box(4.23, 2.12, 0, 4.5)).autoSized();
    header.addSystemData(SystemValue::PageNumber, box(27.52, 2.12, 0, 4.5)).autoSized();
    header.addPicture(pictures::logo(), box(160, 0.5, 12, 9.7));
    ReportBand &detail = def->addBand(BandKind::Detail, reports::mm(59));
    const char *captions[] = {"Kode Kervano :", "Kode Barang :", "Nama :", "Part :", "Group :", "Harga :"};
    const char *fields[] = {"Kode_Kervano", "Kode_Barang", "Nama_Barang", "Part", "Group_Barang", "Harga"};
    for (int i = 0; i < 6; ++i) {
        detail.addLabel(captions[i], box(48.95, 6.35 + i * 6.4, 30, 4.5)).autoSized().aligned(TextAlign::Right)
            .withFont("Arial", 10, true);
        detail.addField(fields[i], box(80.43, 6.35 + i * 6.4, 0, 4.5)).autoSized();
    }
    detail.addShape(box(4.76, 48.68, 173.83, 0.26));
    detail.addLabel("No. Urut :", box(143.93, 42.33, 0, 4.5)).autoSized().withFont("Arial", 10, true);
    detail.addSystemData(SystemValue::RecordNumber, box(160.87, 42.33, 0, 4.5)).autoSized();
    ReportBand &summary = def->addBand(BandKind::Summary, reports::mm(10.58));
    summary.addLabel("Jumlah record: ", box(10.58, 2.12, 0, 4.5)).autoSized();
    summary.addSystemData(SystemValue::RecordCount, box(38.1, 2.12, 0, 4.5)).autoSized();
    ReportBand &footer = def->addBand(BandKind::PageFooter, reports::mm(10.58));
    footer.addLabel("Dicetak pada tanggal: ", box(10.58, 4.23, 0, 4.5)).autoSized();
    footer.addSystemData(SystemValue::DateTime, box(48.68, 4.23, 0, 4.5)).autoSized();
    return def;
}

const std::shared_ptr<PreparedReport> &prepared()
{
    static const std::shared_ptr<PreparedReport> report = reports::layout(*goodsList());
    return report;
}

void BM_Layout(benchmark::State &state)
{
    const auto def = goodsList();
    int pages = 0;
    for (auto _ : state) {
        auto report = reports::layout(*def);
        pages = report->pageCount();
        benchmark::DoNotOptimize(report);
    }
    state.counters["pages"] = pages;
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_Layout)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_FirstPage(benchmark::State &state)
{
    const auto def = goodsList();
    for (auto _ : state) {
        ReportLayout layout(*def);
        while (layout.report()->pageCount() == 0 && !layout.run(1)) {
        }
        benchmark::DoNotOptimize(layout.report()->pages.front());
    }
}
BENCHMARK(BM_FirstPage)->Unit(benchmark::kMicrosecond);

void BM_MemoryPerPage(benchmark::State &state)
{
    const auto def = goodsList();
    double heapPerPage = 0, filePerPage = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const size_t before = mallinfo2().uordblks;
        std::shared_ptr<PreparedReport> report;
        {
            ReportLayout layout(*def);
            while (!layout.run(1000)) {
            }
            report = layout.report();
        }
        const size_t after = mallinfo2().uordblks;
        heapPerPage = double(after - before) / report->pageCount();
        filePerPage = double(reportfile::serialise(*report).size()) / report->pageCount();
    }
    state.counters["heap_bytes_per_page"] = heapPerPage;
    state.counters["file_bytes_per_page"] = filePerPage;
}
BENCHMARK(BM_MemoryPerPage)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PdfExport(benchmark::State &state)
{
    const auto &report = prepared();
    QTemporaryDir dir;
    qint64 bytes = 0;
    for (auto _ : state) {
        const QString file = dir.filePath("goods.pdf");
        if (!pagerender::toPdf(*report, file))
            state.SkipWithError("PDF not written");
        bytes = QFileInfo(file).size();
    }
    state.counters["pages"] = report->pageCount();
    state.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(BM_PdfExport)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RenderPageImage(benchmark::State &state)
{
    const auto &report = prepared();
    for (auto _ : state)
        benchmark::DoNotOptimize(pagerender::toImage(*report, 1, 150));
}
BENCHMARK(BM_RenderPageImage)->Unit(benchmark::kMillisecond);

void BM_ReportFileRoundTrip(benchmark::State &state)
{
    const auto &report = prepared();
    for (auto _ : state) {
        const QByteArray bytes = reportfile::serialise(*report);
        benchmark::DoNotOptimize(reportfile::parse(bytes, QStringLiteral("bench.nqr")));
    }
}
BENCHMARK(BM_ReportFileRoundTrip)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    startup::initialise();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
