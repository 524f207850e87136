// Codes and texts that look empty or alike: each case is entered once through
// its window (pasted into the boxes and posted) and once through the admin
// tool's CSV import, and both give the same answer, on either engine: the
// record as stored, or the refusal.
#include "MasterDataFixture.h"
#include "TestMain.h"
#include "access/MainMenu.h"
#include "controls/DBEdit.h"
#include "controls/DBMemo.h"
#include "controls/DBNavigator.h"
#include "data/Connection.h"
#include "data/CsvText.h"
#include "data/Table.h"
#include "masterdata/DaftarBrg.h"
#include "masterdata/Pelanggan.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QToolButton>

using Button = DBNavigator::Button;

namespace {
enum class Records { Goods, Customers };

// The three fields each case fills, in the window's order, and the boxes
// that hold them.
QStringList fieldsOf(Records what)
{
    return what == Records::Goods ? QStringList{"Kode_Kervano", "Kode_Barang", "Nama_Barang"}
                                  : QStringList{"Nama", "Alamat", "Kota"};
}

QList<QWidget *> boxesOf(Records what)
{
    if (what == Records::Goods)
        return {FDaftarBrg->DBEdit1, FDaftarBrg->DBEdit2, FDaftarBrg->DBEdit3};
    return {FPelanggan->DBEdit1, FPelanggan->DBMemo1, FPelanggan->DBEdit2};
}

// What the database holds for the case's record, "a|b|c" with "-" for no
// value; the record is the one that is not the goods record the test starts with.
QString storedRecord(const TempDatabase &db, Records what)
{
    const QStringList fields = fieldsOf(what);
    QStringList columns;
    for (const QString &f : fields)
        columns << QStringLiteral("COALESCE(\"%1\", '-')").arg(f);
    const QString where = what == Records::Goods ? QStringLiteral(" WHERE \"Kode_Kervano\" <> 'KV-01'") : QString();
    const QString table = what == Records::Goods ? QStringLiteral("Barang") : QStringLiteral("Pelanggan");
    return db.joined(QStringLiteral("SELECT %1 FROM \"%2\"%3").arg(columns.join(QStringLiteral(" || '|' || ")), table, where));
}

void removeCaseRecord(const TempDatabase &db, Records what)
{
    db.exec(what == Records::Goods ? QStringLiteral("DELETE FROM \"Barang\" WHERE \"Kode_Kervano\" <> 'KV-01'")
                                   : QStringLiteral("DELETE FROM \"Pelanggan\""));
}

// Pastes `text` over what the box holds, as a user pastes from elsewhere.
// False when the box cannot take the keyboard: the box before it holds text
// that is refused, and said so when it was left.
bool paste(QWidget *box, const QString &text)
{
    QApplication::setActiveWindow(box->window());
    box->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    if (!box->hasFocus())
        return false;
    QGuiApplication::clipboard()->setText(text);
    MasterDataFixture::press(Qt::Key_A, Qt::ControlModifier);
    MasterDataFixture::press(Qt::Key_V, Qt::ControlModifier);
    return true;
}

QString csvField(const QString &text)
{
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}
} // namespace

Q_DECLARE_METATYPE(Records)

class TestTextChecks : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fx.stop(); }

    void windowAndImportAgree_data();
    void windowAndImportAgree();

private:
    QString throughWindow(Records what, const QStringList &values);
    QString throughImport(Records what, const QStringList &values);

    MasterDataFixture fx;
};

void TestTextChecks::init()
{
    fx.start();
    fx.db().exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Nama_Barang\") VALUES ('KV-01', 'SIL')"));
}

// The stored record, or the refusal's text as the error box shows it.
QString TestTextChecks::throughWindow(Records what, const QStringList &values)
{
    ScriptedInterface person;
    TForm *form = what == Records::Goods ? static_cast<TForm *>(FDaftarBrg) : FPelanggan;
    DBNavigator *navigator = what == Records::Goods ? FDaftarBrg->DBNavigator1 : FPelanggan->DBNavigator1;
    (what == Records::Goods ? FMain->SpeedButton2 : FMain->SpeedButton4)->click();
    navigator->click(Button::Insert);
    const QList<QWidget *> boxes = boxesOf(what);
    bool left = true;
    for (int i = 0; i < values.size() && left; ++i)
        if (!values[i].isEmpty())
            left = paste(boxes[i], values[i]);
    if (left)
        navigator->click(Button::Post);
    const bool refused = person.count() > 0;
    const QString answer = refused ? person.last().text : storedRecord(fx.db(), what);
    if (refused)
        navigator->click(Button::Cancel);
    form->close();
    if (form->isVisible())
        return QStringLiteral("the window stayed open");
    return answer;
}

