// What the engine says when it refuses, as the person reads it: Indonesian,
// naming the table, field and value concerned; the conversion errors of typed
// numbers keep their fixed wording.
#include "DataTestMain.h"
#include "DataSupport.h"
#include "TempDatabase.h"
#include "data/Field.h"
#include "data/Query.h"
#include "data/Table.h"

#include <functional>
#include <memory>

using Action = std::function<void(Table &goods)>;
Q_DECLARE_METATYPE(Action)

class TestEngineMessages : public QObject {
    Q_OBJECT
private slots:
    void refusals_data();
    void refusals();
};

void TestEngineMessages::refusals_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("message");
    const auto set = [](Table &t, const char *field, const QString &text) {
        t.fieldByName(QString::fromLatin1(field))->setAsString(text);
    };
    QTest::newRow("key missing") << Action([=](Table &t) {
        t.append();
        set(t, "Nama_Barang", QStringLiteral("KARET"));
        t.post();
    }) << "Field 'Kode_Kervano' harus diisi";
    QTest::newRow("key taken") << Action([=](Table &t) {
        t.append();
        set(t, "Kode_Kervano", QStringLiteral("KV-1"));
        t.post();
    }) << "Kunci ganda: tabel 'Barang' sudah memuat record dengan Kode_Kervano 'KV-1'";
    QTest::newRow("unknown field") << Action([](Table &t) { t.fieldByName(QStringLiteral("Warna")); })
                                   << "Field 'Warna' tidak ditemukan";
    QTest::newRow("post while browsing") << Action([](Table &t) { t.post(); })
                                         << "Dataset tidak dalam keadaan ubah atau tambah";
    QTest::newRow("filter on an unknown field") << Action([](Table &t) {
        t.setFilter(QStringLiteral("Warna='MERAH'"));
        t.setFiltered(true);
    }) << "Filter 'Warna='MERAH'' tidak sah: tabel 'Barang' tidak punya field 'Warna'";
    QTest::newRow("filter without quotes") << Action([](Table &t) {
        t.setFilter(QStringLiteral("Kode_Kervano = KV"));
        t.setFiltered(true);
    }) << "Filter 'Kode_Kervano = KV' tidak sah: diharapkan nilai dalam tanda petik tunggal";
    QTest::newRow("query on an unknown table") << Action([](Table &) {
        Query q;
        q.setSql(QStringLiteral("SELECT Nama FROM Gudang ORDER BY Nama"));
        q.open();
    }) << "Query tidak sah: tabel 'Gudang' tidak dikenal";
    QTest::newRow("closed table") << Action([](Table &t) {
        t.close();
        t.edit();
    }) << "Operasi ini tidak dapat dilakukan pada dataset yang tertutup";
    // Fixed wording of the conversion error, whatever the language.
    QTest::newRow("price that is no number") << Action([=](Table &t) {
        t.edit();
        set(t, "Harga", QStringLiteral("lima ribu"));
    }) << "'lima ribu' is not a valid floating point value for field 'Harga'";
}

void TestEngineMessages::refusals()
{
    QFETCH(Action, action);
    QFETCH(QString, message);
    PinnedLocale pin(indonesian());
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Nama_Barang\") VALUES ('KV-1', 'SEAL')"));
    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.open();
    QCOMPARE(errorOf([&] { action(goods); }), message);
}

NOTA_DATA_TEST_MAIN(TestEngineMessages)
#include "test_engine_messages.moc"
