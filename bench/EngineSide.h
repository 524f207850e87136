#pragma once
// The data engine's side of the data benchmarks, the same work on either
// engine: each program points the alias KV at its data of the benchmark's
// size first, then runs one of these beside the same work done directly
// through the engine's own C library.
#include "data/Query.h"
#include "data/Table.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <random>

namespace engineside {
constexpr int kLinesPerInvoice = 10;
constexpr int kScreen = 30;
inline const char *const kPattern = "%SEAL AS RODA 12%";
inline const char *const kNames[] = {"KARET STABIL", "SEAL AS RODA", "BOOT KOPLING", "BUSHING ARM", "KARET SUPPORT MESIN",
                                     "O-RING POMPA", "SEAL KRUK AS", "KARET PINTU", "KARET WIPER", "DOP KARET"};

inline QString goodsCode(int i) { return QStringLiteral("KV-%1").arg(i, 6, 10, QLatin1Char('0')); }
inline QString makerCode(int i) { return QStringLiteral("M%1-%2").arg((i * 37) % 9973, 4, 10, QLatin1Char('0')).arg(i % 7); }
inline QString invoiceNumber(int i) { return QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')); }

// The texts a window shows of the current record.
inline void readRecord(const DataSet &t)
{
    const QList<Field *> fields = t.fields();  // held: a loop over the temporary would copy it
    for (Field *f : fields) {
        if (f->kind() == FieldKind::Graphic)
            continue;
        const QString value = f->asString();
        benchmark::DoNotOptimize(value);
    }
}

inline void openGoodsFirstScreen(benchmark::State &state)
{
    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.setIndexFieldNames(QStringLiteral("Kode_Kervano"));
    for (auto _ : state) {
        goods.open();
        for (int i = 0; i < kScreen && !goods.eof(); ++i) {
            readRecord(goods);
            goods.next();
        }
        goods.close();
    }
}

inline void findKey(benchmark::State &state, int goodsCount, const QString &index, QString (*key)(int))
{
    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.setIndexFieldNames(index);
    goods.open();
    std::mt19937 random(7);
    int found = 0;
    for (auto _ : state) {
        const int i = int(random() % unsigned(goodsCount));
        found += goods.findKey(key(i));
        readRecord(goods);
    }
    state.counters["found"] = double(found) / double(state.iterations());
}

inline void filterLinesOfInvoice(benchmark::State &state, int invoices)
{
    Table lines;
    lines.setTableName(QStringLiteral("Nota.DB"));
    lines.open();
    std::mt19937 random(11);
    for (auto _ : state) {
        lines.setFiltered(false);
        lines.setFilter(QStringLiteral("ID_Nota ='") + invoiceNumber(1 + int(random() % unsigned(invoices)))
                        + QLatin1Char('\''));
        lines.setFiltered(true);
        benchmark::DoNotOptimize(lines.recordCount());
        for (lines.first(); !lines.eof(); lines.next())
            readRecord(lines);
    }
}

inline void likeQueryGoods(benchmark::State &state)
{
    Query q;
    for (auto _ : state) {
        q.close();
        q.setSql(QStringLiteral("SELECT\nKode_Kervano, Kode_Barang, Nama_Barang, Part, Group_Barang, Harga, Gambar\nFROM\n"
                                "Barang\nWhere\nNama_Barang Like \"")
                 + QString::fromLatin1(kPattern) + QStringLiteral("\"\nORDER BY Kode_Kervano"));
        q.open();
        benchmark::DoNotOptimize(q.recordCount());
        for (int i = 0; i < kScreen && !q.eof(); ++i) {
            readRecord(q);
            q.next();
        }
    }
}

// Lines of the invoice after the last one, as the invoice window stores them.
inline void appendPostLine(benchmark::State &state, int invoices)
{
    Table lines;
    lines.setTableName(QStringLiteral("Nota.DB"));
    lines.setFilter(QStringLiteral("ID_Nota ='") + invoiceNumber(invoices + 1) + QLatin1Char('\''));
    lines.setFiltered(true);
    lines.open();
    for (auto _ : state) {
        lines.append();
        lines.fieldByName(QStringLiteral("ID_Nota"))->setAsString(invoiceNumber(invoices + 1));
        lines.fieldByName(QStringLiteral("Kode_KV"))->setAsString(QStringLiteral("KV-000001"));
        lines.fieldByName(QStringLiteral("Kode_Brg"))->setAsString(QStringLiteral("M0037-1"));
        lines.fieldByName(QStringLiteral("Nama_Brg"))->setAsString(QStringLiteral("KARET STABIL"));
        lines.fieldByName(QStringLiteral("Harga"))->setAsString(QStringLiteral("15000"));
        lines.fieldByName(QStringLiteral("Banyak"))->setAsString(QStringLiteral("2"));
        lines.fieldByName(QStringLiteral("Diskon"))->setAsString(QStringLiteral("5"));
        lines.fieldByName(QStringLiteral("Jumlah"))->setAsFloat(28500);
        lines.post();
    }
}
} // namespace engineside
