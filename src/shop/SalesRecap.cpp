#include "shop/SalesRecap.h"

#include "core/DateText.h"
#include "core/Errors.h"
#include "data/Connection.h"
#include "data/CsvText.h"
#include "data/DataSetsOnConnection.h"
#include "data/FieldText.h"
#include "data/Schema.h"

#include <QHash>
#include <algorithm>
#include <map>

namespace sales {
namespace {
// Invoices by the day their header names; the range is [from, day after to),
// which also takes a stored date that carries a time.
const QString kRange = QStringLiteral(R"(h."Tanggal" >= ? AND h."Tanggal" < ?)");

QString invoicesBy(const QString &column)
{
    return QStringLiteral(R"(SELECT h.%1, COUNT(*) FROM "NotaUtama" h WHERE %2 GROUP BY h.%1)").arg(column, kRange);
}

// The lines of the invoices stored in the range: the join leaves out lines
// whose header was never stored.
QString amountsBy(const QString &columns, const QString &sums)
{
    return QStringLiteral(R"(SELECT %1, %2 FROM "NotaUtama" h JOIN "Nota" l ON l."ID_Nota" = h."No_Nota" WHERE %3 GROUP BY %1)")
        .arg(columns, sums, kRange);
}

const QString kDay = QStringLiteral(R"("Tanggal")");

QDate firstOfMonth(const QDate &d) { return QDate(d.year(), d.month(), 1); }

QString text(const QVariant &v) { return fieldtext::hasValue(v) ? v.toString() : QString(); }
Money number(const QVariant &v) { return fieldtext::hasValue(v) ? Money(v.toDouble()) : 0; }

class Reader {
public:
    Reader(const QString &alias, const QDate &from, const QDate &to)
        : m_db(connection::ofAlias(alias)),
          m_range{from.toString(Qt::ISODate), to.addDays(1).toString(Qt::ISODate)}
    {
        const QString where = QStringLiteral("database '%1' (%2)").arg(alias, m_db->file());
        for (const char *table : {"NotaUtama", "Nota"})
            DataSetsOnConnection::of(m_db)->verifyTable(*schema::findTable(QString::fromLatin1(table)), where);
    }

    void each(const QString &sql, const std::function<void(const QVariantList &)> &row) { m_db->eachRow(sql, m_range, row); }

    // Invoices and amounts per day; a day with invoices but no lines has a
    // zero amount.
    std::map<QDate, RecapRow> perDay()
    {
        std::map<QDate, RecapRow> days;
        each(invoicesBy(kDay), [&](const QVariantList &r) {
            if (const QDate day = fieldtext::asDate(r.at(0)); day.isValid())
                days[day].invoices += int(r.at(1).toLongLong());
        });
        each(amountsBy(QStringLiteral("h.") + kDay, QStringLiteral(R"(SUM(l."Jumlah"))")), [&](const QVariantList &r) {
            if (const QDate day = fieldtext::asDate(r.at(0)); day.isValid())
                days[day].amount += number(r.at(1));
        });
        return days;
    }

    // Each invoice's lines summed through the index that holds their
    // amounts, then the invoices grouped: no engine sorts or sends the lines.
    QList<RecapRow> perCustomer()
    {
        QList<RecapRow> customers;
        each(QStringLiteral(R"(SELECT h."Kepada", COUNT(*), SUM((SELECT SUM(l."Jumlah") FROM "Nota" l )"
                            R"(WHERE l."ID_Nota" = h."No_Nota")) FROM "NotaUtama" h WHERE %1 GROUP BY h."Kepada")")
                 .arg(kRange),
             [&](const QVariantList &r) {
                 RecapRow row;
                 row.name = text(r.at(0));
                 row.invoices = int(r.at(1).toLongLong());
                 row.amount = number(r.at(2));
                 customers << row;
             });
        return customers;
    }

    // The goods as the lines name them: a line typed by hand is goods of its
    // own, and a returned item (a negative quantity) counts off.
    QList<RecapRow> perGoods()
    {
        QList<RecapRow> goods;
        each(amountsBy(QStringLiteral(R"(l."Kode_KV", l."Kode_Brg", l."Nama_Brg")"),
                       QStringLiteral(R"(SUM(l."Banyak"), SUM(l."Jumlah"))")),
             [&](const QVariantList &r) {
                 RecapRow row;
                 row.code = text(r.at(0));
                 row.makerCode = text(r.at(1));
                 row.name = text(r.at(2));
                 row.quantity = number(r.at(3));
                 row.amount = number(r.at(4));
                 goods << row;
             });
        return goods;
    }

