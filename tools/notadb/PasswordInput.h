#pragma once
// The first account's password when it is not given on the command line,
// where every user of the machine could read it in the process list. On a
// terminal it is asked twice without echo; otherwise standard input gives
// one line (`printf '%s\n' "$PASS" | notadb init --user NAME`).
#include <QString>
#include <optional>

namespace notadb {
// The password, or nothing with the reason in `problem` (no input, the two
// typed passwords differ).
std::optional<QString> readPassword(const QString &user, QString &problem);
} // namespace notadb
