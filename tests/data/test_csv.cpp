// Goods and customers to and from CSV files: reading what spreadsheet
// programs write, checking every row before anything is stored, the round
// trip, and the admin tool's two commands.
#include "DataSupport.h"
#include "DataTestMain.h"
#include "TempDatabase.h"
#include "data/Connection.h"
#include "data/CsvText.h"
#include "data/CsvTransfer.h"
#include "data/PictureBlob.h"
#include "sampleshop/SampleShop.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

using csvtransfer::Records;

namespace {
QByteArray bom() { return QByteArray(csv::kByteOrderMark); }

void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "line: reason" for each problem, as the admin tool lists them.
QStringList listed(const QList<csv::Problem> &problems)
{
    QStringList out;
    for (const csv::Problem &p : problems)
        out << QStringLiteral("%1: %2").arg(p.line).arg(p.reason);
    return out;
}

QByteArray bitmap(Qt::GlobalColor colour)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

csvtransfer::ImportSummary import(const TempDatabase &db, Records what, const QByteArray &text, bool dryRun = false)
{
    const QString file = QDir(db.folder()).filePath(QStringLiteral("in.csv"));
    QFile::remove(file);
    writeBytes(file, text);
    return csvtransfer::importFile(*connection::ofFile(db.path()), what, file, dryRun);
}

struct Run {
    int code = -1;
    QString out, err;
};

Run notadb(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(NOTADB_PATH), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
} // namespace

class TestCsv : public QObject {
    Q_OBJECT
private slots:
    void readsWhatSpreadsheetsWrite_data();
    void readsWhatSpreadsheetsWrite();
    void writtenFieldsReadBack_data();
    void writtenFieldsReadBack();
    void decimalMarkOfAFile_data();
    void decimalMarkOfAFile();
    void goodsAreCheckedBeforeAnythingIsStored_data();
    void goodsAreCheckedBeforeAnythingIsStored();
    void customersGetNewNumbers();
    void dryRunStoresNothing();
    void picturesTravelAsBitmapFiles_data();
    void picturesTravelAsBitmapFiles();
    void roundTripGivesTheSameFiles_data();
    void roundTripGivesTheSameFiles();
    void exportRefusesToOverwrite();
    void adminToolListsEveryBadRow();
};

// ---------------------------------------------------------------- the file format

void TestCsv::readsWhatSpreadsheetsWrite_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("records");  // "line|field|field..."
    QTest::addColumn<QStringList>("problems");

    QTest::newRow("comma") << QByteArray("a,b\n1,2\n") << "," << QStringList{"1|a|b", "2|1|2"} << QStringList{};
    QTest::newRow("semicolon, decimal comma inside")
        << QByteArray("a;b\r\n1,5;2\r\n") << ";" << QStringList{"1|a|b", "2|1,5|2"} << QStringList{};
    QTest::newRow("byte-order mark") << bom() + "Kode;Nama\nA;B" << ";" << QStringList{"1|Kode|Nama", "2|A|B"} << QStringList{};
    QTest::newRow("quoted separator and quotes")
        << QByteArray("a,b\n\"x, y\",\"say \"\"hi\"\"\"\n") << "," << QStringList{"1|a|b", "2|x, y|say \"hi\""} << QStringList{};
    QTest::newRow("line breaks inside quotes keep the line count")
        << QByteArray("a;b\r\n\"one\r\ntwo\";x\r\n\"3\n4\n5\";y\r\nlast;z\r\n") << ";"
        << QStringList{"1|a|b", "2|one\ntwo|x", "4|3\n4\n5|y", "7|last|z"} << QStringList{};
    QTest::newRow("empty fields and a final separator")
        << QByteArray("a,b,c\n,,x\ny,,\n") << "," << QStringList{"1|a|b|c", "2|||x", "3|y||"} << QStringList{};
    QTest::newRow("blank rows are left out")
        << QByteArray("a;b\n\n;\n1;2\n\n") << ";" << QStringList{"1|a|b", "4|1|2"} << QStringList{};
    QTest::newRow("separator in quotes of the header does not count")
        << QByteArray("\"a;b\",c\n") << "," << QStringList{"1|a;b|c"} << QStringList{};
    QTest::newRow("empty file") << QByteArray() << "," << QStringList{} << QStringList{};
    QTest::newRow("only a byte-order mark") << bom() << "," << QStringList{} << QStringList{};
    QTest::newRow("unclosed quote") << QByteArray("a,b\n1,\"open\n2,3\n") << ","
                                    << QStringList{"1|a|b", "2|1|open\n2,3\n"} << QStringList{"2: field yang diawali tanda petik tidak ditutup"};
    QTest::newRow("text after a closing quote") << QByteArray("a,b\n\"x\"y,2\n") << ","
                                                << QStringList{"1|a|b", "2|xy|2"} << QStringList{"2: ada teks sesudah tanda petik penutup: y"};
    QTest::newRow("not UTF-8") << QByteArray("a;b\nok;1\nK\xe9ret;2\n") << ";"
                               << QStringList{"1|a|b", "2|ok|1", QStringLiteral("3|K\uFFFDret|2")}
                               << QStringList{"3: teksnya bukan UTF-8 (simpan berkas itu sebagai CSV dalam UTF-8)"};
}

