#pragma once
// What the shop sold in a range of days: per day, per month, per goods or per
// customer. The figures come from the stored lines (Nota) of stored invoices
// (NotaUtama): a line whose invoice header was never stored is not a sale, and
// an invoice counts on the day its header names. The sales window, its printed
// report, its CSV file and its chart all read one recap.
#include "core/NumberText.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace sales {

enum class Grouping { PerDay, PerMonth, PerGoods, PerCustomer };

struct RecapRow {
    QDate date;          // per day: the day; per month: its first day
    QString code;        // per goods: the shop code (Kode_KV)
    QString makerCode;   // per goods: the maker's code (Kode_Brg)
    QString name;        // per goods: the goods name (Nama_Brg); per customer: Kepada
    Money quantity = 0;  // per goods: the quantities sold, returns counted off
    int invoices = 0;    // per day, month or customer: the invoices stored
    Money amount = 0;    // the sum of the lines' amounts (Jumlah)
};

// One bar of the chart.
struct Bar {
    QString label;
    double value = 0;
};

class SalesRecap {
public:
    // How many bars the chart shows of the goods and of the customers.
    static constexpr int kLargest = 10;

    // How many days a recap per day, or months a recap per month, may span.
    static constexpr int kLongestDays = 1000;

    // The message for a range that cannot be read, empty when it can.
    static QString rangeProblem(const QDate &from, const QDate &to, Grouping grouping);

    // Reads the figures from the database the alias names. Per day and per
    // month every day or month of the range has a row, a day without sales
    // too, unless nothing at all was sold; goods and customers come largest
    // amount first. Raises EError for a wrong range, EDatabaseError for a
    // missing table.
    static SalesRecap read(Grouping grouping, const QDate &from, const QDate &to,
                           const QString &alias = QStringLiteral("KV"));

    Grouping grouping() const { return m_grouping; }
    QDate from() const { return m_from; }
    QDate to() const { return m_to; }
    const QList<RecapRow> &rows() const { return m_rows; }
    int invoices() const { return m_invoices; }  // invoices stored in the range
    Money total() const { return m_total; }      // the amount of their lines
    QString totalText() const { return moneyText(m_total); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    // "01 Des 2025 s/d 31 Des 2025"; what an empty recap says instead of a chart.
    QString rangeText() const;
    QString emptyText() const;
    QString groupingText() const;  // "Per Hari", ...

    // The table as the window and the report show it: titles, and each row's
    // cells with money in its display format.
    QStringList titles() const;
    QStringList cells(int row) const;
    // Money in its display format, but a recap's zero reads "Rp 0": a day
    // without sales is a figure, not a missing value.
    static QString moneyText(Money value);
    // Which columns hold numbers (set right).
    QList<bool> numericColumns() const;

    // The chart: per day or month every row, of goods and customers the
    // largest kLargest amounts.
    QList<Bar> bars() const;

    // Writes the table as a CSV file, as the admin tool exports the lists: a
    // header row of column names, numbers in plain number text, the desktop's
    // separator. Raises EError when the file cannot be written.
    void writeCsv(const QString &file) const;

private:
    QStringList fields(const RecapRow &row, bool plain) const;
    QString rowLabel(const RecapRow &row) const;

    Grouping m_grouping = Grouping::PerDay;
    QDate m_from, m_to;
    QList<RecapRow> m_rows;
    int m_invoices = 0;
    Money m_total = 0;
};

} // namespace sales
