// Restoring a backup cannot make things worse: a good backup takes the
// database's place and the replaced file (with its journal) stays beside it;
// a damaged backup, or a database some program has open, changes nothing.
#include "DataSupport.h"
#include "DataTestMain.h"
#include "TempDatabase.h"
#include "core/Errors.h"
#include "data/Connection.h"
#include "data/DatabaseInUse.h"
#include "data/FileBackup.h"
#include "data/Table.h"
#include "shop/BackupRestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray contentsOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// The parts named in a database file, read as a backup is read.
QString partsIn(const QString &file)
{
    const filebackup::Outcome read = filebackup::examine(file, 0, [](dbcheck::CheckedDatabase &db, QStringList &found) {
        found << db.scalar(QStringLiteral("SELECT group_concat(\"Part\") FROM (SELECT \"Part\" FROM \"Part\" ORDER BY 1)"))
                     .toString();
    });
    return read.failure.isEmpty() ? read.problems.value(0) : read.failure;
}

void addPart(const QString &part)
{
    Table parts;
    parts.setTableName(QStringLiteral("Part.db"));
    parts.open();
    parts.append();
    parts.fieldByName(QStringLiteral("Part"))->setAsString(part);
    parts.post();
}

// The replaced databases kept beside `database` (their journals left out).
QStringList keptBeside(const QString &database)
{
    QStringList kept = QDir(QFileInfo(database).absolutePath())
                           .entryList({QFileInfo(database).fileName() + QStringLiteral(".before-restore-*")}, QDir::Files);
    kept.removeIf([](const QString &name) {
        return name.endsWith(QLatin1String("-wal")) || name.endsWith(QLatin1String("-shm"));
    });
    return kept;
}
} // namespace

class TestBackupRestore : public QObject {
    Q_OBJECT
private slots:
    void restoresAGoodBackup();
    void refusesADamagedBackup_data();
    void refusesADamagedBackup();
    void refusesAnOpenDatabase();
    void nobodyOpensTheDatabaseDuringARestore();
};

void TestBackupRestore::restoresAGoodBackup()
{
    TempDatabase db;
    addPart(QStringLiteral("SEAL"));
    const QString backup = db.folder() + QStringLiteral("/kv-2026-12-10.sqlite");
    QVERIFY(filebackup::backUp(db.path(), backup, 5000, filebackup::Existing::Refuse, true).ok());
    const QByteArray backupBytes = contentsOf(backup);

    // Stored after the backup, and only in the journal: a program ended
    // without folding it into the file.
    addPart(QStringLiteral("BUSHING"));
    const QString crashed = db.folder() + QStringLiteral("/shop/kv.sqlite");
    QVERIFY(QDir().mkpath(QFileInfo(crashed).absolutePath()));
    for (const char *suffix : {"", "-wal", "-shm"})
        QVERIFY(QFile::copy(db.path() + QLatin1String(suffix), crashed + QLatin1String(suffix)));
    connection::closeFile(db.path());
    QCOMPARE(partsIn(crashed), QStringLiteral("BUSHING,SEAL"));

    const backuprestore::Outcome done = backuprestore::restoreFile(backup, crashed, 5000);
    QVERIFY2(done.ok(), qPrintable(done.failure + done.problems.join(u'\n')));
    QCOMPARE(partsIn(crashed), QStringLiteral("SEAL"));
    QCOMPARE(contentsOf(backup), backupBytes);  // the backup itself stays as it was
    QVERIFY(!QFileInfo::exists(crashed + QStringLiteral("-wal")));
    // The replaced database, with its journal, beside it under a dated name.
    QCOMPARE(keptBeside(crashed), QStringList{QFileInfo(done.kept).fileName()});
    QVERIFY(QFileInfo::exists(done.kept + QStringLiteral("-wal")));
    QCOMPARE(partsIn(done.kept), QStringLiteral("BUSHING,SEAL"));

    // The program works on it again: alias, open, write.
    AliasOverride alias(QStringLiteral("KV"), crashed);
    addPart(QStringLiteral("O-RING"));
    connection::closeFile(crashed);
    QCOMPARE(partsIn(crashed), QStringLiteral("O-RING,SEAL"));

    // A second restore keeps the first's result too, under another name.
    const backuprestore::Outcome again = backuprestore::restoreFile(backup, crashed, 5000);
    QVERIFY(again.ok());
    QCOMPARE(keptBeside(crashed).size(), 2);
    QCOMPARE(partsIn(again.kept), QStringLiteral("O-RING,SEAL"));

    // Onto a new disk, where there is no database yet: nothing to keep.
    const QString fresh = db.folder() + QStringLiteral("/new/kv.sqlite");
    QVERIFY(QDir().mkpath(QFileInfo(fresh).absolutePath()));
    const backuprestore::Outcome placed = backuprestore::restoreFile(backup, fresh, 5000);
    QVERIFY(placed.ok());
    QCOMPARE(placed.kept, QString());
    QCOMPARE(partsIn(fresh), QStringLiteral("SEAL"));
}

