#pragma once
// Knowing that a database file is open. Every connection of this program
// (and of the admin tool's commands that write through the engine) holds a
// shared lock on "<file>.lock" beside the database for as long as it is
// open; a restore takes it exclusively, so it neither starts while the
// database is open nor lets anyone open it half way through. The lock is
// the system's own (flock on a file that is never replaced or removed):
// it goes with the process, also when the process is killed, so a crash
// never leaves the database marked as open.
#include <QString>

namespace databaseuse {

class UseLock {
public:
    enum class Mode { Shared, Exclusive };
    enum class State {
        Held,         // the lock is ours
        Busy,         // someone holds it in a way that excludes us
        Unavailable,  // no lock file could be made or opened (a read-only folder)
    };
    // Tries for at most `waitMs`.
    UseLock(const QString &database, Mode mode, int waitMs);
    ~UseLock();
    UseLock(const UseLock &) = delete;
    UseLock &operator=(const UseLock &) = delete;

    State state() const { return m_state; }
    // Why it is unavailable, when it is.
    const QString &error() const { return m_error; }

private:
    int m_fd = -1;
    State m_state = State::Unavailable;
    QString m_error;
};

QString lockFileOf(const QString &database);

// True when any program, this system's or another, has the database file
// open through SQLite in its WAL journal mode (as this system opens it).
bool openedBySqlite(const QString &database);

} // namespace databaseuse
