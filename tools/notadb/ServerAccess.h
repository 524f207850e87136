#pragma once
// Reaching a server database named by a URI, for the admin tool: the
// engine's connection, or a message saying plainly what is in the way (the
// server does not answer, the database does not exist, the server refused).
// Messages name the URI without its password.
#include "data/Connection.h"

#include <QString>
#include <QTextStream>

#include <memory>

namespace notadb {
// The connection to `location`, or null with the reason written to `err`.
std::shared_ptr<connection::Connection> openServer(const QString &location, QTextStream &err);
// Why `location` could not be connected to, given the engine's message.
QString whyNoConnection(const QString &location, const QString &engineMessage);
// A setting of the URI as libpq reads it ("dbname", "options"...); empty when
// it is not given.
QString connectionSetting(const QString &location, const char *keyword);
// `text` with the URI's password, if any, masked: for messages of other
// programs, which might repeat parts of the URI.
QString withoutPassword(const QString &location, const QString &text);
// The seven tables that `connection` holds, by name.
QStringList tablesHeld(connection::Connection &connection);
} // namespace notadb
