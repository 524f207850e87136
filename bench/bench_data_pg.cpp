// The data engine on PostgreSQL against libpq doing the same work in the same
// program, on 10,000 and 100,000 goods (100,000 and 1,000,000 invoice lines):
// the same operations and data as bench_data does on SQLite. Read the ratio
// of each Engine/... figure to its Raw/... twin.
//
// Both sides wait on the server over loopback TCP, so every figure is real
// (wall-clock) time, not the program's processor time.
//
// The server database comes from NOTA_BENCH_PG, e.g. the URI
// `bash tools/pg-cluster.sh start DIR` prints. Each size is filled into its
// own schema (nota_bench_<goods>), dropped again at the end unless
// NOTA_BENCH_PG_KEEP=1, which keeps them for the next run (and for looking
// at plans); lines appended by earlier runs then stay. Set
// NOTA_BENCH_PG_SMALL=1 to measure the small size only.
#include "EngineSide.h"
#include "core/Errors.h"
#include "core/NumberText.h"
#include "core/PasswordHash.h"
#include "data/Connection.h"
#include "data/Database.h"
#include "data/Provision.h"
#include "data/Query.h"
#include "data/Table.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtEndian>

#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <vector>

namespace {
using namespace engineside;



QString serverUri() { return qEnvironmentVariable("NOTA_BENCH_PG"); }

QString withSearchPath(const QString &uri, const QString &schema)
{
    return uri + (uri.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?'))
        + QStringLiteral("options=-csearch_path%3D") + schema;
}

using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

// A libpq connection of its own: statements prepared once and run with text
// parameters and binary results, as a careful C program would.
class RawPg {
public:
    explicit RawPg(const QString &uri) : m_conn(PQconnectdb(uri.toUtf8().constData()))
    {
        if (PQstatus(m_conn) != CONNECTION_OK)
            fail("cannot connect");
    }
    ~RawPg() { PQfinish(m_conn); }
    RawPg(const RawPg &) = delete;
    RawPg &operator=(const RawPg &) = delete;

    PGconn *conn() const { return m_conn; }

    // Statements without values; raises on failure.
    void exec(const char *sql)
    {
        const Result r(PQexec(m_conn, sql), PQclear);
        check(r.get(), sql);
    }

    // Prepares `sql` once on this connection; gives the name to run it by.
    const char *prepare(const char *sql)
    {
        auto it = m_names.find(sql);
        if (it != m_names.end())
            return it->second.c_str();
        const std::string name = "raw_" + std::to_string(m_names.size() + 1);
        const Result r(PQprepare(m_conn, name.c_str(), sql, 0, nullptr), PQclear);
        check(r.get(), sql);
        return m_names.emplace(sql, name).first->second.c_str();
    }

    Result run(const char *name, std::initializer_list<const QByteArray *> values) { return execute(name, nullptr, values); }

    // Runs `sql` without keeping it: parsed and planned for these values.
    Result runOnce(const char *sql, std::initializer_list<const QByteArray *> values) { return execute(nullptr, sql, values); }

    void copy(const char *sql, const QByteArray &rows)
    {
        const Result start(PQexec(m_conn, sql), PQclear);
        if (PQresultStatus(start.get()) != PGRES_COPY_IN)
            fail(sql);
        constexpr qsizetype kChunk = 1 << 20;
        for (qsizetype at = 0; at < rows.size(); at += kChunk)
            if (PQputCopyData(m_conn, rows.constData() + at, int(std::min(kChunk, rows.size() - at))) != 1)
                fail(sql);
        if (PQputCopyEnd(m_conn, nullptr) != 1)
            fail(sql);
        while (PGresult *raw = PQgetResult(m_conn)) {
            const Result r(raw, PQclear);
            check(raw, sql);
        }
    }

private:
    static constexpr size_t kMostValues = 8;

    // A kept statement by `name`, or else `sql` as an unnamed one.
    Result execute(const char *name, const char *sql, std::initializer_list<const QByteArray *> values)
    {
        Q_ASSERT(values.size() <= kMostValues);
        const char *texts[kMostValues];
        int lengths[kMostValues];
        int formats[kMostValues];
        int n = 0;
        for (const QByteArray *v : values) {
            texts[n] = v->constData();
            lengths[n] = int(v->size());
            formats[n] = 0;
            ++n;
        }
        Result r(name ? PQexecPrepared(m_conn, name, n, texts, lengths, formats, 1)
                      : PQexecParams(m_conn, sql, n, nullptr, texts, lengths, formats, 1),
                 PQclear);
        check(r.get(), name ? name : sql);
        return r;
    }

    void check(const PGresult *r, const char *what) const
    {
        const ExecStatusType s = PQresultStatus(r);
        if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK)
            fail(what);
    }
    [[noreturn]] void fail(const char *what) const
    {
        throw EDatabaseError(QStringLiteral("%1: %2").arg(QString::fromUtf8(what), QString::fromUtf8(PQerrorMessage(m_conn))));
    }

    PGconn *m_conn;
    std::map<std::string, std::string> m_names;
};

// ---------------------------------------------------------------- data

struct Dataset {
    QString schema;
    QString uri;  // the server URI with the schema as search path
    int goods = 0;
    int invoices = 0;
    // The raw side's connection, kept for the run as the engine keeps its
    // own: a new server session would first have to warm up (catalog
    // caches, plans, its first touch of the shared buffers).
    std::shared_ptr<RawPg> raw;
};

std::map<int, Dataset> &madeDatasets()
{
    static std::map<int, Dataset> made;
    return made;
}

QByteArray number(double v)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    return QByteArray(text, end - text);
}