void TestCsv::readsWhatSpreadsheetsWrite()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, separator);
    QFETCH(QStringList, records);
    QFETCH(QStringList, problems);
    const csv::Document doc = csv::parse(bytes);
    QCOMPARE(QString(doc.separator), separator);
    QStringList got;
    for (const csv::Record &r : doc.records)
        got << QString::number(r.line) + QLatin1Char('|') + r.fields.join(QLatin1Char('|'));
    QCOMPARE(got, records);
    QCOMPARE(listed(doc.problems), problems);
}

void TestCsv::writtenFieldsReadBack_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("written");

    QTest::newRow("plain") << ";" << QStringList{"KV-1", "1,5", ""} << "KV-1;1,5;\r\n";
    QTest::newRow("comma file quotes commas") << "," << QStringList{"1,5", "a;b"} << "\"1,5\",a;b\r\n";
    QTest::newRow("quotes and line breaks") << ";" << QStringList{"say \"hi\"", "Jl. A\nKel. B", "x\r\ny"}
                                            << "\"say \"\"hi\"\"\";\"Jl. A\nKel. B\";\"x\r\ny\"\r\n";
}

void TestCsv::writtenFieldsReadBack()
{
    QFETCH(QString, separator);
    QFETCH(QStringList, fields);
    QFETCH(QString, written);
    const QString text = csv::record(fields, separator.at(0));
    QCOMPARE(text, written);
    // A header row first, so that the separator is found as it was written.
    QStringList header;
    for (int i = 0; i < fields.size(); ++i)
        header << QStringLiteral("c%1").arg(i);
    const csv::Document doc = csv::parse((csv::record(header, separator.at(0)) + text).toUtf8());
    QCOMPARE(doc.records.size(), 2);
    QStringList expected = fields;
    expected.replaceInStrings(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(doc.records.at(1).fields, expected);
}

void TestCsv::decimalMarkOfAFile_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("mark");

    QTest::newRow("semicolon file, decimal comma") << ";" << QStringList{"1,5", "2000"} << ",";
    QTest::newRow("comma file, decimal point") << "," << QStringList{"1.5", "2000"} << ".";
    QTest::newRow("semicolon file written with points") << ";" << QStringList{"1.5", "12.75"} << ".";
    QTest::newRow("comma file with quoted decimal commas") << "," << QStringList{"1,5", "7"} << ",";
    QTest::newRow("three digits after a point may be thousands") << ";" << QStringList{"25.000", "1.500"} << ",";
    QTest::newRow("three digits after a comma may be thousands") << "," << QStringList{"25,000"} << ".";
    QTest::newRow("whole numbers only") << ";" << QStringList{"45000", ""} << ",";
    QTest::newRow("the usual mark wins over the other") << ";" << QStringList{"1,5", "2.5"} << ",";
}

