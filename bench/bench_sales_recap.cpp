// The sales figures of one year, 100,000 invoices with 1,000,000 lines
// (10,000 goods, 1,000 customers): per day, per month, per goods and per
// customer, read by sales::SalesRecap as the sales window reads them.
//
// On an SQLite file always; on PostgreSQL too when NOTA_BENCH_PG names a
// server database (e.g. the URI `bash tools/pg-cluster.sh start DIR`
// prints), in a schema of its own (nota_bench_sales) dropped at the end.
// Each figure is measured with the read indexes (Idx) and again after they
// were dropped (NoIdx), which shows what they bring. Real (wall-clock) time.
#include "core/Errors.h"
#include "core/PasswordHash.h"
#include "data/Connection.h"
#include "data/DataSetsOnConnection.h"
#include "data/Database.h"
#include "data/Provision.h"
#include "data/Schema.h"
#include "shop/SalesRecap.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {
using sales::Grouping;

constexpr int kInvoices = 100000;
constexpr int kLines = 1000000;
const QDate kFirst(2025, 1, 1), kLast(2025, 12, 31);
const QString kSchema = QStringLiteral("nota_bench_sales");

QString serverUri() { return qEnvironmentVariable("NOTA_BENCH_PG"); }

// Invoices spread evenly over the year, ten lines each, in number order.
QStringList fillSqlite()
{
    // printf's own "%" marks: the counts go in by name, not by QString::arg.
    const auto counted = [](const char *sql) {
        return QString::fromLatin1(sql)
            .replace(QStringLiteral("{invoices}"), QString::number(kInvoices))
            .replace(QStringLiteral("{lines}"), QString::number(kLines));
    };
    return {counted("WITH RECURSIVE i(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM i WHERE n < {invoices}) "
                    "INSERT INTO \"NotaUtama\" (\"No_Nota\", \"Tanggal\", \"Kepada\", \"Alamat\", \"Jumlah_Total\") "
                    "SELECT printf('%06d', n), date('2025-01-01', '+' || ((n - 1) * 365 / {invoices}) || ' days'), "
                    "'PELANGGAN ' || (n * 7 % 1000), 'Jl. Braga ' || n, 0 FROM i"),
            counted("WITH RECURSIVE i(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM i WHERE n < {lines} - 1) "
                    "INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", \"Harga\", \"Banyak\", "
                    "\"Diskon\", \"Jumlah\") SELECT printf('%06d', n / 10 + 1), printf('KV-%06d', n * 7919 % 10000), "
                    "printf('M%04d', n * 7919 % 10000), 'KARET ' || (n * 7919 % 10000), 1000 + n % 50 * 250, "
                    "1 + n % 5, n % 3 * 5, (1000 + n % 50 * 250) * (1 + n % 5) * (1 - n % 3 * 5 / 100.0) FROM i")};
}

QStringList fillPostgres()
{
    return {QStringLiteral("INSERT INTO \"NotaUtama\" (\"No_Nota\", \"Tanggal\", \"Kepada\", \"Alamat\", \"Jumlah_Total\") "
                           "SELECT lpad(n::text, 6, '0'), to_char(date '2025-01-01' + (n - 1) * 365 / %1, 'YYYY-MM-DD'), "
                           "'PELANGGAN ' || (n * 7 % 1000), 'Jl. Braga ' || n, 0 FROM generate_series(1, %1) n")
                .arg(kInvoices),
            QStringLiteral("INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", \"Harga\", \"Banyak\", "
                           "\"Diskon\", \"Jumlah\") SELECT lpad((n / 10 + 1)::text, 6, '0'), "
                           "'KV-' || lpad((n::bigint * 7919 % 10000)::text, 6, '0'), "
                           "'M' || lpad((n::bigint * 7919 % 10000)::text, 4, '0'), "
                           "'KARET ' || (n::bigint * 7919 % 10000), 1000 + n % 50 * 250, 1 + n % 5, n % 3 * 5, "
                           "(1000 + n % 50 * 250) * (1 + n % 5) * (1 - n % 3 * 5 / 100.0) FROM generate_series(0, %1 - 1) n")
                .arg(kLines)};
}

