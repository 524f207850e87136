// The admin tool's commands, run as a separate program: path, init (names and
// passwords), sample, check; and that a command refusing a file leaves it as
// it was. Backups and read-only looks: test_notadb_files.
#include "NotadbRun.h"
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "core/PasswordHash.h"
#include "data/Connection.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/PictureBlob.h"
#include "data/Table.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlQuery>

namespace {
QString arg(const char *text) { return QString::fromLatin1(text); }

// The first account as stored: name and password hash.
QPair<QString, QString> storedAccount(const QString &file)
{
    QPair<QString, QString> account;
    {
        QSqlQuery q(connection::forFile(file));
        if (q.exec(QStringLiteral("SELECT \"NamaUser\", \"Pass\" FROM \"Adm\"")) && q.next())
            account = {q.value(0).toString(), q.value(1).toString()};
    }
    connection::closeFile(file);
    return account;
}

// The tool's number and date texts follow the desktop; these tests read them
// as an Indonesian desktop writes them.
QProcessEnvironment indonesianDesktop()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("id_ID.UTF-8"));
    return env;
}
} // namespace

class TestNotadb : public QObject {
    Q_OBJECT
private slots:
    void pathFollowsTheConfiguration_data();
    void pathFollowsTheConfiguration();
    void initCreatesAndRefusesExisting();
    void initTakesThePassword_data();
    void initTakesThePassword();
    void initAsksOnTheTerminal_data();
    void initAsksOnTheTerminal();
    void initTakesOnlyANameTheFieldHolds_data();
    void initTakesOnlyANameTheFieldHolds();
    void sampleFillsAnEmptyDatabase();
    void refusedFileIsLeftAsItWas_data();
    void refusedFileIsLeftAsItWas();
    void checkFindsProblems_data();
    void checkFindsProblems();
    void wrongCalls_data();
    void wrongCalls();
    void answersHelpAndVersion_data();
    void answersHelpAndVersion();
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
    const NotadbRun r = notadb({arg("path")}, {}, env);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out.trimmed(), QString(expected).replace(QLatin1String("%1"), home.path()));
}

void TestNotadb::initCreatesAndRefusesExisting()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sub/kv.sqlite"));
    // No password anywhere (standard input empty): refused, nothing created.
    QCOMPARE(notadb({arg("init"), arg("--user"), arg("admin"), arg("--database"), file}).code, 2);
    QVERIFY(!QFile::exists(file));
    NotadbRun r = notadb({arg("init"), arg("--user"), arg("kasir"), arg("--password"), arg("s3cret"), arg("--database"), file});
    QCOMPARE(r.code, 0);
    QVERIFY(QFile::exists(file));
    QCOMPARE(notadb({arg("check"), arg("--database"), file}).code, 0);
    const QByteArray before = contentsOf(file);
    r = notadb({arg("init"), arg("--user"), arg("x"), arg("--password"), arg("y"), arg("--database"), file});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QLatin1String("already exists")), qPrintable(r.err));
    QCOMPARE(contentsOf(file), before);
}

// Without --password (which every user of the machine can read in the process
// list) the password comes as one line on standard input; it is never empty.
void TestNotadb::initTakesThePassword_data()
{
    QTest::addColumn<QStringList>("options");  // besides --user kasir --database FILE
    QTest::addColumn<QByteArray>("input");      // standard input, not a terminal
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");      // the password that logs in, or the refusal
    QTest::newRow("--password") << QStringList{arg("--password"), arg("s3cret")} << QByteArray() << 0 << "s3cret";
    QTest::newRow("--password wins over input") << QStringList{arg("--password"), arg("s3cret")} << QByteArray("other\n") << 0
                                                << "s3cret";
    QTest::newRow("standard input") << QStringList() << QByteArray("s3cret\n") << 0 << "s3cret";
    QTest::newRow("no line end") << QStringList() << QByteArray("s3cret") << 0 << "s3cret";
    QTest::newRow("carriage return and line feed") << QStringList() << QByteArray("s3cret\r\n") << 0 << "s3cret";
    QTest::newRow("only the first line") << QStringList() << QByteArray("s3cret\nother\n") << 0 << "s3cret";
    QTest::newRow("blanks belong to it") << QStringList() << QByteArray(" s3 cret \n") << 0 << " s3 cret ";
    QTest::newRow("beyond ascii") << QStringList() << QByteArray("rahasia\xe2\x9c\x93\n") << 0 << QStringLiteral("rahasia\u2713");
    QTest::newRow("empty --password") << QStringList{arg("--password"), QString()} << QByteArray() << 2
                                      << "the first account needs a password that is not empty";
    QTest::newRow("empty line") << QStringList() << QByteArray("\n") << 2
                                << "the first account needs a password that is not empty";
    QTest::newRow("no input") << QStringList() << QByteArray() << 2 << "no password given";
    // The login window takes 30 characters: a longer password could never be typed there.
    QTest::newRow("30 characters") << QStringList() << QByteArray(30, 'p') + "\n" << 0 << QString(30, QLatin1Char('p'));
    QTest::newRow("31 characters") << QStringList{arg("--password"), QString(31, QLatin1Char('p'))} << QByteArray() << 2
                                   << "the password has 31 characters; the login window takes at most 30";
}

