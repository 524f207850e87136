// CSV files and pictures that are out to harm: files in other encodings,
// cells a spreadsheet would run, pictures from where they should not come,
// values that would flood or steer the terminal, and an engine that fails
// half way through an import (a full disk). Also: a database carrying
// triggers of someone else is refused.
#include "DataSupport.h"
#include "DataTestMain.h"
#include "NotadbRun.h"
#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/CsvText.h"
#include "data/CsvTransfer.h"
#include "data/PictureBlob.h"
#include "data/PictureFile.h"
#include "data/Provision.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <sys/stat.h>

using csvtransfer::Records;

namespace {
QString arg(const char *text) { return QString::fromUtf8(text); }

void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray bitmapOf(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QStringList listed(const QList<csv::Problem> &problems)
{
    QStringList out;
    for (const csv::Problem &p : problems)
        out << QStringLiteral("%1: %2").arg(p.line).arg(p.reason);
    return out;
}

csvtransfer::ImportSummary importText(const TempDatabase &db, Records what, const QByteArray &text,
                                      const QString &pictures = {})
{
    const QString file = QDir(db.folder()).filePath(QStringLiteral("in.csv"));
    QFile::remove(file);
    writeBytes(file, text);
    return csvtransfer::importFile(*connection::ofFile(db.path()), what, file, false, pictures);
}

int goodsCount(const TempDatabase &db) { return db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\"")).toInt(); }

// A small file system of its own, mounted for the test's life (root only).
class SmallDisk {
public:
    explicit SmallDisk(const QString &size)
    {
        QProcess mount;
        mount.start(QStringLiteral("mount"), {arg("-t"), arg("tmpfs"), arg("-o"), QStringLiteral("size=") + size, arg("tmpfs"), m_dir.path()});
        m_mounted = mount.waitForFinished() && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
        m_why = QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool mounted() const { return m_mounted; }
    QString why() const { return m_why; }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_why;
};

// Goods rows enough to fill a few megabytes.
QByteArray manyGoods(int rows)
{
    QByteArray text = "Kode_Kervano;Kode_Barang;Nama_Barang;Part;Group_Barang;Harga\n";
    for (int i = 1; i <= rows; ++i)
        text += QStringLiteral("KV-%1;MAKER-%1-XXXXXXXX;KARET SUPPORT MESIN %1;SEAL DAN KARET;TOYOTA AVANZA;%2\n")
                    .arg(i, 6, 10, QLatin1Char('0'))
                    .arg(i)
                    .toUtf8();
    return text;
}
} // namespace

class TestCsvHostile : public QObject {
    Q_OBJECT
private slots:
    void otherEncodingsAreNamedAtOnce_data();
    void otherEncodingsAreNamedAtOnce();
    void formulasAreGuardedAndReadBack_data();
    void formulasAreGuardedAndReadBack();
    void picturesComeOnlyFromTheirFolder_data();
    void picturesComeOnlyFromTheirFolder();
    void messagesShowValuesShortAndInert_data();
    void messagesShowValuesShortAndInert();
    void aFullDiskStopsTheImport();
    void triggersOfSomeoneElseAreRefused();
};

// ---------------------------------------------------------------- the file

void TestCsvHostile::otherEncodingsAreNamedAtOnce_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("problems");
    const QString utf16 = QStringLiteral("0: teksnya UTF-16, bukan UTF-8 (simpan berkas itu sebagai CSV dalam UTF-8)");
    const QString utf32 = QStringLiteral("0: teksnya UTF-32, bukan UTF-8 (simpan berkas itu sebagai CSV dalam UTF-8)");
    const QString text = QStringLiteral("Kode_Kervano;Harga\nA;1\nB;2\nC;3\n");
    QTest::newRow("UTF-16 little-endian") << QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2)
                                          << QStringList{utf16};
    QTest::newRow("UTF-16 big-endian") << QByteArray("\xFE\xFF\x00K", 4) << QStringList{utf16};
    QTest::newRow("UTF-32 little-endian") << QByteArray("\xFF\xFE\x00\x00K\x00\x00\x00", 8) << QStringList{utf32};
    QTest::newRow("UTF-32 big-endian") << QByteArray("\x00\x00\xFE\xFFK", 5) << QStringList{utf32};
    QTest::newRow("text after a quote that steers the terminal")
        << QByteArray("a,b\n\"x\"\x1b[2J\x1b]0;t\x07,2\n") << QStringList{"2: ada teks sesudah tanda petik penutup: \\x1b[2J\\x1b]0;t\\x07"};
}

