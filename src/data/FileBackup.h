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

// What one reading of a file by `read` came to: done, failed (its own
// reason told), or to be done again because a writer came along.
enum class Reading { Done, Failed, Again };
using Read = std::function<Reading(dbcheck::CheckedDatabase &db, const std::function<bool()> &undisturbed)>;
struct ReadOutcome {
    QString problem;      // the file could not be opened (nothing was read)
    QString readFailure;  // a read failed half way, naming the file and the cause
    Reading reading = Reading::Failed;  // read's last answer
};
// Runs `read` on the file read-only, in one state of it: `undisturbed` tells,
// before anything read is kept, whether a writer came along meanwhile (then
// `read` answers Again and reads once more; the last attempt reads under
// SQLite's locks).
ReadOutcome readFile(const QString &file, int waitMs, const Read &read);
// What keeps `file` from being a database to read (missing, a folder, not a
// database); empty when it looks sound.
QString fileProblem(const QString &file);

enum class Existing { Refuse, Replace };
// Copies the live database `file` into `destination`. With `checked`, the
// copy is checked before it gets its name; one with problems is thrown away
// and they are the outcome's problems.
Outcome backUp(const QString &file, const QString &destination, int waitMs, Existing existing, bool checked);

} // namespace filebackup