void TestNotadb::initTakesThePassword()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, input);
    QFETCH(int, code);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kv.sqlite"));
    const NotadbRun r = notadb(QStringList{arg("init"), arg("--user"), arg("kasir"), arg("--database"), file} + options, input);
    QCOMPARE(r.code, code);
    if (code != 0) {
        QVERIFY2(r.err.contains(expected), qPrintable(r.err));
        QVERIFY(!QFile::exists(file));
        return;
    }
    const auto [name, hash] = storedAccount(file);
    QCOMPARE(name, QStringLiteral("kasir"));
    QVERIFY(password::isHash(hash));
    QVERIFY(password::verify(hash, expected));
    QVERIFY(!password::verify(hash, QString()));
    QVERIFY(!r.out.contains(expected) && !r.err.contains(expected));
}

// On a terminal the password is asked twice and never shown.
void TestNotadb::initAsksOnTheTerminal_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");  // empty: not asked
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("the same twice") << QByteArray("s3cret\n") << QByteArray("s3cret\n") << 0 << "Created";
    QTest::newRow("two different") << QByteArray("s3cret\n") << QByteArray("s3cre7\n") << 2 << "the two passwords differ";
    QTest::newRow("empty") << QByteArray("\n") << QByteArray() << 2 << "needs a password that is not empty";
}

void TestNotadb::initAsksOnTheTerminal()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(int, code);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kv.sqlite"));
    QList<QPair<QString, QByteArray>> typed{{QStringLiteral("Password for kasir: "), first}};
    if (!second.isEmpty())
        typed.append({QStringLiteral("Password again: "), second});
    const NotadbRun r = notadbOnTerminal({arg("init"), arg("--user"), arg("kasir"), arg("--database"), file}, typed);
    QVERIFY2(r.code == code, qPrintable(r.out));
    QVERIFY2(r.out.contains(message), qPrintable(r.out));
    QVERIFY2(!r.out.contains(QLatin1String("s3cre")), qPrintable(r.out));  // nothing typed was echoed
    QCOMPARE(QFile::exists(file), code == 0);
    if (code == 0)
        QVERIFY(password::verify(storedAccount(file).second, QStringLiteral("s3cret")));
}

// A name is stored whole, as printed, or refused: a cut name never logs in.
// Width is counted in characters, so a character outside the basic plane
// (two UTF-16 units) counts once and is never split.
void TestNotadb::initTakesOnlyANameTheFieldHolds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    const QString wide = QStringLiteral("\U0001F600");
    QTest::newRow("30 letters") << QString(30, QLatin1Char('N')) << true;
    QTest::newRow("31 letters") << QString(31, QLatin1Char('N')) << false;
    QTest::newRow("40 letters") << QStringLiteral("Administrator Toko Karet Sinar Jaya Abadi").left(40) << false;
    QTest::newRow("30 characters, 31 units") << QString(29, QLatin1Char('N')) + wide << true;
    QTest::newRow("31 characters ending in a wide one") << QString(30, QLatin1Char('N')) + wide << false;
    QTest::newRow("accented") << QStringLiteral("Łukasz Żółć") << true;
}

