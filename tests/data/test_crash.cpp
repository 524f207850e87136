// A program posting records is killed (SIGKILL) at random moments, many
// times over one database: while it starts (opening the file, recovering the
// journal the last kill left), during its very first post, and after some
// posts. The database must stay sound and keep every record whose post had
// returned, in every round, up to the end.
//
// The moments come from a seed drawn afresh each run and printed; a run is
// replayed with NOTA_CRASH_SEED=<seed>. NOTA_CRASH_KILLS=<n> sets the number
// of kills (a few by default; the soak runs 500 or more).
//
// The same runs on a PostgreSQL server (NOTA_TEST_ENGINE=postgresql): there
// the killed writer's session ends on the server, which rolls back what it
// had not committed; each round waits for that before it counts.
//
// What this shows is a killed process losing nothing. It is not a power cut:
// that the operating system and the disk keep what was synced rests on
// SQLite's own testing of synchronous=FULL, and on the server's own.
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "data/Connection.h"
#include "data/PictureBlob.h"
#include "data/Table.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <numeric>

namespace {
constexpr int kDefaultKills = 8;
constexpr int kLongestWaitMs = 60000;  // only a hung writer takes this long

enum class Moment { Starting, FirstPost, LaterPost };

const char *nameOf(Moment m)
{
    switch (m) {
    case Moment::Starting: return "while starting";
    case Moment::FirstPost: return "during the first post";
    case Moment::LaterPost: return "after some posts";
    }
    return "";
}

struct Kill {
    Moment moment;
    int delayUs;     // from the start (Starting) or from the go, or from the k-th acknowledgement
    int afterPosts;  // LaterPost: acknowledged posts before the delay starts
    bool closeAfter; // the test closes its own connection before the next writer starts
};

// The plan of one round drawn from the seeded generator. The first rounds
// cover each moment once, so that even a short run has them all.
Kill drawKill(QRandomGenerator &random, int round)
{
    const int pick = round <= 3 ? round - 1 : int(random.bounded(3));
    Kill k{};
    k.moment = pick == 0 ? Moment::FirstPost : pick == 1 ? Moment::Starting : Moment::LaterPost;
    k.delayUs = k.moment == Moment::Starting ? int(random.bounded(150000)) : int(random.bounded(4000));
    k.afterPosts = int(random.bounded(1, 40));
    k.closeAfter = random.bounded(2) == 1;
    return k;
}

qint64 environmentNumber(const char *name, qint64 fallback, bool *given = nullptr)
{
    bool ok = false;
    const qint64 v = qEnvironmentVariable(name).toLongLong(&ok);
    if (given)
        *given = ok;
    return ok ? v : fallback;
}

// What a writer printed: "ready", then one acknowledged code per line. Only
// whole lines count: what follows the last line feed was cut by the kill.
struct WriterOutput {
    QByteArray bytes;
    bool ready() const { return bytes.startsWith("ready\n"); }
    QStringList acknowledged() const
    {
        if (!ready())
            return {};
        QList<QByteArray> lines = bytes.mid(6).split('\n');
        lines.removeLast();
        QStringList codes;
        for (const QByteArray &line : lines)
            codes << QString::fromUtf8(line);
        return codes;
    }
};

// Where the writers find the database. On a server their sessions carry a
// name of their own, so that the test can tell when the server has ended
// them.
QString writerSessionName() { return QStringLiteral("nota_crash_%1").arg(QCoreApplication::applicationPid()); }

QString writerLocation(const TempDatabase &db)
{
    if (!TempDatabase::onServer())
        return db.path();
    const QChar separator = db.path().contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?');
    return db.path() + separator + QStringLiteral("application_name=") + writerSessionName();
}

// A killed writer's file locks go with its process. Its server session ends
// a moment later, when the server reads the closed socket: a commit it had
// already received completes, anything else is rolled back. Counting before
// that could miss a commit that lands afterwards.
bool writersEndedOnServer(const TempDatabase &db)
{
    if (!TempDatabase::onServer())
        return true;
    QElapsedTimer waited;
    waited.start();
    while (db.scalar(QStringLiteral("SELECT COUNT(*) FROM pg_stat_activity WHERE application_name = ?"),
                     {writerSessionName()})
               .toInt()
           > 0) {
        if (waited.hasExpired(kLongestWaitMs))
            return false;
        QThread::msleep(5);
    }
    return true;
}

// What must hold after any kill: an SQLite file passes its own check, and on
// either engine no shop code is stored twice.
void checkSound(const TempDatabase &db, const QByteArray &at)
{
    if (!TempDatabase::onServer())
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    QVERIFY2(db.joined(QStringLiteral("SELECT \"Kode_Kervano\" FROM \"Barang\" GROUP BY \"Kode_Kervano\" "
                                      "HAVING COUNT(*) > 1"))
                 .isEmpty(),
             (at + " a code stored twice").constData());
}

// Reads the writer's output until `enough` holds; false if it never does.
template<typename Predicate>
bool readUntil(QProcess &writer, WriterOutput &output, Predicate enough)
{
    QElapsedTimer waited;
    waited.start();
    while (!enough(output)) {
        if (waited.hasExpired(kLongestWaitMs) || writer.state() != QProcess::Running)
            return false;
        writer.waitForReadyRead(100);
        output.bytes += writer.readAllStandardOutput();
    }
    return true;
}
} // namespace

