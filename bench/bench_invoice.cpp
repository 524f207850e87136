// The new-invoice windows over a shop of 100,000 goods and 1,000,000 stored
// invoice lines (100,000 invoices of ten lines), driven through their own
// widgets: the new-invoice window's showing (number proposal, line filter,
// total), one line added from the goods list (lookup by maker's code, then
// "Simpan"), and a 50-line invoice stored with "Simpan Dan Cetak Nota" and
// laid out to its prepared pages. Each timed step ends with the events it
// posted handled, so the windows have drawn what the step changed.
#include "TempDatabase.h"

#include "app/WindowSet.h"
#include "controls/Application.h"
#include "controls/Form.h"
#include "controls/Startup.h"
#include "controls/UserInterface.h"
#include "core/Errors.h"
#include "data/PictureBlob.h"
#include "data/Table.h"
#include "invoice/Nota1.h"
#include "invoice/Nota2.h"
#include "reports/ReportLayout.h"
#include "shop/InvoiceDraft.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace {
constexpr int kGoods = 100000;
constexpr int kInvoices = 100000;
constexpr int kLinesPerInvoice = 10;
constexpr int kStoredInvoiceLines = 50;
const QString kCustomer = QStringLiteral("Bengkel Maju Jaya");

const char *kGoodsNames[] = {"KARET STABIL", "SEAL AS RODA", "BOOT KOPLING", "BUSHING ARM", "KARET SUPPORT MESIN",
                             "O-RING POMPA", "SEAL KRUK AS", "KARET PINTU", "KARET WIPER", "DOP KARET"};
const char *kParts[] = {"KARET", "SEAL", "BOOT", "BUSHING"};
const char *kGroups[] = {"TOYOTA", "HONDA", "DAIHATSU", "SUZUKI", "MITSUBISHI"};

// The person at the desk: every message box answered OK (and counted, since
// none is expected), every window waited on closed at once, no file chosen.
class ClosingInterface : public UserInterface {
public:
    ClosingInterface() : m_previous(installUserInterface(this)) {}
    ~ClosingInterface() override { installUserInterface(m_previous); }

    int messages() const { return m_messages; }
    QString lastMessage() const { return m_lastMessage; }

    MsgAnswer message(const MessageRecord &box) override
    {
        ++m_messages;
        m_lastMessage = box.text;
        return MsgAnswer::Ok;
    }
    void runUntilClosed(TForm &window, QEventLoop &) override
    {
        if (window.isVisible())
            window.Close();
    }
    void wait(int, QObject *context, std::function<void()> then) override
    {
        QTimer::singleShot(0, context, std::move(then));
    }
    void endProgram() override {}

protected:
    QString askForFile(const FileRequest &, QWidget *) override { return QString(); }

private:
    UserInterface *m_previous;
    int m_messages = 0;
    QString m_lastMessage;
};

// ---------------------------------------------------------------- the shop's data

void check(int rc, sqlite3 *db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
}

sqlite3_stmt *prepare(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *s = nullptr;
    check(sqlite3_prepare_v2(db, sql, -1, &s, nullptr), db);
    return s;
}

void bindText(sqlite3_stmt *s, int column, const char *text)
{
    sqlite3_bind_text(s, column, text, -1, SQLITE_TRANSIENT);
}

void step(sqlite3_stmt *s, sqlite3 *db)
{
    check(sqlite3_step(s), db);
    sqlite3_reset(s);
}

QByteArray storedPicture()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(0x40, 0x40, 0x40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return pictureblob::wrap(bytes);
}

// What goods number n is made of; a maker's code no other goods shares.
QString makersCode(int n) { return QStringLiteral("MB-%1").arg(n, 6, 10, QLatin1Char('0')); }
double price(int n) { return 1000.0 + n % 500 * 250; }
bool hasPicture(int n) { return n % 10 == 0; }

