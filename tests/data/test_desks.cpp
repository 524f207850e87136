// Several desks over one database at the same time: desks storing invoices
// at once (separate programs), two desks taking the same next number, and
// two desks editing the same goods record, its picture among its fields. On
// each engine.
//
// Two desks in one program need two connections. A connection is kept per
// location, so the second desk names the same database another way: a link
// to the file, or the same server URI with its own session name.
#include "InvoiceDesk.h"
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "DataSupport.h"
#include "core/Errors.h"
#include "data/Connection.h"
#include "data/PictureBlob.h"
#include "data/Table.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <map>
#include <memory>
#include <vector>

namespace {
constexpr int kDesks = 3;
constexpr int kDefaultInvoicesPerDesk = 30;
constexpr int kLongestWaitMs = 120000;  // only a hung desk takes this long

// The same database as `db`, named so that it gets a connection of its own.
QString secondLocation(const TempDatabase &db)
{
    if (TempDatabase::onServer()) {
        const QChar separator = db.path().contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?');
        return db.path() + separator + QStringLiteral("application_name=desk2");
    }
    const QString link = db.folder() + QStringLiteral("/desk2.sqlite");
    if (!QFile::exists(link) && !QFile::link(db.path(), link))
        throw EDatabaseError(QStringLiteral("Cannot link %1 to %2").arg(link, db.path()));
    return link;
}

// The alias KV2 for a second desk on the test's database. Declare it after
// the TempDatabase and before the tables that use it.
class SecondDesk {
public:
    explicit SecondDesk(const TempDatabase &db) : m_location(secondLocation(db)), m_alias(QStringLiteral("KV2"), m_location) {}
    ~SecondDesk() { connection::closeFile(m_location); }
    SecondDesk(const SecondDesk &) = delete;
    SecondDesk &operator=(const SecondDesk &) = delete;

private:
    QString m_location;
    AliasOverride m_alias;
};

void openGoods(Table &goods, const QString &alias)
{
    goods.setDatabaseName(alias);
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.setIndexFieldNames(QStringLiteral("Kode_Kervano"));
    goods.open();
}

void addGoods(const TempDatabase &db, const QString &code)
{
    db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Harga\") "
                           "VALUES (?, 'KB-1', 'NAMA AWAL', 5000)"),
            {code});
}

// What is wrong with the stored invoices, one text per kind of fault.
QStringList faultsOfInvoices(const TempDatabase &db)
{
    QStringList faults;
    auto expectNone = [&](const QString &what, const QString &sql) {
        const QString found = db.joined(sql);
        if (!found.isEmpty())
            faults << what + QStringLiteral(": ") + found;
    };
    expectNone(QStringLiteral("numbers stored twice"),
               QStringLiteral("SELECT \"No_Nota\" FROM \"NotaUtama\" GROUP BY \"No_Nota\" HAVING COUNT(*) > 1"));
    expectNone(QStringLiteral("lines under a number without a header"),
               QStringLiteral("SELECT DISTINCT \"ID_Nota\" FROM \"Nota\" n WHERE NOT EXISTS "
                              "(SELECT 1 FROM \"NotaUtama\" h WHERE h.\"No_Nota\" = n.\"ID_Nota\")"));
    expectNone(QStringLiteral("headers without lines"),
               QStringLiteral("SELECT \"No_Nota\" FROM \"NotaUtama\" h WHERE NOT EXISTS "
                              "(SELECT 1 FROM \"Nota\" n WHERE n.\"ID_Nota\" = h.\"No_Nota\")"));
    expectNone(QStringLiteral("totals other than the sum of the lines"),
               QStringLiteral("SELECT \"No_Nota\" FROM \"NotaUtama\" h WHERE \"Jumlah_Total\" IS NULL OR \"Jumlah_Total\" <> "
                              "(SELECT SUM(\"Jumlah\") FROM \"Nota\" n WHERE n.\"ID_Nota\" = h.\"No_Nota\")"));
    // Each desk names itself in its headers and lines.
    expectNone(QStringLiteral("lines of another desk than the header's"),
               QStringLiteral("SELECT DISTINCT h.\"No_Nota\" FROM \"NotaUtama\" h JOIN \"Nota\" n "
                              "ON n.\"ID_Nota\" = h.\"No_Nota\" WHERE n.\"Kode_KV\" <> h.\"Kepada\""));
    return faults;
}

