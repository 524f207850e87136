// The two search windows against SQLite's C API doing the same work, on
// 10,000 and 100,000 goods and customers. A window's search is what pressing
// its search button does: the statement written, the result query opened
// and counted, the detail narrowed to the first row, and here the first
// screen of the grid read as it shows it. The C API twin counts the LIKE,
// reads the same first 30 rows and the detail record. Read the ratio of each
// Window/... figure to its Raw/... twin.
#include "controls/Application.h"
#include "controls/DBGrid.h"
#include "controls/DBGridModel.h"
#include "controls/Startup.h"
#include "core/Errors.h"
#include "core/NumberText.h"
#include "data/Connection.h"
#include "data/Database.h"
#include "data/Provision.h"
#include "search/CBarang.h"
#include "search/Cpelanggan.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <map>
#include <random>

namespace {
constexpr int kScreen = 30;

const char *kGoodsNames[] = {"KARET STABIL", "SEAL AS RODA", "BOOT KOPLING", "BUSHING ARM", "KARET SUPPORT MESIN",
                             "O-RING POMPA", "SEAL KRUK AS", "KARET PINTU", "KARET WIPER", "DOP KARET"};
const char *kShops[] = {"Bengkel", "Toko", "CV", "UD", "PT"};
const char *kNames[] = {"Andi", "Budi", "Citra", "Dewi", "Eko", "Fajar", "Gita", "Hendra", "Indah", "Joko", "Kurnia"};
const char *kTowns[] = {"Bandung", "Jakarta", "Bogor", "Cimahi", "Garut", "Sumedang", "Tasikmalaya"};

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

QByteArray smallBitmap()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(0x40, 0x40, 0x40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// One database per size with that many goods (every tenth with a picture)
// and customers, stored out of key order with the C API in one transaction.
QString dataset(int rows)
{
    static QTemporaryDir folder;
    static std::map<int, QString> made;
    if (auto it = made.find(rows); it != made.end())
        return it->second;
    const QString path = folder.filePath(QStringLiteral("search%1.sqlite").arg(rows));
    provision::createDatabase(path, QStringLiteral("admin"), QStringLiteral("admin"));
    connection::closeFile(path);
    sqlite3 *db = nullptr;
    check(sqlite3_open(QFile::encodeName(path).constData(), &db), db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    sqlite3_stmt *goods = nullptr, *customer = nullptr;
    check(sqlite3_prepare_v2(db,
                             "INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", "
                             "\"Group_Barang\", \"Harga\", \"Gambar\") VALUES (?, ?, ?, ?, ?, ?, ?)",
                             -1, &goods, nullptr),
          db);
    check(sqlite3_prepare_v2(db,
                             "INSERT INTO \"Pelanggan\" (\"ID_Pelanggan\", \"Nama\", \"Alamat\", \"Kota\", \"KodePos\", "
                             "\"No_Telp1\", \"Email\") VALUES (?, ?, ?, ?, ?, ?, ?)",
                             -1, &customer, nullptr),
          db);
    const QByteArray picture = smallBitmap();
    std::mt19937 random(7);
    std::vector<int> order(size_t(rows), 0);
    for (int i = 0; i < rows; ++i)
        order[size_t(i)] = i;
    std::shuffle(order.begin(), order.end(), random);
    for (int n : order) {
        bindText(goods, 1, QStringLiteral("KV-%1").arg(n, 6, 10, QLatin1Char('0')));
        bindText(goods, 2, QStringLiteral("M%1-%2").arg((n * 37) % 9973, 4, 10, QLatin1Char('0')).arg(n % 7));
        bindText(goods, 3, QString::fromLatin1(kGoodsNames[n % 10]) + QLatin1Char(' ') + QString::number(n));
        bindText(goods, 4, QStringLiteral("SEAL"));
        bindText(goods, 5, QStringLiteral("TOYOTA"));
        sqlite3_bind_double(goods, 6, 1000.0 + n % 500 * 250);
        if (n % 10 == 0)
            sqlite3_bind_blob(goods, 7, picture.constData(), int(picture.size()), SQLITE_STATIC);
        else
            sqlite3_bind_null(goods, 7);
        check(sqlite3_step(goods), db);
        sqlite3_reset(goods);

        sqlite3_bind_int(customer, 1, n + 1);
        bindText(customer, 2, QStringLiteral("%1 %2 %3").arg(QString::fromLatin1(kShops[n % 5]),
                                                             QString::fromLatin1(kNames[n % 11])).arg(n));
        bindText(customer, 3, QStringLiteral("Jl. Merdeka %1\n%2").arg(n % 300).arg(QString::fromLatin1(kTowns[n % 7])));
        bindText(customer, 4, QString::fromLatin1(kTowns[n % 7]));
        bindText(customer, 5, QString::number(40000 + n % 999));
        bindText(customer, 6, QStringLiteral("022-%1").arg(n));
        bindText(customer, 7, QStringLiteral("pelanggan%1@contoh.id").arg(n));
        check(sqlite3_step(customer), db);
        sqlite3_reset(customer);
    }
    sqlite3_finalize(goods);
    sqlite3_finalize(customer);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    check(sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
    return made.emplace(rows, path).first->second;
}

QString useDataset(const benchmark::State &state)
{
    const QString path = dataset(int(state.range(0)));
    database::setAliasPath(QStringLiteral("KV"), path);
    return path;
}

// ---------------------------------------------------------------- through the window

// The first screen of the result grid, cell by cell, as it paints it.
void readScreen(DBGrid &grid)
{
    DBGridModel &rows = *grid.gridModel();
    rows.fetchTo(kScreen - 1);
    for (int r = 0; r < qMin(kScreen, rows.rowCount()); ++r)
        for (int c = 0; c < rows.columnCount(); ++c) {
            const QString text = grid.cellText(r, c);
            benchmark::DoNotOptimize(text);
        }
}

template <typename Window>
void searchThroughWindow(benchmark::State &state, const QString &typed)
{
    useDataset(state);
    Window window;
    window.Show();  // the first showing lists every record
    window.Edit1->setText(typed);
    for (auto _ : state) {
        window.BitBtn1->click();
        readScreen(*window.DBGrid1);
    }
    state.counters["found"] = window.Label5->text().toDouble();
    window.Close();
}

void Window_GoodsByName(benchmark::State &state) { searchThroughWindow<TFCBarang>(state, QStringLiteral("SEAL AS RODA 12")); }
// A word in a fifth of the names and in every Part: the index's candidates
// would be many, so the scan serves; it must not be slower than the twin.
void Window_GoodsByCommonWord(benchmark::State &state) { searchThroughWindow<TFCBarang>(state, QStringLiteral("SEAL")); }
void Window_GoodsAll(benchmark::State &state) { searchThroughWindow<TFCBarang>(state, QString()); }
void Window_CustomersByName(benchmark::State &state) { searchThroughWindow<TFCPelanggan>(state, QStringLiteral("andi 12")); }
void Window_CustomersAll(benchmark::State &state) { searchThroughWindow<TFCPelanggan>(state, QString()); }

// ---------------------------------------------------------------- the C API

class Raw {
public:
    explicit Raw(const QString &path)
    {
        check(sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr), m_db);
        check(sqlite3_exec(m_db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr), m_db);
        sqlite3_busy_timeout(m_db, 5000);
    }
    ~Raw()
    {
        for (auto &s : m_statements)
            sqlite3_finalize(s.second);
        sqlite3_close(m_db);
    }
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

// The columns of the current row as the texts a window shows: text as it
// is, numbers in the plain number form, a marker for a picture or memo.
void readRow(sqlite3_stmt *s, int columns)
{
    for (int c = 0; c < columns; ++c) {
        QString value;
        switch (sqlite3_column_type(s, c)) {
        case SQLITE_FLOAT:
            value = numtext::floatToStr(sqlite3_column_double(s, c));
            break;
        case SQLITE_INTEGER:
            value = QString::number(sqlite3_column_int64(s, c));
            break;
        case SQLITE_NULL:
            break;
        default:
            value = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, c)), sqlite3_column_bytes(s, c));
        }
        benchmark::DoNotOptimize(value);
    }
}

struct RawSearch {
    const char *count;   // COUNT(*) ... LIKE ?
    const char *screen;  // the first screen, LIKE ?, in order, LIMIT 30
    const char *detail;  // the detail record by its key, first in order
    int columns;
    int keyColumn;       // of the screen statement
};

const RawSearch kGoods{
    "SELECT COUNT(*) FROM \"Barang\" WHERE \"Nama_Barang\" LIKE ?",
    "SELECT \"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", \"Group_Barang\", \"Harga\", "
    "CASE WHEN \"Gambar\" IS NULL THEN '(Graphic)' ELSE '(GRAPHIC)' END FROM \"Barang\" "
    "WHERE \"Nama_Barang\" LIKE ? ORDER BY \"Kode_Kervano\" LIMIT 30",
    "SELECT \"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", \"Group_Barang\", \"Harga\", \"Gambar\" "
    "FROM \"Barang\" WHERE \"Kode_Barang\" = ? ORDER BY \"Kode_Kervano\" LIMIT 1",
    7, 1};

const RawSearch kCustomers{
    "SELECT COUNT(*) FROM \"Pelanggan\" WHERE \"Nama\" LIKE ?",
    "SELECT \"ID_Pelanggan\", \"Nama\", CASE WHEN \"Alamat\" IS NULL THEN '(Memo)' ELSE '(MEMO)' END, \"Kota\", "
    "\"KodePos\", \"No_Telp1\", \"No_Telp2\", \"FAX\", \"Email\" FROM \"Pelanggan\" "
    "WHERE \"Nama\" LIKE ? ORDER BY \"ID_Pelanggan\" LIMIT 30",
    "SELECT \"ID_Pelanggan\", \"Nama\", \"Alamat\", \"Kota\", \"KodePos\", \"No_Telp1\", \"No_Telp2\", \"FAX\", "
    "\"Email\" FROM \"Pelanggan\" WHERE \"Nama\" = ? ORDER BY \"ID_Pelanggan\" LIMIT 1",
    9, 1};

void searchThroughCApi(benchmark::State &state, const RawSearch &search, const QString &typed)
{
    Raw raw(useDataset(state));
    const QByteArray pattern = (QLatin1Char('%') + typed + QLatin1Char('%')).toUtf8();
    for (auto _ : state) {
        sqlite3_stmt *count = raw.statement(search.count);
        sqlite3_bind_text(count, 1, pattern.constData(), int(pattern.size()), SQLITE_STATIC);
        sqlite3_step(count);
        benchmark::DoNotOptimize(sqlite3_column_int(count, 0));
        sqlite3_reset(count);
        sqlite3_stmt *screen = raw.statement(search.screen);
        sqlite3_bind_text(screen, 1, pattern.constData(), int(pattern.size()), SQLITE_STATIC);
        QByteArray key;
        bool first = true;
        while (sqlite3_step(screen) == SQLITE_ROW) {
            if (first)
                key = QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(screen, search.keyColumn)),
                                 sqlite3_column_bytes(screen, search.keyColumn));
            first = false;
            readRow(screen, search.columns);
        }
        sqlite3_reset(screen);
        sqlite3_stmt *detail = raw.statement(search.detail);
        sqlite3_bind_text(detail, 1, key.constData(), int(key.size()), SQLITE_STATIC);
        while (sqlite3_step(detail) == SQLITE_ROW)
            readRow(detail, search.columns);
        sqlite3_reset(detail);
    }
}

