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
    return QFileInfo::exists(folder) ? QStringLiteral("%1 bukan folder").arg(folder)
                                     : QStringLiteral("folder %1 tidak ada (disk belum dipasang, folder jaringan "
                                                      "belum di-mount?)")
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
        err << "notadb: " << (problem.isEmpty() ? QStringLiteral("tidak dapat menulis %1").arg(target) : problem) << "\n";
        return 1;
    }
    out << connection::printable(rules.database()) << " dicadangkan dengan pg_dump ke " << target << " (sudah dibaca ulang)\n";
    return 0;
}
} // namespace

int backupInto(const QString &location, const QString &folder, int waitMs, QTextStream &out, QTextStream &err)
{
    const QString problem = folderProblem(folder);
    if (!problem.isEmpty()) {
        err << "notadb: tidak dapat mencadangkan ke " << folder << ": " << problem << "\n";
        return 1;
    }
    const BackupRules rules(location, BackupPlaces{folder, QString()}, QString());
    const QDate today = QDate::currentDate();
    if (connection::isServer(location)) {
        if (const int failed = backupServerInto(rules, folder, today, waitMs, out, err))
            return failed;
        for (const QString &removed : rules.rotate(folder))
            out << "Cadangan lama dihapus: " << removed << "\n";
    } else {
        const BackupRules::Outcome made = rules.backUpInto(folder, today, /*replace=*/true, waitMs);
        if (!made.failure.isEmpty()) {
            err << "notadb: " << made.failure << "\n";
            return 1;
        }
        if (!made.problems.isEmpty()) {
            err << "notadb: cadangan " << location << " tidak lolos pemeriksaan, jadi tidak disimpan:\n";
            for (const QString &p : made.problems)
                err << "  " << p << "\n";
            return 1;
        }
        out << location << " dicadangkan ke " << made.path << " (sudah diperiksa)\n";
        for (const QString &removed : made.removed)
            out << "Cadangan lama dihapus: " << removed << "\n";
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
        out << "Cadangan " << connection::printable(location) << " di " << place << ":\n";
        const QString problem = folderProblem(place);
        if (!problem.isEmpty()) {
            out << "  " << problem << "\n";
            continue;
        }
        const QList<BackupCopy> backups = rules.backupsIn(place);
        if (backups.isEmpty())
            out << "  tidak ada\n";
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
                << QFileInfo(b.path).fileName() << "  " << (problems.isEmpty() ? QStringLiteral("OK") : QStringLiteral("RUSAK"))
                << "\n";
            for (const QString &p : std::as_const(problems))
                out << "      " << p << "\n";
        }
    }
    const BackupRules::Remembered last = rules.remembered();
    if (last.tried.isValid())
        out << "Cadangan otomatis terakhir " << last.tried.toString(QStringLiteral("yyyy-MM-dd HH:mm")) << ": "
            << (last.failure.isEmpty() ? QStringLiteral("berhasil") : QStringLiteral("gagal di %1: %2").arg(last.folder, last.failure))
            << "\n";
    if (damaged)
        err << "notadb: ada cadangan yang rusak (lihat di atas); cadangan itu tidak dapat dipulihkan\n";
    return damaged ? 1 : 0;
}
} // namespace notadb
