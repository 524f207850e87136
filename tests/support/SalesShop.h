#pragma once
// A small shop with known sales, for the sales figures and their window:
// March 2025 with a day without sales (2 March) between two days with sales,
// a line typed by hand, a returned item, lines of an invoice never stored,
// and an invoice each in February and April.
//
//   per day 1-3 March:  01 Mar 1 invoice Rp 25.000, 02 Mar none, 03 Mar 2 invoices Rp 41.500
//   per goods 1-3 March: SEAL RODA 6 Rp 59.000, KARET LAIN (by hand) 1 Rp 7.500,
//                        BOOT AS RODA 0 Rp 0 (one sold, one returned)
//   per customer March: BENGKEL JAYA 1 Rp 37.500, TOKO ABADI 2 Rp 29.000
#include <QString>

class TempDatabase;

namespace salesshop {
void addHeader(const TempDatabase &db, const QString &number, const QString &date, const QString &to, double total);
void addLine(const TempDatabase &db, const QString &number, const QString &code, const QString &maker,
             const QString &name, double price, double quantity, double discount, double amount);
void storeSmallShop(const TempDatabase &db);
} // namespace salesshop
