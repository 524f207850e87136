#include "data/ForeignTriggers.h"

#include "core/Errors.h"
#include "data/Schema.h"
#include "data/sqlite/SearchIndex.h"

namespace foreigntriggers {
bool isOwnObject(const QString &kind, const QString &name)
{
    if (kind == QLatin1String("trigger"))
        return searchindex::triggerNames().contains(name, Qt::CaseInsensitive);
    if (kind != QLatin1String("table"))
        return false;
    if (schema::findTable(name))
        return true;
    for (const TableDef &t : schema::tables()) {
        if (!schema::searchedByLike(t))
            continue;
        const QString index = searchindex::indexTable(t);
        for (const char *shadow : {"", "_data", "_idx", "_docsize", "_config", "_content"})
            if (name.compare(index + QLatin1String(shadow), Qt::CaseInsensitive) == 0)
                return true;
    }
    return false;
}

QString listing(connection::Connection::Engine engine)
{
    QStringList names;
    for (const TableDef &t : schema::tables())
        names << t.name;
    if (engine == connection::Connection::Engine::Postgres) {
        // The tables as the session finds them on its search path.
        return QStringLiteral("SELECT t.tgname::text, c.relname::text FROM pg_trigger t JOIN pg_class c ON c.oid = t.tgrelid "
                              "WHERE NOT t.tgisinternal AND t.tgrelid IN (SELECT to_regclass(quote_ident(n)) "
                              "FROM unnest(ARRAY['%1']) AS n) ORDER BY 2, 1")
            .arg(names.join(QStringLiteral("', '")));
    }
    return QStringLiteral("SELECT name, tbl_name FROM sqlite_master WHERE type = 'trigger' AND lower(tbl_name) IN ('%1') "
                          "AND lower(name) NOT IN ('%2') ORDER BY 2, 1")
        .arg(names.join(QStringLiteral("', '")).toLower(), searchindex::triggerNames().join(QStringLiteral("', '")).toLower());
}

QStringList on(connection::Connection &db)
{
    QStringList found;
    db.eachRow(listing(db.engine()), {}, [&found](const QVariantList &row) {
        found << QStringLiteral("trigger '%1' on table %2").arg(row.at(0).toString(), row.at(1).toString());
    });
    return found;
}

void refuse(connection::Connection &db)
{
    const QStringList found = on(db);
    if (!found.isEmpty())
        throw EDatabaseError(QStringLiteral("The database '%1' carries triggers that are not the program's own (%2); "
                                            "nothing is done on it until they are removed (see notadb check)")
                                 .arg(db.file(), found.join(QStringLiteral(", "))));
}
} // namespace foreigntriggers