void TestCsvHostile::otherEncodingsAreNamedAtOnce()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, problems);
    const csv::Document doc = csv::parse(bytes);
    QCOMPARE(listed(doc.problems), problems);
    if (problems.first().startsWith(QLatin1String("0:")))
        QVERIFY(doc.records.isEmpty());
}

// A cell a spreadsheet program would take for a formula is written with an
// apostrophe in front and read back without it; a text that really begins
// with apostrophes keeps them all.
void TestCsvHostile::formulasAreGuardedAndReadBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");  // the cell as the file holds it (before quoting)
    const QString same;
    QTest::newRow("formula") << "=HYPERLINK(\"x\")" << "'=HYPERLINK(\"x\")";
    QTest::newRow("plus") << "+62 812" << "'+62 812";
    QTest::newRow("minus") << "-KARET" << "'-KARET";
    QTest::newRow("at") << "@SUM(A1)" << "'@SUM(A1)";
    QTest::newRow("tab") << "\tX" << "'\tX";
    QTest::newRow("carriage return") << "\rX" << "'\rX";
    QTest::newRow("line feed") << "\nX" << "'\nX";
    QTest::newRow("apostrophe before a formula") << "'=1+1" << "''=1+1";
    QTest::newRow("two apostrophes before a formula") << "''-1" << "'''-1";
    QTest::newRow("apostrophe before text") << "'KARET" << same;
    QTest::newRow("apostrophe alone") << "'" << same;
    QTest::newRow("formula sign inside") << "A=B-C" << same;
    QTest::newRow("plain") << "KARET SEAL" << same;
}

void TestCsvHostile::formulasAreGuardedAndReadBack()
{
    QFETCH(QString, text);
    QFETCH(QString, written);
    if (written.isEmpty())
        written = text;
    QCOMPARE(csv::guarded(text), written);
    QCOMPARE(csv::unguarded(written), text);

    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Nama_Barang\", \"Harga\") VALUES ('KV-1', ?, -5)"), {text});
    db.exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\", \"Alamat\") VALUES ('TOKO', ?)"), {text});
    auto c = connection::ofFile(db.path());
    const QString goods = QDir(db.folder()).filePath(QStringLiteral("goods.csv"));
    const QString customers = QDir(db.folder()).filePath(QStringLiteral("customers.csv"));
    csvtransfer::exportFile(*c, Records::Goods, goods);
    csvtransfer::exportFile(*c, Records::Customers, customers);
    const csv::Document goodsDoc = csv::parse(contentsOf(goods));
    QCOMPARE(goodsDoc.records.at(1).fields.at(2), QString(written).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    QCOMPARE(goodsDoc.records.at(1).fields.at(5), QStringLiteral("-5"));  // a number is no formula
    QCOMPARE(csv::parse(contentsOf(customers)).records.at(1).fields.at(2), goodsDoc.records.at(1).fields.at(2));

    db.exec(QStringLiteral("DELETE FROM \"Barang\""));
    db.exec(QStringLiteral("DELETE FROM \"Pelanggan\""));
    for (const auto &[what, file] : {std::pair{Records::Goods, goods}, std::pair{Records::Customers, customers}}) {
        const csvtransfer::ImportSummary s = csvtransfer::importFile(*c, what, file, false);
        QVERIFY2(s.stored, qPrintable(listed(s.problems).join(QLatin1Char('\n'))));
    }
    // (A line break inside a field is read as LF, whatever the file used.)
    const QString readBack = QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QCOMPARE(db.scalar(QStringLiteral("SELECT \"Nama_Barang\" FROM \"Barang\"")).toString(), readBack);
    QCOMPARE(db.scalar(QStringLiteral("SELECT \"Alamat\" FROM \"Pelanggan\"")).toString(), readBack);
    QCOMPARE(db.scalar(QStringLiteral("SELECT \"Harga\" FROM \"Barang\"")).toInt(), -5);
}