// Goods in an order of their own (neither code's), every tenth with a
// picture; invoices numbered 000001 on, each with its ten lines stored after
// it, the way the shop enters them. One transaction over the C API.
void fillShop(const QString &path)
{
    sqlite3 *db = nullptr;
    check(sqlite3_open(QFile::encodeName(path).constData(), &db), db);
    check(sqlite3_exec(db, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr), db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    sqlite3_stmt *goods = prepare(db,
                                  "INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", "
                                  "\"Group_Barang\", \"Harga\", \"Gambar\") VALUES (?, ?, ?, ?, ?, ?, ?)");
    sqlite3_stmt *header = prepare(db,
                                   "INSERT INTO \"NotaUtama\" (\"No_Nota\", \"Tanggal\", \"Kepada\", \"Alamat\", "
                                   "\"Jumlah_Total\") VALUES (?, ?, ?, ?, ?)");
    sqlite3_stmt *line = prepare(db,
                                 "INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", \"Harga\", "
                                 "\"Banyak\", \"Diskon\", \"Jumlah\") VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    const QByteArray picture = storedPicture();
    char text[96];

    std::vector<int> order(kGoods);
    for (int n = 0; n < kGoods; ++n)
        order[size_t(n)] = n;
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    for (int n : order) {
        std::snprintf(text, sizeof text, "KV-%06d", n);
        bindText(goods, 1, text);
        bindText(goods, 2, makersCode(n).toLatin1().constData());
        std::snprintf(text, sizeof text, "%s %d", kGoodsNames[n % 10], n);
        bindText(goods, 3, text);
        bindText(goods, 4, kParts[n % 4]);
        bindText(goods, 5, kGroups[n % 5]);
        sqlite3_bind_double(goods, 6, price(n));
        if (hasPicture(n))
            sqlite3_bind_blob(goods, 7, picture.constData(), int(picture.size()), SQLITE_STATIC);
        else
            sqlite3_bind_null(goods, 7);
        step(goods, db);
    }

    const QDate firstDay(2015, 1, 1);
    for (int i = 1; i <= kInvoices; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%06d", i);
        double total = 0;
        for (int j = 0; j < kLinesPerInvoice; ++j) {
            const int n = int((i * 7919LL + j * 104729LL) % kGoods);
            const int count = 1 + (i + j) % 12;
            const int discount = i % 4 * 5;
            const double amount = price(n) * count * (100 - discount) / 100;
            total += amount;
            bindText(line, 1, number);
            std::snprintf(text, sizeof text, "KV-%06d", n);
            bindText(line, 2, text);
            bindText(line, 3, makersCode(n).toLatin1().constData());
            std::snprintf(text, sizeof text, "%s %d", kGoodsNames[n % 10], n);
            bindText(line, 4, text);
            sqlite3_bind_double(line, 5, price(n));
            sqlite3_bind_double(line, 6, count);
            sqlite3_bind_double(line, 7, discount);
            sqlite3_bind_double(line, 8, amount);
            step(line, db);
        }
        bindText(header, 1, number);
        bindText(header, 2, firstDay.addDays(i / 30).toString(Qt::ISODate).toLatin1().constData());
        std::snprintf(text, sizeof text, "Bengkel %d", i % 700);
        bindText(header, 3, text);
        std::snprintf(text, sizeof text, "Jl. Merdeka %d, Bandung", i % 300);
        bindText(header, 4, text);
        sqlite3_bind_double(header, 5, total);
        step(header, db);
    }
    for (sqlite3_stmt *s : {goods, header, line})
        sqlite3_finalize(s);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    check(sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
}

// The database and the window set, for the whole run.
struct Shop {
    ClosingInterface person;
    TempDatabase db;
    double buildSeconds = 0;
    Shop()
    {
        QElapsedTimer clock;
        clock.start();
        fillShop(db.path());
        buildSeconds = clock.elapsed() / 1000.0;
        std::fprintf(stderr, "%d goods, %d invoices, %d lines stored in %.1f s\n", kGoods, kInvoices,
                     kInvoices * kLinesPerInvoice, buildSeconds);
        windowset::create();
    }
    ~Shop() { windowset::destroy(); }
};

std::unique_ptr<Shop> g_shop;

Shop &shop()
{
    if (!g_shop)
        g_shop = std::make_unique<Shop>();
    return *g_shop;
}

void handleEvents() { QCoreApplication::processEvents(); }

// The new-invoice window freshly shown, as from the main menu: next number
// proposed, its lines filtered.
void showNewInvoice()
{
    if (FNota1->isVisible())
        FNota1->Close();
    FNota1->Show();
    handleEvents();
}

int storedRows(const char *sql, const QString &number = QString())
{
    return shop().db.scalar(QString::fromLatin1(sql), number.isNull() ? QVariantList() : QVariantList{number}).toInt();
}

// The run's error text is copied by the library.
void fail(benchmark::State &state, const QString &why) { state.SkipWithError(why.toStdString().c_str()); }

bool failedWithMessages(benchmark::State &state, int before)
{
    if (shop().person.messages() == before)
        return false;
    fail(state, QStringLiteral("message box: ") + shop().person.lastMessage());
    return true;
}

// ---------------------------------------------------------------- the benchmarks

// FNota1's showing: the last of 100,000 numbers found and the next proposed,
// the 1,000,000 lines filtered to it, the window drawn.
void NewInvoice_Show(benchmark::State &state)
{
    Shop &s = shop();
    const int messages = s.person.messages();
    for (auto _ : state) {
        state.PauseTiming();
        if (FNota1->isVisible())
            FNota1->Close();
        handleEvents();
        state.ResumeTiming();
        FNota1->Show();
        handleEvents();
    }
    if (failedWithMessages(state, messages))
        return;
    const int last = s.db.scalar(QStringLiteral("SELECT MAX(No_Nota) FROM NotaUtama")).toInt();
    if (FNota1->Edit1->text() != QStringLiteral("%1").arg(last + 1, 6, 10, QLatin1Char('0')))
        fail(state, QStringLiteral("unexpected number proposed: ") + FNota1->Edit1->text());
    state.counters["headers"] = storedRows("SELECT COUNT(*) FROM NotaUtama");
    state.counters["build_s"] = s.buildSeconds;
    FNota1->Close();
}

// Where in the maker's-code order (the goods' own numbering) the codes
// looked up lie.
enum class Codes { First, Anywhere, Last };

// Milliseconds of the parts of a timed step, summed over the iterations and
// reported as a mean per iteration.
class PartTimes {
public:
    void start() { m_clock.start(); }
    // Adds the time since start() or the last lap to `part`, and restarts.
    void lap(const char *part)
    {
        m_sums[part] += double(m_clock.nsecsElapsed()) / 1e6;
        m_clock.start();
    }
    void report(benchmark::State &state) const
    {
        for (const auto &[part, sum] : m_sums)
            state.counters[part] = sum / double(state.iterations());
    }

private:
    QElapsedTimer m_clock;
    std::map<std::string, double> m_sums;
};

// One line from the goods list: FNota2 shown (not modally), a maker's code
// typed and looked up among 100,000 goods, quantity and discount entered,
// "Simpan" storing the line under FNota1's number and closing the window.
// Every other lookup finds goods with a picture. The window is drawn after
// its showing and after the lookup, as the person sees it; show_ms,
// lookup_ms and save_ms split the time.
void AddFromList_LookupAndSave(benchmark::State &state, Codes codes)
{
    Shop &s = shop();
    showNewInvoice();
    FNota1->draft->fixNumber();  // as "Add Dari List" does before the window shows
    const QString number = FNota1->Edit1->text();
    const int linesBefore = storedRows("SELECT COUNT(*) FROM Nota WHERE ID_Nota = ?", number);
    const int messages = s.person.messages();
    std::mt19937 random(11);
    std::uniform_int_distribution<int> anyGoods(0, kGoods - 1);
    std::uniform_int_distribution<int> nearEnd(0, 99);
    PartTimes parts;
    int64_t added = 0;
    for (auto _ : state) {
        int n = codes == Codes::Anywhere ? anyGoods(random)
                : codes == Codes::First  ? nearEnd(random)
                                         : kGoods - 1 - nearEnd(random);
        if (added % 2 == 0)
            n -= n % 10;  // one with a picture
        parts.start();
        FNota2->Show();
        handleEvents();
        parts.lap("show_ms");
        FNota2->Edit1->clear();
        FNota2->Edit1->insert(makersCode(n));
        FNota2->SpeedButton1->click();
        handleEvents();  // the found goods and their picture drawn
        parts.lap("lookup_ms");
        FNota2->Edit2->setText(QStringLiteral("3"));
        FNota2->Edit3->setText(QStringLiteral("10"));
        FNota2->BitBtn2->click();
        handleEvents();
        parts.lap("save_ms");
        ++added;
    }
    const int stored = storedRows("SELECT COUNT(*) FROM Nota WHERE ID_Nota = ?", number) - linesBefore;
    const bool closed = !FNota2->isVisible();
    // The lines go again, as closing the window with them unstored offers,
    // so each repetition starts from the same invoice.
    FNota1->draft->discardLines();
    FNota1->Close();
    if (failedWithMessages(state, messages))
        return;
    if (stored != added || !closed)
        state.SkipWithError("a line was not stored or the window stayed open");
    parts.report(state);
}

// A 50-line invoice stored and prepared for printing: the lines stored under
// a new number beforehand (untimed), then "Simpan Dan Cetak Nota" (the header
// appended to 100,000 headers, the preview opened and closed at once) and the
// invoice laid out to its prepared pages. click_ms and layout_ms split the time.
void StoreInvoice_50Lines(benchmark::State &state)
{
    Shop &s = shop();
    const int messages = s.person.messages();
    const int headersBefore = storedRows("SELECT COUNT(*) FROM NotaUtama");
    PartTimes parts;
    int pages = 0, laidOutLines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        showNewInvoice();
        FNota1->Edit2->setText(kCustomer);
        InvoiceDraft &draft = *FNota1->draft;
        draft.fixNumber();
        const int first = draft.number().toInt();
        for (int j = 0; j < kStoredInvoiceLines; ++j) {
            const int n = (first * 31 + j * 977) % kGoods;
            const QString quantity = QString::number(1 + j % 9);
            draft.addLine({QStringLiteral("KV-%1").arg(n, 6, 10, QLatin1Char('0')), makersCode(n),
                           QStringLiteral("%1 %2").arg(QString::fromLatin1(kGoodsNames[n % 10])).arg(n),
                           QString::number(price(n)), quantity, QStringLiteral("5")});
        }
        handleEvents();
        state.ResumeTiming();

        parts.start();
        FNota1->BitBtn2->click();
        handleEvents();
        parts.lap("click_ms");
        const std::shared_ptr<PreparedReport> report = reports::layout(FNota1->FPrintN.report);
        parts.lap("layout_ms");
        pages = report->pageCount();
        laidOutLines = FNota1->Table2->recordCount();
        benchmark::DoNotOptimize(report);
    }
    FNota1->Close();
    if (failedWithMessages(state, messages))
        return;
    if (storedRows("SELECT COUNT(*) FROM NotaUtama") - headersBefore != state.iterations())
        state.SkipWithError("a header was not stored");
    if (laidOutLines != kStoredInvoiceLines)
        state.SkipWithError("the invoice did not hold its 50 lines");
    parts.report(state);
    state.counters["pages"] = pages;
}
} // namespace

BENCHMARK(NewInvoice_Show)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(AddFromList_LookupAndSave, codes_first, Codes::First)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK_CAPTURE(AddFromList_LookupAndSave, codes_anywhere, Codes::Anywhere)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);
BENCHMARK_CAPTURE(AddFromList_LookupAndSave, codes_last, Codes::Last)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(StoreInvoice_50Lines)->Unit(benchmark::kMillisecond)->Iterations(10);

namespace {
// The offscreen platform says for every raise() and size hint that it cannot;
// those lines would bury the table.
QtMessageHandler g_standardHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.startsWith(QStringLiteral("This plugin does not support")))
        g_standardHandler(type, context, text);
}
} // namespace

int main(int argc, char **argv)
{
    g_standardHandler = qInstallMessageHandler(quietOffscreen);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    NotaApplication app(argc, argv);
    startup::initialise();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_shop.reset();
    return 0;
}