// The stored totals, as the invoice window keeps them.
const QString kTotals = QStringLiteral(
    "UPDATE \"NotaUtama\" SET \"Jumlah_Total\" = (SELECT SUM(\"Jumlah\") FROM \"Nota\" WHERE \"ID_Nota\" = \"No_Nota\")");

void fill(const QString &location)
{
    connection::Connection &db = *connection::ofFile(location);
    connection::Transaction transaction(db);
    const QStringList statements = db.engine() == connection::Connection::Engine::Sqlite ? fillSqlite() : fillPostgres();
    for (const QString &sql : statements)
        db.exec(sql);
    db.exec(kTotals);
    transaction.commit();
    if (db.engine() == connection::Connection::Engine::Postgres)
        db.exec(QStringLiteral("VACUUM ANALYZE"));
}

// The read indexes present or not; the connection has checked its tables
// already, so dropping them here does not make it add them again.
void useReadIndexes(const QString &location, bool on)
{
    const std::shared_ptr<connection::Connection> opened = connection::ofFile(location);
    connection::Connection &db = *opened;
    for (const char *name : {"NotaUtama", "Nota"}) {
        const TableDef &table = *schema::findTable(QString::fromLatin1(name));
        DataSetsOnConnection::of(opened)->verifyTable(table, location);
        for (const ReadIndexDef &index : table.readIndexes)
            db.exec(on ? schema::createReadIndex(table, index, true)
                       : QStringLiteral("DROP INDEX IF EXISTS ") + schema::quote(index.name));
    }
    if (db.engine() == connection::Connection::Engine::Postgres)
        db.exec(QStringLiteral("ANALYZE"));
}

void recap(benchmark::State &state, const QString &location, bool indexes, Grouping grouping)
{
    database::setAliasPath(QStringLiteral("KV"), location);
    useReadIndexes(location, indexes);
    int rows = 0;
    for (auto _ : state) {
        const sales::SalesRecap r = sales::SalesRecap::read(grouping, kFirst, kLast);
        rows = int(r.rows().size());
        if (r.invoices() != kInvoices)
            state.SkipWithError("not every invoice was read");
    }
    state.counters["rows"] = rows;
}

void registerEngine(const char *engine, const QString &location)
{
    const struct {
        const char *name;
        Grouping grouping;
    } groupings[] = {{"PerDay", Grouping::PerDay},
                     {"PerMonth", Grouping::PerMonth},
                     {"PerGoods", Grouping::PerGoods},
                     {"PerCustomer", Grouping::PerCustomer}};
    for (bool indexes : {true, false})
        for (const auto &g : groupings)
            benchmark::RegisterBenchmark(
                QStringLiteral("%1/%2/%3").arg(QLatin1String(engine), QLatin1String(indexes ? "Idx" : "NoIdx"), QLatin1String(g.name))
                    .toUtf8()
                    .constData(),
                [location, indexes, grouping = g.grouping](benchmark::State &state) { recap(state, location, indexes, grouping); })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(2.0);
}

QString withSearchPath(const QString &uri, const QString &schemaName)
{
    return uri + (uri.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?'))
        + QStringLiteral("options=-csearch_path%3D") + schemaName;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    int status = 0;
    try {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("kv.sqlite"));
        provision::createDatabase(file, QStringLiteral("admin"), QStringLiteral("admin"));
        std::fprintf(stderr, "filling %s\n", qPrintable(file));
        fill(file);
        registerEngine("Sqlite", file);

        QString server;
        if (!serverUri().isEmpty()) {
            connection::ofFile(serverUri())->exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE; CREATE SCHEMA %1").arg(kSchema));
            server = withSearchPath(serverUri(), kSchema);
            provision::createTables(*connection::ofFile(server), QStringLiteral("admin"), password::hash(QStringLiteral("admin")));
            std::fprintf(stderr, "filling the schema %s\n", qPrintable(kSchema));
            fill(server);
            registerEngine("Postgres", server);
        } else {
            std::fprintf(stderr, "NOTA_BENCH_PG is not set: the server is not measured\n");
        }
        benchmark::RunSpecifiedBenchmarks();
        if (!server.isEmpty()) {
            connection::closeFile(server);
            connection::ofFile(serverUri())->exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(kSchema));
        }
    } catch (const EError &e) {
        std::fprintf(stderr, "bench_sales_recap: %s\n", e.what());
        status = 1;
    }
    benchmark::Shutdown();
    return status;
}
