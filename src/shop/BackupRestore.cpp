#include "shop/BackupRestore.h"

#include "data/DatabaseInUse.h"
#include "data/FileBackup.h"
#include "data/PartialFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace backuprestore {
namespace {
QString systemError() { return QString::fromLocal8Bit(strerror(errno)); }

// Copies `from` into the (empty) file `to`; empty on success, else why not.
QString copyInto(const QString &from, const QString &to)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("tidak dapat membaca %1: %2").arg(from, in.errorString());
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QStringLiteral("tidak dapat menulis %1: %2").arg(to, out.errorString());
    constexpr qint64 kChunk = 4 << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return QStringLiteral("tidak dapat membaca %1: %2").arg(from, in.errorString());
        if (out.write(chunk) != chunk.size())
            return QStringLiteral("tidak dapat menulis di samping %1: %2").arg(to, out.errorString());
    }
    return QString();
}

bool renameFile(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Keeps the database under `kept`: a second name for the same file (the
// database's own name is then replaced in one rename), or, where the disk
// has no such names, the file moved. Its journal goes along, so that the
// kept file holds all that was stored.
QString keepAside(const QString &database, const QString &kept)
{
    const QByteArray from = QFile::encodeName(database);
    const QByteArray to = QFile::encodeName(kept);
    if (::link(from.constData(), to.constData()) != 0 && !renameFile(database, kept))
        return QStringLiteral("tidak dapat menyimpan %1 sebagai %2: %3").arg(database, kept, systemError());
    const QString journal = database + QStringLiteral("-wal");
    if (QFileInfo::exists(journal) && !renameFile(journal, kept + QStringLiteral("-wal")))
        return QStringLiteral("tidak dapat menyimpan %1 sebagai %2: %3").arg(journal, kept + QStringLiteral("-wal"), systemError());
    QFile::remove(database + QStringLiteral("-shm"));  // an index of the journal, made again when opened
    return QString();
}
} // namespace

QString keptName(const QString &database, const QDateTime &when)
{
    return database + when.toString(QStringLiteral("'.before-restore-'yyyyMMdd-HHmmss"));
}

Outcome restoreFile(const QString &backup, const QString &database, int waitMs)
{
    Outcome outcome;
    const filebackup::Outcome checked = filebackup::check(backup, waitMs);
    if (!checked.ok()) {
        outcome.failure = checked.failure;
        outcome.problems = checked.problems;
        return outcome;
    }
    if (!QFileInfo(QFileInfo(database).absolutePath()).isDir()) {
        outcome.failure = QStringLiteral("folder %1 untuk %2 tidak ada").arg(QFileInfo(database).absolutePath(), database);
        return outcome;
    }
    // Held until the new file is in place: nobody opens the database meanwhile.
    const databaseuse::UseLock use(database, databaseuse::UseLock::Mode::Exclusive, 0);
    if (use.state() == databaseuse::UseLock::State::Busy) {
        outcome.failure = QStringLiteral("%1 sedang dibuka di Sistem Nota (atau oleh perintah notadb); tutup dulu programnya").arg(database);
        return outcome;
    }
    if (use.state() == databaseuse::UseLock::State::Unavailable) {
        outcome.failure = QStringLiteral("tidak dapat menulis di samping %1: %2").arg(database, use.error());
        return outcome;
    }
    if (databaseuse::openedBySqlite(database)) {
        outcome.failure = QStringLiteral("%1 sedang dibuka di program lain; tutup dulu program itu").arg(database);
        return outcome;
    }
    dbfile::PartialFile partial(database);
    if (partial.path().isEmpty()) {
        outcome.failure = QStringLiteral("tidak dapat menulis di samping %1: %2").arg(database, partial.error());
        return outcome;
    }
    outcome.failure = copyInto(backup, partial.path());
    if (!outcome.failure.isEmpty())
        return outcome;
    QFile::setPermissions(partial.path(), QFileInfo::exists(database) ? QFileInfo(database).permissions()
                                                                       : QFile::ReadOwner | QFile::WriteOwner);
    if (QFileInfo::exists(database)) {
        QString kept = keptName(database, QDateTime::currentDateTime());
        for (int n = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)  // a restore within the same second
            kept = keptName(database, QDateTime::currentDateTime()) + QStringLiteral("-%1").arg(n);
        outcome.failure = keepAside(database, kept);
        if (!outcome.failure.isEmpty())
            return outcome;
        outcome.kept = kept;
    }
    const QString unpublished = partial.publish(database, /*replace=*/true);
    if (!unpublished.isEmpty())
        outcome.failure = QStringLiteral("tidak dapat memasang cadangan menggantikan %1: %2").arg(database, unpublished);
    return outcome;
}

} // namespace backuprestore
