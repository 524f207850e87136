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
        return QStringLiteral("berkas itu tidak dapat ditulis tuntas ke disk");
    if (replace) {
        if (::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(destination).constData()) != 0)
            return QString::fromLocal8Bit(strerror(errno));
    } else {
        QFile copied(m_path);
        if (!copied.rename(destination))
            return QFileInfo::exists(destination) ? QStringLiteral("berkas itu sudah ada") : copied.errorString();
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
        return QStringLiteral("%1 adalah folder; sebutkan nama berkas cadangan yang dibuat di dalamnya").arg(destination);
    if (dest.exists() || dest.isSymLink())
        return QStringLiteral("%1 sudah ada").arg(destination);
    if (!QFileInfo(dest.absolutePath()).isDir())
        return QStringLiteral("tidak dapat menulis %1: folder %2 tidak ada").arg(destination, dest.absolutePath());
    return QString();
}
} // namespace dbfile
