// `notadb backup DEST` of a file: SQLite's online backup of a database others
// may keep using, read as `check` reads it, written to a hidden file next to
// DEST and given DEST's name only once it is whole and on disk. A failure
// removes that file; DEST is never left half written. A server database is
// backed up by its engine's own program (PgDump.cpp).
#include "Commands.h"
#include "PartialFile.h"
#include "SqliteFile.h"

#include "data/Connection.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <sqlite3.h>

namespace notadb {
namespace {
// Errors of the step that concern the file being written; all others
// concern the database being read.
bool isWriteFailure(int code)
{
    switch (code) {
    case SQLITE_FULL:
    case SQLITE_IOERR_WRITE:
    case SQLITE_IOERR_FSYNC:
    case SQLITE_IOERR_TRUNCATE:
    case SQLITE_IOERR_DIR_FSYNC: return true;
    default: return false;
    }
}

// Copies the looked-at database into `target`. Empty on success, else the
// message naming what failed.
QString copy(const DatabaseLook &source, const QString &target, const QString &destination, int waitMs)
{
    SqliteHandle to(sqliteUri(target, QStringLiteral("mode=rw")), SQLITE_OPEN_READWRITE);
    if (!to.ok())
        return QStringLiteral("cannot write %1: %2").arg(destination, to.error());
    // A copy that fails is thrown away whole: it needs no rollback journal.
    sqlite3_exec(to.db(), "PRAGMA journal_mode=OFF", nullptr, nullptr, nullptr);
    sqlite3_backup *backup = sqlite3_backup_init(to.db(), "main", source.handle().db(), "main");
    if (!backup)
        return QStringLiteral("cannot write %1: %2").arg(destination, to.error());
    // All pages in one step, one consistent snapshot. The step itself waits
    // for a lock up to the source's busy timeout; some waits (a journal being
    // recovered by another program) return at once and are retried here, but
    // never beyond the deadline.
    const QDeadlineTimer deadline(waitMs);
    int rc;
    while (true) {
        rc = sqlite3_backup_step(backup, -1);
        const int primary = rc & 0xff;
        if (rc == SQLITE_DONE || (primary != SQLITE_OK && primary != SQLITE_BUSY && primary != SQLITE_LOCKED))
            break;
        if (deadline.hasExpired()) {
            rc = SQLITE_BUSY;
            break;
        }
        QThread::msleep(20);
    }
    sqlite3_backup_finish(backup);
    if (rc == SQLITE_DONE)
        return QString();
    if (isWriteFailure(rc))
        return QStringLiteral("cannot write %1: %2").arg(destination, QString::fromUtf8(sqlite3_errstr(rc)));
    return source.readFailure(rc, QString::fromUtf8(sqlite3_errstr(rc)));
}
} // namespace

int backup(const QString &file, const QString &destination, int waitMs, QTextStream &out, QTextStream &err)
{
    const QFileInfo dest(destination);
    const QString destProblem = destinationProblem(destination);
    if (!destProblem.isEmpty()) {
        err << "notadb: " << destProblem << "\n";
        return 1;
    }
    if (connection::isServer(file))
        return backupServer(file, destination, waitMs, out, err);
    const QString sourceProblem = fileProblem(file);
    if (!sourceProblem.isEmpty()) {
        err << "notadb: " << sourceProblem << "\n";
        return 1;
    }
    constexpr int kAttempts = 3;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        DatabaseLook source(file, waitMs, attempt < kAttempts);
        if (!source.problem().isEmpty()) {
            err << "notadb: " << source.problem() << "\n";
            return 1;
        }
        PartialFile partial(destination);
        if (partial.path().isEmpty()) {
            err << "notadb: cannot write " << destination << ": cannot create a file in " << dest.absolutePath() << ": "
                << partial.error() << "\n";
            return 1;
        }
        const QString failure = copy(source, partial.path(), destination, waitMs);
        if (!failure.isEmpty()) {
            err << "notadb: " << failure << "\n";
            return 1;
        }
        if (!source.undisturbed())
            continue;  // a writer started while the file was read without locks
        QFile::setPermissions(partial.path(), QFileInfo(file).permissions() | QFile::WriteOwner);
        const QString unpublished = partial.publish(destination);
        if (!unpublished.isEmpty()) {
            err << "notadb: cannot write " << destination << ": " << unpublished << "\n";
            return 1;
        }
        out << "Backed up " << file << " to " << destination << "\n";
        return 0;
    }
    return 1;  // not reached: the last attempt reads under SQLite's locks
}
} // namespace notadb