void TestCsv::decimalMarkOfAFile()
{
    QFETCH(QString, separator);
    QFETCH(QStringList, numbers);
    QFETCH(QString, mark);
    QCOMPARE(QString(csvtransfer::decimalMark(separator.at(0), numbers)), mark);
}

// ---------------------------------------------------------------- importing

void TestCsv::goodsAreCheckedBeforeAnythingIsStored_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("problems");  // "line: reason"; any problem means nothing is stored
    QTest::addColumn<int>("records");           // rows read
    QTest::addColumn<QString>("priceOfA");      // Harga of the goods 'A' afterwards, "" for none or no record

    const QByteArray head = "Kode_Kervano;Kode_Barang;Nama_Barang;Part;Group_Barang;Harga\n";
    QTest::newRow("semicolon, decimal comma")
        << head + "A;M-1;KARET;SEAL;TOYOTA;1250,5\nB;;;;;\n" << QStringList{} << 2 << "1250.5";
    QTest::newRow("comma, decimal point, with byte-order mark")
        << bom() + "Kode_Kervano,Harga\nA,1250.5\n" << QStringList{} << 1 << "1250.5";
    QTest::newRow("columns in any order and letter case")
        << QByteArray("harga;NAMA_BARANG;kode_kervano\n7;SEAL X;A\n") << QStringList{} << 1 << "7";
    QTest::newRow("quoted name with separator and quotes")
        << QByteArray("Kode_Kervano,Nama_Barang,Harga\nA,\"KARET, \"\"BESAR\"\"\",3\n") << QStringList{} << 1 << "3";
    QTest::newRow("only a header") << head << QStringList{} << 0 << "";
    QTest::newRow("empty file") << QByteArray() << QStringList{"0: berkas itu kosong: perlu baris judul berisi nama-nama field"}
                                << 0 << "";
    QTest::newRow("bad numbers")
        << head + "A;;;;;12a\nB;;;;;1.500.000\nC;;;;;1,5\n"
        << QStringList{"2: '12a' is not a valid floating point value for field 'Harga'",
                       "3: '1.500.000' is not a valid floating point value for field 'Harga'"}
        << 3 << "";
    QTest::newRow("thousands point in a decimal-comma file is refused")
        << head + "A;;;;;25.000\nB;;;;;1,5\n"
        << QStringList{"2: '25.000' is not a valid floating point value for field 'Harga'"} << 2 << "";
    QTest::newRow("duplicate codes in the file")
        << head + "A;;;;;1\nB;;;;;2\nA;;;;;3\nA;;;;;4\n"
        << QStringList{"4: Kode_Kervano 'A' sudah ada di baris 2", "5: Kode_Kervano 'A' sudah ada di baris 2"} << 4 << "";
    QTest::newRow("code already in the table")
        << head + "A;;;;;1\nOLD;;;;;2\n"
        << QStringList{"3: Kunci ganda: tabel 'Barang' sudah memuat record dengan Kode_Kervano 'OLD'"} << 2 << "";
    QTest::newRow("codes differing in letter case are different")
        << head + "A;;;;;1\nold;;;;;2\n" << QStringList{} << 2 << "1";
    QTest::newRow("missing shop code")
        << head + "A;;;;;1\n;M-2;KARET;;;2\n" << QStringList{"3: Field 'Kode_Kervano' harus diisi"} << 2 << "";
    QTest::newRow("over-long text is reported, not cut")
        << head + "A;;KARET SUPPORT MESIN AVANZA DEPAN KIRI;;;1\nKODE-YANG-TERLALU-PANJANG;;;;;2\n"
        << QStringList{"2: 'KARET SUPPORT MESIN AVANZA DEPAN KIRI' lebih panjang dari 30 karakter field 'Nama_Barang'",
                       "3: 'KODE-YANG-TERLALU-PANJANG' lebih panjang dari 20 karakter field 'Kode_Kervano'"}
        << 2 << "";
    QTest::newRow("text of exactly the width is kept")
        << head + "A;;KARET SUPPORT MESIN AVANZA 300;;;1\n" << QStringList{} << 1 << "1";
    QTest::newRow("wrong number of fields")
        << head + "A;;;;;1\nB;;;;\nC;;;;;3;extra\n"
        << QStringList{"3: 5 field, padahal baris judul punya 6", "4: 7 field, padahal baris judul punya 6"} << 3 << "";
    QTest::newRow("every bad row is listed, in line order")
        << head + "A;;;;;x\n;;;;;\"2\"\nB;;;;;\"3\n4\"\nC;;;;;4\nB;;;;;5\n"
        << QStringList{"2: 'x' is not a valid floating point value for field 'Harga'",
                       "3: Field 'Kode_Kervano' harus diisi",
                       "4: '3\\n4' is not a valid floating point value for field 'Harga'",  // one line each
                       "7: Kode_Kervano 'B' sudah ada di baris 4"}
        << 5 << "";
    QTest::newRow("unknown column") << QByteArray("Kode_Kervano;Harga;Stok\nA;1;5\n")
                                    << QStringList{"1: kolom 'Stok' tidak dikenal (kolomnya: Kode_Kervano, Kode_Barang, "
                                                   "Nama_Barang, Part, Group_Barang, Harga, Gambar)"}
                                    << 0 << "";
    QTest::newRow("empty columns a spreadsheet adds are read past")
        << QByteArray("Kode_Kervano;Harga;;\nA;5;;\n") << QStringList{} << 1 << "5";
    QTest::newRow("text under a column without a name")
        << QByteArray("Kode_Kervano;Harga;\nA;5;lupa\nB;6;\n")
        << QStringList{"2: 'lupa' ada di kolom tanpa nama"} << 2 << "";
    QTest::newRow("column twice") << QByteArray("Kode_Kervano;Harga;harga\nA;1;2\n")
                                  << QStringList{"1: kolom 'harga' muncul dua kali"} << 0 << "";
    QTest::newRow("no shop code column") << QByteArray("Nama_Barang;Harga\nSEAL;1\n")
                                         << QStringList{"1: baris judul tidak punya kolom Kode_Kervano"} << 0 << "";
    QTest::newRow("a broken quote fails the whole file")
        << head + "A;;;;;1\nB;\"open;;;;2\n" << QStringList{"3: field yang diawali tanda petik tidak ditutup", "3: 2 field, padahal baris judul punya 6"}
        << 2 << "";
}