class TestCrash : public QObject {
    Q_OBJECT
private slots:
    void killedWriterLosesNoPostedRecord();
    void killedWritersOpenTransactionIsRolledBack();
};

void TestCrash::killedWriterLosesNoPostedRecord()
{
    bool replay = false;
    const quint32 seed = quint32(environmentNumber("NOTA_CRASH_SEED", QRandomGenerator::system()->generate(), &replay));
    const int kills = int(environmentNumber("NOTA_CRASH_KILLS", kDefaultKills));
    qInfo("seed %u%s (replay: NOTA_CRASH_SEED=%u), %d kills", seed, replay ? " (given)" : "", seed, kills);
    QRandomGenerator random(seed);
    const QByteArray where = QByteArray("seed ") + QByteArray::number(seed);

    TempDatabase db;
    QHash<QString, QStringList> acknowledgedOf;  // round prefix -> codes whose post returned
    QHash<QString, int> storedOf;                // round prefix -> records found after its kill
    int acknowledgedTotal = 0;
    int inFlightStored = 0;  // committed, killed before it could say so
    int killsAt[3] = {};  // by Moment
    int killsBeforeAnyAcknowledgement = 0;
    QElapsedTimer clock;
    clock.start();

    for (int round = 1; round <= kills; ++round) {
        const Kill kill = drawKill(random, round);
        const QString prefix = QStringLiteral("R%1-").arg(round);
        const QByteArray at = where + ", round " + QByteArray::number(round) + " " + nameOf(kill.moment);

        QProcess writer;
        writer.start(QStringLiteral(CRASH_WRITER_PATH), {writerLocation(db), prefix});
        QVERIFY2(writer.waitForStarted(), at.constData());
        WriterOutput output;
        if (kill.moment == Moment::Starting) {
            writer.write("go\n");
            QThread::usleep(kill.delayUs);
        } else {
            QVERIFY2(readUntil(writer, output, [](const WriterOutput &o) { return o.ready(); }), at.constData());
            writer.write("go\n");
            writer.waitForBytesWritten();
            if (kill.moment == Moment::LaterPost)
                QVERIFY2(readUntil(writer, output,
                                   [&](const WriterOutput &o) { return o.acknowledged().size() >= kill.afterPosts; }),
                         at.constData());
            QThread::usleep(kill.delayUs);
        }
        writer.kill();  // SIGKILL: no clean-up of any kind
        QVERIFY2(writer.waitForFinished(kLongestWaitMs), at.constData());
        output.bytes += writer.readAllStandardOutput();
        if (writer.exitStatus() != QProcess::CrashExit)
            QFAIL((at + " the writer ended by itself: " + writer.readAllStandardError()).constData());
        ++killsAt[int(kill.moment)];
        QVERIFY2(writersEndedOnServer(db), (at + " the server kept the killed writer's session").constData());

        const QStringList acknowledged = output.acknowledged();
        acknowledgedOf.insert(prefix, acknowledged);
        acknowledgedTotal += acknowledged.size();
        if (acknowledged.isEmpty())
            ++killsBeforeAnyAcknowledgement;

        checkSound(db, at);
        if (QTest::currentTestFailed())
            return;
        {
            Table goods;
            goods.setTableName(QStringLiteral("Barang.DB"));
            goods.setIndexFieldNames(QStringLiteral("Kode_Kervano"));
            goods.open();
            for (const QString &code : acknowledged)
                QVERIFY2(goods.findKey(code), (at + " lost " + code.toUtf8()).constData());
        }
        // Nothing half-written: every stored record is whole.
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\" WHERE "
                                          "\"Nama_Barang\" IS NULL OR \"Gambar\" IS NULL OR \"Harga\" IS NULL"))
                     .toInt(),
                 0);
        const int stored = db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\" WHERE \"Kode_Kervano\" LIKE ?"),
                                     {prefix + QLatin1Char('%')})
                               .toInt();
        // At most the post under way when it was killed is there unacknowledged.
        QVERIFY2(stored >= acknowledged.size() && stored <= acknowledged.size() + 1,
                 (at + " stored " + QByteArray::number(stored) + " of " + QByteArray::number(acknowledged.size())).constData());
        storedOf.insert(prefix, stored);
        inFlightStored += stored - int(acknowledged.size());
        // Every earlier round keeps what it had.
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\"")).toInt(),
                 std::accumulate(storedOf.cbegin(), storedOf.cend(), 0));
        if (kill.closeAfter)
            connection::closeFile(db.path());  // the next writer alone recovers the journal
    }

    // After the last kill, from a fresh connection: every acknowledged post
    // of every round, with the values it was posted with.
    connection::closeFile(db.path());
    checkSound(db, where);
    if (QTest::currentTestFailed())
        return;
    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.setIndexFieldNames(QStringLiteral("Kode_Kervano"));
    goods.open();
    int checked = 0;
    for (auto it = acknowledgedOf.cbegin(); it != acknowledgedOf.cend(); ++it) {
        for (const QString &code : it.value()) {
            const QByteArray what = where + " " + code.toUtf8();
            QVERIFY2(goods.findKey(code), (what + " lost by the end").constData());
            QCOMPARE(goods.fieldByName(QStringLiteral("Nama_Barang"))->asString(), QStringLiteral("NAMA ") + code);
            QCOMPARE(goods.fieldByName(QStringLiteral("Harga"))->asString(), code.mid(it.key().size()));
            QVERIFY2(pictureblob::isBitmap(goods.fieldByName(QStringLiteral("Gambar"))->pictureBytes()), what.constData());
            ++checked;
        }
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\" WHERE \"Kode_Kervano\" LIKE ?"),
                           {it.key() + QLatin1Char('%')})
                     .toInt(),
                 storedOf.value(it.key()));
    }
    goods.close();
    QCOMPARE(checked, acknowledgedTotal);
    qInfo("%d kills (%d while starting, %d during the first post, %d after some posts; %d before any post "
          "returned), %d acknowledged posts all found after the last kill, %d posts stored but killed before "
          "acknowledging, %.1f s",
          kills, killsAt[int(Moment::Starting)], killsAt[int(Moment::FirstPost)], killsAt[int(Moment::LaterPost)],
          killsBeforeAnyAcknowledgement, checked, inFlightStored, clock.elapsed() / 1000.0);
}