    int invoiceCount()
    {
        return m_db->scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "NotaUtama" h WHERE )") + kRange, m_range).toInt();
    }

private:
    std::shared_ptr<connection::Connection> m_db;
    QVariantList m_range;
};

// Every day, or every month, of the range in order; the days of a month
// folded into its first day.
QList<RecapRow> calendar(const std::map<QDate, RecapRow> &days, const QDate &from, const QDate &to, bool months)
{
    QList<RecapRow> out;
    const QDate last = months ? firstOfMonth(to) : to;
    for (QDate d = months ? firstOfMonth(from) : from; d <= last; d = months ? d.addMonths(1) : d.addDays(1)) {
        RecapRow row;
        row.date = d;
        out << row;
    }
    for (const auto &[day, figures] : days) {
        const QDate key = months ? firstOfMonth(day) : day;
        const qint64 at = months ? (key.year() - out.first().date.year()) * 12 + key.month() - out.first().date.month()
                                 : out.first().date.daysTo(key);
        if (at < 0 || at >= out.size())
            continue;
        out[at].invoices += figures.invoices;
        out[at].amount += figures.amount;
    }
    return out;
}

void largestFirst(QList<RecapRow> &rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const RecapRow &a, const RecapRow &b) {
        if (a.amount != b.amount)
            return a.amount > b.amount;
        if (a.code != b.code)
            return a.code < b.code;
        if (a.makerCode != b.makerCode)
            return a.makerCode < b.makerCode;
        return a.name < b.name;
    });
}

QString monthText(const QDate &d) { return datetext::formatDate(QStringLiteral("mmmm yyyy"), d); }
QString dayText(const QDate &d) { return datetext::formatDate(datetext::kDisplayDate, d); }
} // namespace

QString SalesRecap::rangeProblem(const QDate &from, const QDate &to, Grouping grouping)
{
    // The day after the range must have a date text (years up to 9999).
    if (!from.isValid() || !to.isValid() || to.addDays(1).toString(Qt::ISODate).isEmpty())
        return QStringLiteral("Isi Dari Tanggal dan Sampai Tanggal.");
    if (from > to)
        return QStringLiteral("Dari Tanggal (%1) tidak boleh sesudah Sampai Tanggal (%2).").arg(dayText(from), dayText(to));
    // A row for every day or month: a range of centuries would fill the memory.
    if (grouping == Grouping::PerDay && from.daysTo(to) >= kLongestDays)
        return QStringLiteral("Rentang Per Hari paling panjang %1 hari; pilih Per Bulan untuk rentang yang lebih panjang.")
            .arg(kLongestDays);
    if (grouping == Grouping::PerMonth && from.daysTo(to) >= kLongestDays * 31)
        return QStringLiteral("Rentang Per Bulan paling panjang %1 bulan.").arg(kLongestDays);
    return QString();
}

SalesRecap SalesRecap::read(Grouping grouping, const QDate &from, const QDate &to, const QString &alias)
{
    const QString problem = rangeProblem(from, to, grouping);
    if (!problem.isEmpty())
        throw EError(problem);
    SalesRecap recap;
    recap.m_grouping = grouping;
    recap.m_from = from;
    recap.m_to = to;
    Reader reader(alias, from, to);
    switch (grouping) {
    case Grouping::PerDay:
    case Grouping::PerMonth: {
        const std::map<QDate, RecapRow> days = reader.perDay();
        for (const auto &[day, figures] : days) {
            recap.m_invoices += figures.invoices;
            recap.m_total += figures.amount;
        }
        if (recap.m_invoices > 0)
            recap.m_rows = calendar(days, from, to, grouping == Grouping::PerMonth);
        break;
    }
    case Grouping::PerCustomer:
        recap.m_rows = reader.perCustomer();
        for (const RecapRow &r : std::as_const(recap.m_rows)) {
            recap.m_invoices += r.invoices;
            recap.m_total += r.amount;
        }
        largestFirst(recap.m_rows);
        break;
    case Grouping::PerGoods:
        recap.m_rows = reader.perGoods();
        for (const RecapRow &r : std::as_const(recap.m_rows))
            recap.m_total += r.amount;
        recap.m_invoices = reader.invoiceCount();
        largestFirst(recap.m_rows);
        break;
    }
    return recap;
}

QString SalesRecap::rangeText() const { return dayText(m_from) + QStringLiteral(" s/d ") + dayText(m_to); }

QString SalesRecap::emptyText() const
{
    return QStringLiteral("Tidak ada penjualan dari %1 sampai %2.").arg(dayText(m_from), dayText(m_to));
}

QString SalesRecap::groupingText() const
{
    switch (m_grouping) {
    case Grouping::PerDay: return QStringLiteral("Per Hari");
    case Grouping::PerMonth: return QStringLiteral("Per Bulan");
    case Grouping::PerGoods: return QStringLiteral("Per Barang");
    case Grouping::PerCustomer: break;
    }
    return QStringLiteral("Per Pelanggan");
}

