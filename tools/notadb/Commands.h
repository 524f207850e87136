#pragma once
// The commands of the database administration tool. Each returns the exit
// status (0 done, 1 failed or problems found, 2 a wrong call) and writes what
// it did, or what is wrong, to the given streams. A `location` is a database
// file or a server URI (postgresql://...); messages name a URI without its
// password.
#include <QString>
#include <QTextStream>
#include <optional>

namespace notadb {
// How long a command waits for another program's lock unless told otherwise.
constexpr int kDefaultWaitMs = 30000;

// `password`: as given with --password; without it the password is asked on
// the terminal or read from standard input.
int init(const QString &location, const QString &user, const std::optional<QString> &password, QTextStream &out,
         QTextStream &err);
// With `repair`, a database whose only problem is that it lacks indexes that
// speed reading (its search index, a read index) gets them, in one transaction.
int check(const QString &location, int waitMs, bool repair, QTextStream &out, QTextStream &err);
int backup(const QString &location, const QString &destination, int waitMs, QTextStream &out, QTextStream &err);
// The backup of a server database, by pg_dump; `destination` was checked.
int backupServer(const QString &location, const QString &destination, int waitMs, QTextStream &out, QTextStream &err);
// A dated, checked backup into `folder`, then the rotation there.
int backupInto(const QString &location, const QString &folder, int waitMs, QTextStream &out, QTextStream &err);
// The dated backups in `folder` (or the configured folders when empty) with
// their check.
int listBackups(const QString &location, const QString &folder, int waitMs, QTextStream &out, QTextStream &err);
// Puts the backup `backup` in place of the database.
int restore(const QString &location, const QString &backup, int waitMs, QTextStream &out, QTextStream &err);
int sample(const QString &location, QTextStream &out, QTextStream &err);
// Moves a shop from its file into an empty server database, all or nothing.
int copyToServer(const QString &file, const QString &location, int waitMs, QTextStream &out, QTextStream &err);
// Before a command opens `location` through the engine (which would turn any
// file into a database): 0 when it is a database of this program, else 1
// with the reason written to `err`, a file untouched. On a server: 0 when the
// seven tables are there with their fields, key indexes and an account.
int refuseUnlessOurDatabase(const QString &location, int waitMs, QTextStream &err);
} // namespace notadb
