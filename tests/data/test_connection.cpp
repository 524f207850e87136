// Connections: one per database file, set up for safety, owning their
// statements, checked tables and open datasets until the file is closed.
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "DataSupport.h"
#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Provision.h"
#include "data/Table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

#include <sqlite3.h>
#include <thread>
#include <type_traits>

class TestConnection : public QObject {
    Q_OBJECT
private slots:
    void missingDatabaseIsReportedWhenOpenedNeverCreated();
    void journalAndSyncSettings();
    void postWaitsForAnotherWriter();
    void unusualFileNames_data();
    void unusualFileNames();
    void checkedTablesGoWithTheConnection();
    void dataSetOutlivingItsConnection();
    void transactionRollsBackWithoutRaising();
    void cachedCopiesOnTwoFilesKeepApart();
    void noticeMayDestroyAnotherDataSet();
};

void TestConnection::missingDatabaseIsReportedWhenOpenedNeverCreated()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none/kv.sqlite"));
    const AliasOverride alias(QStringLiteral("KV"), missing);
    Table t;
    t.setTableName(QStringLiteral("Barang.DB"));  // nothing happens before open
    const QString error = errorOf([&] { t.open(); });
    QVERIFY2(error.contains(missing), qPrintable(error));
    QVERIFY(!t.active());
    QVERIFY(!QFile::exists(missing));
    const QString second = errorOf([&] { t.open(); });
    QVERIFY(!second.isEmpty());
}

void TestConnection::journalAndSyncSettings()
{
    TempDatabase db;
    Table t;
    t.setTableName(QStringLiteral("Part.db"));
    t.open();  // the engine's connection is the one TempDatabase reads through
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2);  // FULL
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA busy_timeout")).toInt(), 5000);
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA foreign_keys")).toInt(), 0);
}

