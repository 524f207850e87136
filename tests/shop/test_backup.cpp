// The automatic backups: once a day, checked before they count, kept 7
// daily and 4 weekly, a failing folder remembered and said at the next
// start, and a backup killed half way leaving nothing under a backup's name.
#include "DataSupport.h"
#include "DataTestMain.h"
#include "TempDatabase.h"
#include "core/DateText.h"
#include "data/Connection.h"
#include "data/FileBackup.h"
#include "shop/BackupAtEnd.h"
#include "shop/BackupRules.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

namespace {
const QDate kToday(2026, 12, 10);  // a Thursday

QList<QDate> daysBack(const QList<int> &offsets)
{
    QList<QDate> days;
    for (int n : offsets)
        days << kToday.addDays(-n);
    return days;
}

QList<int> range(int from, int to)
{
    QList<int> out;
    for (int i = from; i <= to; ++i)
        out << i;
    return out;
}

QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Backups and their state in a folder of the test's own.
struct Places {
    QTemporaryDir dir;
    QString folder() const { return dir.filePath(QStringLiteral("backup")); }
    QString state() const { return dir.filePath(QStringLiteral("state.ini")); }
    BackupRules rules(const QString &database, const QString &copyFolder = QString()) const
    {
        return BackupRules(database, BackupPlaces{folder(), copyFolder}, state());
    }
};
} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void rotationKeeps_data();
    void rotationKeeps();
    void onceADayAtTheEnd();
    void rotationRemovesOnlyAfterANewBackup();
    void failingFolderIsRememberedAndSaid();
    void damagedDatabaseMakesNoBackup();
    void killedBackupLeavesNoHalfFile();
    void endOfTheProgramMakesTheBackup();
};

void TestBackup::rotationKeeps_data()
{
    QTest::addColumn<QList<QDate>>("days");
    QTest::addColumn<QList<QDate>>("kept");
    QTest::newRow("fewer than seven") << daysBack({0, 1, 2, 4}) << daysBack({0, 1, 2, 4});
    // The 7 newest, then the newest of each of the 4 weeks before (weeks
    // start on Monday: Dec 3, Nov 29, Nov 22, Nov 15).
    QTest::newRow("every day for a month") << daysBack(range(0, 29)) << daysBack({0, 1, 2, 3, 4, 5, 6, 7, 11, 18, 25});
    QTest::newRow("in any order") << daysBack({29, 3, 0, 15, 1, 7, 2, 4, 6, 5, 8, 9})
                                  << daysBack({0, 1, 2, 3, 4, 5, 6, 7, 15, 29});
    QTest::newRow("once a month") << daysBack({0, 30, 61, 91, 122, 152, 183, 213, 244, 274, 305, 335, 366})
                                  << daysBack({0, 30, 61, 91, 122, 152, 183, 213, 244, 274, 305});
}

void TestBackup::rotationKeeps()
{
    QFETCH(QList<QDate>, days);
    QFETCH(QList<QDate>, kept);
    QList<QDate> got = BackupRules::kept(days);
    std::sort(got.begin(), got.end(), std::greater<>());
    std::sort(kept.begin(), kept.end(), std::greater<>());
    QCOMPARE(got, kept);
}

void TestBackup::onceADayAtTheEnd()
{
    TempDatabase db;
    Places places;
    QVERIFY(QDir().mkpath(places.folder()));
    const BackupRules rules = places.rules(db.path());
    db.exec(QStringLiteral("INSERT INTO \"Part\" (\"Part\") VALUES ('SEAL')"));  // with the program's connection open

    rules.runAtEnd(kToday, 5000);
    const QString made = QDir(places.folder()).filePath(QStringLiteral("kv-2026-12-10.sqlite"));
    QCOMPARE(namesIn(places.folder()), QStringList{QStringLiteral("kv-2026-12-10.sqlite")});
    QVERIFY(filebackup::check(made, 0).ok());
    QCOMPARE(rules.remembered().failure, QString());
    QVERIFY(rules.remembered().tried.isValid());

    // Later the same day: the morning's backup stands.
    db.exec(QStringLiteral("INSERT INTO \"Part\" (\"Part\") VALUES ('BUSHING')"));
    const QByteArray morning = [&] {
        QFile f(made);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    rules.runAtEnd(kToday, 5000);
    QFile again(made);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), morning);

    // The next day: a new one, holding what was stored since.
    rules.runAtEnd(kToday.addDays(1), 5000);
    QCOMPARE(namesIn(places.folder()),
             (QStringList{QStringLiteral("kv-2026-12-10.sqlite"), QStringLiteral("kv-2026-12-11.sqlite")}));
    QCOMPARE(rules.backupsIn(places.folder()).first().day, kToday.addDays(1));
    const filebackup::Outcome parts = filebackup::examine(
        QDir(places.folder()).filePath(QStringLiteral("kv-2026-12-11.sqlite")), 0,
        [](dbcheck::CheckedDatabase &copy, QStringList &found) {
            found << copy.scalar(QStringLiteral("SELECT group_concat(\"Part\") FROM (SELECT \"Part\" FROM \"Part\" "
                                                "WHERE \"Part\" IN ('SEAL', 'BUSHING') ORDER BY 1)"))
                         .toString();
        });
    QCOMPARE(parts.problems, QStringList{QStringLiteral("BUSHING,SEAL")});
}

