#pragma once
// `notadb users` and `notadb passwd`: the shop's way back in when an account
// is locked out. Each returns the exit status (2 for a wrong call, 1 for a
// failure) and writes what it did, or what is wrong, to the streams.
#include <QString>
#include <QTextStream>

namespace notadb {
// The accounts of the database at `location` with their logins (never their
// passwords).
int users(const QString &location, QTextStream &out, QTextStream &err);
// A new password for the existing account `user`, asked twice on the
// terminal or read as one line from standard input.
int passwd(const QString &location, const QString &user, QTextStream &out, QTextStream &err);
// Why `user` and `password` cannot be an account's (a name the field would
// keep cut, a password the login window could not take), or empty text.
QString unfitName(const QString &user);
QString unfitPassword(const QString &password);
} // namespace notadb
