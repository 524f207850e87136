// The admin tool's dated backups and restore, run as a separate program on
// either engine: `backup --to DIR` (checked, rotated, a missing folder said
// plainly), `backups` (listed with their checks) and `restore FILE` (a good
// backup back in place, a damaged one refused, the replaced file kept; on a
// server pg_restore into an empty database only).
#include "NotadbRun.h"
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "data/Connection.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

namespace {
QString arg(const char *text) { return QString::fromLatin1(text); }

// The backup folder and settings of a user of its own.
QProcessEnvironment ownHome(const QTemporaryDir &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    return env;
}

// The name of a day's backup of `database` in a folder.
QString backupName(const QString &database, const QDate &day = QDate::currentDate())
{
    const QString stem = connection::isServer(database) ? QUrl(database).path().section(QLatin1Char('/'), -1)
                                                        : QFileInfo(database).completeBaseName();
    return stem + day.toString(QStringLiteral("-yyyy-MM-dd"))
         + (connection::isServer(database) ? QStringLiteral(".dump") : QStringLiteral(".sqlite"));
}

qint64 customers(const TempDatabase &db)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM \"Pelanggan\"")).toLongLong();
}
} // namespace

class TestNotadbBackups : public QObject {
    Q_OBJECT
private slots:
    void backupIntoAFolder();
    void restoreOfAGoodBackup();
    void restoreRefusesADamagedBackup();
};

void TestNotadbBackups::backupIntoAFolder()
{
    TempDatabase db;
    connection::closeFile(db.path());
    QTemporaryDir home;
    const QString shown = connection::printable(db.path());

    const QString missing = home.filePath(QStringLiteral("media/usb"));
    NotadbRun r = notadb({arg("backup"), arg("--to"), missing, arg("--database"), db.path()}, {}, ownHome(home));
    QCOMPARE(r.code, 1);
    QCOMPARE(r.err.trimmed(), QStringLiteral("notadb: tidak dapat mencadangkan ke %1: folder %1 tidak ada (disk belum "
                                             "dipasang, folder jaringan belum di-mount?)")
                                  .arg(missing));
    QVERIFY(!QFileInfo::exists(missing));

    const QString folder = home.filePath(QStringLiteral("usb"));
    QVERIFY(QDir().mkpath(folder));
    // Older backups of other days: three months of them, one a week.
    const QString name = backupName(db.path());
    for (int week = 1; week <= 12; ++week) {
        QFile old(QDir(folder).filePath(backupName(db.path(), QDate::currentDate().addDays(-7 * week))));
        QVERIFY(old.open(QIODevice::WriteOnly));
    }
    r = notadb({arg("backup"), arg("--to"), folder, arg("--database"), db.path()}, {}, ownHome(home));
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QString made = QDir(folder).filePath(name);
    QVERIFY2(r.out.startsWith(QStringLiteral("%1 dicadangkan ").arg(shown)) && r.out.contains(made), qPrintable(r.out));
    // The newest 7 and 4 weekly ones stay: the two oldest go.
    QCOMPARE(r.out.count(QLatin1String("Cadangan lama dihapus: ")), 2);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 11);

    // Listed with the check: the empty files of other days are no backups.
    r = notadb({arg("backups"), arg("--to"), folder, arg("--database"), db.path()}, {}, ownHome(home));
    QCOMPARE(r.code, 1);
    QVERIFY2(r.out.contains(QStringLiteral("%1  OK").arg(name)), qPrintable(r.out));
    QCOMPARE(r.out.count(QLatin1String("RUSAK")), 10);
    QVERIFY2(r.err.contains(QLatin1String("ada cadangan yang rusak")), qPrintable(r.err));

    // Again the same day: today's is made anew, whole.
    r = notadb({arg("backup"), arg("--to"), folder, arg("--database"), db.path()}, {}, ownHome(home));
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(QFileInfo(made).size() > 0);
}