// Every stored invoice as "<number> <desk> <lines> <total>", in number order.
QStringList storedInvoices(const TempDatabase &db)
{
    const QString joined = db.joined(QStringLiteral(
        "SELECT h.\"No_Nota\" || ' ' || h.\"Kepada\" || ' ' || "
        "(SELECT COUNT(*) FROM \"Nota\" n WHERE n.\"ID_Nota\" = h.\"No_Nota\") || ' ' || "
        "CAST(h.\"Jumlah_Total\" AS INTEGER) FROM \"NotaUtama\" h ORDER BY h.\"No_Nota\""));
    return joined.isEmpty() ? QStringList() : joined.split(QLatin1Char(','));
}

QList<InvoiceLine> someLines(int lines, qint64 price)
{
    QList<InvoiceLine> out;
    for (int k = 0; k < lines; ++k)
        out << InvoiceLine{QStringLiteral("B%1").arg(k), price + 100 * k, 1 + k, k % 2 ? 10 : 0};
    return out;
}

qint64 totalOf(const QList<InvoiceLine> &lines)
{
    qint64 total = 0;
    for (const InvoiceLine &line : lines)
        total += line.amount();
    return total;
}

// A desk program and what it printed.
struct DeskRun {
    QString name;
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QByteArray output;

    bool waitForReady()
    {
        QElapsedTimer waited;
        waited.start();
        while (!output.startsWith("ready\n")) {
            if (waited.hasExpired(kLongestWaitMs) || process->state() != QProcess::Running)
                return false;
            process->waitForReadyRead(100);
            output += process->readAllStandardOutput();
        }
        return true;
    }
    // "<number> <desk> <lines> <total>" of each invoice the desk reported
    // stored, as storedInvoices() gives them.
    QStringList acknowledged() const
    {
        QStringList out;
        const QList<QByteArray> lines = output.split('\n');
        for (const QByteArray &line : lines) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 3 && words[0] != "done")
                out << QStringLiteral("%1 %2 %3 %4").arg(QString::fromUtf8(words[0]), name, QString::fromUtf8(words[1]),
                                                      QString::fromUtf8(words[2]));
        }
        return out;
    }
    // From "done <numbers taken> <busy refusals>".
    int summary(int word) const
    {
        const qsizetype at = output.lastIndexOf("done ");
        return at < 0 ? -1 : output.mid(at).trimmed().split(' ').value(word + 1).toInt();
    }
};
} // namespace

class TestDesks : public QObject {
    Q_OBJECT
private slots:
    void init() { m_locale = std::make_unique<PinnedLocale>(english()); }
    void cleanup() { m_locale.reset(); }

    void desksStoringAtOnceKeepEveryInvoiceWhole();
    void numberTakenMeanwhileGetsNoLines();
    void postOverAnotherDesksChange_data();
    void postOverAnotherDesksChange();
    void editStartsFromAnotherDesksPost();
    void postOverAnotherDesksDelete_data();
    void postOverAnotherDesksDelete();
    void pictureChangedAtAnotherDesk_data();
    void pictureChangedAtAnotherDesk();
    void postWhileAnotherDeskWritesIsRefusedAsBusy();
    void postsInOneTransactionAreAllOrNothing_data();
    void postsInOneTransactionAreAllOrNothing();

private:
    std::unique_ptr<PinnedLocale> m_locale;
};

