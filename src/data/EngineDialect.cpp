#include "data/EngineDialect.h"

#include "data/Connection.h"
#include "data/postgres/PgDialect.h"
#include "data/sqlite/SqliteDialect.h"

namespace dialect {
const EngineDialect &of(Engine engine)
{
    static const SqliteDialect sqlite;
    static const PgDialect postgres;
    if (engine == Engine::Postgres)
        return postgres;
    return sqlite;
}

const EngineDialect &of(const QString &location)
{
    return of(connection::isServer(location) ? Engine::Postgres : Engine::Sqlite);
}
} // namespace dialect