// ---------------------------------------------------------------- pictures

void TestCsvHostile::picturesComeOnlyFromTheirFolder_data()
{
    QTest::addColumn<QString>("cell");     // relative to the CSV file's folder; the pictures folder is pics/
    QTest::addColumn<QString>("problem");  // how the row's problem begins; empty: stored
    QTest::newRow("a bitmap inside") << "pics/a.bmp" << "";
    QTest::newRow("a link to a bitmap inside") << "pics/link-in.bmp" << "";
    QTest::newRow("climbing out") << "pics/../secret.bmp" << "bukan nama di dalam folder gambar";
    QTest::newRow("beside the folder") << "secret.bmp" << "berada di luar folder gambar";
    QTest::newRow("absolute path") << "/dev/zero" << "bukan nama di dalam folder gambar";
    QTest::newRow("a link out") << "pics/link-out.bmp" << "berada di luar folder gambar";
    QTest::newRow("a link to a device") << "pics/zero.bmp" << "berada di luar folder gambar";
    QTest::newRow("a link to nothing") << "pics/dangling.bmp" << "adalah tautan yang tidak menunjuk ke apa pun";
    QTest::newRow("a pipe") << "pics/pipe.bmp" << "bukan berkas biasa";
    QTest::newRow("a folder") << "pics/folder.bmp" << "bukan berkas biasa";
    QTest::newRow("larger than the picture box takes") << "pics/huge.bmp" << "terlalu besar (65 MB; paling besar 64 MB)";
    QTest::newRow("BM and then anything") << "pics/fake.bmp" << "bukan bitmap yang dapat dibaca";
    QTest::newRow("a bitmap wider than the picture box takes") << "pics/wide.bmp"
                                                               << "adalah gambar yang terlalu besar untuk dimuat (8001 x 1 piksel)";
    QTest::newRow("not a bitmap") << "pics/photo.jpg" << "bukan bitmap";
}

