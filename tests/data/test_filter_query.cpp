// Filters and queries: the accepted forms, quotes, wildcards, letter case,
// empty values, unknown names, and the state after a refusal.
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "DataSupport.h"
#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Query.h"
#include "data/Table.h"

namespace {
void seedGoods(const TempDatabase &db)
{
    const char *rows[][4] = {
        {"KV-0001", "BRG-1", "BAN DALAM", "SEAL"},
        {"KV-0002", "BRG-2", "KARET BAN", "BUSHING"},
        {"KV-0003", "A'B", "SEAL 50%", "SEAL"},
        {"KV-0004", "BRG-1", "KARET_PINTU", "O-RING"},
        {"KV-0005", nullptr, "SIL \"KUAT\"", nullptr},
        {"KV-0006", "BRG-6", nullptr, "SEAL"},
    };
    for (const auto &r : rows)
        db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", \"Harga\") "
                               "VALUES (?, ?, ?, ?, 1000)"),
                {QString::fromUtf8(r[0]), r[1] ? QVariant(QString::fromUtf8(r[1])) : QVariant(),
                 r[2] ? QVariant(QString::fromUtf8(r[2])) : QVariant(), r[3] ? QVariant(QString::fromUtf8(r[3])) : QVariant()});
}

void seedCustomers(const TempDatabase &db)
{
    const char *rows[][3] = {
        {"Andi", "Jl. Merdeka 1\nBandung", "Bandung"},
        {"O'Brien", "Jl. Braga 7", "Bandung"},
        {"budi", nullptr, "Jakarta"},
        {"Andi", "Jl. Asia Afrika 12", "Bandung"},
        {"", "Jl. Tanpa Nama", "Bogor"},
    };
    for (const auto &r : rows)
        db.exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\", \"Alamat\", \"Kota\") VALUES (?, ?, ?)"),
                {r[0][0] ? QVariant(QString::fromUtf8(r[0])) : QVariant(),
                 r[1] ? QVariant(QString::fromUtf8(r[1])) : QVariant(), QString::fromUtf8(r[2])});
}

QString searchGoods(const QString &column, const QString &text)
{
    return QStringLiteral("SELECT\nKode_Kervano, Kode_Barang, Nama_Barang, Part, Group_Barang, Harga, Gambar\nFROM\nBarang\nWhere\n")
        + column + QStringLiteral(" Like \"%") + text + QStringLiteral("%\"\nORDER BY Kode_Kervano");
}
} // namespace

class TestFilterQuery : public QObject {
    Q_OBJECT
private slots:
    void init() { m_locale = std::make_unique<PinnedLocale>(english()); }
    void cleanup() { m_locale.reset(); }

    void filterForms_data();
    void filterForms();
    void badFilterChangesNothing_data();
    void badFilterChangesNothing();
    void badFilterRefusesOpen();
    void filteredLinesOfOneInvoice();
    void filterOnQuery();
    void filtersTakenInTurns();
    void goodsSearch_data();
    void goodsSearch();
    void customerSearch_data();
    void customerSearch();
    void badStatements_data();
    void badStatements();
    void failedQueryStaysClosed();
    void queryIsReadOnly();
    void startStatementsOfTheSearchWindows();
    void queryFieldsKeepTheirTitles();

private:
    std::unique_ptr<PinnedLocale> m_locale;
};

void TestFilterQuery::filterForms_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("names");  // Nama of the visible customers, in ID order
    QTest::newRow("Nama=") << "Nama='Andi'" << QStringList{"Andi", "Andi"};
    QTest::newRow("blank around =") << "Nama = 'budi'" << QStringList{"budi"};
    QTest::newRow("exact letter case") << "Nama='Budi'" << QStringList{};
    QTest::newRow("doubled quote") << "Nama='O''Brien'" << QStringList{"O'Brien"};
    QTest::newRow("no wildcards") << "Nama='And%'" << QStringList{};
    QTest::newRow("empty value finds no-name") << "Nama=''" << QStringList{""};
    QTest::newRow("other field") << "Kota ='Bandung'" << QStringList{"Andi", "O'Brien", "Andi"};
    QTest::newRow("empty text: no filter") << "" << QStringList{"Andi", "O'Brien", "budi", "Andi", ""};
}