void TestNotadbBackups::restoreOfAGoodBackup()
{
    TempDatabase db;
    QVERIFY(notadb({arg("sample"), arg("--database"), db.path()}).code == 0);
    connection::closeFile(db.path());
    const qint64 before = customers(db);
    connection::closeFile(db.path());
    QTemporaryDir home;
    NotadbRun r = notadb({arg("backup"), arg("--to"), home.path(), arg("--database"), db.path()}, {}, ownHome(home));
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QString backup = QDir(home.path()).filePath(backupName(db.path()));
    const QString shown = connection::printable(db.path());

    if (TempDatabase::onServer()) {
        // Restored only into an empty database: here the lost tables' schema.
        r = notadb({arg("restore"), backup, arg("--database"), db.path()});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QLatin1String("sudah memuat tabel Sistem Nota")), qPrintable(r.err));
        const QString schema = db.path().section(QLatin1String("%3D"), -1);
        connection::ofFile(qEnvironmentVariable("NOTA_TEST_PG"))->exec(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(schema));
        r = notadb({arg("restore"), backup, arg("--database"), db.path()});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(r.out.trimmed(), QStringLiteral("%1 dipulihkan dari %2 (sudah diperiksa)").arg(shown, backup));
        QCOMPARE(customers(db), before);
        QVERIFY(notadb({arg("check"), arg("--database"), db.path()}).code == 0);
        return;
    }
    db.exec(QStringLiteral("DELETE FROM \"Pelanggan\""));
    // Refused while open (this test's connection holds it).
    r = notadb({arg("restore"), backup, arg("--database"), db.path()});
    QCOMPARE(r.code, 1);
    QCOMPARE(r.err.trimmed(), QStringLiteral("notadb: %1 sedang dibuka di Sistem Nota (atau oleh perintah notadb); tutup "
                                             "dulu programnya; tidak ada yang dipulihkan")
                                  .arg(db.path()));
    connection::closeFile(db.path());
    r = notadb({arg("restore"), backup, arg("--database"), db.path()});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QStringList lines = r.out.trimmed().split(u'\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QStringLiteral("%1 dipulihkan dari %2 (sudah diperiksa)").arg(db.path(), backup));
    QVERIFY2(lines.at(1).startsWith(QStringLiteral("Basis data yang digantikan disimpan sebagai %1.before-restore-").arg(db.path())),
             qPrintable(lines.at(1)));
    QCOMPARE(customers(db), before);
    connection::closeFile(db.path());
    QVERIFY(notadb({arg("check"), arg("--database"), lines.at(1).section(QLatin1String(" sebagai "), 1)}).code == 0);
}

void TestNotadbBackups::restoreRefusesADamagedBackup()
{
    TempDatabase db;
    QVERIFY(notadb({arg("sample"), arg("--database"), db.path()}).code == 0);
    connection::closeFile(db.path());
    QTemporaryDir home;
    QVERIFY(notadb({arg("backup"), arg("--to"), home.path(), arg("--database"), db.path()}, {}, ownHome(home)).code == 0);
    const QString backup = QDir(home.path()).filePath(backupName(db.path()));
    QFile file(backup);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(file.size() / 3));
    file.close();
    const qint64 before = customers(db);
    connection::closeFile(db.path());

    const NotadbRun r = notadb({arg("restore"), backup, arg("--database"), db.path()});
    QCOMPARE(r.code, 1);
    const QString expected = TempDatabase::onServer() ? QStringLiteral("bukan cadangan yang dapat dibaca pg_restore: ")
                                                      : QStringLiteral("bukan cadangan yang utuh; tidak ada yang dipulihkan:");
    QVERIFY2(r.err.startsWith(QStringLiteral("notadb: ") + backup + QLatin1Char(' ') + expected), qPrintable(r.err));
    QCOMPARE(customers(db), before);
    connection::closeFile(db.path());
    if (!TempDatabase::onServer())
        QCOMPARE(QDir(db.folder()).entryList({QStringLiteral("*.before-restore-*")}, QDir::Files), QStringList());
}

NOTA_DATA_TEST_MAIN(TestNotadbBackups)
#include "test_notadb_backups.moc"
