#pragma once
// Passwords are stored as salted argon2id hashes (libsodium's crypto_pwhash_str).
#include <QString>
#include <optional>

namespace password {
QString hash(const QString &plain);
// True when `stored` is a hash made by hash().
bool isHash(const QString &stored);
// Exact, case-sensitive check of a typed password against a stored value.
// A stored value that is not a hash is compared as plain text (accounts
// supplied by a deployment before hashing); callers then rewrite it as a hash.
bool verify(const QString &stored, const QString &typed);
// verify() with the work of one hash check whatever `stored` is: a plain-text
// value, or none at all (no such account), is checked against a decoy hash
// made with the same limits, so the time taken tells nobody which user names
// exist or how their passwords are kept.
bool verifyEvenly(const std::optional<QString> &stored, const QString &typed);
} // namespace password