void TestBackup::rotationRemovesOnlyAfterANewBackup()
{
    TempDatabase db;
    Places places;
    const QString missingCopy = places.dir.filePath(QStringLiteral("usb"));
    QVERIFY(QDir().mkpath(places.folder()));
    const BackupRules rules = places.rules(db.path(), missingCopy);
    // A month of backups, one a day until yesterday, and a file of another kind.
    for (int n = 1; n <= 30; ++n)
        QVERIFY(rules.backUpInto(places.folder(), kToday.addDays(-n), false, 5000).ok());
    QFile other(QDir(places.folder()).filePath(QStringLiteral("notes.txt")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();
    QCOMPARE(rules.backupsIn(places.folder()).size(), 11);  // each backup rotated as it was made

    // Today's backup fails in the copy folder, but the local one is whole:
    // rotation runs where a new backup was made.
    rules.runAtEnd(kToday, 5000);
    QList<QDate> days;
    for (const BackupCopy &b : rules.backupsIn(places.folder()))
        days << b.day;
    QCOMPARE(days, daysBack({0, 1, 2, 3, 4, 5, 6, 7, 11, 18, 25}));
    QVERIFY(QFileInfo::exists(other.fileName()));

    // A folder whose new backup fails loses nothing.
    const QString full = places.dir.filePath(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(full));
    QVERIFY(QFile::copy(rules.backupsIn(places.folder()).last().path,
                        QDir(full).filePath(rules.nameFor(kToday.addDays(-40)))));
    for (int n = 41; n <= 60; ++n)
        QVERIFY(QFile::copy(QDir(full).filePath(rules.nameFor(kToday.addDays(-40))), QDir(full).filePath(rules.nameFor(kToday.addDays(-n)))));
    db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('KV-X', 'abc')"));
    const BackupRules::Outcome refused = rules.backUpInto(full, kToday, false, 5000);
    QVERIFY(!refused.problems.isEmpty());
    QCOMPARE(rules.backupsIn(full).size(), 21);
}

void TestBackup::failingFolderIsRememberedAndSaid()
{
    TempDatabase db;
    Places places;
    QVERIFY(QDir().mkpath(places.folder()));
    const BackupRules rules = places.rules(db.path());
    QCOMPARE(rules.startHint(kToday), QString());  // nothing tried yet

    rules.runAtEnd(kToday.addDays(-3), 5000);
    QCOMPARE(rules.startHint(kToday), QString());  // three days is not too old
    const QString madeOn = datetext::formatDate(datetext::kDisplayDate, kToday.addDays(-3));
    QCOMPARE(rules.startHint(kToday.addDays(1)),
             QStringLiteral("Cadangan database terakhir: %1 (4 hari yang lalu)").arg(madeOn));

    // A copy folder on a disk that is not plugged in: no crash, nothing made
    // there, the failure remembered and said at the next start.
    const QString usb = places.dir.filePath(QStringLiteral("media/usb"));
    const BackupRules withCopy = places.rules(db.path(), usb);
    withCopy.runAtEnd(kToday, 5000);
    QVERIFY(!QFileInfo::exists(usb));
    QVERIFY2(withCopy.remembered().failure.contains(QStringLiteral("folder %1 tidak ada").arg(usb)),
             qPrintable(withCopy.remembered().failure));
    QCOMPARE(withCopy.startHint(kToday), QStringLiteral("Cadangan otomatis gagal; cadangan baik terakhir: %1")
                                             .arg(datetext::formatDate(datetext::kDisplayDate, kToday)));
    QCOMPARE(withCopy.remembered().folder, usb);

    // A backup folder that is a file: nothing good at all yet for a new
    // database; the copy folder still gets its backup.
    TempDatabase other;
    Places blocked;
    QFile file(blocked.folder());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString copies = blocked.dir.filePath(QStringLiteral("copies"));
    QVERIFY(QDir().mkpath(copies));
    const BackupRules none = blocked.rules(other.path(), copies);
    none.runAtEnd(kToday, 5000);
    QCOMPARE(namesIn(copies), QStringList{none.nameFor(kToday)});
    QCOMPARE(none.startHint(kToday), QStringLiteral("Cadangan otomatis gagal; belum ada cadangan yang baik"));
    QVERIFY2(none.remembered().failure.contains(QStringLiteral("%1 bukan folder").arg(blocked.folder())),
             qPrintable(none.remembered().failure));
    // What was remembered concerns that database only.
    QCOMPARE(blocked.rules(db.path()).remembered().failure, QString());

    // The next good try clears it.
    QVERIFY(file.remove());
    QVERIFY(QDir().mkpath(blocked.folder()));
    none.runAtEnd(kToday, 5000);
    QCOMPARE(none.startHint(kToday), QString());
}

void TestBackup::damagedDatabaseMakesNoBackup()
{
    TempDatabase db;
    Places places;
    QVERIFY(QDir().mkpath(places.folder()));
    db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('KV-X', 'abc')"));
    const BackupRules rules = places.rules(db.path());
    rules.runAtEnd(kToday, 5000);
    QCOMPARE(namesIn(places.folder()), QStringList());  // neither a backup nor a hidden copy
    QVERIFY2(rules.remembered().failure.contains(QStringLiteral("Barang KV-X: Harga berisi 'abc', yang bukan angka")),
             qPrintable(rules.remembered().failure));
}

void TestBackup::killedBackupLeavesNoHalfFile()
{
    TempDatabase db;
    Places places;
    QVERIFY(QDir().mkpath(places.folder()));
    // Big enough that the copy and its check take a while.
    db.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 80) "
                           "INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Gambar\") SELECT 'BIG-' || i, randomblob(1000000) FROM n"));
    connection::closeFile(db.path());
    const BackupRules rules = places.rules(db.path());
    const QString name = rules.nameFor(kToday);

    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        rules.runAtEnd(kToday, 5000);
        ::_exit(0);
    }
    // Killed as soon as the hidden copy is there.
    QElapsedTimer waited;
    waited.start();
    while (namesIn(places.folder()).isEmpty() && waited.elapsed() < 20000)
        ::usleep(200);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFSIGNALED(status));
    const QStringList left = namesIn(places.folder());
    QVERIFY2(!left.contains(name), qPrintable(left.join(u' ')));
    QVERIFY(rules.backupsIn(places.folder()).isEmpty());
    QCOMPARE(left.size(), 1);
    QVERIFY(left.first().startsWith(QLatin1Char('.') + name + QStringLiteral(".partial-")));

    // The next end makes the day's backup; the leftover goes once it is old.
    const QString leftOver = QDir(places.folder()).filePath(left.first());
    rules.runAtEnd(kToday, 5000);
    QVERIFY(QFileInfo::exists(leftOver));  // it might still be written
    const qint64 hourAgo = QDateTime::currentSecsSinceEpoch() - 2 * 3600;
    const utimbuf old{hourAgo, hourAgo};
    QCOMPARE(::utime(QFile::encodeName(leftOver).constData(), &old), 0);
    QCOMPARE(rules.rotate(places.folder()), QStringList{leftOver});
    QCOMPARE(namesIn(places.folder()), QStringList{name});
    QVERIFY(filebackup::check(QDir(places.folder()).filePath(name), 0).ok());
}

void TestBackup::endOfTheProgramMakesTheBackup()
{
    // The configured places: the settings file and data folder of the user.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    TempDatabase db;
    const QString folder = home.filePath(QStringLiteral("data/sistemnota/backup"));
    QCOMPARE(BackupRules::forAlias().places().folder, folder);

    backupatend::finish();  // not enabled (the windows' tests): nothing
    QVERIFY(!QFileInfo::exists(folder));
    backupatend::enable();
    backupatend::begin();
    backupatend::finish();
    QCOMPARE(namesIn(folder), QStringList{BackupRules::forAlias().nameFor(QDate::currentDate())});
}

NOTA_DATA_TEST_MAIN(TestBackup)
#include "test_backup.moc"
