// `notadb backup --to DIR` and `notadb backups`: the dated backups the
// program makes at its end (shop/BackupRules.h), made on request into any
// folder (a USB disk, a mounted network folder, the system's timer) and
// listed with their check. A file's backup is checked as `check` checks; a
// server's (pg_dump's archive) by pg_restore reading its table of contents.
#include "Commands.h"
#include "ServerPrograms.h"

#include "data/Connection.h"
#include "data/FileBackup.h"
#include "shop/BackupRules.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdio>

namespace notadb {
namespace {
QString sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return QStringLiteral("%1 B").arg(bytes);
    if (bytes < 1024 * 1024)
        return QStringLiteral("%1 KB").arg(bytes / 1024.0, 0, 'f', 1);
    if (bytes < 1024LL * 1024 * 1024)
        return QStringLiteral("%1 MB").arg(bytes / (1024.0 * 1024), 0, 'f', 1);
    return QStringLiteral("%1 GB").arg(bytes / (1024.0 * 1024 * 1024), 0, 'f', 2);
}

QString folderProblem(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return QString();
    return QFileInfo::exists(folder) ? QStringLiteral("%1 is not a folder").arg(folder)
                                     : QStringLiteral("there is no folder %1 (a disk not plugged in, a network folder "
                                                      "not mounted?)")
                                           .arg(folder);
}

// A server's dated backup: pg_dump into a hidden name, read back, renamed.
int backupServerInto(const BackupRules &rules, const QString &folder, const QDate &day, int waitMs, QTextStream &out,
                     QTextStream &err)
{
    const QString target = QDir(folder).filePath(rules.nameFor(day));
    const QString incoming = QDir(folder).filePath(QStringLiteral(".%1.incoming-%2")
                                                       .arg(rules.nameFor(day))
                                                       .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    QString said;
    QTextStream quiet(&said);
    if (const int failed = backupServer(rules.database(), incoming, waitMs, quiet, err))
        return failed;
    const QString problem = archiveProblem(rules.database(), incoming);
    if (!problem.isEmpty() || ::rename(QFile::encodeName(incoming).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(incoming);
        err << "notadb: " << (problem.isEmpty() ? QStringLiteral("cannot write %1").arg(target) : problem) << "\n";
        return 1;
    }
    out << "Backed up " << connection::printable(rules.database()) << " with pg_dump into " << target << " (read back)\n";
    return 0;
}
} // namespace

int backupInto(const QString &location, const QString &folder, int waitMs, QTextStream &out, QTextStream &err)
{
    const QString problem = folderProblem(folder);
    if (!problem.isEmpty()) {
        err << "notadb: cannot back up into " << folder << ": " << problem << "\n";
        return 1;
    }
    const BackupRules rules(location, BackupPlaces{folder, QString()}, QString());
    const QDate today = QDate::currentDate();
    if (connection::isServer(location)) {
        if (const int failed = backupServerInto(rules, folder, today, waitMs, out, err))
            return failed;
        for (const QString &removed : rules.rotate(folder))
            out << "Removed " << removed << "\n";
    } else {
        const BackupRules::Outcome made = rules.backUpInto(folder, today, /*replace=*/true, waitMs);
        if (!made.failure.isEmpty()) {
            err << "notadb: " << made.failure << "\n";
            return 1;
        }
        if (!made.problems.isEmpty()) {
            err << "notadb: the backup of " << location << " did not pass the check, so none was kept:\n";
            for (const QString &p : made.problems)
                err << "  " << p << "\n";
            return 1;
        }
        out << "Backed up " << location << " to " << made.path << " (checked)\n";
        for (const QString &removed : made.removed)
            out << "Removed " << removed << "\n";
    }
    return 0;
}

int listBackups(const QString &location, const QString &folder, int waitMs, QTextStream &out, QTextStream &err)
{
    const BackupRules rules = BackupRules::forDatabase(location);
    QStringList folders;
    if (!folder.isEmpty())
        folders << folder;
    else
        folders << rules.places().folder << rules.places().copyFolder;
    folders.removeAll(QString());
    bool damaged = false;
    for (const QString &place : folders) {
        out << "Backups of " << connection::printable(location) << " in " << place << ":\n";
        const QString problem = folderProblem(place);
        if (!problem.isEmpty()) {
            out << "  " << problem << "\n";
            continue;
        }
        const QList<BackupCopy> backups = rules.backupsIn(place);
        if (backups.isEmpty())
            out << "  none\n";
        for (const BackupCopy &b : backups) {
            QStringList problems;
            if (connection::isServer(location)) {
                const QString archive = archiveProblem(location, b.path);
                if (!archive.isEmpty())
                    problems << archive;
            } else {
                const filebackup::Outcome checked = filebackup::check(b.path, waitMs);
                problems = checked.problems;
                if (!checked.failure.isEmpty())
                    problems.prepend(checked.failure);
            }
            damaged = damaged || !problems.isEmpty();
            out << "  " << b.day.toString(Qt::ISODate) << "  " << sizeText(b.size).rightJustified(9) << "  "
                << QFileInfo(b.path).fileName() << "  " << (problems.isEmpty() ? QStringLiteral("OK") : QStringLiteral("DAMAGED"))
                << "\n";
            for (const QString &p : std::as_const(problems))
                out << "      " << p << "\n";
        }
    }
    const BackupRules::Remembered last = rules.remembered();
    if (last.tried.isValid())
        out << "Last automatic backup " << last.tried.toString(QStringLiteral("yyyy-MM-dd HH:mm")) << ": "
            << (last.failure.isEmpty() ? QStringLiteral("done") : QStringLiteral("failed in %1: %2").arg(last.folder, last.failure))
            << "\n";
    if (damaged)
        err << "notadb: some backups are damaged (see above); they cannot be restored\n";
    return damaged ? 1 : 0;
}
} // namespace notadb
