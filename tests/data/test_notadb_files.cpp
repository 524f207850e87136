// The admin tool's read-only looks and backups as files see them: `check` and
// `backup` only read (a read-only folder is no problem and no journal file is
// left behind), a backup gives up on a locked database after a bounded wait,
// and a failed backup leaves no copy, whole or partial.
#include "NotadbRun.h"
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "data/Connection.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/Table.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <memory>
#include <sqlite3.h>
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
QString arg(const char *text) { return QString::fromLatin1(text); }

// The journal a writing program leaves when it is killed: its database files
// as they were while it was still open, with the last post only in the journal.
void copyWithLiveJournal(const QString &source, const QString &target)
{
    {
        Table parts;
        parts.setTableName(QStringLiteral("Part.db"));
        parts.open();
        parts.append();
        parts.fieldByName(QStringLiteral("Part"))->setAsString(QStringLiteral("SEAL"));
        parts.post();
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::copy(source + QLatin1String(suffix), target + QLatin1String(suffix));
    }
    connection::closeFile(source);
}

QString partsIn(const QString &file)
{
    const QString parts = connection::ofFile(file)
                              ->scalar(QStringLiteral("SELECT group_concat(\"Part\", ',') FROM (SELECT \"Part\" FROM \"Part\" ORDER BY 1)"), {})
                              .toString();
    connection::closeFile(file);
    return parts;
}

// Runs the tool as a user who may not write where root may: as root, the
// tool drops to the unprivileged user "nobody".
void asUnprivileged()
{
    if (::geteuid() != 0)
        return;
    const gid_t none = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(none) != 0 || ::setuid(65534) != 0)
        ::_exit(126);
}

// Gives a folder the permissions `mode` for the life of the guard.
class FolderMode {
public:
    FolderMode(const QString &folder, QFile::Permissions mode) : m_folder(folder), m_before(QFile::permissions(folder))
    {
        QFile::setPermissions(folder, mode);
    }
    ~FolderMode() { QFile::setPermissions(m_folder, m_before); }

private:
    QString m_folder;
    QFile::Permissions m_before;
};

constexpr QFile::Permissions kReadOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                       | QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions kOpen = kReadOnly | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
} // namespace

class TestNotadbFiles : public QObject {
    Q_OBJECT
private slots:
    void backupCopiesALiveDatabase();
    void backupRefuses_data();
    void backupRefuses();
    void readOnlyLookLeavesNoFiles_data();
    void readOnlyLookLeavesNoFiles();
    void readOnlyFolderIsNoProblem_data();
    void readOnlyFolderIsNoProblem();
    void lockedDatabaseIsGivenUpOn_data();
    void lockedDatabaseIsGivenUpOn();
    void failedBackupLeavesNoCopy();
};

void TestNotadbFiles::backupCopiesALiveDatabase()
{
    TempDatabase db;
    Table parts;  // the database stays open and written while it is copied
    parts.setTableName(QStringLiteral("Part.db"));
    parts.open();
    for (const char *p : {"SEAL", "BOOT", "BUSHING"}) {
        parts.append();
        parts.fieldByName(QStringLiteral("Part"))->setAsString(QString::fromLatin1(p));
        parts.post();
    }
    QVERIFY(QFile(db.path() + QStringLiteral("-wal")).size() > 0);  // the rows are still in the journal
    const QString copy = db.folder() + QStringLiteral("/backup.sqlite");
    NotadbRun r = notadb({arg("backup"), copy, arg("--database"), db.path()});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(notadb({arg("check"), arg("--database"), copy}).code, 0);
    QCOMPARE(partsIn(copy), QStringLiteral("BOOT,BUSHING,SEAL"));
    r = notadb({arg("backup"), copy, arg("--database"), db.path()});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(QLatin1String("sudah ada")));
}

