#include "SalesShop.h"

#include "TempDatabase.h"

namespace salesshop {
void addHeader(const TempDatabase &db, const QString &number, const QString &date, const QString &to, double total)
{
    db.exec(QStringLiteral("INSERT INTO \"NotaUtama\" (\"No_Nota\", \"Tanggal\", \"Kepada\", \"Alamat\", \"Jumlah_Total\") "
                           "VALUES (?, ?, ?, ?, ?)"),
            {number, date, to, QStringLiteral("Jl. Braga 1"), total});
}

void addLine(const TempDatabase &db, const QString &number, const QString &code, const QString &maker,
             const QString &name, double price, double quantity, double discount, double amount)
{
    db.exec(QStringLiteral("INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Kode_Brg\", \"Nama_Brg\", \"Harga\", "
                           "\"Banyak\", \"Diskon\", \"Jumlah\") VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
            {number, code, maker, name, price, quantity, discount, amount});
}

void storeSmallShop(const TempDatabase &db)
{
    const QString seal = QStringLiteral("KV-0001"), boot = QStringLiteral("KV-0002");
    addHeader(db, QStringLiteral("000001"), QStringLiteral("2025-03-01"), QStringLiteral("TOKO ABADI"), 25000);
    addLine(db, QStringLiteral("000001"), seal, QStringLiteral("90311-1"), QStringLiteral("SEAL RODA"), 10000, 2, 0, 20000);
    addLine(db, QStringLiteral("000001"), boot, QStringLiteral("04438-2"), QStringLiteral("BOOT AS RODA"), 5000, 1, 0, 5000);
    // 2 March: nothing sold.
    addHeader(db, QStringLiteral("000002"), QStringLiteral("2025-03-03"), QStringLiteral("BENGKEL JAYA"), 37500);
    addLine(db, QStringLiteral("000002"), seal, QStringLiteral("90311-1"), QStringLiteral("SEAL RODA"), 10000, 3, 0, 30000);
    // Typed by hand: goods that are not in the goods list.
    addLine(db, QStringLiteral("000002"), QStringLiteral("X-99"), QStringLiteral("LAIN"), QStringLiteral("KARET LAIN"),
            7500, 1, 0, 7500);
    addHeader(db, QStringLiteral("000003"), QStringLiteral("2025-03-03"), QStringLiteral("TOKO ABADI"), 4000);
    // A returned boot counts off.
    addLine(db, QStringLiteral("000003"), boot, QStringLiteral("04438-2"), QStringLiteral("BOOT AS RODA"), 5000, -1, 0, -5000);
    addLine(db, QStringLiteral("000003"), seal, QStringLiteral("90311-1"), QStringLiteral("SEAL RODA"), 10000, 1, 10, 9000);
    // Lines of an invoice whose header was never stored: no sale.
    addLine(db, QStringLiteral("000004"), seal, QStringLiteral("90311-1"), QStringLiteral("SEAL RODA"), 10000, 5, 0, 50000);
    addHeader(db, QStringLiteral("000005"), QStringLiteral("2025-04-10"), QStringLiteral("BENGKEL JAYA"), 20000);
    addLine(db, QStringLiteral("000005"), boot, QStringLiteral("04438-2"), QStringLiteral("BOOT AS RODA"), 5000, 4, 0, 20000);
    addHeader(db, QStringLiteral("000006"), QStringLiteral("2025-02-28"), QStringLiteral("TOKO ABADI"), 10000);
    addLine(db, QStringLiteral("000006"), seal, QStringLiteral("90311-1"), QStringLiteral("SEAL RODA"), 10000, 1, 0, 10000);
}
} // namespace salesshop