// Desk programs store invoices at the same time, each taking the next
// number as it goes. Afterwards every invoice a desk reported is stored
// whole under its number, and nothing else is.
void TestDesks::desksStoringAtOnceKeepEveryInvoiceWhole()
{
    bool given = false;
    const int invoicesPerDesk = qEnvironmentVariableIntValue("NOTA_DESK_INVOICES", &given);
    const int perDesk = given && invoicesPerDesk > 0 ? invoicesPerDesk : kDefaultInvoicesPerDesk;
    TempDatabase db;
    std::vector<DeskRun> desks(kDesks);
    for (int i = 0; i < kDesks; ++i) {
        DeskRun &desk = desks[size_t(i)];
        desk.name = QStringLiteral("DESK%1").arg(i + 1);
        desk.process->start(QStringLiteral(DESK_WRITER_PATH), {db.path(), desk.name, QString::number(perDesk)});
        QVERIFY2(desk.process->waitForStarted(), qPrintable(desk.name));
    }
    for (DeskRun &desk : desks)
        QVERIFY2(desk.waitForReady(), (desk.name.toUtf8() + " not ready: " + desk.process->readAllStandardError()).constData());
    for (DeskRun &desk : desks) {
        desk.process->write("go\n");
        desk.process->waitForBytesWritten();
    }

    QStringList acknowledged;
    int taken = 0;
    int busy = 0;
    for (DeskRun &desk : desks) {
        QVERIFY2(desk.process->waitForFinished(kLongestWaitMs), qPrintable(desk.name));
        desk.output += desk.process->readAllStandardOutput();
        const QByteArray errors = desk.process->readAllStandardError();
        QVERIFY2(desk.process->exitStatus() == QProcess::NormalExit && desk.process->exitCode() == 0,
                 (desk.name.toUtf8() + " failed: " + errors).constData());
        QCOMPARE(desk.acknowledged().size(), perDesk);
        taken += desk.summary(0);
        busy += desk.summary(1);
        acknowledged += desk.acknowledged();
    }
    acknowledged.sort();

    const QStringList faults = faultsOfInvoices(db);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    QCOMPARE(storedInvoices(db), acknowledged);
    // Each number is the one after the last: no gaps, whichever desk took it.
    for (int n = 0; n < acknowledged.size(); ++n)
        QCOMPARE(acknowledged[n].section(QLatin1Char(' '), 0, 0), QStringLiteral("%1").arg(n + 1, 6, 10, QLatin1Char('0')));
    qInfo("%d desks stored %d invoices; %d numbers were found taken by another desk, %d writes refused as busy "
          "were made again",
          kDesks, int(acknowledged.size()), taken, busy);
}

// Both desks pick the same next number; desk 2 stores its invoice under it
// first. Desk 1's reservation is refused and it takes the next number, so
// none of its lines lands under desk 2's invoice.
void TestDesks::numberTakenMeanwhileGetsNoLines()
{
    TempDatabase db;
    SecondDesk second(db);
    InvoiceDesk desk1(QStringLiteral("KV"), QStringLiteral("DESK1"));
    InvoiceDesk desk2(QStringLiteral("KV2"), QStringLiteral("DESK2"));
    QVERIFY(connection::ofAlias(QStringLiteral("KV")) != connection::ofAlias(QStringLiteral("KV2")));
    const QList<InvoiceLine> lines1 = someLines(3, 1500);
    const QList<InvoiceLine> lines2 = someLines(2, 4000);
    QString number2;
    QStringList picked;
    desk1.beforeReserving = [&](const QString &number) {
        picked << number;
        if (number2.isEmpty())
            number2 = desk2.store(lines2);
    };

    const QString number1 = desk1.store(lines1);

    QCOMPARE(picked, QStringList({QStringLiteral("000001"), QStringLiteral("000002")}));
    QCOMPARE(number2, QStringLiteral("000001"));
    QCOMPARE(number1, QStringLiteral("000002"));
    QCOMPARE(desk1.numbersTakenMeanwhile(), 1);
    const QStringList faults = faultsOfInvoices(db);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    QCOMPARE(storedInvoices(db), QStringList({QStringLiteral("000001 DESK2 2 %1").arg(totalOf(lines2)),
                                              QStringLiteral("000002 DESK1 3 %1").arg(totalOf(lines1))}));
}

void TestDesks::postOverAnotherDesksChange_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("secondDesksText");
    QTest::addColumn<QString>("shownAfterRefusal");

    // Desk 1 types the name; what desk 2 stored meanwhile shows, except in
    // the field desk 1 typed into, which keeps the typing.
    QTest::newRow("price changed") << "Harga" << "7500" << "7500";
    QTest::newRow("own code changed") << "Kode_Barang" << "KB-2" << "KB-2";
    QTest::newRow("own code cleared") << "Kode_Barang" << "" << "";
    QTest::newRow("same field changed") << "Nama_Barang" << "NAMA DESK 2" << "NAMA DESK 1";
}

