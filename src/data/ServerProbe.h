#pragma once
// Questions to a database server named by a URI, asked without opening the
// engine's connection: what the URI sets, whether the server answers, and
// whether it holds a database of a given name. For messages that say plainly
// what keeps a connection from being made.
#include <QString>

#include <optional>

namespace serverprobe {
// A setting of the URI as the server's client library reads it ("dbname",
// "user", "options"...); empty when it is not given.
QString setting(const QString &location, const char *keyword);

enum class Answer {
    Ready,       // the server takes connections
    Silent,      // nothing answers at the address
    Unusable,    // the URI cannot be used to connect at all
    Refusing,    // the server answers but takes no connections now
};
// How the server of `location` answers, waiting at most 5 seconds.
Answer ping(const QString &location);

// Whether the server lists a database named `name`; empty when it cannot be
// asked (its maintenance databases are closed to this user too).
std::optional<bool> hasDatabase(const QString &location, const QString &name);
} // namespace serverprobe