void TestCsvHostile::picturesComeOnlyFromTheirFolder()
{
    QFETCH(QString, cell);
    QFETCH(QString, problem);
    TempDatabase db;
    const QDir home(db.folder());
    home.mkpath(QStringLiteral("pics/folder.bmp"));
    writeBytes(home.filePath(QStringLiteral("pics/a.bmp")), bitmapOf(QSize(4, 3)));
    writeBytes(home.filePath(QStringLiteral("secret.bmp")), bitmapOf(QSize(2, 2)));
    writeBytes(home.filePath(QStringLiteral("pics/fake.bmp")), "BM root:x:0:0:root:/root:/bin/bash\n");
    writeBytes(home.filePath(QStringLiteral("pics/wide.bmp")), bitmapOf(QSize(picturefile::kLargestSide + 1, 1)));
    writeBytes(home.filePath(QStringLiteral("pics/photo.jpg")), QByteArray("\xff\xd8\xff\xe0 JFIF"));
    QFile::link(home.filePath(QStringLiteral("pics/a.bmp")), home.filePath(QStringLiteral("pics/link-in.bmp")));
    QFile::link(home.filePath(QStringLiteral("secret.bmp")), home.filePath(QStringLiteral("pics/link-out.bmp")));
    QFile::link(QStringLiteral("/dev/zero"), home.filePath(QStringLiteral("pics/zero.bmp")));
    QFile::link(home.filePath(QStringLiteral("nothing")), home.filePath(QStringLiteral("pics/dangling.bmp")));
    QCOMPARE(mkfifo(QFile::encodeName(home.filePath(QStringLiteral("pics/pipe.bmp"))).constData(), 0600), 0);
    {
        // Sparse: it takes no room on the disk.
        QFile huge(home.filePath(QStringLiteral("pics/huge.bmp")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        huge.write("BM");
        QVERIFY(huge.resize(picturefile::kLargestFileBytes + 1));
    }
    const csvtransfer::ImportSummary s = importText(db, Records::Goods, ("Kode_Kervano,Gambar\nA," + cell + "\n").toUtf8(),
                                                    home.filePath(QStringLiteral("pics")));
    if (problem.isEmpty()) {
        QVERIFY2(s.stored, qPrintable(listed(s.problems).join(QLatin1Char('\n'))));
        QCOMPARE(db.scalar(QStringLiteral("SELECT \"Gambar\" FROM \"Barang\"")).toByteArray(),
                 pictureblob::wrap(bitmapOf(QSize(4, 3))));
        return;
    }
    QCOMPARE(s.problems.size(), 1);
    const QString expected = QStringLiteral("2: berkas gambar '%1' %2").arg(cell, problem);
    QVERIFY2(listed(s.problems).first().startsWith(expected), qPrintable(listed(s.problems).first()));
    QCOMPARE(goodsCount(db), 0);
}

// ---------------------------------------------------------------- messages

void TestCsvHostile::messagesShowValuesShortAndInert_data()
{
    QTest::addColumn<QByteArray>("rows");     // after the header Kode_Kervano;Harga
    QTest::addColumn<QString>("problem");
    QTest::newRow("a value of 10 MB is cut")
        << "A;" + QByteArray(10 << 20, '9') + "x\n"
        << "2: '" + QString(60, QLatin1Char('9')) + "... (seluruhnya 10485761 karakter)' is not a valid floating point value for field 'Harga'";
    QTest::newRow("terminal control sequences are shown escaped")
        << QByteArray("A;\"\x1b[31m\x1b]0;owned\x07\xc2\x9b" "5\"\n")
        << "2: '\\x1b[31m\\x1b]0;owned\\x07\\x9b5' is not a valid floating point value for field 'Harga'";
    QTest::newRow("a line break in a value stays on its line")
        << QByteArray("A;\"1\n2\"\n") << "2: '1\\n2' is not a valid floating point value for field 'Harga'";
    QTest::newRow("a code that reverses the text around it")
        << QByteArray("A;\xe2\x80\xae" "9\n") << "2: '\\u202e9' is not a valid floating point value for field 'Harga'";
}

void TestCsvHostile::messagesShowValuesShortAndInert()
{
    QFETCH(QByteArray, rows);
    QFETCH(QString, problem);
    TempDatabase db;
    const csvtransfer::ImportSummary s = importText(db, Records::Goods, "Kode_Kervano;Harga\n" + rows);
    QCOMPARE(listed(s.problems), QStringList{problem});
}

// ---------------------------------------------------------------- the engine fails

// A full disk (or on the server, the same error injected at one row) stops
// the import at once: nothing is stored, one line says why; a dry run writes
// nothing at all and so is not stopped by it.
void TestCsvHostile::aFullDiskStopsTheImport()
{
    const QString csvFile = QDir::temp().filePath(QStringLiteral("nota-full-disk-%1.csv").arg(QCoreApplication::applicationPid()));
    std::optional<SmallDisk> disk;
    std::optional<TempDatabase> server;
    QString database;
    int rows = 0;
    if (TempDatabase::onServer()) {
        server.emplace();
        server->exec(arg("CREATE FUNCTION nota_disk(price float8) RETURNS boolean LANGUAGE plpgsql AS $$ BEGIN "
                         "IF price = 700 THEN RAISE EXCEPTION USING ERRCODE = 'disk_full', "
                         "MESSAGE = 'could not extend file: No space left on device'; END IF; RETURN true; END $$"));
        server->exec(arg("ALTER TABLE \"Barang\" ADD CONSTRAINT nota_disk CHECK (nota_disk(\"Harga\"))"));
        database = server->path();
        rows = 2000;
    } else {
        disk.emplace(QStringLiteral("1m"));
        if (!disk->mounted())
            QSKIP(qPrintable(QStringLiteral("a small file system cannot be mounted here (root may mount tmpfs): %1").arg(disk->why())));
        database = QDir(disk->path()).filePath(QStringLiteral("kv.sqlite"));
        provision::createDatabase(database, arg("admin"), arg("rahasia"));
        connection::closeFile(database);
        rows = 20000;  // several megabytes of records and indexes
    }
    writeBytes(csvFile, manyGoods(rows));
    const auto stored = [&] {
        const int n = connection::ofFile(database)->scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\""), {}).toInt();
        connection::closeFile(database);
        return n;
    };

    const NotadbRun full = notadb({arg("import"), arg("goods"), csvFile, arg("--database"), database});
    QCOMPARE(full.code, 1);
    // At the row the disk filled up, or at the commit when the rows fitted in memory.
    QVERIFY2(full.err.startsWith(QLatin1String("notadb: Impor berhenti pada ")), qPrintable(full.err));
    QVERIFY2(full.err.contains(QLatin1String("full")) || full.err.contains(QLatin1String("No space left")), qPrintable(full.err));
    QVERIFY2(full.err.trimmed().endsWith(QLatin1String("tidak ada yang disimpan")), qPrintable(full.err));
    QCOMPARE(full.err.count(QLatin1Char('\n')), 1);
    QCOMPARE(stored(), 0);

    const NotadbRun dry = notadb({arg("import"), arg("goods"), csvFile, arg("--dry-run"), arg("--database"), database});
    QVERIFY2(dry.code == 0, qPrintable(dry.err));
    QVERIFY(dry.out.contains(QLatin1String("tidak ada yang disimpan (--dry-run)")));
    QCOMPARE(stored(), 0);
    QFile::remove(csvFile);
}

