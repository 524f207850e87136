#pragma once
// A copy is written under a hidden name beside its destination and given
// the destination's name only once it is whole and on disk: a failure
// leaves nothing, and DEST is never half written.
#include <QString>

namespace dbfile {

// The hidden file a copy is written to (made empty, readable by its owner
// only); removed unless kept.
class PartialFile {
public:
    explicit PartialFile(const QString &destination);
    ~PartialFile();
    PartialFile(const PartialFile &) = delete;
    PartialFile &operator=(const PartialFile &) = delete;

    // Empty when no file could be made (`error` says why).
    const QString &path() const { return m_path; }
    const QString &error() const { return m_error; }
    // Flushes the file to disk and gives it the destination's name, refusing
    // to replace a file that appeared meanwhile unless `replace` (then the
    // one rename replaces it whole). Empty on success, else why not.
    QString publish(const QString &destination, bool replace = false);

private:
    QString m_path;
    QString m_error;
    bool m_kept = false;
};

// Flushes a file (or a folder's entries) to disk.
bool syncToDisk(const QString &path);

// What keeps `destination` from being a new backup file: it exists, is a
// folder, or has no folder to be made in. Empty when it can be written.
QString destinationProblem(const QString &destination);

} // namespace dbfile