void TestFilterQuery::filterForms()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, names);
    TempDatabase db;
    seedCustomers(db);
    Table t;
    t.setTableName(QStringLiteral("Pelanggan.DB"));
    t.open();
    t.setFiltered(false);
    t.setFilter(filter);
    t.setFiltered(true);
    QCOMPARE(columnOf(t, QStringLiteral("Nama")), names);
    QCOMPARE(t.recordCount(), names.size());
    t.setFiltered(false);
    QCOMPARE(t.recordCount(), 5);
}

void TestFilterQuery::badFilterChangesNothing_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("message");
    QTest::newRow("value without quotes") << "ID_Nota = 000002" << "diharapkan nilai dalam tanda petik tunggal";
    QTest::newRow("unclosed") << "ID_Nota ='0001" << "tidak ditutup";
    QTest::newRow("injection") << "ID_Nota ='1' OR '1'='1'" << "teks yang tidak diharapkan";
    QTest::newRow("other operator") << "ID_Nota > '1'" << "diharapkan \"=\"";
    QTest::newRow("double quotes") << "ID_Nota = \"1\"" << "tanda petik tunggal";
    QTest::newRow("unknown field") << "Warna='MERAH'" << "tidak punya field 'Warna'";
}

void TestFilterQuery::badFilterChangesNothing()
{
    QFETCH(QString, filter);
    QFETCH(QString, message);
    TempDatabase db;
    for (const char *id : {"000001", "000002", "000002"})
        db.exec(QStringLiteral("INSERT INTO \"Nota\" (\"ID_Nota\") VALUES (?)"), {QString::fromLatin1(id)});
    Table t;
    t.setTableName(QStringLiteral("Nota.DB"));
    t.open();
    t.setFilter(QStringLiteral("ID_Nota ='000002'"));
    t.setFiltered(true);
    QCOMPARE(t.recordCount(), 2);
    const QString error = errorOf([&] { t.setFilter(filter); });
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(t.filter(), QStringLiteral("ID_Nota ='000002'"));
    QCOMPARE(t.recordCount(), 2);

    t.setFiltered(false);
    t.setFilter(filter);  // stored while off
    QVERIFY(!errorOf([&] { t.setFiltered(true); }).isEmpty());
    QVERIFY(!t.filtered());
    QCOMPARE(t.recordCount(), 3);
}

void TestFilterQuery::badFilterRefusesOpen()
{
    TempDatabase db;
    Table t;
    t.setTableName(QStringLiteral("Nota.DB"));
    t.setFilter(QStringLiteral("ID_Nota = 5"));
    t.setFiltered(true);
    QVERIFY(!errorOf([&] { t.open(); }).isEmpty());
    QVERIFY(!t.active());
    t.setFilter(QStringLiteral("ID_Nota = '5'"));
    t.open();
    QVERIFY(t.active());
}

void TestFilterQuery::filteredLinesOfOneInvoice()
{
    TempDatabase db;
    for (const char *id : {"000001", "000002", "000001"})
        db.exec(QStringLiteral("INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\") VALUES (?, 'X')"), {QString::fromLatin1(id)});
    Table lines;
    lines.setTableName(QStringLiteral("Nota.DB"));
    lines.open();
    lines.setFiltered(false);
    lines.setFilter(QStringLiteral("ID_Nota ='000003'"));  // a number without a header yet
    lines.setFiltered(true);
    QVERIFY(lines.isEmpty());
    QCOMPARE(lines.fieldByName(QStringLiteral("ID_Nota"))->asString(), QString());
    for (int i = 1; i <= 2; ++i) {
        lines.append();
        lines.fieldByName(QStringLiteral("ID_Nota"))->setAsString(QStringLiteral("000003"));
        lines.fieldByName(QStringLiteral("Kode_KV"))->setAsString(QStringLiteral("KV-%1").arg(i));
        lines.fieldByName(QStringLiteral("Jumlah"))->setAsString(QStringLiteral("%1").arg(i * 1000));
        lines.post();
        QCOMPARE(lines.recordCount(), i);
        QCOMPARE(lines.fieldByName(QStringLiteral("Kode_KV"))->asString(), QStringLiteral("KV-%1").arg(i));
    }
    QCOMPARE(lines.displayTextAt(1, lines.fieldByName(QStringLiteral("Jumlah"))->index()), QStringLiteral("Rp 2,000"));
    lines.close();
    lines.open();  // the filter stays on across close and open
    QCOMPARE(columnOf(lines, QStringLiteral("Kode_KV")), (QStringList{"KV-1", "KV-2"}));
    lines.first();
    lines.deleteRecord();
    QCOMPARE(columnOf(lines, QStringLiteral("Kode_KV")), (QStringList{"KV-2"}));
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Nota\"")).toInt(), 4);
}