void TestNotadb::initTakesOnlyANameTheFieldHolds()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kv.sqlite"));
    const NotadbRun r = notadb({arg("init"), arg("--user"), name, arg("--password"), arg("pw"), arg("--database"), file});
    if (!accepted) {
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(QLatin1String("an account name holds at most 30")), qPrintable(r.err));
        QVERIFY(!QFile::exists(file));
        return;
    }
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.out.contains(name));
    QCOMPARE(storedAccount(file).first, name);
}

void TestNotadb::sampleFillsAnEmptyDatabase()
{
    TempDatabase db;
    connection::closeFile(db.path());
    const NotadbRun r = notadb({arg("sample"), arg("--database"), db.path()});
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
    // The sample's invoices agree with their lines, which check now verifies.
    const NotadbRun checked = notadb({arg("check"), arg("--database"), db.path()}, {}, indonesianDesktop());
    QVERIFY2(checked.code == 0, qPrintable(checked.err));
    const NotadbRun again = notadb({arg("sample"), arg("--database"), db.path()});
    QCOMPARE(again.code, 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Pelanggan\"")).toInt(), 12);
}

// The commands that open the file through the engine (which turns any file
// into a database) look at it read-only first: a file that is not a database
// of this program stays exactly as it was, with no journal files beside it.
void TestNotadb::refusedFileIsLeftAsItWas_data()
{
    QTest::addColumn<QStringList>("command");  // %1: the folder
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    const QList<QStringList> commands = {
        {arg("sample")},
        {arg("export"), arg("goods"), arg("%1/out.csv")},
        {arg("import"), arg("goods"), arg("%1/in.csv")},
    };
    const QList<QPair<QString, QString>> kinds = {
        {QStringLiteral("empty file"), QStringLiteral("is empty (0 bytes), not a database")},
        {QStringLiteral("text file"), QStringLiteral("is not a database")},
        {QStringLiteral("database of another program"), QStringLiteral("is not a database of Sistem Nota")},
        {QStringLiteral("folder"), QStringLiteral("is a folder, not a database file")},
        {QStringLiteral("missing"), QStringLiteral("not found")},
    };
    for (const QStringList &command : commands)
        for (const auto &[kind, message] : kinds)
            QTest::addRow("%s on %s", qPrintable(command.first()), qPrintable(kind)) << command << kind << message;
}

void TestNotadb::refusedFileIsLeftAsItWas()
{
    QFETCH(QStringList, command);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kv.sqlite"));
    {
        QFile csv(dir.filePath(QStringLiteral("in.csv")));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Kode_Kervano;Nama_Barang\nKV-0001;KARET\n");
    }
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(file));
    } else if (kind == QLatin1String("database of another program")) {
        const QString name = QStringLiteral("other program");
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            other.setDatabaseName(file);
            QVERIFY(other.open());
            QSqlQuery(other).exec(QStringLiteral("CREATE TABLE notes (body TEXT)"));
            other.close();
        }
        QSqlDatabase::removeDatabase(name);
    } else if (kind != QLatin1String("missing")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (kind == QLatin1String("text file"))
            f.write("Daftar harga karet\n");
    }
    const QStringList filesBefore = filesIn(dir.path());
    const QByteArray before = contentsOf(file);
    for (QString &a : command)
        a.replace(QLatin1String("%1"), dir.path());
    const NotadbRun r = notadb(command + QStringList{arg("--database"), file});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QCOMPARE(filesIn(dir.path()), filesBefore);
    QCOMPARE(contentsOf(file), before);
}

