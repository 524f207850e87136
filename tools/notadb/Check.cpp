// `notadb check`, and the same look (without the slow parts) before a command
// opens a database through the engine. Both only read: nothing is written
// and no journal file is left beside a file.
#include "CheckedDatabase.h"
#include "Commands.h"
#include "ContentCheck.h"
#include "Examine.h"
#include "ForeignCheck.h"
#include "ServerAccess.h"

#include "core/Errors.h"
#include "data/FileBackup.h"
#include "data/ReadingIndexes.h"


namespace notadb {
namespace {
int examineServer(const QString &location, QTextStream &err, QStringList &problems, const Examine &examine)
{
    const std::shared_ptr<connection::Connection> connection = openServer(location, err);
    if (!connection)
        return 1;
    ConnectionChecked db(connection);
    try {
        examine(db, problems);
    } catch (const EError &e) {
        err << "notadb: " << e.message() << "\n";
        return 1;
    }
    return 0;
}
} // namespace

int examineDatabase(const QString &location, int waitMs, QTextStream &err, QStringList &problems, const Examine &examine)
{
    problems.clear();
    if (connection::isServer(location))
        return examineServer(location, err, problems, examine);
    const filebackup::Outcome looked = filebackup::examine(location, waitMs, examine);
    if (!looked.failure.isEmpty()) {
        err << "notadb: " << looked.failure << "\n";
        return 1;
    }
    problems = looked.problems;
    return 0;
}

int check(const QString &location, int waitMs, bool repair, QTextStream &out, QTextStream &err)
{
    QStringList problems, missing;
    const int failed = examineDatabase(location, waitMs, err, problems, [&missing](CheckedDatabase &db, QStringList &found) {
        missing.clear();
        if (!storageSound(db, found))
            return;
        schemaProblems(db, found);
        if (found.isEmpty()) {
            contentProblems(db, found);
            passwordProblems(db, found);
            missing = dbcheck::missingIndexes(db);
        }
        foreignProblems(db, found);
    });
    if (failed)
        return failed;
    const QString shown = connection::printable(location);
    if (!problems.isEmpty() || (!missing.isEmpty() && !repair)) {
        err << "notadb: " << shown << " bermasalah:\n";
        for (const QString &p : std::as_const(problems))
            err << "  " << p << "\n";
        for (const QString &m : std::as_const(missing))
            err << "  " << m << (repair ? "" : " (notadb check --repair menambahkannya)") << "\n";
        return 1;
    }
    if (!missing.isEmpty()) {
        // Only what speeds reading is missing: added, all of it or none.
        try {
            for (const QString &added : dbcheck::addMissingIndexes(location))
                out << "Ditambahkan " << added << "\n";
        } catch (const EError &e) {
            err << "notadb: " << e.message() << "\n";
            return 1;
        }
    }
    out << "OK: " << shown << "\n";
    return 0;
}

int refuseUnlessOurDatabase(const QString &location, int waitMs, QTextStream &err)
{
    QStringList problems;
    const int failed = examineDatabase(location, waitMs, err, problems, [](CheckedDatabase &db, QStringList &found) {
        schemaProblems(db, found);
        triggerProblems(db, found);
    });
    if (failed)
        return failed;
    if (!problems.isEmpty()) {
        err << "notadb: " << connection::printable(location) << " bukan basis data Sistem Nota (lihat notadb check):\n";
        for (const QString &p : std::as_const(problems))
            err << "  " << p << "\n";
        return 1;
    }
    return 0;
}
} // namespace notadb
