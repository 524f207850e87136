#include "ServerAccess.h"

#include "core/Errors.h"
#include "data/Schema.h"
#include "data/ServerUri.h"


#include <libpq-fe.h>

namespace notadb {
QString connectionSetting(const QString &location, const char *keyword)
{
    char *error = nullptr;
    PQconninfoOption *options = PQconninfoParse(location.toUtf8().constData(), &error);
    PQfreemem(error);
    QString value;
    for (PQconninfoOption *o = options; o && o->keyword; ++o)
        if (qstrcmp(o->keyword, keyword) == 0 && o->val)
            value = QString::fromUtf8(o->val);
    PQconninfoFree(options);
    return value;
}

QString withoutPassword(const QString &location, const QString &text)
{
    return serveruri::maskedMessage(location, text);
}

namespace {

// Whether the server lists a database named `name`; empty when it cannot be
// asked (its maintenance databases are closed to this user too).
std::optional<bool> serverHasDatabase(const QString &location, const QString &name)
{
    const QByteArray uri = location.toUtf8();
    for (const char *maintenance : {"postgres", "template1"}) {
        // The second dbname overrides the database the URI names.
        const char *keywords[] = {"dbname", "dbname", "connect_timeout", "application_name", nullptr};
        const char *values[] = {uri.constData(), maintenance, "5", "notadb", nullptr};
        PGconn *conn = PQconnectdbParams(keywords, values, 1);
        if (PQstatus(conn) != CONNECTION_OK) {
            PQfinish(conn);
            continue;
        }
        const QByteArray wanted = name.toUtf8();
        const char *params[] = {wanted.constData()};
        PGresult *r = PQexecParams(conn, "SELECT 1 FROM pg_database WHERE datname = $1", 1, nullptr, params, nullptr,
                                   nullptr, 0);
        std::optional<bool> found;
        if (PQresultStatus(r) == PGRES_TUPLES_OK)
            found = PQntuples(r) > 0;
        PQclear(r);
        PQfinish(conn);
        return found;
    }
    return std::nullopt;
}
} // namespace

QString whyNoConnection(const QString &location, const QString &engineMessage)
{
    const QString shown = connection::printable(location);
    // The engine's message names the URI; here it follows it, so only the
    // server's or libpq's words are kept, on one line.
    QString detail = engineMessage;
    const QString opening = QStringLiteral("Database '%1' tidak dapat dibuka: ").arg(shown);
    if (detail.startsWith(opening))
        detail = detail.mid(opening.size());
    detail = detail.simplified();
    const QByteArray uri = location.toUtf8();
    const char *keywords[] = {"dbname", "connect_timeout", nullptr};
    const char *values[] = {uri.constData(), "5", nullptr};
    switch (PQpingParams(keywords, values, 1)) {
    case PQPING_NO_RESPONSE:
        return QStringLiteral("cannot reach the database server of %1: it does not answer (%2)").arg(shown, detail);
    case PQPING_NO_ATTEMPT: return QStringLiteral("%1 is not a connection URI that can be used (%2)").arg(shown, detail);
    case PQPING_REJECT:
        return QStringLiteral("the database server of %1 does not take connections now (%2)").arg(shown, detail);
    case PQPING_OK: break;
    }
    QString database = connectionSetting(location, "dbname");
    if (database.isEmpty())
        database = connectionSetting(location, "user");
    if (!database.isEmpty() && serverHasDatabase(location, database) == false)
        return QStringLiteral("the database '%1' does not exist on the server of %2; its administrator creates it "
                              "first (createdb)")
            .arg(database, shown);
    return engineMessage;
}

std::shared_ptr<connection::Connection> openServer(const QString &location, QTextStream &err)
{
    try {
        return connection::ofFile(location);
    } catch (const EError &e) {
        err << "notadb: " << withoutPassword(location, whyNoConnection(location, e.message())) << "\n";
        return nullptr;
    }
}

QStringList tablesHeld(connection::Connection &connection)
{
    QStringList held;
    for (const TableDef &t : schema::tables())
        if (!connection.storedColumns(t.name).isEmpty())
            held << t.name;
    return held;
}
} // namespace notadb