void Raw_GoodsByName(benchmark::State &state) { searchThroughCApi(state, kGoods, QStringLiteral("SEAL AS RODA 12")); }
void Raw_GoodsByCommonWord(benchmark::State &state) { searchThroughCApi(state, kGoods, QStringLiteral("SEAL")); }
void Raw_GoodsAll(benchmark::State &state) { searchThroughCApi(state, kGoods, QString()); }
void Raw_CustomersByName(benchmark::State &state) { searchThroughCApi(state, kCustomers, QStringLiteral("andi 12")); }
void Raw_CustomersAll(benchmark::State &state) { searchThroughCApi(state, kCustomers, QString()); }
} // namespace

#define NOTA_BENCH(fn) BENCHMARK(fn)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
NOTA_BENCH(Window_GoodsByName);
NOTA_BENCH(Raw_GoodsByName);
NOTA_BENCH(Window_GoodsByCommonWord);
NOTA_BENCH(Raw_GoodsByCommonWord);
NOTA_BENCH(Window_GoodsAll);
NOTA_BENCH(Raw_GoodsAll);
NOTA_BENCH(Window_CustomersByName);
NOTA_BENCH(Raw_CustomersByName);
NOTA_BENCH(Window_CustomersAll);
NOTA_BENCH(Raw_CustomersAll);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    NotaApplication app(argc, argv);  // the windows and the SQL driver plugin need it
    startup::initialise();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
