// The backup of a shop's database file as the program makes it at its end:
// SQLite's online backup, the checks of `notadb check`, and both together
// (a checked, dated backup). The database holds goods with pictures and
// invoices with four lines each; its size in MB is NOTA_BENCH_BACKUP_MB
// (default 100; 1024 for the figure in the README).
#include "data/Connection.h"
#include "data/FileBackup.h"
#include "data/Provision.h"
#include "shop/BackupRules.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// About a third of the size in invoice lines, the rest in pictures.
QString shopDatabase()
{
    static QString path;
    if (!path.isEmpty())
        return path;
    const qint64 megabytes = qEnvironmentVariableIsSet("NOTA_BENCH_BACKUP_MB") ? qEnvironmentVariableIntValue("NOTA_BENCH_BACKUP_MB") : 100;
    path = QDir(folder().path()).filePath(QStringLiteral("kv.sqlite"));
    provision::createDatabase(path, QStringLiteral("admin"), QStringLiteral("admin"));
    const qint64 goods = megabytes * 2 / 3 * 1024 / 90;
    const qint64 invoices = megabytes * 1000 / 2;
    const std::shared_ptr<connection::Connection> db = connection::ofFile(path);
    db->exec(QStringLiteral("BEGIN"));
    db->exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                            "INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Harga\", \"Gambar\") "
                            "SELECT printf('KV-%06d', i), printf('9%07d', i), 'KARET STABIL ' || i, 45000, randomblob(90000) FROM n")
                 .arg(goods));
    db->exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                            "INSERT INTO \"NotaUtama\" (\"No_Nota\", \"Tanggal\", \"Kepada\", \"Alamat\", \"Jumlah_Total\") "
                            "SELECT printf('%06d', i), '2026-12-01', 'Bengkel Maju Jaya', 'Jl. Sudirman No. 112', 100000 FROM n")
                 .arg(invoices));
    db->exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                            "INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Nama_Brg\", \"Harga\", \"Banyak\", \"Diskon\", \"Jumlah\") "
                            "SELECT printf('%06d', i / 4 + 1), 'KV-000001', 'KARET STABIL INNOVA', 12500, 2, 0, 25000 FROM n")
                 .arg(invoices * 4 - 1));
    db->exec(QStringLiteral("COMMIT"));
    connection::closeFile(path);
    return path;
}

void setSize(benchmark::State &state)
{
    state.counters["MB"] = double(QFile(shopDatabase()).size()) / (1024 * 1024);
}

void BM_OnlineBackup(benchmark::State &state)
{
    const QString source = shopDatabase();
    const QString copy = QDir(folder().path()).filePath(QStringLiteral("copy.sqlite"));
    for (auto _ : state) {
        QFile::remove(copy);
        if (!filebackup::backUp(source, copy, 5000, filebackup::Existing::Refuse, false).ok())
            state.SkipWithError("the backup failed");
    }
    setSize(state);
}
BENCHMARK(BM_OnlineBackup)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

void BM_Check(benchmark::State &state)
{
    const QString source = shopDatabase();
    for (auto _ : state) {
        if (!filebackup::check(source, 5000).ok())
            state.SkipWithError("the check found problems");
    }
    setSize(state);
}
BENCHMARK(BM_Check)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

// What the program's end does on the day's first end.
void BM_CheckedDatedBackup(benchmark::State &state)
{
    const QString source = shopDatabase();
    const QString into = QDir(folder().path()).filePath(QStringLiteral("backup"));
    QDir().mkpath(into);
    const BackupRules rules(source, BackupPlaces{into, QString()}, QDir(folder().path()).filePath(QStringLiteral("state.ini")));
    for (auto _ : state) {
        if (!rules.backUpInto(into, QDate::currentDate(), /*replace=*/true, 5000).ok())
            state.SkipWithError("the backup failed");
    }
    setSize(state);
}
BENCHMARK(BM_CheckedDatedBackup)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
