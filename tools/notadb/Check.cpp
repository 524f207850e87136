// `notadb check`, and the same look (without the slow parts) before a command
// opens a file through the engine. Both only read: nothing is written and no
// journal file is left behind.
#include "Commands.h"
#include "ContentCheck.h"
#include "SqliteFile.h"

#include <sqlite3.h>

namespace notadb {
namespace {
// Looks at `file` with `examine`, again when a writer came along while it was
// read without locks (the last time under SQLite's locks). Returns 0 with
// `problems` filled, or 1 with the reason the file could not be read in `err`.
template<typename Examine>
int examineFile(const QString &file, int waitMs, QTextStream &err, QStringList &problems, Examine examine)
{
    constexpr int kAttempts = 3;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        DatabaseLook look(file, waitMs, attempt < kAttempts);
        if (look.damaged()) {
            problems = {look.problem()};
            return 0;
        }
        if (!look.problem().isEmpty()) {
            err << "notadb: " << look.problem() << "\n";
            return 1;
        }
        int code = SQLITE_OK;
        problems = examine(look.handle(), &code);
        if (code != SQLITE_OK && (code & 0xff) != SQLITE_CORRUPT) {
            err << "notadb: " << look.readFailure(code, look.handle().error()) << "\n";
            return 1;
        }
        if (code != SQLITE_OK)
            problems << look.readFailure(code, look.handle().error());
        if (look.undisturbed())
            return 0;
    }
    return 0;
}
} // namespace

int check(const QString &file, int waitMs, QTextStream &out, QTextStream &err)
{
    QStringList problems;
    const int failed = examineFile(file, waitMs, err, problems, [](const SqliteHandle &db, int *code) {
        const QList<QStringList> integrity = db.rows("PRAGMA integrity_check", {}, code);
        QStringList found;
        if (*code != SQLITE_OK)
            return found;
        if (integrity.isEmpty() || integrity.first().first() != QLatin1String("ok")) {
            for (const QStringList &row : integrity)
                found << row.first();
            return found;
        }
        found = schemaProblems(db, code);
        if (found.isEmpty() && *code == SQLITE_OK)
            found = contentProblems(db, code);
        return found;
    });
    if (failed)
        return failed;
    if (!problems.isEmpty()) {
        err << "notadb: " << file << " has problems:\n";
        for (const QString &p : std::as_const(problems))
            err << "  " << p << "\n";
        return 1;
    }
    out << "OK: " << file << "\n";
    return 0;
}

int refuseUnlessOurDatabase(const QString &file, int waitMs, QTextStream &err)
{
    QStringList problems;
    const int failed = examineFile(file, waitMs, err, problems, &schemaProblems);
    if (failed)
        return failed;
    if (!problems.isEmpty()) {
        err << "notadb: " << file << " is not a database of Sistem Nota (see notadb check):\n";
        for (const QString &p : std::as_const(problems))
            err << "  " << p << "\n";
        return 1;
    }
    return 0;
}
} // namespace notadb
