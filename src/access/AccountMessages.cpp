#include "access/AccountMessages.h"

namespace accountmsg {
QString tooSoon(qint64 waitMs)
{
    const qint64 seconds = (waitMs + 999) / 1000;
    return QStringLiteral("Terlalu banyak percobaan yang salah. Silakan coba lagi dalam %1 detik.").arg(seconds);
}

QString gone(const QString &name)
{
    return QStringLiteral("Akun \"%1\" tidak ada lagi di database: namanya diganti atau akun dihapus di komputer "
                          "lain. Tidak ada yang diubah. Silakan Log Out, lalu login kembali.")
        .arg(name);
}
} // namespace accountmsg