void TestConnection::postWaitsForAnotherWriter()
{
    TempDatabase db;
    Table t;
    t.setTableName(QStringLiteral("Part.db"));
    t.open();
    // Another program holds the write lock for a moment; the post waits for it.
    sqlite3 *other = nullptr;
    QCOMPARE(sqlite3_open_v2(QFile::encodeName(db.path()).constData(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE; INSERT INTO \"Part\" VALUES ('BOOT')", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread releaser([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    t.append();
    t.fieldByName(QStringLiteral("Part"))->setAsString(QStringLiteral("SEAL"));
    const QString error = errorOf([&] { t.post(); });
    releaser.join();
    sqlite3_close(other);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    t.refresh();
    QCOMPARE(columnOf(t, QStringLiteral("Part")), (QStringList{"BOOT", "SEAL"}));
}

void TestConnection::unusualFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blanks") << "Data Toko/kv nota.sqlite";
    QTest::newRow("URI characters") << "a#b?c=d%20e/kv&1.sqlite";
    QTest::newRow("not ASCII") << "Kervano Müller/kv.sqlite";
}

void TestConnection::unusualFileNames()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString file = dir.filePath(name);
    provision::createDatabase(file, QStringLiteral("admin"), QStringLiteral("admin"));
    {
        const AliasOverride alias(QStringLiteral("KV"), file);
        Table t;
        t.setTableName(QStringLiteral("Adm.db"));
        t.open();
        QCOMPARE(t.recordCount(), 1);
        t.edit();
        t.fieldByName(QStringLiteral("Nomer"))->setAsString(QStringLiteral("1"));
        t.post();
    }
    connection::closeFile(file);
    // The same file was used throughout, and closing folded the journal into
    // it; beside it stays only the lock file open databases are known by.
    QCOMPARE(QFileInfo(file).dir().entryList(QDir::Files),
             (QStringList{QFileInfo(file).fileName(), QFileInfo(file).fileName() + QStringLiteral(".lock")}));

    const QString missing = dir.filePath(QStringLiteral("x#y/none?.sqlite"));
    const AliasOverride alias(QStringLiteral("KV"), missing);
    Table t;
    t.setTableName(QStringLiteral("Adm.db"));
    QVERIFY(!errorOf([&] { t.open(); }).isEmpty());
    QVERIFY(!QFile::exists(missing));
}

void TestConnection::checkedTablesGoWithTheConnection()
{
    TempDatabase db;
    {
        Table goods;
        goods.setTableName(QStringLiteral("Barang.DB"));
        goods.open();
    }
    connection::closeFile(db.path());
    // Another program rebuilds the table without its picture field.
    db.exec(QStringLiteral("DROP TABLE \"Barang\""));
    db.exec(QStringLiteral("CREATE TABLE \"Barang\" (\"Kode_Kervano\" TEXT, \"Kode_Barang\" TEXT, \"Nama_Barang\" TEXT, "
                           "\"Part\" TEXT, \"Group_Barang\" TEXT, \"Harga\" REAL)"));
    connection::closeFile(db.path());
    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    const QString error = errorOf([&] { goods.open(); });
    QVERIFY2(error.contains(QLatin1String("tidak punya field 'Gambar'")), qPrintable(error));
    QVERIFY(!goods.active());
}

void TestConnection::dataSetOutlivingItsConnection()
{
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Part\" VALUES ('SEAL')"));
    Table t;
    t.setTableName(QStringLiteral("Part.db"));
    t.open();
    connection::closeFile(db.path());
    const QString error = errorOf([&] { t.refresh(); });
    QVERIFY2(error.contains(QLatin1String("sudah ditutup")), qPrintable(error));
    t.close();
    t.open();  // on a new connection to the same file
    QCOMPARE(columnOf(t, QStringLiteral("Part")), QStringList{"SEAL"});
}

void TestConnection::transactionRollsBackWithoutRaising()
{
    static_assert(std::is_nothrow_destructible_v<connection::Transaction>);
    TempDatabase db;
    const std::shared_ptr<connection::Connection> c = connection::ofFile(db.path());
    {
        connection::Transaction tx(*c);
        c->exec(QStringLiteral("INSERT INTO \"Part\" VALUES ('SEAL')"));
    }
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Part\"")).toInt(), 0);
    {
        connection::Transaction tx(*c);
        c->exec(QStringLiteral("INSERT INTO \"Part\" VALUES ('BOOT')"));
        c->close();  // the file went away under the transaction: nothing is left to roll back
    }
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Part\"")).toInt(), 0);
}

void TestConnection::cachedCopiesOnTwoFilesKeepApart()
{
    TempDatabase first;
    Table moved;
    moved.setTableName(QStringLiteral("Part.db"));
    moved.setCachedUpdates(true);
    moved.open();  // its private copy is made on the first file's connection
    moved.close();

    TempDatabase second;  // the alias now names the second file
    Table settled;
    settled.setTableName(QStringLiteral("Part.db"));
    settled.setCachedUpdates(true);
    settled.open();
    moved.open();
    moved.append();
    moved.fieldByName(QStringLiteral("Part"))->setAsString(QStringLiteral("SEAL"));
    moved.post();
    QCOMPARE(moved.recordCount(), 1);
    QCOMPARE(settled.recordCount(), 0);
    moved.applyUpdates();
    QCOMPARE(second.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Part\"")).toInt(), 1);
    QCOMPARE(first.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Part\"")).toInt(), 0);
}

void TestConnection::noticeMayDestroyAnotherDataSet()
{
    TempDatabase db;
    Table writer, listener;
    auto doomed = std::make_unique<Table>();
    for (Table *t : {&writer, &listener, doomed.get()}) {
        t->setTableName(QStringLiteral("Part.db"));
        t->open();
    }
    // A window closing a list when another one's rows change.
    connect(&listener, &DataSet::rowsChanged, this, [&] { doomed.reset(); });
    writer.append();
    writer.fieldByName(QStringLiteral("Part"))->setAsString(QStringLiteral("SEAL"));
    writer.post();
    QVERIFY(!doomed);
    QCOMPARE(listener.rowCount(), 1);
}

NOTA_DATA_TEST_MAIN(TestConnection)
#include "test_connection.moc"
