#include "data/PartialFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace dbfile {

PartialFile::PartialFile(const QString &destination)
{
    const QFileInfo info(destination);
    for (int tries = 0; tries < 100 && m_path.isEmpty(); ++tries) {
        const QString name = QStringLiteral("%1/.%2.partial-%3")
                                 .arg(info.absolutePath(), info.fileName())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            m_path = name;
        } else if (errno != EEXIST) {
            m_error = QString::fromLocal8Bit(strerror(errno));
            return;
        }
    }
}

PartialFile::~PartialFile()
{
    if (!m_path.isEmpty() && !m_kept) {
        QFile::remove(m_path);
        QFile::remove(m_path + QStringLiteral("-journal"));
    }
}

QString PartialFile::publish(const QString &destination, bool replace)
{
    if (!syncToDisk(m_path))
        return QStringLiteral("it could not be flushed to disk");
    if (replace) {
        if (::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(destination).constData()) != 0)
            return QString::fromLocal8Bit(strerror(errno));
    } else {
        QFile copied(m_path);
        if (!copied.rename(destination))
            return QFileInfo::exists(destination) ? QStringLiteral("it already exists") : copied.errorString();
    }
    m_kept = true;
    syncToDisk(QFileInfo(destination).absolutePath());  // the new name itself
    return QString();
}

bool syncToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

QString destinationProblem(const QString &destination)
{
    const QFileInfo dest(destination);
    if (dest.isDir())
        return QStringLiteral("%1 is a folder; name the backup file to create in it").arg(destination);
    if (dest.exists() || dest.isSymLink())
        return QStringLiteral("%1 already exists").arg(destination);
    if (!QFileInfo(dest.absolutePath()).isDir())
        return QStringLiteral("cannot write %1: there is no folder %2").arg(destination, dest.absolutePath());
    return QString();
}
} // namespace dbfile