void TestNotadbFiles::backupRefuses_data()
{
    QTest::addColumn<QString>("source");       // "database", "missing", "folder", "empty"
    QTest::addColumn<QString>("destination");  // "new", "existing", "folder", "no folder"
    QTest::addColumn<QString>("message");      // %1: the destination, %2: its folder
    QTest::newRow("destination exists") << "database" << "existing" << "%1 sudah ada";
    QTest::newRow("destination is a folder") << "database" << "folder" << "%1 adalah folder; sebutkan nama berkas cadangan";
    QTest::newRow("destination's folder missing") << "database" << "no folder" << "tidak dapat menulis %1: folder %2 tidak ada";
    QTest::newRow("source missing") << "missing" << "new" << "tidak ditemukan";
    QTest::newRow("source is a folder") << "folder" << "new" << "adalah folder, bukan berkas basis data";
    QTest::newRow("source empty") << "empty" << "new" << "kosong (0 byte), bukan basis data";
}

void TestNotadbFiles::backupRefuses()
{
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QFETCH(QString, message);
    TempDatabase db;
    connection::closeFile(db.path());
    if (source != QLatin1String("database")) {
        QFile::remove(db.path());
        if (source == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(db.path()));
        if (source == QLatin1String("empty"))
            QVERIFY(QFile(db.path()).open(QIODevice::WriteOnly));
    }
    QTemporaryDir target;
    QString dest = target.filePath(QStringLiteral("backup.sqlite"));
    if (destination == QLatin1String("existing")) {
        QFile f(dest);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("kept");
    } else if (destination == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(dest));
    } else if (destination == QLatin1String("no folder")) {
        dest = target.filePath(QStringLiteral("gone/backup.sqlite"));
    }
    const QStringList sourceFiles = filesIn(db.folder());
    const QStringList targetFiles = filesIn(target.path());
    const NotadbRun r = notadb({arg("backup"), dest, arg("--database"), db.path()});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QString(message).replace(QLatin1String("%1"), dest).replace(QLatin1String("%2"), QFileInfo(dest).absolutePath())),
             qPrintable(r.err));
    QCOMPARE(filesIn(db.folder()), sourceFiles);
    QCOMPARE(filesIn(target.path()), targetFiles);
    if (destination == QLatin1String("existing"))
        QCOMPARE(contentsOf(dest), QByteArray("kept"));
}

// `check` and `backup` only read: the files beside the database are the
// same before and after, and so is every byte of the database and its journal.
void TestNotadbFiles::readOnlyLookLeavesNoFiles_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("journalLeft");  // a killed writer's journal lies beside it
    for (const char *command : {"check", "backup"}) {
        QTest::addRow("%s of a closed database", command) << arg(command) << false;
        QTest::addRow("%s with a killed writer's journal", command) << arg(command) << true;
    }
}

void TestNotadbFiles::readOnlyLookLeavesNoFiles()
{
    QFETCH(QString, command);
    QFETCH(bool, journalLeft);
    TempDatabase db;
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("kv.sqlite"));
    if (journalLeft)
        copyWithLiveJournal(db.path(), file);
    else
        QVERIFY(QFile::copy(db.path(), file));
    const QStringList files = journalLeft ? QStringList{arg("kv.sqlite"), arg("kv.sqlite-shm"), arg("kv.sqlite-wal")}
                                          : QStringList{arg("kv.sqlite")};
    QCOMPARE(filesIn(folder.path()), files);
    const QByteArray database = contentsOf(file);
    const QByteArray journal = contentsOf(file + QStringLiteral("-wal"));
    QTemporaryDir target;
    const QString copy = target.filePath(QStringLiteral("backup.sqlite"));
    QStringList args{command, arg("--database"), file};
    if (command == QLatin1String("backup"))
        args.insert(1, copy);
    const NotadbRun r = notadb(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(filesIn(folder.path()), files);
    QCOMPARE(contentsOf(file), database);
    QCOMPARE(contentsOf(file + QStringLiteral("-wal")), journal);
    if (command == QLatin1String("backup")) {
        QCOMPARE(filesIn(target.path()), QStringList{arg("backup.sqlite")});
        QCOMPARE(partsIn(copy), journalLeft ? QStringLiteral("SEAL") : QString());  // the journal's post is in the copy
    }
}

// A database in a folder the user may not write to (a shared folder, a
// read-only medium) is checked and backed up like any other: nothing is
// blamed on the file, nothing is written beside it.
void TestNotadbFiles::readOnlyFolderIsNoProblem_data()
{
    readOnlyLookLeavesNoFiles_data();
}

