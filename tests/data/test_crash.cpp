// A program posting records is killed (SIGKILL) at random moments, several
// times: the database must stay sound and keep every record whose post had
// returned.
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "data/PictureBlob.h"
#include "data/Table.h"

#include <QProcess>
#include <QRandomGenerator>

class TestCrash : public QObject {
    Q_OBJECT
private slots:
    void killedWriterLosesNoPostedRecord();
};

void TestCrash::killedWriterLosesNoPostedRecord()
{
    TempDatabase db;
    QRandomGenerator random(20240611);
    int reportedTotal = 0;
    for (int round = 1; round <= 6; ++round) {
        QProcess writer;
        const QString prefix = QStringLiteral("R%1-").arg(round);
        writer.start(QStringLiteral(CRASH_WRITER_PATH), {db.path(), prefix});
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(30000));  // it is writing
        QTest::qWait(int(random.bounded(20, 250)));
        writer.kill();  // SIGKILL: no clean-up of any kind
        QVERIFY(writer.waitForFinished(30000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        // Only whole lines are reports: what follows the last line feed was cut by the kill.
        QList<QByteArray> lines = writer.readAllStandardOutput().split('\n');
        lines.removeLast();
        QStringList reported;
        for (const QByteArray &line : lines)
            reported << QString::fromUtf8(line);
        QVERIFY(!reported.isEmpty());
        reportedTotal += reported.size();

        QCOMPARE(db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        Table goods;
        goods.setTableName(QStringLiteral("Barang.DB"));
        goods.setIndexFieldNames(QStringLiteral("Kode_Kervano"));
        goods.open();
        for (const QString &code : reported) {
            QVERIFY2(goods.findKey(code), qPrintable(code));
            QCOMPARE(goods.fieldByName(QStringLiteral("Nama_Barang"))->asString(), QStringLiteral("NAMA ") + code);
            QCOMPARE(goods.fieldByName(QStringLiteral("Harga"))->asString(), code.mid(prefix.size()));
            QVERIFY(pictureblob::isBitmap(goods.fieldByName(QStringLiteral("Gambar"))->pictureBytes()));
        }
        // Nothing half-written: every stored record of the round is whole.
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\" WHERE \"Kode_Kervano\" LIKE ? AND "
                                          "(\"Nama_Barang\" IS NULL OR \"Gambar\" IS NULL OR \"Harga\" IS NULL)"),
                           {prefix + QLatin1Char('%')})
                     .toInt(),
                 0);
        const int stored = db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Barang\" WHERE \"Kode_Kervano\" LIKE ?"),
                                     {prefix + QLatin1Char('%')})
                               .toInt();
        QVERIFY(stored >= reported.size() && stored <= reported.size() + 1);
    }
    qInfo("%d reported posts checked over 6 kills", reportedTotal);
}

NOTA_DATA_TEST_MAIN(TestCrash)
#include "test_crash.moc"
