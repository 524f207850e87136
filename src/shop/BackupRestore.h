#pragma once
// Putting a backup in place of the database file, so that it cannot make
// things worse: the backup is checked first (a damaged one is refused,
// saying what is wrong); nothing happens while any program has the database
// open; the file it replaces stays beside it under a dated name, with its
// journal; the new file takes the database's name in one rename.
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace backuprestore {

struct Outcome {
    QString failure;       // why nothing was done
    QStringList problems;  // what the check found in the backup (nothing was done)
    QString kept;          // where the replaced database now is (none when there was none)
    bool ok() const { return failure.isEmpty() && problems.isEmpty(); }
};

// The name the replaced database keeps: "kv.sqlite.before-restore-20261210-154300".
QString keptName(const QString &database, const QDateTime &when);

// Restores the file `backup` as the database file `database`.
Outcome restoreFile(const QString &backup, const QString &database, int waitMs);

} // namespace backuprestore
