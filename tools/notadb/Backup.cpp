// `notadb backup DEST` of a file: SQLite's online backup of a database others
// may keep using, read as `check` reads it, written to a hidden file next to
// DEST and given DEST's name only once it is whole and on disk. A failure
// removes that file; DEST is never left half written. A server database is
// backed up by its engine's own program (PgDump.cpp).
#include "Commands.h"
#include "PartialFile.h"

#include "data/Connection.h"
#include "data/FileBackup.h"

namespace notadb {
int backup(const QString &file, const QString &destination, int waitMs, QTextStream &out, QTextStream &err)
{
    const QString destProblem = destinationProblem(destination);
    if (!destProblem.isEmpty()) {
        err << "notadb: " << destProblem << "\n";
        return 1;
    }
    if (connection::isServer(file))
        return backupServer(file, destination, waitMs, out, err);
    const filebackup::Outcome done =
        filebackup::backUp(file, destination, waitMs, filebackup::Existing::Refuse, /*checked=*/false);
    if (!done.failure.isEmpty()) {
        err << "notadb: " << done.failure << "\n";
        return 1;
    }
    out << file << " dicadangkan ke " << destination << "\n";
    return 0;
}
} // namespace notadb