// Desk 1 starts editing a record, desk 2 changes it and posts, then desk 1
// types a name and posts: refused, with desk 1 left editing over what desk 2
// stored. Posting again stores both changes.
void TestDesks::postOverAnotherDesksChange()
{
    QFETCH(QString, field);
    QFETCH(QString, secondDesksText);
    QFETCH(QString, shownAfterRefusal);
    TempDatabase db;
    SecondDesk second(db);
    addGoods(db, QStringLiteral("K1"));
    Table desk1, desk2;
    openGoods(desk1, QStringLiteral("KV"));
    openGoods(desk2, QStringLiteral("KV2"));
    QVERIFY(desk1.findKey(QStringLiteral("K1")));
    desk1.edit();

    QVERIFY(desk2.findKey(QStringLiteral("K1")));
    desk2.edit();
    desk2.fieldByName(field)->setAsString(secondDesksText);
    desk2.post();

    desk1.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("NAMA DESK 1"));
    try {
        desk1.post();
        QFAIL("desk 1 stored over desk 2's change unwarned");
    } catch (const ERecordChanged &e) {
        QVERIFY2(e.message().startsWith(QStringLiteral("Record ini sudah diubah di meja lain")), qPrintable(e.message()));
    }
    QCOMPARE(desk1.state(), DataSetState::Edit);
    QCOMPARE(desk1.fieldByName(QStringLiteral("Nama_Barang"))->asString(), QStringLiteral("NAMA DESK 1"));
    QCOMPARE(desk1.fieldByName(field)->asString(), shownAfterRefusal);

    desk1.post();
    QCOMPARE(desk1.state(), DataSetState::Browse);
    const QString stored = db.joined(QStringLiteral("SELECT \"Nama_Barang\" || '|' || COALESCE(\"Kode_Barang\", '') || '|' || "
                                                    "CAST(\"Harga\" AS INTEGER) FROM \"Barang\""));
    QString expected = QStringLiteral("NAMA DESK 1|KB-1|5000");
    if (field == QLatin1String("Harga"))
        expected = QStringLiteral("NAMA DESK 1|KB-1|") + secondDesksText;
    else if (field == QLatin1String("Kode_Barang"))
        expected = QStringLiteral("NAMA DESK 1|%1|5000").arg(secondDesksText);
    QCOMPARE(stored, expected);
    // Desk 2 sees desk 1's name once it reads again.
    desk2.refresh();
    QCOMPARE(desk2.fieldByName(QStringLiteral("Nama_Barang"))->asString(), QStringLiteral("NAMA DESK 1"));
}

// Starting to edit reads the record afresh: what another desk stored before
// is what the typing goes over, and the post is not refused.
void TestDesks::editStartsFromAnotherDesksPost()
{
    TempDatabase db;
    SecondDesk second(db);
    addGoods(db, QStringLiteral("K1"));
    Table desk1, desk2;
    openGoods(desk1, QStringLiteral("KV"));
    openGoods(desk2, QStringLiteral("KV2"));
    QVERIFY(desk1.findKey(QStringLiteral("K1")));
    QVERIFY(desk2.findKey(QStringLiteral("K1")));
    desk2.edit();
    desk2.fieldByName(QStringLiteral("Harga"))->setAsString(QStringLiteral("7500"));
    desk2.post();

    desk1.edit();
    QCOMPARE(desk1.fieldByName(QStringLiteral("Harga"))->asString(), QStringLiteral("7500"));
    desk1.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("NAMA DESK 1"));
    desk1.post();
    QCOMPARE(db.joined(QStringLiteral("SELECT \"Nama_Barang\" || '|' || CAST(\"Harga\" AS INTEGER) FROM \"Barang\"")),
             QStringLiteral("NAMA DESK 1|7500"));
}

void TestDesks::postOverAnotherDesksDelete_data()
{
    QTest::addColumn<bool>("editingBeforeTheDelete");
    QTest::newRow("deleted while desk 1 edits") << true;
    QTest::newRow("deleted before desk 1 edits") << false;
}