// One COPY row of tab-separated texts; the generated texts hold no tab,
// line feed or backslash.
void addCopyRow(QByteArray &rows, std::initializer_list<QByteArray> columns)
{
    bool first = true;
    for (const QByteArray &c : columns) {
        if (!first)
            rows += '\t';
        rows += c;
        first = false;
    }
    rows += '\n';
}

bool keepDatasets() { return qEnvironmentVariable("NOTA_BENCH_PG_KEEP") == QLatin1String("1"); }

// What a schema filled to the end says of itself.
const char *kFilledMark = "filled by bench_data_pg";

bool isFilled(RawPg &raw, const QString &schema)
{
    const QByteArray name = schema.toUtf8();
    const char *values[] = {name.constData()};
    const Result r(PQexecParams(raw.conn(), "SELECT obj_description(to_regnamespace($1), 'pg_namespace')", 1, nullptr,
                                values, nullptr, nullptr, 0),
                   PQclear);
    return PQresultStatus(r.get()) == PGRES_TUPLES_OK && PQntuples(r.get()) == 1
        && qstrcmp(PQgetvalue(r.get(), 0, 0), kFilledMark) == 0;
}

// Drops the indexes of the goods and the lines other than their primary
// keys; gives the statements that make them again.
QStringList dropIndexes(RawPg &raw)
{
    QStringList made;
    QStringList dropped;
    const Result r(PQexec(raw.conn(), "SELECT pg_get_indexdef(i.indexrelid), quote_ident(c.relname) FROM pg_index i "
                                      "JOIN pg_class c ON c.oid = i.indexrelid WHERE NOT i.indisprimary AND "
                                      "i.indrelid IN (to_regclass('\"Barang\"'), to_regclass('\"Nota\"'))"),
                   PQclear);
    if (PQresultStatus(r.get()) != PGRES_TUPLES_OK)
        throw EDatabaseError(QStringLiteral("Cannot list the indexes: ") + QString::fromUtf8(PQerrorMessage(raw.conn())));
    for (int i = 0; i < PQntuples(r.get()); ++i) {
        made << QString::fromUtf8(PQgetvalue(r.get(), i, 0));
        dropped << QString::fromUtf8(PQgetvalue(r.get(), i, 1));
    }
    if (!dropped.isEmpty())
        raw.exec(QStringLiteral("DROP INDEX %1").arg(dropped.join(QStringLiteral(", "))).toUtf8().constData());
    return made;
}

