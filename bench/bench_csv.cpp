// Goods from a CSV file: 100,000 rows checked and stored in one transaction
// into a fresh database (aim: well under 5 s), and the same file checked only
// (dry run), and the goods written out again.
#include "core/FormatSettings.h"
#include "data/Connection.h"
#include "data/CsvText.h"
#include "data/CsvTransfer.h"
#include "data/Provision.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
const char *kNames[] = {"KARET STABIL", "SEAL AS RODA", "BOOT KOPLING", "BUSHING ARM", "KARET SUPPORT MESIN",
                        "O-RING POMPA", "SEAL KRUK AS", "KARET PINTU", "KARET WIPER", "DOP KARET"};
const char *kParts[] = {"BOOT", "BUSHING", "KARET", "MOUNTING", "O-RING", "SEAL"};
const char *kGroups[] = {"TOYOTA", "DAIHATSU", "SUZUKI", "MITSUBISHI", "ISUZU", "HONDA", "UMUM"};

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// A goods file as a spreadsheet with decimal commas writes it.
QString goodsFile(int rows)
{
    const QString name = QDir(folder().path()).filePath(QStringLiteral("goods-%1.csv").arg(rows));
    if (QFile::exists(name))
        return name;
    const QChar sep = QLatin1Char(';');
    QString text = csv::record({QStringLiteral("Kode_Kervano"), QStringLiteral("Kode_Barang"), QStringLiteral("Nama_Barang"),
                                QStringLiteral("Part"), QStringLiteral("Group_Barang"), QStringLiteral("Harga")},
                               sep);
    for (int i = 0; i < rows; ++i)
        text += csv::record({QStringLiteral("KV-%1").arg(i, 6, 10, QLatin1Char('0')),
                             QStringLiteral("M%1-%2").arg((i * 37) % 9973, 4, 10, QLatin1Char('0')).arg(i % 7),
                             QStringLiteral("%1 %2").arg(QLatin1String(kNames[i % 10])).arg(i % 97),
                             QLatin1String(kParts[i % 6]), QLatin1String(kGroups[i % 7]),
                             QStringLiteral("%1,%2").arg(1000 + (i * 131) % 500000).arg(i % 10)},
                            sep);
    QFile f(name);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray(csv::kByteOrderMark) + text.toUtf8());
    return name;
}

// A fresh database for each run; its making is not measured.
QString freshDatabase()
{
    static int n = 0;
    const QString path = QDir(folder().path()).filePath(QStringLiteral("kv-%1.sqlite").arg(++n));
    provision::createDatabase(path, QStringLiteral("admin"), QStringLiteral("admin"));
    return path;
}

void ImportGoods(benchmark::State &state)
{
    const QString csvFile = goodsFile(int(state.range(0)));
    const bool dryRun = state.range(1) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString db = freshDatabase();
        state.ResumeTiming();
        const csvtransfer::ImportSummary s = csvtransfer::importFile(*connection::ofFile(db), csvtransfer::Records::Goods, csvFile, dryRun);
        state.PauseTiming();
        if (!s.problems.isEmpty() || s.stored == dryRun)
            state.SkipWithError("the import did not do what it should");
        connection::closeFile(db);
        QFile::remove(db);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void ExportGoods(benchmark::State &state)
{
    const QString db = freshDatabase();
    csvtransfer::importFile(*connection::ofFile(db), csvtransfer::Records::Goods, goodsFile(int(state.range(0))), false);
    int n = 0;
    for (auto _ : state) {
        const QString out = QDir(folder().path()).filePath(QStringLiteral("out-%1.csv").arg(++n));
        benchmark::DoNotOptimize(csvtransfer::exportFile(*connection::ofFile(db), csvtransfer::Records::Goods, out));
        state.PauseTiming();
        QFile::remove(out);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
} // namespace

BENCHMARK(ImportGoods)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ExportGoods)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);  // the SQL driver plugin needs it
    // The file has decimal commas, as the desktop it comes from.
    FormatSettings::setCurrent(FormatSettings::fromLocale(QLocale(QLocale::Indonesian, QLocale::Indonesia)));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
