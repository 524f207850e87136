// The sales figures: each grouping over a small shop with known figures (a
// day without sales, a line typed by hand, a returned item, lines of an
// invoice never stored), and figures that add up: the per-day totals equal the
// invoices' stored totals, on the sample shop and on a generated one; the same
// on either engine.
#include "DataSupport.h"
#include "DataTestMain.h"
#include "SalesShop.h"
#include "TempDatabase.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "sampleshop/SampleShop.h"
#include "shop/SalesRecap.h"

#include <QFile>
#include <map>
#include <optional>
#include <random>

using sales::Grouping;
using sales::SalesRecap;
using salesshop::addHeader;
using salesshop::addLine;
using salesshop::storeSmallShop;

namespace {
// Equal as money: to half a sen, whatever order an engine adds in.
bool sameMoney(long double a, long double b) { return std::abs(double(a - b)) < 0.005; }

QStringList rowsOf(const SalesRecap &recap)
{
    QStringList out;
    for (int i = 0; i < recap.rows().size(); ++i)
        out << recap.cells(i).join(QLatin1Char('|'));
    return out;
}

// Per day, the stored totals of the invoices the database holds in the range.
std::map<QDate, long double> storedTotalsPerDay(const TempDatabase &db, const QDate &from, const QDate &to)
{
    std::map<QDate, long double> out;
    connection::ofFile(db.path())->eachRow(
        QStringLiteral("SELECT \"Tanggal\", \"Jumlah_Total\" FROM \"NotaUtama\""), {}, [&](const QVariantList &row) {
            const QDate day = QDate::fromString(row.at(0).toString(), Qt::ISODate);
            if (day >= from && day <= to)
                out[day] += row.at(1).toDouble();
        });
    return out;
}

// Every grouping tells the same story of one range: the same total and, per
// day, each day's stored invoice totals.
void checkFiguresAddUp(const TempDatabase &db, const QDate &from, const QDate &to)
{
    const std::map<QDate, long double> stored = storedTotalsPerDay(db, from, to);
    long double storedTotal = 0;
    for (const auto &[day, total] : stored)
        storedTotal += total;
    QVERIFY(!stored.empty());

    const SalesRecap perDay = SalesRecap::read(Grouping::PerDay, from, to);
    QCOMPARE(perDay.rows().size(), from.daysTo(to) + 1);
    for (const sales::RecapRow &row : perDay.rows()) {
        const auto it = stored.find(row.date);
        const long double expected = it == stored.end() ? 0 : it->second;
        QVERIFY2(sameMoney(row.amount, expected),
                 qPrintable(QStringLiteral("%1: %2 against %3").arg(row.date.toString(Qt::ISODate)).arg(double(row.amount), 0, 'f', 4).arg(double(expected), 0, 'f', 4)));
    }
    QVERIFY(sameMoney(perDay.total(), storedTotal));
    for (Grouping other : {Grouping::PerMonth, Grouping::PerGoods, Grouping::PerCustomer}) {
        const SalesRecap recap = SalesRecap::read(other, from, to);
        QVERIFY(sameMoney(recap.total(), storedTotal));
        QCOMPARE(recap.invoices(), perDay.invoices());
        long double sum = 0;
        for (const sales::RecapRow &row : recap.rows())
            sum += row.amount;
        QVERIFY(sameMoney(sum, storedTotal));
    }
}
} // namespace

class TestSalesRecap : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_locale.emplace(indonesian()); }
    void cleanupTestCase() { m_locale.reset(); }

    // A customer or goods name that a spreadsheet would run as a formula is
    // written behind an apostrophe, as the lists' export writes it.
    void csvGuardsFormulas()
    {
        TempDatabase db;
        addHeader(db, QStringLiteral("000001"), QStringLiteral("2025-03-01"), QStringLiteral("=HYPERLINK(\"x\")"), -500);
        addLine(db, QStringLiteral("000001"), QStringLiteral("KV-1"), QStringLiteral("+1"), QStringLiteral("@SUM(A1)"), 1000,
                -1, 0, -1000);
        addLine(db, QStringLiteral("000001"), QStringLiteral("KV-2"), QStringLiteral("B"), QStringLiteral("SEAL"), 500, 1, 0, 500);
        const QString file = db.folder() + QStringLiteral("/recap.csv");
        for (const Grouping grouping : {Grouping::PerGoods, Grouping::PerCustomer}) {
            SalesRecap::read(grouping, QDate(2025, 3, 1), QDate(2025, 3, 1)).writeCsv(file);
            QFile written(file);
            QVERIFY(written.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(written.readAll());
            if (grouping == Grouping::PerGoods) {
                QVERIFY2(text.contains(QStringLiteral("KV-1;'+1;'@SUM(A1);-1;-1000")), qPrintable(text));
            } else {
                QVERIFY2(text.contains(QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\";1;-500")), qPrintable(text));
            }
        }
    }

    void groupings_data();
    void groupings();
    void chartBars();
    void emptyAndWrongRanges();
    void figuresAddUpOnTheSampleShop();
    void figuresAddUpOnAGeneratedShop();
    void databasesOfEarlierVersionsGetTheIndexes();