void TestCsv::goodsAreCheckedBeforeAnythingIsStored()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, problems);
    QFETCH(int, records);
    QFETCH(QString, priceOfA);
    PinnedLocale locale(indonesian());
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('OLD', 99)"));

    const csvtransfer::ImportSummary s = import(db, Records::Goods, file);
    QCOMPARE(listed(s.problems), problems);
    QCOMPARE(s.records, records);
    QCOMPARE(s.stored, problems.isEmpty());
    const int stored = db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\"")).toInt() - 1;
    QCOMPARE(stored, problems.isEmpty() ? records : 0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT \"Harga\" FROM \"Barang\" WHERE \"Kode_Kervano\" = 'A'")).toString(), priceOfA);
    QCOMPARE(db.scalar(QStringLiteral("SELECT \"Harga\" FROM \"Barang\" WHERE \"Kode_Kervano\" = 'OLD'")).toInt(), 99);
}

void TestCsv::customersGetNewNumbers()
{
    PinnedLocale locale(indonesian());
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\") VALUES ('Lama')"));
    const csvtransfer::ImportSummary s =
        import(db, Records::Customers,
               bom() + "ID_Pelanggan;Nama;Alamat;Kota\r\n7;Bengkel Maju;\"Jl. Sudirman 1\r\nKel. Sukamaju\";Bandung\r\n"
                       "7;Toko Abadi;Pasar Baru;\r\n");
    QVERIFY2(s.problems.isEmpty(), qPrintable(listed(s.problems).join(QLatin1Char('\n'))));
    QCOMPARE(s.firstNumber, qint64(2));
    QCOMPARE(s.lastNumber, qint64(3));
    QCOMPARE(db.joined(QStringLiteral("SELECT \"ID_Pelanggan\" || '=' || \"Nama\" FROM \"Pelanggan\" ORDER BY \"ID_Pelanggan\"")),
             QStringLiteral("1=Lama,2=Bengkel Maju,3=Toko Abadi"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT \"Alamat\" FROM \"Pelanggan\" WHERE \"ID_Pelanggan\" = 2")).toString(),
             QStringLiteral("Jl. Sudirman 1\nKel. Sukamaju"));
    QVERIFY(db.scalar(QStringLiteral("SELECT \"Kota\" FROM \"Pelanggan\" WHERE \"ID_Pelanggan\" = 3")).isNull());

    const csvtransfer::ImportSummary tooLong =
        import(db, Records::Customers, "Nama;KodePos\nA;12345678901\n");
    QCOMPARE(listed(tooLong.problems), QStringList{"2: '12345678901' lebih panjang dari 10 karakter field 'KodePos'"});
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Pelanggan\"")).toInt(), 3);
}

