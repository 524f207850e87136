// The admin tool's commands, run as a separate program: path, init, check,
// backup, sample.
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "data/Connection.h"
#include "data/PictureBlob.h"
#include "data/Table.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSqlQuery>

namespace {
struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run notadb(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(NOTADB_PATH), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
} // namespace

class TestNotadb : public QObject {
    Q_OBJECT
private slots:
    void pathFollowsTheConfiguration_data();
    void pathFollowsTheConfiguration();
    void initCreatesAndRefusesExisting();
    void sampleFillsAnEmptyDatabase();
    void checkFindsProblems_data();
    void checkFindsProblems();
    void backupCopiesALiveDatabase();
};

void TestNotadb::pathFollowsTheConfiguration_data()
{
    QTest::addColumn<QString>("override");
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("expected");  // %1: the temporary folder
    QTest::newRow("default under the data folder") << "" << "" << "%1/data/sistemnota/kv.sqlite";
    QTest::newRow("configuration file") << "" << "/srv/nota/toko.sqlite" << "/srv/nota/toko.sqlite";
    QTest::newRow("environment wins") << "/tmp/other.sqlite" << "/srv/nota/toko.sqlite" << "/tmp/other.sqlite";
}

void TestNotadb::pathFollowsTheConfiguration()
{
    QFETCH(QString, override);
    QFETCH(QString, configured);
    QFETCH(QString, expected);
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.remove(QStringLiteral("NOTA_KV_DATABASE"));
    if (!override.isEmpty())
        env.insert(QStringLiteral("NOTA_KV_DATABASE"), override);
    if (!configured.isEmpty()) {
        QDir().mkpath(home.filePath(QStringLiteral("config/sistemnota")));
        QFile ini(home.filePath(QStringLiteral("config/sistemnota/alias.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[aliases]\nKV=" + configured.toUtf8() + "\n");
    }
    const Run r = notadb({QStringLiteral("path")}, env);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out.trimmed(), expected.arg(home.path()));
}

void TestNotadb::initCreatesAndRefusesExisting()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sub/kv.sqlite"));
    QCOMPARE(notadb({QStringLiteral("init"), QStringLiteral("--user"), QStringLiteral("admin"), QStringLiteral("--database"), file}).code, 2);
    QVERIFY(!QFile::exists(file));
    Run r = notadb({QStringLiteral("init"), QStringLiteral("--user"), QStringLiteral("kasir"), QStringLiteral("--password"),
                    QStringLiteral("s3cret"), QStringLiteral("--database"), file});
    QCOMPARE(r.code, 0);
    QVERIFY(QFile::exists(file));
    QCOMPARE(notadb({QStringLiteral("check"), QStringLiteral("--database"), file}).code, 0);
    const QByteArray before = [&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    r = notadb({QStringLiteral("init"), QStringLiteral("--user"), QStringLiteral("x"), QStringLiteral("--password"),
                QStringLiteral("y"), QStringLiteral("--database"), file});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QLatin1String("already exists")), qPrintable(r.err));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QCOMPARE(notadb({QStringLiteral("frobnicate")}).code, 2);
}