void TestFilterQuery::filterOnQuery()
{
    TempDatabase db;
    seedGoods(db);
    Query detail;
    detail.setSql(QStringLiteral("SELECT \nKode_Kervano, Kode_Barang, Nama_Barang, Part, Group_Barang, Harga, Gambar\nFROM\nBarang\nORDER BY Kode_Kervano"));
    detail.open();
    detail.setFilter(QStringLiteral("Kode_Barang='A''B'"));
    detail.setFiltered(true);
    QCOMPARE(detail.fieldByName(QStringLiteral("Kode_Kervano"))->asString(), QStringLiteral("KV-0003"));
    detail.setFiltered(false);
    detail.setFilter(QStringLiteral("Kode_Barang='BRG-1'"));
    detail.setFiltered(true);
    QCOMPARE(columnOf(detail, QStringLiteral("Kode_Kervano")), (QStringList{"KV-0001", "KV-0004"}));
    detail.setFiltered(false);
    detail.setFilter(QStringLiteral("Kode_Barang=''"));
    detail.setFiltered(true);
    QCOMPARE(columnOf(detail, QStringLiteral("Kode_Kervano")), (QStringList{"KV-0005"}));
}

void TestFilterQuery::filtersTakenInTurns()
{
    // Filters on one field and another, each set as the windows set them, and
    // back: every turn shows the rows of its own value, also after reopening.
    TempDatabase db;
    seedCustomers(db);
    Table t;
    t.setTableName(QStringLiteral("Pelanggan.DB"));
    t.open();
    const QStringList all{"Andi", "O'Brien", "budi", "Andi", ""};
    const struct {
        const char *filter;  // empty: the filter switched off
        QStringList names;
        bool reopen;
    } turns[] = {
        {"Nama='Andi'", {"Andi", "Andi"}, false},
        {"Kota='Jakarta'", {"budi"}, false},
        {"Nama='O''Brien'", {"O'Brien"}, false},
        {"", all, false},
        {"Kota='Bandung'", {"Andi", "O'Brien", "Andi"}, false},
        {"Kota='Bandung'", {"Andi", "O'Brien", "Andi"}, true},
        {"Nama=''", {""}, false},
        {"Kota='Bogor'", {""}, false},
        {"Nama='Andi'", {"Andi", "Andi"}, true},
    };
    for (const auto &turn : turns) {
        const QString filter = QString::fromUtf8(turn.filter);
        t.setFiltered(false);
        t.setFilter(filter);
        t.setFiltered(!filter.isEmpty());
        if (turn.reopen) {
            t.close();
            t.open();
        }
        QCOMPARE(columnOf(t, QStringLiteral("Nama")), turn.names);
        QCOMPARE(t.recordCount(), turn.names.size());
    }
}

void TestFilterQuery::goodsSearch_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("name part") << "Nama_Barang" << "BAN" << QStringList{"KV-0001", "KV-0002"};
    QTest::newRow("letter case ignored") << "Nama_Barang" << "karet" << QStringList{"KV-0002", "KV-0004"};
    QTest::newRow("empty text: every value, no blanks") << "Nama_Barang" << ""
                                                        << QStringList{"KV-0001", "KV-0002", "KV-0003", "KV-0004", "KV-0005"};
    QTest::newRow("percent is a wildcard") << "Nama_Barang" << "L%0" << QStringList{"KV-0003"};
    QTest::newRow("underscore is a wildcard") << "Nama_Barang" << "KARET_" << QStringList{"KV-0002", "KV-0004"};
    QTest::newRow("doubled double quote") << "Nama_Barang" << "\"\"KUAT\"\"" << QStringList{"KV-0005"};
    QTest::newRow("single quote") << "Kode_Barang" << "A'B" << QStringList{"KV-0003"};
    QTest::newRow("no match") << "Part" << "RANTAI" << QStringList{};
    QTest::newRow("column name in any case") << "kode_kervano" << "-000" << QStringList{"KV-0001", "KV-0002", "KV-0003", "KV-0004", "KV-0005", "KV-0006"};
}