private:
    std::optional<PinnedLocale> m_locale;
};

void TestSalesRecap::groupings_data()
{
    QTest::addColumn<int>("grouping");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("invoices");
    QTest::addColumn<QString>("total");
    QTest::newRow("per day, a day without sales")
        << int(Grouping::PerDay) << QDate(2025, 3, 1) << QDate(2025, 3, 3)
        << QStringList{"01 Mar 2025|1|Rp 25.000", "02 Mar 2025|0|Rp 0", "03 Mar 2025|2|Rp 41.500"} << 3 << "Rp 66.500";
    QTest::newRow("per month, across three months")
        << int(Grouping::PerMonth) << QDate(2025, 2, 15) << QDate(2025, 4, 30)
        << QStringList{"Februari 2025|1|Rp 10.000", "Maret 2025|3|Rp 66.500", "April 2025|1|Rp 20.000"} << 5 << "Rp 96.500";
    QTest::newRow("per goods, by hand and returned")
        << int(Grouping::PerGoods) << QDate(2025, 3, 1) << QDate(2025, 3, 3)
        << QStringList{"KV-0001|90311-1|SEAL RODA|6|Rp 59.000", "X-99|LAIN|KARET LAIN|1|Rp 7.500",
                       "KV-0002|04438-2|BOOT AS RODA|0|Rp 0"}
        << 3 << "Rp 66.500";
    QTest::newRow("per customer, largest first")
        << int(Grouping::PerCustomer) << QDate(2025, 3, 1) << QDate(2025, 3, 31)
        << QStringList{"BENGKEL JAYA|1|Rp 37.500", "TOKO ABADI|2|Rp 29.000"} << 3 << "Rp 66.500";
    QTest::newRow("one day") << int(Grouping::PerDay) << QDate(2025, 4, 10) << QDate(2025, 4, 10)
                             << QStringList{"10 Apr 2025|1|Rp 20.000"} << 1 << "Rp 20.000";
}

void TestSalesRecap::groupings()
{
    QFETCH(int, grouping);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, rows);
    QFETCH(int, invoices);
    QFETCH(QString, total);
    TempDatabase db;
    storeSmallShop(db);
    const SalesRecap recap = SalesRecap::read(Grouping(grouping), from, to);
    QCOMPARE(rowsOf(recap), rows);
    QCOMPARE(recap.invoices(), invoices);
    QCOMPARE(recap.totalText(), total);
    QVERIFY(!recap.isEmpty());
}

void TestSalesRecap::chartBars()
{
    TempDatabase db;
    storeSmallShop(db);
    // Twelve goods with the same name: the ten largest, told apart.
    addHeader(db, QStringLiteral("000010"), QStringLiteral("2025-05-02"), QStringLiteral("TOKO ABADI"), 0);
    for (int i = 1; i <= 12; ++i)
        addLine(db, QStringLiteral("000010"), QStringLiteral("KV-1%1").arg(i, 3, 10, QLatin1Char('0')), QString(),
                QStringLiteral("O-RING"), 1000.0 * i, 1, 0, 1000.0 * i);
    const QList<sales::Bar> goods = SalesRecap::read(Grouping::PerGoods, QDate(2025, 5, 1), QDate(2025, 5, 31)).bars();
    QCOMPARE(goods.size(), SalesRecap::kLargest);
    QCOMPARE(goods.first().label, QStringLiteral("O-RING"));
    QCOMPARE(goods.first().value, 12000.0);
    QCOMPARE(goods.at(1).label, QStringLiteral("O-RING (2)"));
    QCOMPARE(goods.last().value, 3000.0);

    const QList<sales::Bar> days = SalesRecap::read(Grouping::PerDay, QDate(2025, 3, 1), QDate(2025, 3, 3)).bars();
    QStringList labels;
    for (const sales::Bar &b : days)
        labels << b.label + QLatin1Char('=') + QString::number(b.value);
    QCOMPARE(labels, (QStringList{"01/03=25000", "02/03=0", "03/03=41500"}));
}

