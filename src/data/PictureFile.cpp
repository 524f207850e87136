#include "data/PictureFile.h"

#include "data/PictureBlob.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace picturefile {
namespace {
bool climbs(const QString &name)
{
    const QStringList parts = QDir::fromNativeSeparators(name).split(QLatin1Char('/'));
    return parts.contains(QStringLiteral(".."));
}

// Reads a regular file of at most kLargestFileBytes through a descriptor
// that was opened without waiting for a writer and without following a link.
QByteArray readRegular(const QString &path, QString &problem)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        problem = QStringLiteral("tidak dapat dibaca: %1").arg(qt_error_string(errno));
        return {};
    }
    QByteArray bytes;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem = QStringLiteral("bukan berkas biasa");
    } else if (st.st_size > kLargestFileBytes) {
        problem = QStringLiteral("terlalu besar (%1 MB; paling besar %2 MB)")
                      .arg((st.st_size + (1 << 20) - 1) >> 20)
                      .arg(kLargestFileBytes >> 20);
    } else {
        bytes.resize(qsizetype(st.st_size));
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        bytes.truncate(done);  // a file that shrank while it was read gives what it held
    }
    ::close(fd);
    if (!problem.isEmpty())
        bytes.clear();
    return bytes;
}
} // namespace

bool sizeFits(QSize size)
{
    if (size.width() > kLargestSide || size.height() > kLargestSide)
        return false;
    const qint64 readable = qint64(QImageReader::allocationLimit()) << 20;
    return readable <= 0 || qint64(size.width()) * size.height() * 4 <= readable;
}

QByteArray readInside(const QString &folder, const QString &base, const QString &name, QString &problem)
{
    problem.clear();
    if (QDir::isAbsolutePath(name) || climbs(name)) {
        problem = QStringLiteral("bukan nama di dalam folder gambar");
        return {};
    }
    const QString home = QFileInfo(folder).canonicalFilePath();
    if (home.isEmpty() || !QFileInfo(home).isDir()) {
        problem = QStringLiteral("tidak dapat dibaca: folder gambar '%1' tidak ada").arg(folder);
        return {};
    }
    const QFileInfo file(QDir(base).absoluteFilePath(name));
    const QString real = file.canonicalFilePath();
    if (real.isEmpty()) {
        problem = file.isSymLink() ? QStringLiteral("adalah tautan yang tidak menunjuk ke apa pun")
                                   : QStringLiteral("tidak dapat dibaca: %1").arg(qt_error_string(ENOENT));
        return {};
    }
    if (!real.startsWith(home + QLatin1Char('/'))) {
        problem = QStringLiteral("berada di luar folder gambar");
        return {};
    }
    // Measured before it is opened: a pipe would wait for a writer, a device never end.
    if (!QFileInfo(real).isFile()) {
        problem = QStringLiteral("bukan berkas biasa");
        return {};
    }
    return readRegular(real, problem);
}

QString bitmapProblem(const QByteArray &bytes)
{
    if (!pictureblob::isBitmap(bytes))
        return QStringLiteral("bukan bitmap");
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    // A bitmap stored top-down gives its height negative.
    const QSize size(qAbs(reader.size().width()), qAbs(reader.size().height()));
    if (!sizeFits(size))
        return QStringLiteral("adalah gambar yang terlalu besar untuk dimuat (%1 x %2 piksel)").arg(size.width()).arg(size.height());
    if (reader.read().isNull())
        return QStringLiteral("bukan bitmap yang dapat dibaca (%1)").arg(reader.errorString());
    return QString();
}
} // namespace picturefile