// The stored record, or the reason the tool gives for the case's line.
QString TestTextChecks::throughImport(Records what, const QStringList &values)
{
    const QString file = QDir(fx.db().folder()).filePath(QStringLiteral("kasus.csv"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QStringLiteral("cannot write ") + file;
    QStringList row;
    for (const QString &v : values)
        row << csvField(v);
    out.write((fieldsOf(what).join(QLatin1Char(';')) + QStringLiteral("\n") + row.join(QLatin1Char(';')) + QStringLiteral("\n")).toUtf8());
    out.close();
    connection::closeFile(fx.db().path());
    QProcess notadb;
    notadb.start(QStringLiteral(NOTADB_PATH),
                 {QStringLiteral("--database"), fx.db().path(), QStringLiteral("import"),
                  what == Records::Goods ? QStringLiteral("goods") : QStringLiteral("customers"), file});
    if (!notadb.waitForFinished(120000))
        return QStringLiteral("the admin tool did not finish");
    const QString err = QString::fromUtf8(notadb.readAllStandardError());
    if (notadb.exitCode() == 0)
        return storedRecord(fx.db(), what);
    const QRegularExpressionMatch line = QRegularExpression(QStringLiteral("baris 2: (.*)\\n")).match(err);
    return line.hasMatch() ? line.captured(1) : err;
}

void TestTextChecks::windowAndImportAgree_data()
{
    QTest::addColumn<Records>("what");
    QTest::addColumn<QStringList>("values");  // the three fields of fieldsOf()
    QTest::addColumn<QString>("answer");      // the stored record, or the refusal
    const Records goods = Records::Goods, customers = Records::Customers;
    const auto refusal = [](const char *field, const char *kind, const char *code) {
        return QStringLiteral("Teks untuk field '%1' memuat %2 (U+%3), yang tidak dapat disimpan")
            .arg(QLatin1String(field), QLatin1String(kind), QLatin1String(code));
    };
    const QString nul(QChar(0));

    QTest::newRow("plain record") << goods << QStringList{"KV-50", "B-50", "UJI"} << "KV-50|B-50|UJI";
    QTest::newRow("shop code with blanks around it") << goods << QStringList{"  KV-50 ", "B-50", "UJI"} << "KV-50|B-50|UJI";
    QTest::newRow("shop code of blanks only")
        << goods << QStringList{"   ", "B-50", "UJI"} << "Field 'Kode_Kervano' harus diisi";
    QTest::newRow("no-break space inside a code is a blank")
        << goods << QStringList{"KV\u00A050", "B\u00A050\u00A0", "UJI"} << "KV 50|B 50|UJI";
    QTest::newRow("a code differing by a no-break space")
        << goods << QStringList{"KV-01\u00A0", "", "UJI"}
        << "Kunci ganda: tabel 'Barang' sudah memuat record dengan Kode_Kervano 'KV-01'";
    QTest::newRow("zero-width space in a code")
        << goods << QStringList{"KV-01\u200B", "", "UJI"} << refusal("Kode_Kervano", "karakter tak terlihat", "200B");
    QTest::newRow("NUL in a code") << goods << QStringList{"KV" + nul + "50", "", "UJI"}
                                   << refusal("Kode_Kervano", "karakter kontrol", "0000");
    QTest::newRow("tab in a maker's code") << goods << QStringList{"KV-50", "B\t50", "UJI"}
                                           << refusal("Kode_Barang", "karakter kontrol", "0009");
    QTest::newRow("maker's code of blanks only is none") << goods << QStringList{"KV-50", "  ", "UJI"} << "KV-50|-|UJI";
    QTest::newRow("a name keeps its no-break space")
        << goods << QStringList{"KV-50", "", "KARET\u00A0PINTU"} << "KV-50|-|KARET\u00A0PINTU";
    QTest::newRow("soft hyphen in a name")
        << goods << QStringList{"KV-50", "", "KA\u00ADRET"} << refusal("Nama_Barang", "karakter tak terlihat", "00AD");
    QTest::newRow("direction mark in a name")
        << goods << QStringList{"KV-50", "", "KARET\u200E"} << refusal("Nama_Barang", "karakter tak terlihat", "200E");
    QTest::newRow("letters beyond ASCII") << goods << QStringList{"KV-50", "", "SIL Ø25 ÉÇ"} << "KV-50|-|SIL Ø25 ÉÇ";

    QTest::newRow("address over two lines")
        << customers << QStringList{"Toko Maju", "Jl. Asia Afrika 8\nBandung", "Bandung"}
        << "Toko Maju|Jl. Asia Afrika 8\nBandung|Bandung";
    QTest::newRow("byte-order mark in a name")
        << customers << QStringList{"Toko\uFEFFMaju", "", ""} << refusal("Nama", "karakter tak terlihat", "FEFF");
    QTest::newRow("NUL in a town") << customers << QStringList{"Toko Maju", "", "Band" + nul + "ung"}
                                   << refusal("Kota", "karakter kontrol", "0000");
    QTest::newRow("line separator in an address is a line break")
        << customers << QStringList{"Toko Maju", "Jl. Asia\u2028Afrika", ""} << "Toko Maju|Jl. Asia\nAfrika|-";
    QTest::newRow("line separator in a name") << customers << QStringList{"Toko\u2028Maju", "", ""}
                                              << refusal("Nama", "karakter tak terlihat", "2028");
}

void TestTextChecks::windowAndImportAgree()
{
    QFETCH(Records, what);
    QFETCH(QStringList, values);
    QFETCH(QString, answer);
    const bool stored = answer.count(QLatin1Char('|')) == 2;
    QCOMPARE(throughWindow(what, values), stored ? answer : msg::withFullStop(answer));
    removeCaseRecord(fx.db(), what);
    QCOMPARE(throughImport(what, values), answer);
}

NOTA_TEST_MAIN(TestTextChecks)
#include "test_text_checks.moc"