// Fills a schema once per size: the engine's own tables and indexes
// (provision::createTables), then the rows by COPY in one transaction, in
// the same order and with the same values as bench_data's SQLite file.
Dataset &dataset(int goods)
{
    auto it = madeDatasets().find(goods);
    if (it != madeDatasets().end())
        return it->second;
    QElapsedTimer timer;
    timer.start();
    Dataset d;
    d.schema = QStringLiteral("nota_bench_%1").arg(goods);
    d.uri = withSearchPath(serverUri(), d.schema);
    d.goods = goods;
    d.invoices = goods;  // ten lines each: 10x the goods
    {
        RawPg admin(serverUri());
        if (keepDatasets() && isFilled(admin, d.schema)) {
            std::fprintf(stderr, "using %s as a run before filled it\n", qPrintable(d.schema));
            return madeDatasets().emplace(goods, d).first->second;
        }
        admin.exec("SET client_min_messages = warning");
        admin.exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE; CREATE SCHEMA %1").arg(d.schema).toUtf8().constData());
    }
    static const QString adminHash = password::hash(QStringLiteral("admin"));
    provision::createTables(*connection::ofFile(d.uri), QStringLiteral("admin"), adminHash);

    RawPg raw(d.uri);
    raw.exec("SET maintenance_work_mem = '256MB'");
    raw.exec("BEGIN");
    // The rows go in without the secondary indexes, which are made again
    // afterwards as provisioning wrote them: twice as fast as keeping the
    // trigram and line indexes up to date row by row.
    const QStringList indexes = dropIndexes(raw);
    std::mt19937 random(42);
    std::vector<int> order(size_t(goods), 0);
    for (int i = 0; i < goods; ++i)
        order[size_t(i)] = i;
    std::shuffle(order.begin(), order.end(), random);  // stored out of key order
    QByteArray rows;
    for (int n : order)
        addCopyRow(rows, {goodsCode(n).toUtf8(), makerCode(n).toUtf8(),
                          QByteArray(kNames[n % 10]) + ' ' + QByteArray::number(n), "SEAL", "TOYOTA",
                          number(1000.0 + n % 500 * 250)});
    raw.copy("COPY \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", \"Group_Barang\", "
             "\"Harga\") FROM STDIN",
             rows);
    // Lines of one invoice are spread over the table, as when several
    // invoices are written in turns.
    rows.clear();
    for (int round = 0; round < kLinesPerInvoice; ++round) {
        for (int inv = 1; inv <= d.invoices; ++inv) {
            const int g = int(random() % unsigned(goods));
            addCopyRow(rows, {invoiceNumber(inv).toUtf8(), goodsCode(g).toUtf8(), makerCode(g).toUtf8(),
                              QByteArray(kNames[g % 10]), "15000", "2", "5", "28500"});
        }
    }
    raw.copy("COPY \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", \"Harga\", \"Banyak\", \"Diskon\", "
             "\"Jumlah\") FROM STDIN",
             rows);
    for (const QString &index : indexes)
        raw.exec(index.toUtf8().constData());
    raw.exec("COMMIT");
    const qint64 filled = timer.elapsed();
    // Statistics and the visibility map as after the server's own
    // maintenance, so that no autovacuum runs under the measurements.
    raw.exec("VACUUM ANALYZE \"Barang\"");
    raw.exec("VACUUM ANALYZE \"Nota\"");
    raw.exec(QStringLiteral("COMMENT ON SCHEMA %1 IS '%2'").arg(d.schema, kFilledMark).toUtf8().constData());
    std::fprintf(stderr, "filled %d goods and %d lines in %.1f s, vacuumed in %.1f s more\n", goods,
                 goods * kLinesPerInvoice, double(filled) / 1000.0, double(timer.elapsed() - filled) / 1000.0);
    return madeDatasets().emplace(goods, d).first->second;
}

Dataset &useDataset(const benchmark::State &state)
{
    Dataset &d = dataset(int(state.range(0)));
    database::setAliasPath(QStringLiteral("KV"), d.uri);
    return d;
}

RawPg &rawFor(Dataset &d)
{
    if (!d.raw)
        d.raw = std::make_shared<RawPg>(d.uri);
    return *d.raw;
}

