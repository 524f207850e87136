// The data engine against SQLite's C API doing the same work, on 10,000 and
// 100,000 goods (100,000 and 1,000,000 invoice lines). Read the ratio of each
// Engine/... figure to its Raw/... twin, and compare the two sizes: nothing
// should grow with the table where SQLite's own work does not.
#include "EngineSide.h"
#include "core/Errors.h"
#include "core/NumberText.h"
#include "data/Connection.h"
#include "data/Database.h"
#include "data/Provision.h"
#include "data/Query.h"
#include "data/Table.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <random>

namespace {
using namespace engineside;



void check(int rc, sqlite3 *db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
}

void bindText(sqlite3_stmt *s, int i, const QString &text)
{
    const QByteArray b = text.toUtf8();
    sqlite3_bind_text(s, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}

// Generates a database once per size, with the C API in one transaction.
struct Dataset {
    QString path;
    int goods = 0;
    int invoices = 0;
};

const Dataset &dataset(int goods)
{
    static QTemporaryDir folder;
    static std::map<int, Dataset> made;
    auto it = made.find(goods);
    if (it != made.end())
        return it->second;
    Dataset d;
    d.path = folder.filePath(QStringLiteral("bench%1.sqlite").arg(goods));
    d.goods = goods;
    d.invoices = goods;  // ten lines each: 10x the goods
    provision::createDatabase(d.path, QStringLiteral("admin"), QStringLiteral("admin"));
    connection::closeFile(d.path);
    sqlite3 *db = nullptr;
    check(sqlite3_open(QFile::encodeName(d.path).constData(), &db), db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    sqlite3_stmt *addGoods = nullptr, *addLine = nullptr;
    check(sqlite3_prepare_v2(db,
                             "INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", "
                             "\"Group_Barang\", \"Harga\") VALUES (?, ?, ?, ?, ?, ?)",
                             -1, &addGoods, nullptr),
          db);
    std::mt19937 random(42);
    std::vector<int> order(size_t(goods), 0);
    for (int i = 0; i < goods; ++i)
        order[size_t(i)] = i;
    std::shuffle(order.begin(), order.end(), random);  // stored out of key order
    for (int n : order) {
        bindText(addGoods, 1, goodsCode(n));
        bindText(addGoods, 2, makerCode(n));
        bindText(addGoods, 3, QString::fromLatin1(kNames[n % 10]) + QLatin1Char(' ') + QString::number(n));
        bindText(addGoods, 4, QStringLiteral("SEAL"));
        bindText(addGoods, 5, QStringLiteral("TOYOTA"));
        sqlite3_bind_double(addGoods, 6, 1000.0 + n % 500 * 250);
        check(sqlite3_step(addGoods), db);
        sqlite3_reset(addGoods);
    }
    check(sqlite3_prepare_v2(db,
                             "INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", \"Harga\", "
                             "\"Banyak\", \"Diskon\", \"Jumlah\") VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                             -1, &addLine, nullptr),
          db);
    // Lines of one invoice are spread over the table, as when several
    // invoices are written in turns.
    for (int round = 0; round < kLinesPerInvoice; ++round) {
        for (int inv = 1; inv <= d.invoices; ++inv) {
            const int g = int(random() % unsigned(goods));
            bindText(addLine, 1, invoiceNumber(inv));
            bindText(addLine, 2, goodsCode(g));
            bindText(addLine, 3, makerCode(g));
            bindText(addLine, 4, QString::fromLatin1(kNames[g % 10]));
            sqlite3_bind_double(addLine, 5, 15000);
            sqlite3_bind_double(addLine, 6, 2);
            sqlite3_bind_double(addLine, 7, 5);
            sqlite3_bind_double(addLine, 8, 28500);
            check(sqlite3_step(addLine), db);
            sqlite3_reset(addLine);
        }
    }
    sqlite3_finalize(addGoods);
    sqlite3_finalize(addLine);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    check(sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
    return made.emplace(goods, d).first->second;
}

const Dataset &useDataset(const benchmark::State &state)
{
    const Dataset &d = dataset(int(state.range(0)));
    database::setAliasPath(QStringLiteral("KV"), d.path);
    return d;
}

// A raw connection set up as the engine's (WAL, full sync, page cache, busy timeout).
class Raw {
public:
    explicit Raw(const QString &path)
    {
        check(sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr), m_db);
        check(sqlite3_exec(m_db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr), m_db);
        check(sqlite3_exec(m_db, "PRAGMA cache_size=-32768", nullptr, nullptr, nullptr), m_db);  // the engine's page cache
        sqlite3_busy_timeout(m_db, 5000);
    }
    ~Raw()
    {
        for (auto &s : m_statements)
            sqlite3_finalize(s.second);
        sqlite3_close(m_db);
    }
    sqlite3 *db() const { return m_db; }
    // Prepared once and reused, as a careful C program would.
    sqlite3_stmt *statement(const char *sql)
    {
        auto it = m_statements.find(sql);
        if (it != m_statements.end()) {
            sqlite3_reset(it->second);
            return it->second;
        }
        sqlite3_stmt *s = nullptr;
        check(sqlite3_prepare_v2(m_db, sql, -1, &s, nullptr), m_db);
        m_statements.emplace(sql, s);
        return s;
    }

private:
    sqlite3 *m_db = nullptr;
    std::map<std::string, sqlite3_stmt *> m_statements;
};

// Reads the columns of the current row as the texts a window shows: text as
// it is, numbers in the system's plain number form (as the engine does).
void readRow(sqlite3_stmt *s, int columns)
{
    for (int c = 0; c < columns; ++c) {
        QString value;
        if (sqlite3_column_type(s, c) == SQLITE_FLOAT) {
            value = numtext::floatToStr(sqlite3_column_double(s, c));
        } else if (const auto *text = sqlite3_column_text(s, c)) {
            value = QString::fromUtf8(reinterpret_cast<const char *>(text), sqlite3_column_bytes(s, c));
        }
        benchmark::DoNotOptimize(value);
    }
}


// ---------------------------------------------------------------- open + first screen

void Engine_OpenGoodsFirstScreen(benchmark::State &state)
{
    useDataset(state);
    engineside::openGoodsFirstScreen(state);
}

void Raw_OpenGoodsFirstScreen(benchmark::State &state)
{
    Raw raw(useDataset(state).path);
    for (auto _ : state) {
        sqlite3_stmt *s = raw.statement("SELECT \"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", "
                                        "\"Group_Barang\", \"Harga\" FROM \"Barang\" ORDER BY \"Kode_Kervano\" LIMIT 30");
        while (sqlite3_step(s) == SQLITE_ROW)
            readRow(s, 6);
        sqlite3_reset(s);
    }
}

// ---------------------------------------------------------------- find key

void engineFindKey(benchmark::State &state, const QString &index, QString (*key)(int))
{
    engineside::findKey(state, useDataset(state).goods, index, key);
}

void rawFindKey(benchmark::State &state, const char *sql, QString (*key)(int))
{
    const Dataset &d = useDataset(state);
    Raw raw(d.path);
    std::mt19937 random(7);
    int found = 0;
    for (auto _ : state) {
        const int i = int(random() % unsigned(d.goods));
        sqlite3_stmt *s = raw.statement(sql);
        bindText(s, 1, key(i));
        if (sqlite3_step(s) == SQLITE_ROW) {
            ++found;
            readRow(s, 6);
        }
        sqlite3_reset(s);
    }
    state.counters["found"] = double(found) / double(state.iterations());
}

void Engine_FindKeyKodeKervano(benchmark::State &state) { engineFindKey(state, QStringLiteral("Kode_Kervano"), goodsCode); }

void Raw_FindKeyKodeKervano(benchmark::State &state)
{
    rawFindKey(state,
               "SELECT \"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", \"Group_Barang\", \"Harga\" "
               "FROM \"Barang\" WHERE \"Kode_Kervano\" = ? LIMIT 1",
               goodsCode);
}

void Engine_FindKeyKodeBarang(benchmark::State &state) { engineFindKey(state, QStringLiteral("Kode_Barang"), makerCode); }

void Raw_FindKeyKodeBarang(benchmark::State &state)
{
    rawFindKey(state,
               "SELECT \"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", \"Group_Barang\", \"Harga\" "
               "FROM \"Barang\" WHERE \"Kode_Barang\" = ? ORDER BY \"Kode_Barang\", \"Kode_Kervano\" LIMIT 1",
               makerCode);
}

// ---------------------------------------------------------------- filter lines to one invoice

void Engine_FilterLinesOfInvoice(benchmark::State &state)
{
    engineside::filterLinesOfInvoice(state, useDataset(state).invoices);
}

void Raw_FilterLinesOfInvoice(benchmark::State &state)
{
    const Dataset &d = useDataset(state);
    Raw raw(d.path);
    std::mt19937 random(11);
    for (auto _ : state) {
        const QString number = invoiceNumber(1 + int(random() % unsigned(d.invoices)));
        sqlite3_stmt *count = raw.statement("SELECT COUNT(*) FROM \"Nota\" WHERE \"ID_Nota\" = ?");
        bindText(count, 1, number);
        sqlite3_step(count);
        benchmark::DoNotOptimize(sqlite3_column_int(count, 0));
        sqlite3_reset(count);
        sqlite3_stmt *s = raw.statement("SELECT \"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", \"Harga\", "
                                        "\"Banyak\", \"Diskon\", \"Jumlah\" FROM \"Nota\" WHERE \"ID_Nota\" = ? ORDER BY rowid");
        bindText(s, 1, number);
        while (sqlite3_step(s) == SQLITE_ROW)
            readRow(s, 8);
        sqlite3_reset(s);
    }
}

// ---------------------------------------------------------------- Like query over the goods


void Engine_LikeQueryGoods(benchmark::State &state)
{
    useDataset(state);
    engineside::likeQueryGoods(state);
}

void Raw_LikeQueryGoods(benchmark::State &state)
{
    Raw raw(useDataset(state).path);
    for (auto _ : state) {
        sqlite3_stmt *count = raw.statement("SELECT COUNT(*) FROM \"Barang\" WHERE \"Nama_Barang\" LIKE ?");
        sqlite3_bind_text(count, 1, kPattern, -1, SQLITE_STATIC);
        sqlite3_step(count);
        benchmark::DoNotOptimize(sqlite3_column_int(count, 0));
        sqlite3_reset(count);
        sqlite3_stmt *s = raw.statement("SELECT \"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", "
                                        "\"Group_Barang\", \"Harga\", \"Gambar\" IS NOT NULL FROM \"Barang\" "
                                        "WHERE \"Nama_Barang\" LIKE ? ORDER BY \"Kode_Kervano\" LIMIT 30");
        sqlite3_bind_text(s, 1, kPattern, -1, SQLITE_STATIC);
        while (sqlite3_step(s) == SQLITE_ROW)
            readRow(s, 6);
        sqlite3_reset(s);
    }
}

// ---------------------------------------------------------------- append and post one line

void Engine_AppendPostLine(benchmark::State &state)
{
    engineside::appendPostLine(state, useDataset(state).invoices);
}

void Raw_AppendPostLine(benchmark::State &state)
{
    const Dataset &d = useDataset(state);
    Raw raw(d.path);
    const QString number = invoiceNumber(d.invoices + 2);
    for (auto _ : state) {
        check(sqlite3_exec(raw.db(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), raw.db());
        sqlite3_stmt *s = raw.statement("INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", "
                                        "\"Harga\", \"Banyak\", \"Diskon\", \"Jumlah\") VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        bindText(s, 1, number);
        bindText(s, 2, QStringLiteral("KV-000001"));
        bindText(s, 3, QStringLiteral("M0037-1"));
        bindText(s, 4, QStringLiteral("KARET STABIL"));
        sqlite3_bind_double(s, 5, 15000);
        sqlite3_bind_double(s, 6, 2);
        sqlite3_bind_double(s, 7, 5);
        sqlite3_bind_double(s, 8, 28500);
        check(sqlite3_step(s), raw.db());
        sqlite3_reset(s);
        check(sqlite3_exec(raw.db(), "COMMIT", nullptr, nullptr, nullptr), raw.db());
    }
}
} // namespace

#define NOTA_BENCH(fn) BENCHMARK(fn)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)
NOTA_BENCH(Engine_OpenGoodsFirstScreen);
NOTA_BENCH(Raw_OpenGoodsFirstScreen);
NOTA_BENCH(Engine_FindKeyKodeKervano);
NOTA_BENCH(Raw_FindKeyKodeKervano);
NOTA_BENCH(Engine_FindKeyKodeBarang);
NOTA_BENCH(Raw_FindKeyKodeBarang);
NOTA_BENCH(Engine_FilterLinesOfInvoice);
NOTA_BENCH(Raw_FilterLinesOfInvoice);
NOTA_BENCH(Engine_LikeQueryGoods);
NOTA_BENCH(Raw_LikeQueryGoods);
NOTA_BENCH(Engine_AppendPostLine);
NOTA_BENCH(Raw_AppendPostLine);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);  // the SQL driver plugin needs it
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