void TestSalesRecap::emptyAndWrongRanges()
{
    TempDatabase db;
    storeSmallShop(db);
    for (Grouping g : {Grouping::PerDay, Grouping::PerMonth, Grouping::PerGoods, Grouping::PerCustomer}) {
        const SalesRecap recap = SalesRecap::read(g, QDate(2025, 5, 1), QDate(2025, 5, 31));
        QVERIFY(recap.isEmpty());
        QVERIFY(recap.bars().isEmpty());
        QCOMPARE(recap.invoices(), 0);
        QCOMPARE(recap.totalText(), QStringLiteral("Rp 0"));
        QCOMPARE(recap.emptyText(), QStringLiteral("Tidak ada penjualan dari 01 Mei 2025 sampai 31 Mei 2025."));
    }
    const QString wrong = errorOf([] { SalesRecap::read(Grouping::PerDay, QDate(2025, 3, 5), QDate(2025, 3, 1)); });
    QCOMPARE(wrong, QStringLiteral("Dari Tanggal (05 Mar 2025) tidak boleh sesudah Sampai Tanggal (01 Mar 2025)."));
    QCOMPARE(SalesRecap::rangeProblem(QDate(2025, 3, 1), QDate(2025, 3, 1), Grouping::PerDay), QString());
    // A row a day or a month: ranges that would fill the memory are refused.
    QCOMPARE(SalesRecap::rangeProblem(QDate(2000, 1, 1), QDate(2099, 12, 31), Grouping::PerDay),
             QStringLiteral("Rentang Per Hari paling panjang 1000 hari; pilih Per Bulan untuk rentang yang lebih panjang."));
    QCOMPARE(SalesRecap::rangeProblem(QDate(2000, 1, 1), QDate(2079, 12, 31), Grouping::PerMonth), QString());
    QCOMPARE(SalesRecap::rangeProblem(QDate(1752, 9, 14), QDate(9999, 12, 31), Grouping::PerGoods),
             QStringLiteral("Isi Dari Tanggal dan Sampai Tanggal."));
    QCOMPARE(SalesRecap::rangeProblem(QDate(1752, 9, 14), QDate(9999, 12, 30), Grouping::PerMonth),
             QStringLiteral("Rentang Per Bulan paling panjang 1000 bulan."));
}

void TestSalesRecap::figuresAddUpOnTheSampleShop()
{
    TempDatabase db;
    sampleshop::fill();
    const QDate today = QDate::currentDate();
    checkFiguresAddUp(db, today.addDays(-30), today);
}

void TestSalesRecap::figuresAddUpOnAGeneratedShop()
{
    TempDatabase db;
    std::mt19937 random(2025);
    const QDate first(2025, 1, 1);
    {
        // One transaction: a file database syncs once, not once per line.
        connection::Connection &c = *connection::ofFile(db.path());
        connection::Transaction transaction(c);
        for (int invoice = 1; invoice <= 150; ++invoice) {
            const QString number = QStringLiteral("%1").arg(invoice, 6, 10, QLatin1Char('0'));
            long double total = 0;
            const int lines = 1 + int(random() % 6);
            for (int line = 0; line < lines; ++line) {
                const int goods = int(random() % 20);
                const double price = 1000.0 + double(random() % 90) * 125.5;
                const double quantity = random() % 9 == 0 ? -1.0 : double(1 + random() % 12);
                const double discount = double(random() % 4) * 2.5;
                const long double gross = static_cast<long double>(price) * quantity;
                const long double amount = gross - gross * discount / 100.0L;
                total += amount;
                addLine(db, number, QStringLiteral("KV-%1").arg(goods, 4, 10, QLatin1Char('0')), QStringLiteral("M-%1").arg(goods),
                        QStringLiteral("BARANG %1").arg(goods), price, quantity, discount, double(amount));
            }
            // Every seventh invoice was never stored: its lines are no sale.
            if (invoice % 7 != 0)
                addHeader(db, number, first.addDays(int(random() % 60)).toString(Qt::ISODate),
                          QStringLiteral("PELANGGAN %1").arg(random() % 9), double(total));
        }
        transaction.commit();
    }
    checkFiguresAddUp(db, first.addDays(5), first.addDays(50));
    checkFiguresAddUp(db, first, first.addDays(59));
}

void TestSalesRecap::databasesOfEarlierVersionsGetTheIndexes()
{
    TempDatabase db;
    storeSmallShop(db);
    const auto indexCount = [&db] {
        return db.scalar(TempDatabase::onServer()
                             ? QStringLiteral("SELECT COUNT(*) FROM pg_indexes WHERE schemaname = current_schema() AND "
                                              "indexname IN ('NotaUtama_Tanggal', 'Nota_ID_Nota_Jumlah')")
                             : QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND "
                                              "name IN ('NotaUtama_Tanggal', 'Nota_ID_Nota_Jumlah')"))
            .toInt();
    };
    QCOMPARE(indexCount(), 2);
    db.exec(QStringLiteral("DROP INDEX \"NotaUtama_Tanggal\""));
    db.exec(QStringLiteral("DROP INDEX \"Nota_ID_Nota_Jumlah\""));
    QCOMPARE(indexCount(), 0);
    // A new connection to the database checks its tables again.
    connection::closeFile(db.path());
    const SalesRecap recap = SalesRecap::read(Grouping::PerDay, QDate(2025, 3, 1), QDate(2025, 3, 3));
    QCOMPARE(numtext::formatMoney(recap.total()), QStringLiteral("Rp 66.500"));
    QCOMPARE(indexCount(), 2);
}

NOTA_DATA_TEST_MAIN(TestSalesRecap)
#include "test_sales_recap.moc"