void dropDatasets()
{
    for (auto &[goods, d] : madeDatasets()) {
        connection::closeFile(d.uri);
        d.raw.reset();
        RawPg admin(serverUri());
        admin.exec("SET client_min_messages = warning");
        admin.exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(d.schema).toUtf8().constData());
    }
    madeDatasets().clear();
}

// ---------------------------------------------------------------- reading

constexpr Oid kFloat8 = 701;

// Reads the row's rowid (column 0, which keyset paging needs) and columns
// 1..to-1 of a binary result row as the texts a window shows: text as it is,
// numbers in the system's plain number form (as the engine does).
void readRow(const PGresult *r, int row, int to)
{
    qint64 rowid = 0;
    std::memcpy(&rowid, PQgetvalue(r, row, 0), sizeof rowid);
    benchmark::DoNotOptimize(qFromBigEndian(rowid));
    for (int c = 1; c < to; ++c) {
        QString value;
        if (!PQgetisnull(r, row, c)) {
            const char *data = PQgetvalue(r, row, c);
            if (PQftype(r, c) == kFloat8) {
                quint64 bits = 0;
                std::memcpy(&bits, data, sizeof bits);
                value = numtext::floatToStr(std::bit_cast<double>(qFromBigEndian(bits)));
            } else {
                value = QString::fromUtf8(data, PQgetlength(r, row, c));
            }
        }
        benchmark::DoNotOptimize(value);
    }
}

qint64 countOf(const PGresult *r)
{
    qint64 n = 0;
    std::memcpy(&n, PQgetvalue(r, 0, 0), sizeof n);
    return qFromBigEndian(n);
}


// The engine's select lists: rowid, the fields, and for a picture only
// whether one is there. The shown texts are columns 1..6 of the goods and
// 1..8 of the lines.
#define GOODS_COLUMNS                                                                                                  \
    "rowid, \"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", \"Group_Barang\", \"Harga\", "               \
    "(\"Gambar\" IS NOT NULL)"
constexpr int kGoodsShown = 7;
#define LINE_COLUMNS                                                                                                   \
    "rowid, \"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", \"Harga\", \"Banyak\", \"Diskon\", \"Jumlah\""
constexpr int kLineShown = 9;

const QByteArray kScreenLimit = QByteArray::number(kScreen);
const QByteArray kOne = QByteArrayLiteral("1");

// ---------------------------------------------------------------- open + first screen

void Engine_OpenGoodsFirstScreen(benchmark::State &state)
{
    useDataset(state);
    engineside::openGoodsFirstScreen(state);
}

void Raw_OpenGoodsFirstScreen(benchmark::State &state)
{
    RawPg &raw = rawFor(useDataset(state));
    const char *screen = raw.prepare("SELECT " GOODS_COLUMNS " FROM \"Barang\" ORDER BY \"Kode_Kervano\" NULLS FIRST, "
                                     "rowid LIMIT $1");
    for (auto _ : state) {
        const Result r = raw.run(screen, {&kScreenLimit});
        for (int i = 0; i < PQntuples(r.get()); ++i)
            readRow(r.get(), i, kGoodsShown);
    }
}

// ---------------------------------------------------------------- find key

void engineFindKey(benchmark::State &state, const QString &index, QString (*key)(int))
{
    engineside::findKey(state, useDataset(state).goods, index, key);
}

void rawFindKey(benchmark::State &state, const char *sql, QString (*key)(int))
{
    Dataset &d = useDataset(state);
    RawPg &raw = rawFor(d);
    const char *seek = raw.prepare(sql);
    std::mt19937 random(7);
    int found = 0;
    for (auto _ : state) {
        const int i = int(random() % unsigned(d.goods));
        const QByteArray value = key(i).toUtf8();
        const Result r = raw.run(seek, {&value, &kOne});
        if (PQntuples(r.get()) > 0) {
            ++found;
            readRow(r.get(), 0, kGoodsShown);
        }
    }
    state.counters["found"] = double(found) / double(state.iterations());
}