// Desk 2 deletes the record desk 1 shows: desk 1's post is refused and
// stores nothing, not even a new record in its place.
void TestDesks::postOverAnotherDesksDelete()
{
    QFETCH(bool, editingBeforeTheDelete);
    TempDatabase db;
    SecondDesk second(db);
    addGoods(db, QStringLiteral("K1"));
    addGoods(db, QStringLiteral("K2"));
    Table desk1, desk2;
    openGoods(desk1, QStringLiteral("KV"));
    openGoods(desk2, QStringLiteral("KV2"));
    QVERIFY(desk1.findKey(QStringLiteral("K1")));
    if (editingBeforeTheDelete)
        desk1.edit();
    QVERIFY(desk2.findKey(QStringLiteral("K1")));
    desk2.deleteRecord();

    desk1.edit();
    desk1.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("NAMA DESK 1"));
    QString message;
    try {
        desk1.post();
    } catch (const ERecordChanged &e) {
        QFAIL(qPrintable(QStringLiteral("a deleted record reported as changed: ") + e.message()));
    } catch (const EDatabaseError &e) {
        message = e.message();
    }
    QVERIFY2(message.startsWith(QStringLiteral("Record tidak ditemukan")) && message.contains(QStringLiteral("sudah dihapus")),
             qPrintable(message));
    desk1.cancel();
    QCOMPARE(db.joined(QStringLiteral("SELECT \"Kode_Kervano\" || ' ' || \"Nama_Barang\" FROM \"Barang\" "
                                      "ORDER BY \"Kode_Kervano\"")),
             QStringLiteral("K2 NAMA AWAL"));
}

// A picture as the field takes it: bytes of a bitmap file, told apart by `name`.
QByteArray pictureNamed(const QString &name)
{
    return name.isEmpty() ? QByteArray() : QByteArray("BM") + name.toLatin1().repeated(40);
}

void TestDesks::pictureChangedAtAnotherDesk_data()
{
    QTest::addColumn<QString>("before");       // the record's picture when both desks read it
    QTest::addColumn<QString>("secondDesks");  // what desk 2 stores meanwhile
    QTest::addColumn<bool>("firstLoadsOne");   // desk 1 loads picture C; otherwise it types a name
    QTest::addColumn<bool>("shownFirst");      // desk 1 showed the picture before it began to edit
    QTest::addColumn<bool>("refused");
    QTest::newRow("replaced, desk 1 loads another") << "A" << "B" << true << false << true;
    QTest::newRow("replaced, desk 1 loads another over the one it showed") << "A" << "B" << true << true << true;
    QTest::newRow("replaced, desk 1 types a name") << "A" << "B" << false << true << true;
    QTest::newRow("removed") << "A" << "" << true << false << true;
    QTest::newRow("added") << "" << "B" << true << false << true;
    QTest::newRow("the same picture stored again") << "A" << "A" << true << true << false;
}

// Pictures are compared by content like every other field: desk 2 replaces
// the picture while desk 1 edits, and desk 1's post is refused instead of
// storing over it unseen. Posting again stores desk 1's work over what desk
// 2 stored: its own picture, or desk 2's when desk 1 only typed a name.
void TestDesks::pictureChangedAtAnotherDesk()
{
    QFETCH(QString, before);
    QFETCH(QString, secondDesks);
    QFETCH(bool, firstLoadsOne);
    QFETCH(bool, shownFirst);
    QFETCH(bool, refused);
    TempDatabase db;
    SecondDesk second(db);
    addGoods(db, QStringLiteral("K1"));
    if (!before.isEmpty())
        db.exec(QStringLiteral("UPDATE \"Barang\" SET \"Gambar\" = ?"), {pictureblob::wrap(pictureNamed(before))});
    Table desk1, desk2;
    openGoods(desk1, QStringLiteral("KV"));
    openGoods(desk2, QStringLiteral("KV2"));
    QVERIFY(desk1.findKey(QStringLiteral("K1")));
    Field *picture1 = desk1.fieldByName(QStringLiteral("Gambar"));
    if (shownFirst)
        QCOMPARE(picture1->pictureBytes(), pictureNamed(before));
    desk1.edit();

    QVERIFY(desk2.findKey(QStringLiteral("K1")));
    desk2.edit();
    desk2.fieldByName(QStringLiteral("Gambar"))->setAsBlob(pictureNamed(secondDesks));
    desk2.post();

    if (firstLoadsOne)
        picture1->setAsBlob(pictureNamed(QStringLiteral("C")));
    else
        desk1.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("NAMA DESK 1"));
    const QString message = errorOf([&] { desk1.post(); });
    const auto storedPicture = [&] {
        return pictureblob::unwrap(db.scalar(QStringLiteral("SELECT \"Gambar\" FROM \"Barang\"")).toByteArray());
    };
    if (!refused) {
        QVERIFY2(message.isEmpty(), qPrintable(message));
        QCOMPARE(storedPicture(), pictureNamed(QStringLiteral("C")));
        return;
    }
    QVERIFY2(message.startsWith(QStringLiteral("Record ini sudah diubah di meja lain")), qPrintable(message));
    QCOMPARE(desk1.state(), DataSetState::Edit);
    QCOMPARE(storedPicture(), pictureNamed(secondDesks));
    // Read again: desk 1's own picture is kept, desk 2's shows otherwise.
    const QString kept = firstLoadsOne ? QStringLiteral("C") : secondDesks;
    QCOMPARE(picture1->pictureBytes(), pictureNamed(kept));

    desk1.post();
    QCOMPARE(desk1.state(), DataSetState::Browse);
    QCOMPARE(storedPicture(), pictureNamed(kept));
    QCOMPARE(db.scalar(QStringLiteral("SELECT \"Nama_Barang\" FROM \"Barang\"")).toString(),
             firstLoadsOne ? QStringLiteral("NAMA AWAL") : QStringLiteral("NAMA DESK 1"));
}