void TestNotadb::checkFindsProblems_data()
{
    QTest::addColumn<QStringList>("damage");    // SQL run on a fresh database, or one keyword
    QTest::addColumn<QStringList>("problems");  // each listed once; none: sound
    const auto rows = [](std::initializer_list<const char *> texts) {
        QStringList list;
        for (const char *t : texts)
            list << QString::fromUtf8(t);
        return list;
    };
    const QString invoice = QStringLiteral("INSERT INTO \"NotaUtama\" VALUES ('000001', '2024-03-15', 'K', 'A', %1)");
    const QString line = QStringLiteral("INSERT INTO \"Nota\" (\"ID_Nota\", \"Jumlah\") VALUES ('000001', %1)");
    QTest::newRow("sound") << QStringList() << QStringList();
    QTest::newRow("table missing") << rows({"DROP TABLE \"Nota\""}) << rows({"table Nota is missing"});
    QTest::newRow("unique index missing") << rows({"DROP INDEX \"Barang_Kode_Kervano\""})
                                          << rows({"table Barang lacks its unique index on Kode_Kervano"});
    QTest::newRow("no account") << rows({"DELETE FROM \"Adm\""}) << rows({"table Adm holds no account"});
    QTest::newRow("field missing") << rows({"ALTER TABLE \"Part\" RENAME COLUMN \"Part\" TO \"Jenis\""})
                                   << rows({"table Part has no field Part", "table Part lacks its unique index on Part"});
    QTest::newRow("not a database") << rows({"garbage"}) << rows({"is not a database"});
    QTest::newRow("missing file") << rows({"remove"}) << rows({"not found"});
    QTest::newRow("folder") << rows({"folder"}) << rows({"is a folder, not a database file"});
    QTest::newRow("empty file") << rows({"empty"}) << rows({"is empty (0 bytes), not a database"});

    // Values the program cannot use, which SQLite's own check passes.
    QTest::newRow("price not a number") << rows({"INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('KV-0001', 'abc')"})
                                        << rows({"Barang KV-0001: Harga holds 'abc', which is not a number"});
    QTest::newRow("price of infinity") << rows({"INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('KV-0002', -9e999)"})
                                       << rows({"Barang KV-0002: Harga holds -infinity, which is not a finite number"});
    QTest::newRow("price as binary data")
        << rows({"INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('KV-0003', X'0001')"})
        << rows({"Barang KV-0003: Harga holds binary data (2 bytes), which is not a number"});
    QTest::newRow("two bad prices") << rows({"INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('KV-0001', '1O000')",
                                            "INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('KV-0002', '5.000,00')"})
                                    << rows({"Barang KV-0001: Harga holds '1O000', which is not a number",
                                             "Barang KV-0002: Harga holds '5.000,00', which is not a number"});
    QTest::newRow("price with a decimal comma converts")
        << rows({"INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('KV-0004', '12,5')"}) << QStringList();
    QTest::newRow("month 13") << QStringList{invoice.arg(0).replace(QLatin1String("2024-03-15"), QLatin1String("2024-13-45"))}
                              << rows({"NotaUtama 000001: Tanggal holds '2024-13-45', which is not a date"});
    QTest::newRow("date as typed") << QStringList{invoice.arg(0).replace(QLatin1String("2024-03-15"), QLatin1String("15/03/2024"))}
                                   << rows({"NotaUtama 000001: Tanggal holds '15/03/2024', which is not a date"});
    QTest::newRow("line amount not a number")
        << QStringList{invoice.arg(QLatin1String("NULL")), line.arg(QLatin1String("'x'"))}
        << rows({"Nota row 1 (ID_Nota 000001): Jumlah holds 'x', which is not a number"});
    QTest::newRow("total is not the sum of its lines")
        << QStringList{invoice.arg(100), line.arg(40), line.arg(50)}
        << rows({"NotaUtama 000001: Jumlah_Total is 100 but its 2 lines in Nota add up to 90"});
    QTest::newRow("total without lines") << QStringList{invoice.arg(5)}
                                         << rows({"NotaUtama 000001: Jumlah_Total is 5 but it has no lines in Nota"});
    QTest::newRow("lines without a total") << QStringList{invoice.arg(QLatin1String("NULL")), line.arg(39375)}
                                           << rows({"NotaUtama 000001: Jumlah_Total is empty but its 1 line in Nota adds up to 39375"});
    QTest::newRow("total agrees with its lines")
        << QStringList{invoice.arg(40609.5), line.arg(39375), line.arg(1234.5)} << QStringList();
    QTest::newRow("total agrees but for the last bit") << QStringList{invoice.arg(0.3), line.arg(0.1), line.arg(0.2)}
                                                       << QStringList();
    QTest::newRow("total agrees with an amount stored as text")
        << QStringList{invoice.arg(12.5), line.arg(QLatin1String("'12,5'"))} << QStringList();
}