// ---------------------------------------------------------------- someone else's triggers

void TestCsvHostile::triggersOfSomeoneElseAreRefused()
{
    TempDatabase db;
    if (TempDatabase::onServer()) {
        db.exec(arg("CREATE FUNCTION nota_ignore() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RETURN NULL; END $$"));
        db.exec(arg("CREATE TRIGGER sneaky BEFORE INSERT ON \"Barang\" FOR EACH ROW EXECUTE FUNCTION nota_ignore()"));
    } else {
        db.exec(arg("CREATE TRIGGER sneaky BEFORE INSERT ON \"Barang\" BEGIN SELECT RAISE(IGNORE); END"));
    }
    connection::closeFile(db.path());
    // The program's own way in.
    const QString refused = errorOf([] { connection::ofAlias(QStringLiteral("KV")); });
    QVERIFY2(refused.contains(QLatin1String("trigger 'sneaky' pada tabel Barang")) && refused.contains(QLatin1String("notadb check")),
             qPrintable(refused));
    // The admin tool's: an import would report rows the trigger swallowed.
    const QString file = QDir(db.folder()).filePath(QStringLiteral("in.csv"));
    writeBytes(file, "Kode_Kervano\nA\nB\n");
    const NotadbRun import = notadb({arg("import"), arg("goods"), file, arg("--database"), db.path()});
    QCOMPARE(import.code, 1);
    QVERIFY2(import.err.contains(QLatin1String("trigger 'sneaky' pada tabel Barang")) && import.err.contains(QLatin1String("notadb check")),
             qPrintable(import.err));
    const NotadbRun check = notadb({arg("check"), arg("--database"), db.path()});
    QCOMPARE(check.code, 1);
    QVERIFY2(check.err.contains(QLatin1String("trigger 'sneaky' pada tabel Barang bukan buatan program")), qPrintable(check.err));
}

NOTA_DATA_TEST_MAIN(TestCsvHostile)
#include "test_csv_hostile.moc"