void TestFilterQuery::goodsSearch()
{
    QFETCH(QString, column);
    QFETCH(QString, text);
    QFETCH(QStringList, codes);
    TempDatabase db;
    seedGoods(db);
    Query q;
    q.setSql(searchGoods(column, text));
    q.open();
    QCOMPARE(q.recordCount(), codes.size());
    QCOMPARE(::columnOf(q, QStringLiteral("Kode_Kervano")), codes);
    QCOMPARE(q.fields().size(), 7);
    const int picture = q.fieldByName(QStringLiteral("Gambar"))->index();
    if (!codes.isEmpty())
        QCOMPARE(q.displayTextAt(0, picture), QStringLiteral("(Graphic)"));
}

void TestFilterQuery::customerSearch_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("name") << "Nama" << "andi" << QStringList{"1", "4"};
    QTest::newRow("memo address over lines") << "alamat" << "Merdeka%Bandung" << QStringList{"1"};
    QTest::newRow("memo without value never matches") << "alamat" << "" << QStringList{"1", "2", "4", "5"};
    QTest::newRow("number column by its digits") << "ID_pelanggan" << "4" << QStringList{"4"};
    QTest::newRow("number column, any") << "ID_pelanggan" << "" << QStringList{"1", "2", "3", "4", "5"};
    QTest::newRow("town") << "Kota" << "BAND" << QStringList{"1", "2", "4"};
}

void TestFilterQuery::customerSearch()
{
    QFETCH(QString, column);
    QFETCH(QString, text);
    QFETCH(QStringList, ids);
    TempDatabase db;
    seedCustomers(db);
    Query q;
    q.setSql(QStringLiteral("SELECT\nID_pelanggan, Nama, alamat, Kota, KodePos, No_Telp1, No_Telp2, FAX, Email\nFROM\nPelanggan\nWhere\n")
             + column + QStringLiteral(" Like \"%") + text + QStringLiteral("%\"\nORDER BY ID_pelanggan"));
    q.open();
    QCOMPARE(::columnOf(q, QStringLiteral("ID_Pelanggan")), ids);
    QCOMPARE(q.recordCount(), ids.size());
}

void TestFilterQuery::badStatements_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("message");
    QTest::newRow("double quote in search text") << searchGoods(QStringLiteral("Nama_Barang"), QStringLiteral("A\"B"))
                                                 << "Query tidak sah: karakter '%' tidak diharapkan";
    QTest::newRow("quote closes the pattern") << searchGoods(QStringLiteral("Nama_Barang"), QStringLiteral("\" OR 1=1 --"))
                                              << "Query tidak sah:";
    QTest::newRow("unknown column") << searchGoods(QStringLiteral("Warna"), QStringLiteral("X"))
                                    << "Query tidak sah: kolom 'Warna' tidak ada di tabel 'Barang'";
    QTest::newRow("unknown table") << "SELECT Nama FROM Gudang ORDER BY Nama" << "Query tidak sah: tabel 'Gudang' tidak dikenal";
    QTest::newRow("unknown order column") << "SELECT Nama FROM Pelanggan ORDER BY Umur"
                                          << "Query tidak sah: kolom 'Umur' tidak ada di tabel 'Pelanggan'";
    QTest::newRow("no FROM") << "SELECT Nama Pelanggan" << "Query tidak sah: diharapkan FROM, ditemukan 'Pelanggan'";
    QTest::newRow("pattern not quoted") << "SELECT Nama FROM Pelanggan WHERE Nama LIKE %A%"
                                        << "Query tidak sah: karakter '%' tidak diharapkan";
    QTest::newRow("unclosed pattern") << "SELECT Nama FROM Pelanggan WHERE Nama LIKE \"%A%" << "tidak ditutup";
    QTest::newRow("other condition") << "SELECT Nama FROM Pelanggan WHERE Nama = \"A\"" << "Query tidak sah:";
    QTest::newRow("two statements") << "SELECT Nama FROM Pelanggan ORDER BY Nama; DROP TABLE Adm" << "Query tidak sah:";
    QTest::newRow("empty") << "" << "Query tidak sah: diharapkan SELECT, ditemukan akhir perintah";
}

void TestFilterQuery::badStatements()
{
    QFETCH(QString, sql);
    QFETCH(QString, message);
    TempDatabase db;
    Query q;
    q.setSql(sql);
    QString error;
    try {
        q.open();
    } catch (const EDatabaseError &e) {
        error = e.message();
    }
    QVERIFY2(error.startsWith(message) || (message.size() < 20 && error.contains(message)), qPrintable(error));
    QVERIFY(!q.active());
    QVERIFY(!connection::ofFile(db.path())->storedColumns(QStringLiteral("Adm")).isEmpty());
}

