#pragma once
// Passwords are stored as salted argon2id hashes (libsodium's crypto_pwhash_str).
#include <QString>

namespace password {
QString hash(const QString &plain);
// True when `stored` is a hash made by hash().
bool isHash(const QString &stored);
// Exact, case-sensitive check of a typed password against a stored value.
// A stored value that is not a hash is compared as plain text (accounts
// supplied by a deployment before hashing); callers then rewrite it as a hash.
bool verify(const QString &stored, const QString &typed);
} // namespace password
