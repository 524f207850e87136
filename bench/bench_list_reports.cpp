// The goods list report over 10,000 goods with pictures (2,500 A4 pages, four
// goods a page), read from a goods table in a temporary database through the
// report's own definition and table: layout time, memory held by the prepared
// pages, time until the first page is there, and PDF export of all pages.
#include "TempDatabase.h"

#include "controls/Application.h"
#include "controls/Startup.h"
#include "data/Connection.h"
#include "data/PictureBlob.h"
#include "data/Table.h"
#include "listreports/RBarang.h"
#include "reports/PageRenderer.h"
#include "reports/ReportLayout.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

namespace {
constexpr int kGoods = 10000;
// The size of the pictures the sample shop draws.
const QSize kPictureSize(200, 130);

// A picture of its own for every item: one of a few drawings, with the
// item's number written into its first row of pixels.
QByteArray goodsPicture(int item)
{
    static const std::vector<QImage> drawings = [] {
        std::vector<QImage> images;
        for (int v = 0; v < 16; ++v) {
            QImage image(kPictureSize, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(v * 22, 40, 240));
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(0x22, 0x22, 0x24), 8 + v % 4 * 3));
            p.drawEllipse(QPointF(100, 65), 36 + v % 5 * 4, 36 + v % 5 * 4);
            images.push_back(image);
        }
        return images;
    }();
    QImage image = drawings[size_t(item % 16)];
    for (int bit = 0; bit < 16; ++bit)
        image.setPixel(bit, 0, (item >> bit) & 1 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return pictureblob::wrap(bytes);
}

// The temporary database with its goods and the goods list report over them, for the whole run.
struct Shop {
    TempDatabase db;
    Shop()
    {
        const std::shared_ptr<connection::Connection> conn = connection::ofFile(db.path());
        connection::Transaction storing(*conn);
        const QString insert = QStringLiteral("INSERT INTO Barang (Kode_Kervano, Kode_Barang, Nama_Barang, Part, "
                                              "Group_Barang, Harga, Gambar) VALUES (?, ?, ?, ?, ?, ?, ?)");
        for (int i = 1; i <= kGoods; ++i) {
            connection::Failure failure;
            const QVariantList values{QStringLiteral("KV-%1").arg(i, 6, 10, QLatin1Char('0')),
                                      QStringLiteral("90310-%1").arg(i * 7),
                                      QStringLiteral("KARET PENAHAN DEBU %1").arg(i),
                                      QStringLiteral("SEAL"),
                                      QStringLiteral("TOYOTA"),
                                      1500.0 * (i % 97 + 1),
                                      goodsPicture(i)};
            if (conn->run(insert, values, &failure) < 0)
                connection::Connection::fail(QStringLiteral("Storing the goods"), failure);
        }
        storing.commit();
        goods.setTableName(QStringLiteral("Barang.DB"));
        goods.open();
        report = goodsListReport(goods);
    }
    Table goods;
    ReportDefinition report;
};

// Made on first use; ended in main() while the application still runs.
std::unique_ptr<Shop> g_shop;
std::shared_ptr<PreparedReport> g_prepared;

Shop &shop()
{
    if (!g_shop)
        g_shop = std::make_unique<Shop>();
    return *g_shop;
}

const std::shared_ptr<PreparedReport> &prepared()
{
    if (!g_prepared) {
        shop();
        g_prepared = reports::layout(shop().report);
    }
    return g_prepared;
}

void BM_GoodsListLayout(benchmark::State &state)
{
    shop();
    int pages = 0;
    for (auto _ : state) {
        auto report = reports::layout(shop().report);
        pages = report->pageCount();
        benchmark::DoNotOptimize(report);
    }
    state.counters["pages"] = pages;
    state.counters["goods"] = kGoods;
}
BENCHMARK(BM_GoodsListLayout)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_GoodsListFirstPage(benchmark::State &state)
{
    shop();
    for (auto _ : state) {
        ReportLayout layout(shop().report);
        while (layout.report()->pageCount() == 0 && !layout.run(1)) {
        }
        benchmark::DoNotOptimize(layout.report()->pages.front());
    }
}
BENCHMARK(BM_GoodsListFirstPage)->Unit(benchmark::kMillisecond);

void BM_GoodsListMemory(benchmark::State &state)
{
    shop();
    double total = 0, perPage = 0, pictures = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const size_t before = mallinfo2().uordblks;
        std::shared_ptr<PreparedReport> report = reports::layout(shop().report);
        const size_t after = mallinfo2().uordblks;
        total = double(after - before);
        perPage = total / report->pageCount();
        pictures = double(report->pictures.size());
    }
    state.counters["heap_MB"] = total / 1e6;
    state.counters["heap_KB_per_page"] = perPage / 1e3;
    state.counters["pictures"] = pictures;
}
BENCHMARK(BM_GoodsListMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_GoodsListPdfExport(benchmark::State &state)
{
    const auto &report = prepared();
    QTemporaryDir dir;
    qint64 bytes = 0;
    for (auto _ : state) {
        const QString file = dir.filePath(QStringLiteral("goods.pdf"));
        if (!pagerender::toPdf(*report, file))
            state.SkipWithError("PDF not written");
        bytes = QFileInfo(file).size();
    }
    state.counters["pages"] = report->pageCount();
    state.counters["pdf_MB"] = double(bytes) / 1e6;
}
BENCHMARK(BM_GoodsListPdfExport)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    NotaApplication app(argc, argv);
    startup::initialise();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_prepared.reset();
    g_shop.reset();
    return 0;
}
