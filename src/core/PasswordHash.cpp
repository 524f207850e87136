#include "core/PasswordHash.h"

#include "core/Errors.h"

#include <sodium.h>

namespace password {
namespace {
void ensureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw EError(QStringLiteral("Password library could not be initialised"));
}
} // namespace

QString hash(const QString &plain)
{
    ensureSodium();
    const QByteArray bytes = plain.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw EError(QStringLiteral("Not enough memory to protect the password"));
    return QString::fromLatin1(out);
}

bool isHash(const QString &stored)
{
    return stored.startsWith(QLatin1String(crypto_pwhash_STRPREFIX));
}

bool verify(const QString &stored, const QString &typed)
{
    if (!isHash(stored))
        return stored == typed;
    ensureSodium();
    const QByteArray s = stored.toLatin1();
    const QByteArray t = typed.toUtf8();
    return crypto_pwhash_str_verify(s.constData(), t.constData(), static_cast<unsigned long long>(t.size())) == 0;
}
} // namespace password