void TestFilterQuery::failedQueryStaysClosed()
{
    TempDatabase db;
    seedGoods(db);
    Query q;
    q.setSql(searchGoods(QStringLiteral("Nama_Barang"), QStringLiteral("BAN")));
    q.open();
    QCOMPARE(q.recordCount(), 2);
    q.close();
    q.setSql(searchGoods(QStringLiteral("Nama_Barang"), QStringLiteral("\"")));
    QVERIFY(!errorOf([&] { q.open(); }).isEmpty());
    QVERIFY(!q.active());
    QCOMPARE(q.recordCount(), 0);
    QCOMPARE(q.rowCount(), 0);
    QCOMPARE(q.fieldByName(QStringLiteral("Kode_Kervano"))->asString(), QString());
    QVERIFY(!errorOf([&] { q.open(); }).isEmpty());  // the same text fails again
    q.setSql(searchGoods(QStringLiteral("Nama_Barang"), QStringLiteral("SEAL")));
    q.open();
    QCOMPARE(q.recordCount(), 1);
}

void TestFilterQuery::queryIsReadOnly()
{
    TempDatabase db;
    seedGoods(db);
    Query q;
    q.setSql(searchGoods(QStringLiteral("Nama_Barang"), QString()));
    q.open();
    QVERIFY(!q.canModify());
    QCOMPARE(errorOf([&] { q.edit(); }), QStringLiteral("Dataset hanya-baca tidak dapat diubah"));
    QCOMPARE(errorOf([&] { q.append(); }), QStringLiteral("Dataset hanya-baca tidak dapat diubah"));
    QCOMPARE(errorOf([&] { q.deleteRecord(); }), QStringLiteral("Dataset hanya-baca tidak dapat diubah"));
    QVERIFY(!errorOf([&] { q.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("X")); }).isEmpty());
    QCOMPARE(q.state(), DataSetState::Browse);
}

void TestFilterQuery::startStatementsOfTheSearchWindows()
{
    TempDatabase db;
    seedGoods(db);
    seedCustomers(db);
    Query goods;
    goods.setSql(QStringLiteral("SELECT \nKode_Kervano, Kode_Barang, Nama_Barang, Part, Group_Barang, Harga, Gambar\nFROM\nBarang\nORDER BY Kode_Kervano"));
    goods.open();
    QCOMPARE(goods.recordCount(), 6);
    Query customers;
    customers.setSql(QStringLiteral("SELECT \nID_pelanggan, Nama, alamat, Kota, KodePos, No_Telp1, No_Telp2, FAX, Email\nFROM\nPelanggan\nORDER BY ID_Pelanggan"));
    customers.open();
    QCOMPARE(customers.recordCount(), 5);
    QCOMPARE(customers.fieldByName(QStringLiteral("ID_pelanggan"))->asString(), QStringLiteral("1"));
    const int memo = customers.fieldByName(QStringLiteral("alamat"))->index();
    QCOMPARE(customers.displayTextAt(0, memo), QStringLiteral("(MEMO)"));
    QCOMPARE(customers.displayTextAt(2, memo), QStringLiteral("(Memo)"));
    customers.setFilter(QStringLiteral("Nama='Andi'"));
    customers.setFiltered(true);
    QCOMPARE(customers.fieldByName(QStringLiteral("alamat"))->asString(), QStringLiteral("Jl. Merdeka 1\nBandung"));
}

void TestFilterQuery::queryFieldsKeepTheirTitles()
{
    TempDatabase db;
    Query q;
    q.setSql(QStringLiteral("SELECT ID_pelanggan, Nama, alamat FROM Pelanggan ORDER BY ID_Pelanggan"));
    q.fieldByName(QStringLiteral("alamat"))->setDisplayLabel(QStringLiteral("alamat"));
    QCOMPARE(q.fieldByName(QStringLiteral("ID_pelanggan"))->displayLabel(), QStringLiteral("ID Pelanggan"));
    q.open();
    q.close();
    q.setSql(QStringLiteral("SELECT ID_pelanggan, Nama, alamat FROM Pelanggan WHERE Nama LIKE \"%A%\" ORDER BY ID_pelanggan"));
    q.open();
    QCOMPARE(q.fieldByName(QStringLiteral("Alamat"))->displayLabel(), QStringLiteral("alamat"));
}

NOTA_DATA_TEST_MAIN(TestFilterQuery)
#include "test_filter_query.moc"