// Desk 2 holds a write of its own open, adding the same record. Desk 1's
// post waits as long as the engine waits, then is refused with the message
// that tells the user to try again; it stores nothing and leaves desk 1
// inserting. Once desk 2 gives up, posting again stores the record.
void TestDesks::postWhileAnotherDeskWritesIsRefusedAsBusy()
{
    TempDatabase db;
    SecondDesk second(db);
    Table desk1;
    openGoods(desk1, QStringLiteral("KV"));
    desk1.append();
    desk1.fieldByName(QStringLiteral("Kode_Kervano"))->setAsString(QStringLiteral("K1"));
    desk1.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("NAMA DESK 1"));
    QString message;
    {
        const std::shared_ptr<connection::Connection> desk2 = connection::ofAlias(QStringLiteral("KV2"));
        connection::Transaction held(*desk2);
        connection::Failure failure;
        QVERIFY2(desk2->insert(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Nama_Barang\") "
                                              "VALUES ('K1', 'NAMA DESK 2')"),
                               {}, &failure)
                     >= 0,
                 qPrintable(failure.text));
        message = errorOf([&] { desk1.post(); });
    }
    QVERIFY2(message.contains(QStringLiteral("sedang dipakai di meja lain; coba lagi")), qPrintable(message));
    QCOMPARE(desk1.state(), DataSetState::Insert);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\"")).toInt(), 0);
    desk1.post();
    QCOMPARE(db.joined(QStringLiteral("SELECT \"Kode_Kervano\" || ' ' || \"Nama_Barang\" FROM \"Barang\"")),
             QStringLiteral("K1 NAMA DESK 1"));
}

void TestDesks::postsInOneTransactionAreAllOrNothing_data()
{
    QTest::addColumn<bool>("committed");
    QTest::newRow("committed") << true;
    QTest::newRow("left without commit") << false;
}

// A header and its line posted through tables inside one transaction of
// their connection: stored together when it commits, neither when it does
// not. This is what lets a desk store an invoice as one whole.
void TestDesks::postsInOneTransactionAreAllOrNothing()
{
    QFETCH(bool, committed);
    TempDatabase db;
    Table headers, lines;
    headers.setTableName(QStringLiteral("NotaUtama.DB"));
    headers.open();
    lines.setTableName(QStringLiteral("Nota.DB"));
    lines.open();
    const QString failure = errorOf([&] {
        connection::Transaction tx(*connection::ofAlias(QStringLiteral("KV")));
        headers.append();
        headers.fieldByName(QStringLiteral("No_Nota"))->setAsString(QStringLiteral("000001"));
        headers.fieldByName(QStringLiteral("Jumlah_Total"))->setAsFloat(2500);
        headers.post();
        lines.append();
        lines.fieldByName(QStringLiteral("ID_Nota"))->setAsString(QStringLiteral("000001"));
        lines.fieldByName(QStringLiteral("Jumlah"))->setAsFloat(2500);
        lines.post();
        if (committed)
            tx.commit();
    });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const int expected = committed ? 1 : 0;
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"NotaUtama\"")).toInt(), expected);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Nota\"")).toInt(), expected);
}

NOTA_DATA_TEST_MAIN(TestDesks)
#include "test_desks.moc"
