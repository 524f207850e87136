#include "data/sqlite/SqliteSchema.h"

#include "data/Schema.h"
#include "data/sqlite/SearchIndex.h"

namespace sqliteschema {
namespace {
QString createTable(const TableDef &table, const QString &qualifiedName, bool plainAutoInc)
{
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(qualifiedName, schema::columnDefinitions(table, typeOf, plainAutoInc).join(QStringLiteral(", ")));
}

QStringList createIndexes(const TableDef &table, const QString &on, const QString &schemaPrefix,
                          const QString &namePrefix)
{
    QStringList out;
    for (const IndexDef &i : table.indexes) {
        out << QStringLiteral("CREATE %1INDEX %2%3 ON %4 (%5)")
                   .arg(i.unique ? QStringLiteral("UNIQUE ") : QString(), schemaPrefix,
                        schema::quote(namePrefix + table.name + QLatin1Char('_') + i.column), on,
                        schema::quote(i.column)
                            + (i.withKey ? QStringLiteral(", ") + schema::quote(table.keyColumn) : QString()));
    }
    return out;
}
} // namespace

QString typeOf(FieldKind kind, bool plainAutoInc)
{
    switch (kind) {
    case FieldKind::Float: return QStringLiteral("REAL");
    case FieldKind::Integer: return QStringLiteral("INTEGER");
    case FieldKind::AutoInc:
        return plainAutoInc ? QStringLiteral("INTEGER") : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case FieldKind::Graphic: return QStringLiteral("BLOB");
    case FieldKind::Text:
    case FieldKind::Date:  // ISO yyyy-mm-dd, which sorts in date order
    case FieldKind::Memo: break;
    }
    return QStringLiteral("TEXT");
}

QStringList createStatements()
{
    QStringList out;
    for (const TableDef &t : schema::tables()) {
        out << createTable(t, schema::quote(t.name), false);
        out << createIndexes(t, schema::quote(t.name), QString(), QString());
        for (const ReadIndexDef &i : t.readIndexes)
            out << schema::createReadIndex(t, i);
    }
    return out + searchindex::createStatements();
}

QStringList copyStatements(const TableDef &table, const QString &relation)
{
    // Indexes of a temp table live in the temp schema and name the table bare.
    const int dot = relation.indexOf(QLatin1Char('.'));
    const QString schemaPart = relation.left(dot + 1);
    const QString bareTable = relation.mid(dot + 1);
    QStringList out;
    out << createTable(table, relation, true);
    out << createIndexes(table, bareTable, schemaPart, bareTable.mid(1, bareTable.size() - 2) + QLatin1Char('_'));
    return out;
}
} // namespace sqliteschema
