#include "data/ForeignTriggers.h"

#include "core/Errors.h"
#include "data/Schema.h"

namespace foreigntriggers {
bool isOwnObject(const dialect::EngineDialect &engine, const QString &kind, const QString &name)
{
    if (kind == QLatin1String("table") && schema::findTable(name))
        return true;
    return engine.isSearchIndexObject(kind, name);
}

QString listing(const dialect::EngineDialect &engine)
{
    QStringList names;
    for (const TableDef &t : schema::tables())
        names << t.name;
    return engine.triggersQuery(names);
}

QStringList on(connection::Connection &db)
{
    QStringList found;
    db.eachRow(listing(db.dialect()), {}, [&found](const QVariantList &row) {
        found << QStringLiteral("trigger '%1' pada tabel %2").arg(row.at(0).toString(), row.at(1).toString());
    });
    return found;
}

void refuse(connection::Connection &db)
{
    const QStringList found = on(db);
    if (!found.isEmpty())
        throw EDatabaseError(QStringLiteral("Database '%1' memuat trigger yang bukan buatan program (%2); "
                                            "tidak ada yang dikerjakan padanya sampai trigger itu dihapus (lihat notadb check)")
                                 .arg(db.file(), found.join(QStringLiteral(", "))));
}
} // namespace foreigntriggers
