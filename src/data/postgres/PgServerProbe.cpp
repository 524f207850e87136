#include "data/ServerProbe.h"

#include <libpq-fe.h>

namespace serverprobe {
QString setting(const QString &location, const char *keyword)
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

Answer ping(const QString &location)
{
    const QByteArray uri = location.toUtf8();
    const char *keywords[] = {"dbname", "connect_timeout", nullptr};
    const char *values[] = {uri.constData(), "5", nullptr};
    switch (PQpingParams(keywords, values, 1)) {
    case PQPING_NO_RESPONSE: return Answer::Silent;
    case PQPING_NO_ATTEMPT: return Answer::Unusable;
    case PQPING_REJECT: return Answer::Refusing;
    case PQPING_OK: break;
    }
    return Answer::Ready;
}

std::optional<bool> hasDatabase(const QString &location, const QString &name)
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
} // namespace serverprobe
