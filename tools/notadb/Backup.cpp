// `notadb backup DEST`: SQLite's online backup of a database others may keep
// using, read as `check` reads it, written to a hidden file next to DEST and
// given DEST's name only once it is whole and on disk. A failure removes that
// file; DEST is never left half written.
#include "Commands.h"
#include "SqliteFile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace notadb {
namespace {
// The hidden file the copy is written to; removed unless it became DEST.
class PartialCopy {
public:
    explicit PartialCopy(const QString &destination)
    {
        const QFileInfo info(destination);
        for (int tries = 0; tries < 100 && m_path.isEmpty(); ++tries) {
            const QString name = QStringLiteral("%1/.%2.partial-%3")
                                     .arg(info.absolutePath(), info.fileName())
                                     .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
            const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd >= 0) {
                ::close(fd);
                m_path = name;
            } else if (errno != EEXIST) {
                m_error = QString::fromLocal8Bit(strerror(errno));
                return;
            }
        }
    }
    ~PartialCopy()
    {
        if (!m_path.isEmpty() && !m_kept) {
            QFile::remove(m_path);
            QFile::remove(m_path + QStringLiteral("-journal"));
        }
    }
    PartialCopy(const PartialCopy &) = delete;
    PartialCopy &operator=(const PartialCopy &) = delete;

    const QString &path() const { return m_path; }
    const QString &error() const { return m_error; }
    void keep() { m_kept = true; }

private:
    QString m_path;
    QString m_error;
    bool m_kept = false;
};

bool syncToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

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
    if (dest.isDir()) {
        err << "notadb: " << destination << " is a folder; name the backup file to create in it\n";
        return 1;
    }
    if (dest.exists() || dest.isSymLink()) {
        err << "notadb: " << destination << " already exists\n";
        return 1;
    }
    if (!QFileInfo(dest.absolutePath()).isDir()) {
        err << "notadb: cannot write " << destination << ": there is no folder " << dest.absolutePath() << "\n";
        return 1;
    }
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
        PartialCopy partial(destination);
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
        if (!syncToDisk(partial.path())) {
            err << "notadb: cannot write " << destination << ": it could not be flushed to disk\n";
            return 1;
        }
        // Refuses to replace a file that appeared meanwhile.
        QFile copied(partial.path());
        if (!copied.rename(destination)) {
            err << "notadb: cannot write " << destination << ": "
                << (QFileInfo::exists(destination) ? QStringLiteral("it already exists") : copied.errorString()) << "\n";
            return 1;
        }
        partial.keep();
        syncToDisk(dest.absolutePath());  // the new name itself
        out << "Backed up " << file << " to " << destination << "\n";
        return 0;
    }
    return 1;  // not reached: the last attempt reads under SQLite's locks
}
} // namespace notadb
