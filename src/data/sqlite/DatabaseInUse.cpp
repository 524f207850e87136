#include "data/DatabaseInUse.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace databaseuse {

QString lockFileOf(const QString &database) { return database + QStringLiteral(".lock"); }

UseLock::UseLock(const QString &database, Mode mode, int waitMs)
{
    const QByteArray name = QFile::encodeName(lockFileOf(database));
    m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0)
        m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);  // made by another user
    if (m_fd < 0) {
        m_error = QString::fromLocal8Bit(strerror(errno));
        return;
    }
    const int operation = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    const QDeadlineTimer deadline(waitMs);
    while (::flock(m_fd, operation) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_error = QString::fromLocal8Bit(strerror(errno));
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        if (deadline.hasExpired()) {
            m_state = State::Busy;
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        QThread::msleep(20);
    }
    m_state = State::Held;
}

UseLock::~UseLock()
{
    if (m_fd >= 0)
        ::close(m_fd);  // drops the lock
}

bool openedBySqlite(const QString &database)
{
    // Every SQLite connection to a WAL database holds a read lock on the
    // "DMS" byte of the shared-memory file (offset 128, SQLite's WAL file
    // format) while it is open; only when nobody has it open can a write
    // lock on that byte be had.
    const int fd = ::open(QFile::encodeName(database + QStringLiteral("-shm")).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;  // no shared-memory file: nobody has it open in WAL mode
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = 128;
    probe.l_len = 1;
    const bool held = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

} // namespace databaseuse