void TestNotadb::sampleFillsAnEmptyDatabase()
{
    TempDatabase db;
    connection::closeFile(db.path());
    const Run r = notadb({QStringLiteral("sample"), QStringLiteral("--database"), db.path()});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    // The tool closed its connection on the way out: the journal is folded into the file.
    QVERIFY(!QFile::exists(db.path() + QStringLiteral("-wal")));
    QVERIFY(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\"")).toInt() >= 24);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Pelanggan\"")).toInt(), 12);
    QVERIFY(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Group\"")).toInt() >= 3);
    QVERIFY(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Part\"")).toInt() >= 3);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\" WHERE \"Part\" NOT IN (SELECT \"Part\" FROM \"Part\") "
                                      "OR \"Group_Barang\" NOT IN (SELECT \"Group\" FROM \"Group\")")).toInt(),
             0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\" WHERE \"Nama_Barang\" <> upper(\"Nama_Barang\")")).toInt(), 0);

    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.open();
    QCOMPARE(goods.fieldByName(QStringLiteral("Kode_Kervano"))->asString(), QStringLiteral("KV-0001"));
    for (; !goods.eof(); goods.next()) {
        const QByteArray stored = goods.fieldByName(QStringLiteral("Gambar"))->asBlob();
        QCOMPARE(stored, pictureblob::wrap(pictureblob::unwrap(stored)));  // stored with its header
        QImage image;
        QVERIFY(image.loadFromData(goods.fieldByName(QStringLiteral("Gambar"))->pictureBytes(), "BMP"));
        QVERIFY(image.width() > 50);
    }
    goods.close();
    connection::closeFile(db.path());
    QCOMPARE(notadb({QStringLiteral("check"), QStringLiteral("--database"), db.path()}).code, 0);
    const Run again = notadb({QStringLiteral("sample"), QStringLiteral("--database"), db.path()});
    QCOMPARE(again.code, 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Pelanggan\"")).toInt(), 12);
}

void TestNotadb::checkFindsProblems_data()
{
    QTest::addColumn<QString>("damage");  // SQL run on a fresh database, or a keyword
    QTest::addColumn<QString>("message");
    QTest::newRow("sound") << "" << "";
    QTest::newRow("table missing") << "DROP TABLE \"Nota\"" << "table Nota is missing";
    QTest::newRow("unique index missing") << "DROP INDEX \"Barang_Kode_Kervano\"" << "lacks its unique index on Kode_Kervano";
    QTest::newRow("no account") << "DELETE FROM \"Adm\"" << "holds no account";
    QTest::newRow("field missing") << "ALTER TABLE \"Part\" RENAME COLUMN \"Part\" TO \"Jenis\"" << "table Part has no field Part";
    QTest::newRow("not a database") << "garbage" << "not a database";
    QTest::newRow("missing file") << "remove" << "not found";
}

void TestNotadb::checkFindsProblems()
{
    QFETCH(QString, damage);
    QFETCH(QString, message);
    TempDatabase db;
    if (damage == QLatin1String("garbage") || damage == QLatin1String("remove")) {
        connection::closeFile(db.path());
        QFile::remove(db.path());
        if (damage == QLatin1String("garbage")) {
            QFile f(db.path());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(8192, 'x'));
        }
    } else if (!damage.isEmpty()) {
        db.exec(damage);
    }
    connection::closeFile(db.path());
    const Run r = notadb({QStringLiteral("check"), QStringLiteral("--database"), db.path()});
    if (message.isEmpty()) {
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.startsWith(QLatin1String("OK")));
    } else {
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }
}

void TestNotadb::backupCopiesALiveDatabase()
{
    TempDatabase db;
    Table parts;  // the database stays open and written while it is copied
    parts.setTableName(QStringLiteral("Part.db"));
    parts.open();
    for (const char *p : {"SEAL", "BOOT", "BUSHING"}) {
        parts.append();
        parts.fieldByName(QStringLiteral("Part"))->setAsString(QString::fromLatin1(p));
        parts.post();
    }
    QVERIFY(QFile(db.path() + QStringLiteral("-wal")).size() > 0);  // the rows are still in the journal
    const QString copy = db.folder() + QStringLiteral("/backup.sqlite");
    Run r = notadb({QStringLiteral("backup"), copy, QStringLiteral("--database"), db.path()});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(notadb({QStringLiteral("check"), QStringLiteral("--database"), copy}).code, 0);
    QSqlDatabase copied = connection::forFile(copy);
    QSqlQuery q(copied);
    QVERIFY(q.exec(QStringLiteral("SELECT group_concat(\"Part\", ',') FROM (SELECT \"Part\" FROM \"Part\" ORDER BY 1)")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("BOOT,BUSHING,SEAL"));
    q.finish();
    connection::closeFile(copy);
    r = notadb({QStringLiteral("backup"), copy, QStringLiteral("--database"), db.path()});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(QLatin1String("already exists")));
}

NOTA_DATA_TEST_MAIN(TestNotadb)
#include "test_notadb.moc"