QStringList SalesRecap::titles() const
{
    switch (m_grouping) {
    case Grouping::PerDay: return {QStringLiteral("Tanggal"), QStringLiteral("Jumlah Nota"), QStringLiteral("Total")};
    case Grouping::PerMonth: return {QStringLiteral("Bulan"), QStringLiteral("Jumlah Nota"), QStringLiteral("Total")};
    case Grouping::PerGoods:
        return {QStringLiteral("Kode Kervano"), QStringLiteral("Kode Barang"), QStringLiteral("Nama Barang"),
                QStringLiteral("Banyak"), QStringLiteral("Jumlah")};
    case Grouping::PerCustomer: break;
    }
    return {QStringLiteral("Pelanggan"), QStringLiteral("Jumlah Nota"), QStringLiteral("Total")};
}

QList<bool> SalesRecap::numericColumns() const
{
    if (m_grouping == Grouping::PerGoods)
        return {false, false, false, true, true};
    return {false, true, true};
}

QStringList SalesRecap::cells(int row) const { return fields(m_rows.at(row), false); }

QString SalesRecap::moneyText(Money value)
{
    QString text = numtext::formatMoney(value);
    if (text.endsWith(QLatin1Char(' ')))  // nothing left after rounding to two decimals
        text += QLatin1Char('0');
    return text;
}

// The cells of a row, as shown or, `plain`, as a CSV file holds them.
QStringList SalesRecap::fields(const RecapRow &r, bool plain) const
{
    const auto money = [plain](Money v) { return plain ? numtext::floatToStr(v) : moneyText(v); };
    switch (m_grouping) {
    case Grouping::PerDay:
        return {plain ? datetext::shortDate(r.date) : dayText(r.date), QString::number(r.invoices), money(r.amount)};
    case Grouping::PerMonth: return {monthText(r.date), QString::number(r.invoices), money(r.amount)};
    case Grouping::PerGoods: return {r.code, r.makerCode, r.name, numtext::floatToStr(r.quantity), money(r.amount)};
    case Grouping::PerCustomer: break;
    }
    return {r.name, QString::number(r.invoices), money(r.amount)};
}

QString SalesRecap::rowLabel(const RecapRow &row) const
{
    switch (m_grouping) {
    case Grouping::PerDay: return datetext::formatDate(QStringLiteral("dd/mm"), row.date);
    case Grouping::PerMonth: return datetext::formatDate(QStringLiteral("mmm yyyy"), row.date);
    case Grouping::PerGoods: return row.name.isEmpty() ? row.code : row.name;
    case Grouping::PerCustomer: break;
    }
    return row.name.isEmpty() ? QStringLiteral("(tanpa nama)") : row.name;
}

QList<Bar> SalesRecap::bars() const
{
    const bool largest = m_grouping == Grouping::PerGoods || m_grouping == Grouping::PerCustomer;
    const qsizetype count = largest ? std::min<qsizetype>(kLargest, m_rows.size()) : m_rows.size();
    QList<Bar> out;
    QHash<QString, int> seen;  // a chart's labels tell its bars apart
    for (qsizetype i = 0; i < count; ++i) {
        QString label = rowLabel(m_rows.at(i));
        if (const int n = ++seen[label]; n > 1)
            label += QStringLiteral(" (%1)").arg(n);
        out << Bar{label, double(m_rows.at(i).amount)};
    }
    return out;
}

void SalesRecap::writeCsv(const QString &file) const
{
    // The header row names the columns as the tables name the fields summed.
    QStringList header;
    switch (m_grouping) {
    case Grouping::PerDay: header = {QStringLiteral("Tanggal"), QStringLiteral("Jumlah_Nota"), QStringLiteral("Jumlah_Total")}; break;
    case Grouping::PerMonth: header = {QStringLiteral("Bulan"), QStringLiteral("Jumlah_Nota"), QStringLiteral("Jumlah_Total")}; break;
    case Grouping::PerGoods:
        header = {QStringLiteral("Kode_KV"), QStringLiteral("Kode_Brg"), QStringLiteral("Nama_Brg"), QStringLiteral("Banyak"),
                  QStringLiteral("Jumlah")};
        break;
    case Grouping::PerCustomer: header = {QStringLiteral("Kepada"), QStringLiteral("Jumlah_Nota"), QStringLiteral("Jumlah_Total")}; break;
    }
    const QChar separator = csv::separatorForDesktop();
    QString text = csv::record(header, separator);
    // Texts a spreadsheet would run as formulas are written as the lists'
    // export writes them: behind an apostrophe.
    const int texts = m_grouping == Grouping::PerGoods ? 3 : m_grouping == Grouping::PerCustomer ? 1 : 0;
    for (const RecapRow &r : m_rows) {
        QStringList cells = fields(r, true);
        for (int i = 0; i < texts; ++i)
            cells[i] = csv::guarded(cells[i]);
        text += csv::record(cells, separator);
    }
    csv::writeFile(file, text);
}

} // namespace sales
