#pragma once
// Backups and checks of a database file, for the program's automatic
// backups and the admin tool alike. A backup is SQLite's online backup of a
// database others may keep using, written under a hidden name beside its
// destination and given the destination's name only once it is whole, on
// disk and (when asked) checked: a failure leaves nothing under that name.
// The checks are those of `notadb check`: SQLite's integrity check, the
// tables, fields, key indexes and accounts, then the values and totals.
// Nothing here writes to the database read.
#include "data/CheckedDatabase.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace filebackup {

struct Outcome {
    QString failure;       // why it could not be done (the file could not be read or written)
    QStringList problems;  // what the checks found wrong
    bool ok() const { return failure.isEmpty() && problems.isEmpty(); }
};

using Examine = std::function<void(dbcheck::CheckedDatabase &db, QStringList &problems)>;

// Runs `examine` on a database file read-only, again when a writer came
// along while it was read without locks. Damage SQLite finds is one of the
// problems; a file that cannot be read at all is the failure.
Outcome examine(const QString &file, int waitMs, const Examine &examine);
// Every check of `notadb check` on a file.
Outcome check(const QString &file, int waitMs);

enum class Existing { Refuse, Replace };
// Copies the live database `file` into `destination`. With `checked`, the
// copy is checked before it gets its name; one with problems is thrown away
// and they are the outcome's problems.
Outcome backUp(const QString &file, const QString &destination, int waitMs, Existing existing, bool checked);

} // namespace filebackup
