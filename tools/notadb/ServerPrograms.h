#pragma once
// PostgreSQL's own programs (pg_dump, pg_restore) run for a server
// database: where they are, and the environment they get. The password of
// the URI, if any, goes to them in their environment, never on their
// command line, where every user of the machine could read it.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace notadb {
// The program on the PATH, else the newest one of the server packages
// (/usr/lib/postgresql/*/bin); empty when there is none.
QString findServerProgram(const QString &name);
// The URI as such a program gets it: without a password.
QString withoutPasswordSetting(const QString &location);
// The environment for such a program connecting to `location`.
QProcessEnvironment serverProgramEnvironment(const QString &location);
// Runs `program` with `args` in that environment, waiting for its end.
// Empty when it succeeded; else what it said (the password masked), or
// why it could not run.
QString runServerProgram(const QString &location, const QString &program, const QStringList &args, bool *ran = nullptr);
// What keeps a server's backup (pg_dump's archive) from being restored: no
// pg_restore, or pg_restore cannot read it whole (its table of contents
// alone may be sound in a file cut short). Empty when it is sound.
QString archiveProblem(const QString &location, const QString &archive);
// The message for a program of PostgreSQL's that is not installed.
QString missingProgram(const QString &name, const QString &role);
} // namespace notadb