void Engine_FindKeyKodeKervano(benchmark::State &state) { engineFindKey(state, QStringLiteral("Kode_Kervano"), goodsCode); }

void Raw_FindKeyKodeKervano(benchmark::State &state)
{
    rawFindKey(state,
               "SELECT " GOODS_COLUMNS " FROM \"Barang\" WHERE \"Kode_Kervano\" = $1 "
               "ORDER BY \"Kode_Kervano\" NULLS FIRST, rowid LIMIT $2",
               goodsCode);
}

void Engine_FindKeyKodeBarang(benchmark::State &state) { engineFindKey(state, QStringLiteral("Kode_Barang"), makerCode); }

void Raw_FindKeyKodeBarang(benchmark::State &state)
{
    rawFindKey(state,
               "SELECT " GOODS_COLUMNS " FROM \"Barang\" WHERE \"Kode_Barang\" = $1 "
               "ORDER BY \"Kode_Barang\" NULLS FIRST, \"Kode_Kervano\" LIMIT $2",
               makerCode);
}

// ---------------------------------------------------------------- filter lines to one invoice

void Engine_FilterLinesOfInvoice(benchmark::State &state)
{
    engineside::filterLinesOfInvoice(state, useDataset(state).invoices);
}

void Raw_FilterLinesOfInvoice(benchmark::State &state)
{
    Dataset &d = useDataset(state);
    RawPg &raw = rawFor(d);
    const char *count = raw.prepare("SELECT COUNT(*) FROM \"Nota\" WHERE \"ID_Nota\" = $1");
    const char *read = raw.prepare("SELECT " LINE_COLUMNS " FROM \"Nota\" WHERE \"ID_Nota\" = $1 ORDER BY rowid");
    std::mt19937 random(11);
    for (auto _ : state) {
        const QByteArray number = invoiceNumber(1 + int(random() % unsigned(d.invoices))).toUtf8();
        benchmark::DoNotOptimize(countOf(raw.run(count, {&number}).get()));
        const Result r = raw.run(read, {&number});
        for (int i = 0; i < PQntuples(r.get()); ++i)
            readRow(r.get(), i, kLineShown);
    }
}

// ---------------------------------------------------------------- Like query over the goods


void Engine_LikeQueryGoods(benchmark::State &state)
{
    useDataset(state);
    engineside::likeQueryGoods(state);
}

// The condition PgDialect::likeCondition writes: both sides folded with
// lower() under collation "C", which the trigram index on the folded name
// serves.
#define LIKE_NAME                                                                                                      \
    "lower(CAST(\"Nama_Barang\" AS text) COLLATE \"C\") LIKE lower(CAST($1 AS text) COLLATE \"C\") ESCAPE ''"

void Raw_LikeQueryGoods(benchmark::State &state)
{
    RawPg &raw = rawFor(useDataset(state));
    const char *count = raw.prepare("SELECT COUNT(*) FROM \"Barang\" WHERE " LIKE_NAME);
    const char *screen = raw.prepare("SELECT " GOODS_COLUMNS " FROM \"Barang\" WHERE " LIKE_NAME
                                     " ORDER BY \"Kode_Kervano\" NULLS FIRST, rowid LIMIT $2");
    const QByteArray pattern(kPattern);
    for (auto _ : state) {
        benchmark::DoNotOptimize(countOf(raw.run(count, {&pattern}).get()));
        const Result r = raw.run(screen, {&pattern, &kScreenLimit});
        for (int i = 0; i < PQntuples(r.get()); ++i)
            readRow(r.get(), i, kGoodsShown);
    }
}

