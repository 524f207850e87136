// The program as a process: it answers --help and --version without a
// display; a database file copied alone holds what was stored, while the
// program runs (the journal is folded back when idle) and after it was ended
// by a signal (it closes the database as a normal end does); the program
// itself ends cleanly on SIGTERM.
#include "DataTestMain.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <sqlite3.h>

namespace {
// The records a lone copy of `file` holds, or -1 when it has no such table.
int recordsInCopyOf(const QString &file, const QString &copyFolder)
{
    const QString copy = copyFolder + QStringLiteral("/copy.sqlite");
    QFile::remove(copy);
    if (!QFile::copy(file, copy))
        return -1;
    int records = -1;
    sqlite3 *db = nullptr;
    sqlite3_stmt *count = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(copy).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM Catatan", -1, &count, nullptr) == SQLITE_OK
        && sqlite3_step(count) == SQLITE_ROW)
        records = sqlite3_column_int(count, 0);
    sqlite3_finalize(count);
    sqlite3_close(db);
    return records;
}

// Starts the probe on `file` and waits until it has stored its records.
bool startProbe(QProcess &probe, const QString &file)
{
    probe.start(QStringLiteral(CLEAN_END_PROBE), {file});
    return probe.waitForReadyRead(20000) && probe.readAllStandardOutput().startsWith("ready");
}

// Whether `pid` has a handler of its own for `signal` (the SigCgt mask).
bool catches(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}
} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
    void signalClosesTheDatabase_data();
    void signalClosesTheDatabase();
    void journalIsFoldedWhileRunning();
    void programEndsCleanlyOnSigterm();
};

void TestProgram::answersWithoutADisplay_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("answer");
    QTest::newRow("--help") << "--help" << "Pemakaian: sistemnota";
    QTest::newRow("-h") << "-h" << "notadb --help";
    QTest::newRow("--version") << "--version" << "sistemnota 2.";
}

void TestProgram::answersWithoutADisplay()
{
    QFETCH(QString, option);
    QFETCH(QString, answer);
    // A desktop platform without its display aborts the program once it starts.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(SISTEMNOTA_PATH), {option});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).contains(answer));
}

void TestProgram::signalClosesTheDatabase_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM (logout, shutdown)") << int(SIGTERM);
    QTest::newRow("SIGINT (Ctrl+C)") << int(SIGINT);
    QTest::newRow("SIGHUP (terminal closed)") << int(SIGHUP);
}

void TestProgram::signalClosesTheDatabase()
{
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kv.sqlite"));
    QFile(file).open(QIODevice::WriteOnly);  // an empty file is an empty database
    QProcess probe;
    QVERIFY(startProbe(probe, file));
    ::kill(probe.processId(), signal);
    QVERIFY(probe.waitForFinished(20000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 128 + signal);
    QVERIFY(!QFile::exists(file + QStringLiteral("-wal")) || QFile(file + QStringLiteral("-wal")).size() == 0);
    QCOMPARE(recordsInCopyOf(file, dir.path()), 100);
}

void TestProgram::journalIsFoldedWhileRunning()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kv.sqlite"));
    QFile(file).open(QIODevice::WriteOnly);
    QProcess probe;
    QVERIFY(startProbe(probe, file));
    // Stored, but still only in the journal beside the file.
    QCOMPARE(recordsInCopyOf(file, dir.path()), -1);
    QTRY_COMPARE_WITH_TIMEOUT(recordsInCopyOf(file, dir.path()), 100, 10000);
    probe.kill();
    probe.waitForFinished();
}

void TestProgram::programEndsCleanlyOnSigterm()
{
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    env.insert(QStringLiteral("NOTA_KV_DATABASE"), dir.filePath(QStringLiteral("kv.sqlite")));
    QProcess init;
    init.setProcessEnvironment(env);
    init.start(QStringLiteral(NOTADB_PATH), {QStringLiteral("init"), QStringLiteral("--user"), QStringLiteral("admin"),
                                             QStringLiteral("--password"), QStringLiteral("admin")});
    QVERIFY(init.waitForFinished(30000));
    QCOMPARE(init.exitCode(), 0);

    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(SISTEMNOTA_PATH), {});
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(catches(program.processId(), SIGTERM), 20000);
    ::kill(program.processId(), SIGTERM);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 128 + SIGTERM);
}

NOTA_DATA_TEST_MAIN(TestProgram)
#include "test_program.moc"