void TestNotadb::checkFindsProblems()
{
    QFETCH(QStringList, damage);
    QFETCH(QStringList, problems);
    TempDatabase db;
    const QString keyword = damage.size() == 1 ? damage.first() : QString();
    if (QStringList{arg("garbage"), arg("remove"), arg("folder"), arg("empty")}.contains(keyword)) {
        connection::closeFile(db.path());
        QFile::remove(db.path());
        QFile f(db.path());
        if (keyword == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(db.path()));
        else if (keyword != QLatin1String("remove"))
            QVERIFY(f.open(QIODevice::WriteOnly));
        if (keyword == QLatin1String("garbage"))
            f.write(QByteArray(8192, 'x'));
    } else {
        for (const QString &statement : std::as_const(damage))
            db.exec(statement);
    }
    connection::closeFile(db.path());
    const NotadbRun r = notadb({arg("check"), arg("--database"), db.path()}, {}, indonesianDesktop());
    if (problems.isEmpty()) {
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.startsWith(QLatin1String("OK")));
        return;
    }
    QCOMPARE(r.code, 1);
    for (const QString &p : std::as_const(problems))
        QVERIFY2(r.err.count(p) == 1, qPrintable(r.err));
    // Nothing else is listed.
    if (r.err.contains(QLatin1String("has problems:")))
        QCOMPARE(r.err.count(QLatin1String("\n  ")), problems.size());
}

void TestNotadb::wrongCalls_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList() << "Commands:";
    QTest::newRow("unknown command") << QStringList{arg("frobnicate")} << "unknown command 'frobnicate'";
    QTest::newRow("backup without a destination") << QStringList{arg("backup")} << "usage: notadb backup DEST";
    QTest::newRow("check with an argument") << QStringList{arg("check"), arg("x")} << "usage: notadb check";
    QTest::newRow("init without a name") << QStringList{arg("init"), arg("--password"), arg("pw")} << "needs a user name";
    QTest::newRow("wait not a number") << QStringList{arg("check"), arg("--wait"), arg("soon")} << "--wait takes a number";
    QTest::newRow("copy without a target") << QStringList{arg("copy"), arg("--from"), arg("kv.sqlite")}
                                           << "usage: notadb copy --from FILE --to postgresql://";
    QTest::newRow("copy into a file") << QStringList{arg("copy"), arg("--from"), arg("kv.sqlite"), arg("--to"), arg("new.sqlite")}
                                      << "--to takes a URI postgresql://";
    QTest::newRow("copy from a server")
        << QStringList{arg("copy"), arg("--from"), arg("postgresql://u@127.0.0.1:1/a"), arg("--to"), arg("postgresql://u@127.0.0.1:1/b")}
        << "--from names a file, not a server";
    QTest::newRow("unknown option") << QStringList{arg("check"), arg("--force")} << "Unknown option 'force'";
    QTest::newRow("export of an unknown kind") << QStringList{arg("export"), arg("invoices"), arg("x.csv")}
                                               << "export goods or customers, not 'invoices'";
    QTest::newRow("import of an unknown kind") << QStringList{arg("import"), arg("invoices"), arg("x.csv")}
                                               << "import goods or customers, not 'invoices'";
    QTest::newRow("customers with pictures")
        << QStringList{arg("export"), arg("customers"), arg("x.csv"), arg("--pictures"), arg("pics")}
        << "customers have no pictures";
}

void TestNotadb::wrongCalls()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const NotadbRun r = notadb(args + QStringList{arg("--database"), dir.filePath(QStringLiteral("kv.sqlite"))});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(filesIn(dir.path()).isEmpty());
}

void TestNotadb::answersHelpAndVersion_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("answer");
    QTest::newRow("--help") << QStringList{arg("--help")} << "Exit status: 0 done, 1 failed or problems found, 2 a wrong call.";
    QTest::newRow("-h with a command") << QStringList{arg("check"), arg("-h")} << "Commands:";
    QTest::newRow("--version") << QStringList{arg("--version")} << "notadb 2.";
}

void TestNotadb::answersHelpAndVersion()
{
    QFETCH(QStringList, args);
    QFETCH(QString, answer);
    QTemporaryDir dir;
    const NotadbRun r = notadb(args + QStringList{arg("--database"), dir.filePath(QStringLiteral("kv.sqlite"))});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(answer), qPrintable(r.out));
    QVERIFY(filesIn(dir.path()).isEmpty());
}

NOTA_DATA_TEST_MAIN(TestNotadb)
#include "test_notadb.moc"
