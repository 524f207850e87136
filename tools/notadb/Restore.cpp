// `notadb restore FILE`: a backup back in place of the database. A file
// database is replaced as shop/BackupRestore.h says (checked first, never
// while open, the replaced file kept beside it, one rename). A server
// database is filled by pg_restore from pg_dump's archive, like `copy`
// only into an empty database, all or nothing, and checked afterwards.
#include "Commands.h"
#include "ContentCheck.h"
#include "Examine.h"
#include "ServerAccess.h"
#include "ServerPrograms.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "shop/BackupRestore.h"

#include <QFileInfo>

namespace notadb {
namespace {
void listAll(QTextStream &err, const QStringList &problems)
{
    for (const QString &p : problems)
        err << "  " << p << "\n";
}

int restoreServer(const QString &location, const QString &archive, int waitMs, QTextStream &out, QTextStream &err)
{
    const QString shown = connection::printable(location);
    const QString unreadable = archiveProblem(location, archive);
    if (!unreadable.isEmpty()) {
        err << "notadb: " << unreadable << "; tidak ada yang dipulihkan\n";
        return 1;
    }
    const QString pgRestore = findServerProgram(QStringLiteral("pg_restore"));
    {
        const std::shared_ptr<connection::Connection> target = openServer(location, err);
        if (!target)
            return 1;
        try {
            const QStringList held = tablesHeld(*target);
            if (!held.isEmpty()) {
                err << "notadb: " << shown << " sudah memuat tabel Sistem Nota (" << held.join(QStringLiteral(", "))
                    << "); restore mengisi basis data yang kosong: administratornya membuat yang baru (createdb) untuk "
                       "disebut di sini\n";
                return 1;
            }
        } catch (const EError &e) {
            err << "notadb: " << e.message() << "\n";
            return 1;
        }
    }
    connection::closeFile(location);
    const QString failed = runServerProgram(location, pgRestore,
                                            {QStringLiteral("--no-owner"), QStringLiteral("--no-privileges"),
                                             QStringLiteral("--exit-on-error"), QStringLiteral("--single-transaction"),
                                             QStringLiteral("--no-password"),
                                             QStringLiteral("--dbname=") + withoutPasswordSetting(location), archive});
    if (!failed.isEmpty()) {
        err << "notadb: pg_restore tidak dapat memulihkan " << archive << " ke " << shown << "; tidak ada yang disimpan:\n  "
            << failed << "\n";
        return 1;
    }
    QStringList problems;
    if (const int unchecked = examineDatabase(location, waitMs, err, problems, &allProblems))
        return unchecked;
    if (!problems.isEmpty()) {
        err << "notadb: " << archive << " sudah dipulihkan ke " << shown << ", tetapi pemeriksaan menemukan masalah:\n";
        listAll(err, problems);
        return 1;
    }
    out << shown << " dipulihkan dari " << archive << " (sudah diperiksa)\n";
    return 0;
}
} // namespace

int restore(const QString &location, const QString &backup, int waitMs, QTextStream &out, QTextStream &err)
{
    if (!QFileInfo(backup).isFile()) {
        err << "notadb: " << backup << (QFileInfo::exists(backup) ? " bukan berkas" : " tidak ditemukan") << "\n";
        return 1;
    }
    if (connection::isServer(location))
        return restoreServer(location, backup, waitMs, out, err);
    const backuprestore::Outcome done = backuprestore::restoreFile(backup, location, waitMs);
    if (!done.problems.isEmpty()) {
        err << "notadb: " << backup << " bukan cadangan yang utuh; tidak ada yang dipulihkan:\n";
        listAll(err, done.problems);
        return 1;
    }
    if (!done.failure.isEmpty()) {
        err << "notadb: " << done.failure << "; tidak ada yang dipulihkan\n";
        return 1;
    }
    out << location << " dipulihkan dari " << backup << " (sudah diperiksa)\n";
    if (!done.kept.isEmpty())
        out << "Basis data yang digantikan disimpan sebagai " << done.kept << "\n";
    return 0;
}
} // namespace notadb