// The same reads as unnamed statements, planned for the pattern at hand each
// time: what a prepared statement costs once the server has settled on its
// generic plan for it, which cannot know how few names the pattern matches.
void Raw_LikeQueryGoodsPlannedEachTime(benchmark::State &state)
{
    RawPg &raw = rawFor(useDataset(state));
    const char *count = "SELECT COUNT(*) FROM \"Barang\" WHERE " LIKE_NAME;
    const char *screen = "SELECT " GOODS_COLUMNS " FROM \"Barang\" WHERE " LIKE_NAME
                         " ORDER BY \"Kode_Kervano\" NULLS FIRST, rowid LIMIT $2";
    const QByteArray pattern(kPattern);
    for (auto _ : state) {
        benchmark::DoNotOptimize(countOf(raw.runOnce(count, {&pattern}).get()));
        const Result r = raw.runOnce(screen, {&pattern, &kScreenLimit});
        for (int i = 0; i < PQntuples(r.get()); ++i)
            readRow(r.get(), i, kGoodsShown);
    }
}

// ---------------------------------------------------------------- append and post one line

void Engine_AppendPostLine(benchmark::State &state)
{
    engineside::appendPostLine(state, useDataset(state).invoices);
}

void Raw_AppendPostLine(benchmark::State &state)
{
    Dataset &d = useDataset(state);
    RawPg &raw = rawFor(d);
    const char *add = raw.prepare("INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", \"Harga\", "
                                  "\"Banyak\", \"Diskon\", \"Jumlah\") VALUES ($1, $2, $3, $4, $5, $6, $7, $8) "
                                  "RETURNING rowid");
    const QByteArray values[] = {invoiceNumber(d.invoices + 2).toUtf8(), "KV-000001", "M0037-1", "KARET STABIL",
                                 "15000", "2", "5", "28500"};
    for (auto _ : state) {
        raw.exec("BEGIN");
        const QByteArray *v = values;
        const Result r = raw.run(add, {v, v + 1, v + 2, v + 3, v + 4, v + 5, v + 6, v + 7});
        benchmark::DoNotOptimize(countOf(r.get()));  // the new rowid
        raw.exec("COMMIT");
    }
}
} // namespace

namespace {
void registerAll()
{
    std::vector<int> sizes{10000};
    if (qEnvironmentVariable("NOTA_BENCH_PG_SMALL") != QLatin1String("1"))
        sizes.push_back(100000);
    const auto add = [&sizes](const char *name, void (*fn)(benchmark::State &)) {
        benchmark::internal::Benchmark *b = benchmark::RegisterBenchmark(name, fn);
        for (int size : sizes)
            b->Arg(size);
        b->Unit(benchmark::kMicrosecond)->UseRealTime();
    };
    add("Engine_OpenGoodsFirstScreen", Engine_OpenGoodsFirstScreen);
    add("Raw_OpenGoodsFirstScreen", Raw_OpenGoodsFirstScreen);
    add("Engine_FindKeyKodeKervano", Engine_FindKeyKodeKervano);
    add("Raw_FindKeyKodeKervano", Raw_FindKeyKodeKervano);
    add("Engine_FindKeyKodeBarang", Engine_FindKeyKodeBarang);
    add("Raw_FindKeyKodeBarang", Raw_FindKeyKodeBarang);
    add("Engine_FilterLinesOfInvoice", Engine_FilterLinesOfInvoice);
    add("Raw_FilterLinesOfInvoice", Raw_FilterLinesOfInvoice);
    add("Engine_LikeQueryGoods", Engine_LikeQueryGoods);
    add("Raw_LikeQueryGoods", Raw_LikeQueryGoods);
    add("Raw_LikeQueryGoodsPlannedEachTime", Raw_LikeQueryGoodsPlannedEachTime);
    add("Engine_AppendPostLine", Engine_AppendPostLine);
    add("Raw_AppendPostLine", Raw_AppendPostLine);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (serverUri().isEmpty()) {
        std::fprintf(stderr, "bench_data_pg: set NOTA_BENCH_PG to the URI of a PostgreSQL database to fill and "
                             "measure, e.g. the one `bash tools/pg-cluster.sh start /tmp/pg-bench` prints\n");
        return 2;
    }
    registerAll();
    int status = 0;
    try {
        benchmark::RunSpecifiedBenchmarks();
        if (!keepDatasets())
            dropDatasets();
    } catch (const EError &e) {
        std::fprintf(stderr, "bench_data_pg: %s\n", e.what());
        status = 1;
    }
    benchmark::Shutdown();
    return status;
}