void TestCsv::dryRunStoresNothing()
{
    TempDatabase db;
    const csvtransfer::ImportSummary s = import(db, Records::Goods, "Kode_Kervano\nA\nB\n", true);
    QVERIFY(s.problems.isEmpty());
    QCOMPARE(s.records, 2);
    QVERIFY(!s.stored);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\"")).toInt(), 0);
    // The check includes the table: a code taken there is found without storing.
    db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\") VALUES ('B')"));
    QCOMPARE(listed(import(db, Records::Goods, "Kode_Kervano\nA\nB\n", true).problems),
             QStringList{"3: Kunci ganda: tabel 'Barang' sudah memuat record dengan Kode_Kervano 'B'"});
}

void TestCsv::picturesTravelAsBitmapFiles_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QByteArray>("fileBytes");  // written as pics/a.bin when not empty
    QTest::addColumn<QString>("problem");

    QTest::newRow("bitmap") << "pics/a.bin" << bitmap(Qt::red) << "";
    QTest::newRow("bitmap with the stored header") << "pics/a.bin" << pictureblob::wrap(bitmap(Qt::red)) << "";
    QTest::newRow("no picture") << "" << QByteArray() << "";
    QTest::newRow("not a bitmap") << "pics/a.bin" << QByteArray("\xff\xd8\xff\xe0 JFIF") << "2: berkas gambar 'pics/a.bin' bukan bitmap";
    QTest::newRow("missing file") << "pics/none.bmp" << QByteArray()
                                  << "2: berkas gambar 'pics/none.bmp' tidak dapat dibaca: No such file or directory";
}

void TestCsv::picturesTravelAsBitmapFiles()
{
    QFETCH(QString, cell);
    QFETCH(QByteArray, fileBytes);
    QFETCH(QString, problem);
    TempDatabase db;
    QDir(db.folder()).mkpath(QStringLiteral("pics"));
    if (!fileBytes.isEmpty())
        writeBytes(QDir(db.folder()).filePath(QStringLiteral("pics/a.bin")), fileBytes);
    const csvtransfer::ImportSummary s = import(db, Records::Goods, ("Kode_Kervano,Gambar\nA," + cell + "\n").toUtf8());
    QCOMPARE(listed(s.problems), problem.isEmpty() ? QStringList{} : QStringList{problem});
    if (!problem.isEmpty())
        return;
    const QByteArray stored = db.scalar(QStringLiteral("SELECT \"Gambar\" FROM \"Barang\"")).toByteArray();
    QCOMPARE(stored, cell.isEmpty() ? QByteArray() : pictureblob::wrap(bitmap(Qt::red)));

    // Out again: the same bitmap, named relative to the CSV file.
    const QString out = QDir(db.folder()).filePath(QStringLiteral("out/goods.csv"));
    QDir(db.folder()).mkpath(QStringLiteral("out"));
    const csvtransfer::ExportSummary e = csvtransfer::exportFile(*connection::ofFile(db.path()), Records::Goods, out,
                                                                 QDir(db.folder()).filePath(QStringLiteral("out/gambar")));
    QCOMPARE(e.pictures, cell.isEmpty() ? 0 : 1);
    const csv::Document doc = csv::parse(readBytes(out));
    QCOMPARE(doc.records.at(1).fields.last(), cell.isEmpty() ? QString() : QStringLiteral("gambar/0001.bmp"));
    if (!cell.isEmpty())
        QCOMPARE(readBytes(QDir(db.folder()).filePath(QStringLiteral("out/gambar/0001.bmp"))), bitmap(Qt::red));
}

