#include "core/PasswordHash.h"

#include "core/Errors.h"

#include <sodium.h>

#include <atomic>
#include <mutex>

namespace password {
// Test programs only (declared in their support library, never in src/):
// hash with the weakest limits libsodium allows, so that the accounts their
// fixtures make cost microseconds instead of a tenth of a second.
void useWeakestLimitsForTests(bool on);

namespace {
std::atomic<bool> g_weakestForTests{false};

struct Limits {
    unsigned long long ops;
    size_t memory;
};

Limits limits()
{
    if (g_weakestForTests)
        return {crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN};
    return {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE};
}

void ensureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw EError(QStringLiteral("Pustaka password tidak dapat disiapkan"));
}

bool verifyHash(const QString &stored, const QString &typed)
{
    ensureSodium();
    const QByteArray s = stored.toLatin1();
    const QByteArray t = typed.toUtf8();
    return crypto_pwhash_str_verify(s.constData(), t.constData(), static_cast<unsigned long long>(t.size())) == 0;
}

// A hash of random bytes that no typed password matches, one per kind of
// limits, made the first time it is needed.
QString decoy()
{
    static std::mutex lock;
    static QString made[2];
    const std::lock_guard<std::mutex> held(lock);
    QString &slot = made[g_weakestForTests ? 1 : 0];
    if (slot.isEmpty()) {
        ensureSodium();
        unsigned char secret[32];
        randombytes_buf(secret, sizeof secret);
        slot = hash(QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(secret), sizeof secret).toHex()));
    }
    return slot;
}
} // namespace

void useWeakestLimitsForTests(bool on) { g_weakestForTests = on; }

QString hash(const QString &plain)
{
    ensureSodium();
    const QByteArray bytes = plain.toUtf8();
    const Limits l = limits();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()), l.ops, l.memory) != 0)
        throw EError(QStringLiteral("Memori tidak cukup untuk mengamankan password"));
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
    return verifyHash(stored, typed);
}

bool verifyEvenly(const std::optional<QString> &stored, const QString &typed)
{
    // The decoy is made (once) before anything depends on `stored`.
    const QString spare = decoy();
    if (stored && isHash(*stored))
        return verifyHash(*stored, typed);
    verifyHash(spare, typed);
    return stored && *stored == typed;
}
} // namespace password