void TestNotadbFiles::readOnlyFolderIsNoProblem()
{
    QFETCH(QString, command);
    QFETCH(bool, journalLeft);
    if (notadb({arg("path")}, {}, QProcessEnvironment::systemEnvironment(), asUnprivileged).code != 0)
        QSKIP("the tool cannot be run by an unprivileged user from this build folder");
    TempDatabase db;
    QTemporaryDir base;
    QDir(base.path()).mkdir(QStringLiteral("ro"));
    QDir(base.path()).mkdir(QStringLiteral("out"));
    const QString folder = base.filePath(QStringLiteral("ro"));
    const QString file = folder + QStringLiteral("/kv.sqlite");
    if (journalLeft)
        copyWithLiveJournal(db.path(), file);
    else
        QVERIFY(QFile::copy(db.path(), file));
    for (const QString &f : filesIn(folder))
        QFile::setPermissions(folder + QLatin1Char('/') + f, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QStringList before = filesIn(folder);
    const QString copy = base.filePath(QStringLiteral("out/backup.sqlite"));
    {
        const FolderMode reachable(base.path(), kReadOnly);
        const FolderMode readOnly(folder, kReadOnly);
        const FolderMode writable(base.filePath(QStringLiteral("out")), kOpen);
        QStringList args{command, arg("--database"), file};
        if (command == QLatin1String("backup"))
            args.insert(1, copy);
        const NotadbRun r = notadb(args, {}, QProcessEnvironment::systemEnvironment(), asUnprivileged);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(filesIn(folder), before);
    }
    if (command == QLatin1String("backup"))
        QCOMPARE(partsIn(copy), journalLeft ? QStringLiteral("SEAL") : QString());
}

// Another program holding the database locked: the tool waits as long as
// --wait says, then gives up naming the cause, and a backup leaves nothing.
void TestNotadbFiles::lockedDatabaseIsGivenUpOn_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("check") << "check";
    QTest::newRow("backup") << "backup";
}

void TestNotadbFiles::lockedDatabaseIsGivenUpOn()
{
    QFETCH(QString, command);
    TempDatabase db;
    connection::closeFile(db.path());
    sqlite3 *holder = nullptr;
    QCOMPARE(sqlite3_open_v2(QFile::encodeName(db.path()).constData(), &holder, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    const std::unique_ptr<sqlite3, int (*)(sqlite3 *)> closing(holder, sqlite3_close);
    {
        // Once it has written, an exclusive holder keeps every other program out.
        QCOMPARE(sqlite3_exec(holder, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_exec(holder, "INSERT INTO \"Part\" VALUES ('SEAL')", nullptr, nullptr, nullptr), SQLITE_OK);
        QTemporaryDir target;
        QStringList args{command, arg("--wait"), arg("1"), arg("--database"), db.path()};
        if (command == QLatin1String("backup"))
            args.insert(1, target.filePath(QStringLiteral("backup.sqlite")));
        const NotadbRun r = notadb(args);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QStringLiteral("tidak dapat membaca %1: program lain menguncinya (sudah menunggu 1 detik)").arg(db.path())),
                 qPrintable(r.err));
        QVERIFY(filesIn(target.path()).isEmpty());
    }
}

// A backup that fails while writing (here: the file size limit of the
// process, as a full disk would) removes its copy; DEST never appears.
void TestNotadbFiles::failedBackupLeavesNoCopy()
{
    TempDatabase db;
    connection::closeFile(db.path());
    QVERIFY(QFileInfo(db.path()).size() > 16384);
    QTemporaryDir target;
    const QString dest = target.filePath(QStringLiteral("backup.sqlite"));
    const NotadbRun r = notadb({arg("backup"), dest, arg("--database"), db.path()}, {},
                               QProcessEnvironment::systemEnvironment(), [] {
                                   ::signal(SIGXFSZ, SIG_IGN);  // a refused write, not the end of the program
                                   const rlimit small{16384, 16384};
                                   ::setrlimit(RLIMIT_FSIZE, &small);
                               });
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QStringLiteral("tidak dapat menulis %1").arg(dest)), qPrintable(r.err));
    QVERIFY(filesIn(target.path()).isEmpty());
}

NOTA_DATA_TEST_MAIN(TestNotadbFiles)
#include "test_notadb_files.moc"