void TestBackupRestore::refusesADamagedBackup_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("said");
    QTest::newRow("cut short") << "cut" << "rusak";
    QTest::newRow("not a database") << "text" << "bukan basis data";
    QTest::newRow("a missing table") << "DROP TABLE \"Part\"" << "tabel Part tidak ada";
    QTest::newRow("a value that does not convert")
        << "INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('KV-X', 'abc')"
        << "Barang KV-X: Harga berisi 'abc', yang bukan angka";
    QTest::newRow("no file") << "remove" << "tidak ditemukan";
}

void TestBackupRestore::refusesADamagedBackup()
{
    QFETCH(QString, damage);
    QFETCH(QString, said);
    TempDatabase db;
    addPart(QStringLiteral("SEAL"));
    const QString backup = db.folder() + QStringLiteral("/kv-2026-12-10.sqlite");
    QVERIFY(filebackup::backUp(db.path(), backup, 5000, filebackup::Existing::Refuse, true).ok());
    if (damage == QLatin1String("cut")) {
        const QByteArray whole = contentsOf(backup);
        writeFile(backup, whole.left(whole.size() / 2));
    } else if (damage == QLatin1String("text")) {
        writeFile(backup, "Nota 000001, 000002\n");
    } else if (damage == QLatin1String("remove")) {
        QVERIFY(QFile::remove(backup));
    } else {
        const QString copy = db.folder() + QStringLiteral("/damaged.sqlite");
        QVERIFY(QFile::copy(backup, copy));
        {
            AliasOverride alias(QStringLiteral("KV"), copy);
            connection::ofFile(copy)->exec(damage);
            connection::closeFile(copy);
        }
        QVERIFY(QFile::remove(backup));
        QVERIFY(QFile::rename(copy, backup));
    }
    connection::closeFile(db.path());
    const QByteArray before = contentsOf(db.path());

    const backuprestore::Outcome refused = backuprestore::restoreFile(backup, db.path(), 5000);
    QVERIFY(!refused.ok());
    const QString told = refused.failure + refused.problems.join(u'\n');
    QVERIFY2(told.contains(said), qPrintable(told));
    QCOMPARE(contentsOf(db.path()), before);
    QCOMPARE(keptBeside(db.path()), QStringList());
    QCOMPARE(partsIn(db.path()), QStringLiteral("SEAL"));
}

void TestBackupRestore::refusesAnOpenDatabase()
{
    TempDatabase db;
    addPart(QStringLiteral("SEAL"));
    const QString backup = db.folder() + QStringLiteral("/kv-2026-12-10.sqlite");
    QVERIFY(filebackup::backUp(db.path(), backup, 5000, filebackup::Existing::Refuse, true).ok());
    addPart(QStringLiteral("BUSHING"));

    // Open in this program (its connection holds the lock beside the file).
    backuprestore::Outcome refused = backuprestore::restoreFile(backup, db.path(), 5000);
    QVERIFY2(refused.failure.contains(QLatin1String("sedang dibuka di Sistem Nota")), qPrintable(refused.failure));
    connection::closeFile(db.path());
    QCOMPARE(partsIn(db.path()), QStringLiteral("BUSHING,SEAL"));

    // Open in another program that knows nothing of that lock.
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t other = ::fork();
    QVERIFY(other >= 0);
    if (other == 0) {
        sqlite3 *handle = nullptr;
        sqlite3_open_v2(QFile::encodeName(db.path()).constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(handle, "SELECT count(*) FROM \"Part\"", nullptr, nullptr, nullptr);
        (void)!::write(ready[1], "1", 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
    refused = backuprestore::restoreFile(backup, db.path(), 5000);
    ::kill(other, SIGKILL);
    ::waitpid(other, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    QVERIFY2(refused.failure.contains(QLatin1String("sedang dibuka di program lain")), qPrintable(refused.failure));
    QCOMPARE(partsIn(db.path()), QStringLiteral("BUSHING,SEAL"));
    QCOMPARE(keptBeside(db.path()), QStringList());

    // Once nobody has it open, the restore goes ahead.
    QVERIFY(backuprestore::restoreFile(backup, db.path(), 5000).ok());
    QCOMPARE(partsIn(db.path()), QStringLiteral("SEAL"));
}

void TestBackupRestore::nobodyOpensTheDatabaseDuringARestore()
{
    TempDatabase db;
    connection::closeFile(db.path());
    {
        const databaseuse::UseLock restoring(db.path(), databaseuse::UseLock::Mode::Exclusive, 0);
        QCOMPARE(restoring.state(), databaseuse::UseLock::State::Held);
        const QString error = errorOf([&] { connection::ofFile(db.path()); });
        QVERIFY2(error.contains(QLatin1String("sedang dipulihkan dari cadangan")), qPrintable(error));
    }
    QCOMPARE(errorOf([&] { connection::ofFile(db.path()); }), QString());
    // Several may have it open at once.
    const databaseuse::UseLock second(db.path(), databaseuse::UseLock::Mode::Shared, 0);
    QCOMPARE(second.state(), databaseuse::UseLock::State::Held);
}

NOTA_DATA_TEST_MAIN(TestBackupRestore)
#include "test_backup_restore.moc"