// A writer killed inside a transaction it never committed: nothing of it is
// stored, and nothing of it is held either, so the same record posts at once
// from another connection (a lock left behind would make that wait and fail).
void TestCrash::killedWritersOpenTransactionIsRolledBack()
{
    TempDatabase db;
    QProcess writer;
    writer.start(QStringLiteral(CRASH_WRITER_PATH), {writerLocation(db), QStringLiteral("T-"), QStringLiteral("hold")});
    QVERIFY(writer.waitForStarted());
    WriterOutput output;
    QVERIFY2(readUntil(writer, output, [](const WriterOutput &o) { return o.bytes.startsWith("held\n"); }),
             writer.readAllStandardError().constData());
    if (TempDatabase::onServer())  // the wait below watches the right session
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM pg_stat_activity WHERE application_name = ? "
                                          "AND state = 'idle in transaction'"),
                           {writerSessionName()})
                     .toInt(),
                 1);
    writer.kill();
    QVERIFY(writer.waitForFinished(kLongestWaitMs));
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
    QVERIFY(writersEndedOnServer(db));

    checkSound(db, "after the kill");
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\"")).toInt(), 0);
    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.setIndexFieldNames(QStringLiteral("Kode_Kervano"));
    goods.open();
    goods.append();
    goods.fieldByName(QStringLiteral("Kode_Kervano"))->setAsString(QStringLiteral("T-held"));
    goods.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("COMMITTED"));
    goods.post();
    goods.close();
    QCOMPARE(db.joined(QStringLiteral("SELECT \"Kode_Kervano\" || ' ' || \"Nama_Barang\" FROM \"Barang\"")),
             QStringLiteral("T-held COMMITTED"));
}

NOTA_DATA_TEST_MAIN(TestCrash)
#include "test_crash.moc"