// ---------------------------------------------------------------- exporting

void TestCsv::roundTripGivesTheSameFiles_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("firstLine");  // the goods file's header row, as written
    QTest::newRow("decimal comma desktop") << indonesian()
                                           << "Kode_Kervano;Kode_Barang;Nama_Barang;Part;Group_Barang;Harga;Gambar";
    QTest::newRow("decimal point desktop") << english()
                                           << "Kode_Kervano,Kode_Barang,Nama_Barang,Part,Group_Barang,Harga,Gambar";
}

void TestCsv::roundTripGivesTheSameFiles()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, firstLine);
    PinnedLocale pinned(locale);
    QTemporaryDir work;
    QDir dir(work.path());
    dir.mkpath(QStringLiteral("first"));
    dir.mkpath(QStringLiteral("second"));
    {
        TempDatabase source;
        sampleshop::fill();
        // Values that test the number text and the quoting.
        source.exec(QStringLiteral("UPDATE \"Barang\" SET \"Harga\" = 1234.5, \"Nama_Barang\" = 'KARET \"A\"; B' "
                                   "WHERE \"Kode_Kervano\" = 'KV-0001'"));
        source.exec(QStringLiteral("UPDATE \"Barang\" SET \"Harga\" = NULL WHERE \"Kode_Kervano\" = 'KV-0002'"));
        auto db = connection::ofFile(source.path());
        QCOMPARE(csvtransfer::exportFile(*db, Records::Goods, dir.filePath(QStringLiteral("first/goods.csv")),
                                         dir.filePath(QStringLiteral("first/gambar")))
                     .pictures,
                 36);
        QCOMPARE(csvtransfer::exportFile(*db, Records::Customers, dir.filePath(QStringLiteral("first/customers.csv"))).records, 12);
    }
    const QByteArray goods = readBytes(dir.filePath(QStringLiteral("first/goods.csv")));
    QVERIFY(goods.startsWith(bom() + firstLine.toUtf8() + "\r\n"));
    QVERIFY(goods.contains(locale == indonesian() ? ";1234,5;" : ",1234.5,"));
    QVERIFY(goods.contains("\"KARET \"\"A\"\"; B\""));

    TempDatabase target;
    auto db = connection::ofFile(target.path());
    for (const auto &[what, name] : {std::pair{Records::Goods, "goods.csv"}, std::pair{Records::Customers, "customers.csv"}}) {
        const csvtransfer::ImportSummary s =
            csvtransfer::importFile(*db, what, dir.filePath(QStringLiteral("first/") + QLatin1String(name)), false);
        QVERIFY2(s.stored, qPrintable(listed(s.problems).join(QLatin1Char('\n'))));
    }
    csvtransfer::exportFile(*db, Records::Goods, dir.filePath(QStringLiteral("second/goods.csv")),
                            dir.filePath(QStringLiteral("second/gambar")));
    csvtransfer::exportFile(*db, Records::Customers, dir.filePath(QStringLiteral("second/customers.csv")));
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("second/goods.csv"))), goods);
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("second/customers.csv"))),
             readBytes(dir.filePath(QStringLiteral("first/customers.csv"))));
    const QStringList pictures = QDir(dir.filePath(QStringLiteral("first/gambar"))).entryList(QDir::Files);
    QCOMPARE(QDir(dir.filePath(QStringLiteral("second/gambar"))).entryList(QDir::Files), pictures);
    for (const QString &p : pictures)
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("second/gambar/") + p)),
                 readBytes(dir.filePath(QStringLiteral("first/gambar/") + p)));
}

