// Backups and checks of a database file through SQLite's own handle: the
// online backup API and the read-only look of SqliteFileLook.
#include "data/FileBackup.h"

#include "data/ContentCheck.h"
#include "data/PartialFile.h"
#include "data/sqlite/SqliteFileLook.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <sqlite3.h>

namespace filebackup {
namespace {
using dbfile::DatabaseLook;
using dbfile::SqliteHandle;

// A file read without locks may be read again when a writer came along
// meanwhile; the last attempt reads under SQLite's locks.
constexpr int kAttempts = 3;

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
    SqliteHandle to(dbfile::sqliteUri(target, QStringLiteral("mode=rw")), SQLITE_OPEN_READWRITE);
    if (!to.ok())
        return QStringLiteral("tidak dapat menulis %1: %2").arg(destination, to.error());
    // A copy that fails is thrown away whole: it needs no rollback journal.
    sqlite3_exec(to.db(), "PRAGMA journal_mode=OFF", nullptr, nullptr, nullptr);
    sqlite3_backup *backup = sqlite3_backup_init(to.db(), "main", source.handle().db(), "main");
    if (!backup)
        return QStringLiteral("tidak dapat menulis %1: %2").arg(destination, to.error());
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
        return QStringLiteral("tidak dapat menulis %1: %2").arg(destination, QString::fromUtf8(sqlite3_errstr(rc)));
    return source.readFailure(rc, QString::fromUtf8(sqlite3_errstr(rc)));
}
} // namespace

Outcome examine(const QString &file, int waitMs, const Examine &examine)
{
    Outcome outcome;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        DatabaseLook look(file, waitMs, attempt < kAttempts);
        if (look.damaged())
            return Outcome{QString(), {look.problem()}};
        if (!look.problem().isEmpty())
            return Outcome{look.problem(), {}};
        dbfile::SqliteRows rows(look.handle());
        outcome.problems.clear();
        int code = SQLITE_OK;
        try {
            examine(rows, outcome.problems);
        } catch (const dbfile::SqliteReadFailure &failure) {
            code = failure.code;
        }
        if (code != SQLITE_OK && (code & 0xff) != SQLITE_CORRUPT)
            return Outcome{look.readFailure(code, look.handle().error()), {}};
        if (code != SQLITE_OK)
            outcome.problems << look.readFailure(code, look.handle().error());
        if (look.undisturbed())
            break;
    }
    return outcome;
}

Outcome check(const QString &file, int waitMs) { return examine(file, waitMs, &dbcheck::allProblems); }

ReadOutcome readFile(const QString &file, int waitMs, const Read &read)
{
    ReadOutcome outcome;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        DatabaseLook look(file, waitMs, attempt < kAttempts);
        if (!look.problem().isEmpty())
            return ReadOutcome{look.problem(), {}, Reading::Failed};
        dbfile::SqliteRows rows(look.handle());
        try {
            outcome.reading = read(rows, [&look] { return look.undisturbed(); });
        } catch (const dbfile::SqliteReadFailure &failure) {
            return ReadOutcome{{}, look.readFailure(failure.code, look.handle().error()), Reading::Failed};
        }
        if (outcome.reading != Reading::Again)
            break;
    }
    return outcome;
}

QString fileProblem(const QString &file) { return dbfile::fileProblem(file); }

Outcome backUp(const QString &file, const QString &destination, int waitMs, Existing existing, bool checked)
{
    const QString sourceProblem = dbfile::fileProblem(file);
    if (!sourceProblem.isEmpty())
        return Outcome{sourceProblem, {}};
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        DatabaseLook source(file, waitMs, attempt < kAttempts);
        if (!source.problem().isEmpty())
            return Outcome{source.problem(), {}};
        dbfile::PartialFile partial(destination);
        if (partial.path().isEmpty())
            return Outcome{QStringLiteral("tidak dapat menulis %1: tidak dapat membuat berkas di %2: %3")
                               .arg(destination, QFileInfo(destination).absolutePath(), partial.error()),
                           {}};
        const QString failure = copy(source, partial.path(), destination, waitMs);
        if (!failure.isEmpty())
            return Outcome{failure, {}};
        if (!source.undisturbed())
            continue;  // a writer started while the file was read without locks
        QFile::setPermissions(partial.path(), QFileInfo(file).permissions() | QFile::WriteOwner);
        if (checked) {
            Outcome found = check(partial.path(), waitMs);
            if (!found.ok()) {
                // Named by what it was to become, not by its hidden name.
                found.failure.replace(partial.path(), destination);
                for (QString &problem : found.problems)
                    problem.replace(partial.path(), destination);
                return found;
            }
        }
        const QString unpublished = partial.publish(destination, existing == Existing::Replace);
        if (!unpublished.isEmpty())
            return Outcome{QStringLiteral("tidak dapat menulis %1: %2").arg(destination, unpublished), {}};
        return Outcome{};
    }
    return Outcome{};  // not reached: the last attempt reads under SQLite's locks
}
} // namespace filebackup
