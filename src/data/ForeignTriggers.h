#pragma once
// Triggers on the program's tables that the program did not make (its own
// are those keeping the file database's search index in step). One can change or swallow every write behind the program's back
// (a trigger that ignores each insert makes an import report rows it never
// stored), so the program refuses to work on such a database.
#include "data/Connection.h"

#include <QString>
#include <QStringList>

namespace foreigntriggers {
// True for what the program itself keeps in a database: its tables, and on
// a file the search index's tables (with the tables the index engine keeps
// beside them) and triggers. `kind` is "table", "view" or "trigger".
bool isOwnObject(const dialect::EngineDialect &engine, const QString &kind, const QString &name);
// The statement listing them in `engine`'s SQL, one row each: trigger, table.
QString listing(const dialect::EngineDialect &engine);
// "trigger 'x' on table Barang", one for each, from an open connection.
QStringList on(connection::Connection &db);
// Raises EDatabaseError naming them and `notadb check` when there are any.
void refuse(connection::Connection &db);
} // namespace foreigntriggers