void TestCsv::exportRefusesToOverwrite()
{
    TempDatabase db;
    auto c = connection::ofFile(db.path());
    const QString file = QDir(db.folder()).filePath(QStringLiteral("goods.csv"));
    writeBytes(file, "keep");
    QCOMPARE(errorOf([&] { csvtransfer::exportFile(*c, Records::Goods, file); }),
             QStringLiteral("'%1' sudah ada").arg(file));
    QCOMPARE(readBytes(file), QByteArray("keep"));

    const QString pictures = QDir(db.folder()).filePath(QStringLiteral("pics"));
    QDir(db.folder()).mkpath(QStringLiteral("pics"));
    writeBytes(pictures + QStringLiteral("/0001.bmp"), "keep");
    const QString other = QDir(db.folder()).filePath(QStringLiteral("other.csv"));
    QCOMPARE(errorOf([&] { csvtransfer::exportFile(*c, Records::Goods, other, pictures); }),
             QStringLiteral("Folder gambar '%1' tidak kosong").arg(pictures));
    QVERIFY(!QFile::exists(other));
    QCOMPARE(readBytes(pictures + QStringLiteral("/0001.bmp")), QByteArray("keep"));
}

// ---------------------------------------------------------------- the admin tool

void TestCsv::adminToolListsEveryBadRow()
{
    TempDatabase db;
    const QString file = QDir(db.folder()).filePath(QStringLiteral("goods.csv"));
    writeBytes(file, "Kode_Kervano;Harga\nA;1\nA;2\n;3\n");
    connection::closeFile(db.path());
    const QStringList base{QStringLiteral("--database"), db.path()};

    const Run bad = notadb(QStringList{QStringLiteral("import"), QStringLiteral("goods"), file} + base);
    QCOMPARE(bad.code, 1);
    QVERIFY2(bad.err.contains(QLatin1String("tidak ada yang disimpan")), qPrintable(bad.err));
    QVERIFY2(bad.err.contains(QLatin1String("baris 3: Kode_Kervano 'A' sudah ada di baris 2")), qPrintable(bad.err));
    QVERIFY2(bad.err.contains(QLatin1String("baris 4: Field 'Kode_Kervano' harus diisi")), qPrintable(bad.err));

    QFile::remove(file);
    writeBytes(file, "Kode_Kervano;Harga\nA;1\nB;2\n");
    const Run check = notadb(QStringList{QStringLiteral("import"), QStringLiteral("goods"), file, QStringLiteral("--dry-run")} + base);
    QCOMPARE(check.code, 0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\"")).toInt(), 0);
    connection::closeFile(db.path());
    const Run good = notadb(QStringList{QStringLiteral("import"), QStringLiteral("goods"), file} + base);
    QVERIFY2(good.code == 0, qPrintable(good.err));
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\"")).toInt(), 2);
    connection::closeFile(db.path());

    const QString out = QDir(db.folder()).filePath(QStringLiteral("out.csv"));
    const Run exported = notadb(QStringList{QStringLiteral("export"), QStringLiteral("goods"), out} + base);
    QVERIFY2(exported.code == 0, qPrintable(exported.err));
    QCOMPARE(csv::parse(readBytes(out)).records.size(), 3);
    QCOMPARE(notadb(QStringList{QStringLiteral("export"), QStringLiteral("invoices"), out} + base).code, 2);
    QCOMPARE(notadb(QStringList{QStringLiteral("export"), QStringLiteral("customers"), out, QStringLiteral("--pictures"),
                                db.folder()} + base).code,
             2);
    QCOMPARE(notadb(QStringList{QStringLiteral("import"), QStringLiteral("goods")} + base).code, 2);
}

NOTA_DATA_TEST_MAIN(TestCsv)
#include "test_csv.moc"
