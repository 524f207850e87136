// The Gambar column of a goods file: a name relative to the CSV file's folder
// that must lead to a regular file inside the pictures folder, and the bytes
// found there, which must be a bitmap the picture box would show. The names
// are tried in a folder holding what an attacker would plant: links out, a
// link to a device, a pipe (which would hang a reader), a secret beside it.
// An input starting with a 0 byte is a name; any other is a picture file.
#include "FuzzSupport.h"

#include "data/PictureBlob.h"
#include "data/PictureFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {
QTemporaryDir &home()
{
    static QTemporaryDir dir;
    return dir;
}

void plant(const QString &name, const QByteArray &bytes)
{
    QFile f(QDir(home().path()).filePath(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QImageReader::setAllocationLimit(64);
    const QDir dir(home().path());
    dir.mkpath(QStringLiteral("pics/sub"));
    plant(QStringLiteral("secret.txt"), "BM secret");
    plant(QStringLiteral("pics/a.bmp"), "BM not really");
    plant(QStringLiteral("pics/sub/b.bmp"), "BM");
    QFile::link(dir.filePath(QStringLiteral("secret.txt")), dir.filePath(QStringLiteral("pics/out.bmp")));
    QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("pics/zero.bmp")));
    QFile::link(dir.filePath(QStringLiteral("pics/a.bmp")), dir.filePath(QStringLiteral("pics/in.bmp")));
    QFile::link(QStringLiteral(".."), dir.filePath(QStringLiteral("pics/up")));
    mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pics/pipe.bmp"))).constData(), 0600);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 0 && data[0] == 0) {
        const QString name = fuzz::textOf(data + 1, size - 1);
        const QString pictures = QDir(home().path()).filePath(QStringLiteral("pics"));
        QString problem;
        const QByteArray bytes = picturefile::readInside(pictures, home().path(), name, problem);
        if (!problem.isEmpty()) {
            fuzz::check(bytes.isEmpty(), "a refused file gives no bytes");
            return 0;
        }
        const QString real = QFileInfo(QDir(home().path()).absoluteFilePath(name)).canonicalFilePath();
        fuzz::check(real.startsWith(QFileInfo(pictures).canonicalFilePath() + QLatin1Char('/')), "only files inside the pictures folder are read");
        fuzz::check(QFileInfo(real).isFile(), "only regular files are read");
        QFile file(real);
        fuzz::check(file.open(QIODevice::ReadOnly) && file.readAll() == bytes, "the bytes are the file's");
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (picturefile::bitmapProblem(bytes).isEmpty())
        fuzz::check(pictureblob::isBitmap(pictureblob::unwrap(pictureblob::toStored(bytes))), "an accepted picture is stored as a bitmap");
    return 0;
}
