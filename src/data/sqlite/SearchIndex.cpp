#include "data/sqlite/SearchIndex.h"

#include "core/Errors.h"
#include "data/Schema.h"
#include "data/sqlite/SqliteConnection.h"

#include <QtDebug>

namespace searchindex {
namespace {
const QStringList kTriggerKinds{QStringLiteral("insert"), QStringLiteral("delete"), QStringLiteral("update")};

QString triggerName(const TableDef &table, const QString &kind)
{
    return indexTable(table) + QLatin1Char('_') + kind;
}

QStringList quotedAll(const QStringList &names, const QString &prefix = QString())
{
    QStringList out;
    for (const QString &n : names)
        out << prefix + schema::quote(n);
    return out;
}

// The index, its triggers, and its filling from the rows already stored.
QStringList createFor(const TableDef &table)
{
    const QString index = schema::quote(indexTable(table));
    const QString relation = schema::quote(table.name);
    const QStringList columns = schema::searchedColumns(table);
    const QString names = quotedAll(columns).join(QStringLiteral(", "));
    const QString newValues = quotedAll(columns, QStringLiteral("new.")).join(QStringLiteral(", "));
    const QString oldValues = quotedAll(columns, QStringLiteral("old.")).join(QStringLiteral(", "));
    // The index keeps no copy of the texts: it reads them from the table.
    const QString remove = QStringLiteral("INSERT INTO %1 (%1, rowid, %2) VALUES ('delete', old.rowid, %3);").arg(index, names, oldValues);
    const QString add = QStringLiteral("INSERT INTO %1 (rowid, %2) VALUES (new.rowid, %3);").arg(index, names, newValues);
    const auto trigger = [&](const QString &kind, const QString &when, const QString &body) {
        return QStringLiteral("CREATE TRIGGER %1 AFTER %2 ON %3 BEGIN %4 END")
            .arg(schema::quote(triggerName(table, kind)), when, relation, body);
    };
    return {QStringLiteral("CREATE VIRTUAL TABLE %1 USING fts5(%2, content=%3, tokenize='trigram')")
                .arg(index, names, QStringLiteral("'%1'").arg(table.name)),
            trigger(QStringLiteral("insert"), QStringLiteral("INSERT"), add),
            trigger(QStringLiteral("delete"), QStringLiteral("DELETE"), remove),
            trigger(QStringLiteral("update"), QStringLiteral("UPDATE OF ") + names, remove + QLatin1Char(' ') + add),
            QStringLiteral("INSERT INTO %1 (%1) VALUES ('rebuild')").arg(index)};
}

QStringList dropFor(const TableDef &table)
{
    QStringList out;
    for (const QString &kind : kTriggerKinds)
        out << QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(schema::quote(triggerName(table, kind)));
    out << QStringLiteral("DROP TABLE IF EXISTS %1").arg(schema::quote(indexTable(table)));
    return out;
}

// The index's objects found in the file: 0 (none) to 4 (all of them).
int partsStored(connection::SqliteConnection &db, const TableDef &table)
{
    QVariantList names{indexTable(table)};
    for (const QString &kind : kTriggerKinds)
        names << triggerName(table, kind);
    return int(db.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name IN (?, ?, ?, ?)"), names).toLongLong());
}

// A table holding every searched column under the schema's name.
bool searchable(connection::SqliteConnection &db, const TableDef &table)
{
    const QStringList stored = db.storedColumns(table.name);
    for (const QString &c : schema::searchedColumns(table))
        if (!stored.contains(c))
            return false;
    return !stored.isEmpty();
}
} // namespace

QString indexTable(const TableDef &table) { return table.name + QStringLiteral("_trigram"); }

QStringList createStatements()
{
    QStringList out;
    for (const TableDef &t : schema::tables())
        if (schema::searchedByLike(t))
            out << createFor(t);
    return out;
}

QStringList triggerNames()
{
    QStringList out;
    for (const TableDef &t : schema::tables())
        if (schema::searchedByLike(t))
            for (const QString &kind : kTriggerKinds)
                out << triggerName(t, kind);
    return out;
}

bool narrowsByIndex(const QString &pattern)
{
    int run = 0;
    for (const QChar c : pattern) {
        run = (c == QLatin1Char('%') || c == QLatin1Char('_')) ? 0 : run + 1;
        if (run >= 3)
            return true;
    }
    return false;
}

QStringList ensure(connection::SqliteConnection &db)
{
    QStringList served, missing;
    QList<const TableDef *> toMake;
    for (const TableDef &t : schema::tables()) {
        if (!schema::searchedByLike(t) || !searchable(db, t))
            continue;
        if (partsStored(db, t) == 1 + int(kTriggerKinds.size()))
            served << schema::quote(t.name);
        else
            toMake << &t;
    }
    if (toMake.isEmpty())
        return served;
    try {
        connection::Transaction tx(db);
        for (const TableDef *t : std::as_const(toMake)) {
            for (const QString &statement : dropFor(*t) + createFor(*t))
                db.exec(statement);
            missing << t->name;
        }
        tx.commit();
    } catch (const EError &e) {
        qWarning("No search index added to %s yet (%s): searching by scan", qUtf8Printable(db.file()),
                 qUtf8Printable(e.message()));
        return served;
    }
    qInfo("Search index added to %s for %s", qUtf8Printable(db.file()), qUtf8Printable(missing.join(QStringLiteral(", "))));
    return served + quotedAll(missing);
}

QString likeCondition(const QString &relation, const QString &column, const QString &pattern, QVariantList &binds)
{
    const TableDef *table = schema::findTable(relation.mid(1, relation.size() - 2));
    const QString quoted = schema::quote(column);
    binds << pattern << pattern;
    return QStringLiteral("%1 LIKE ? AND rowid IN (SELECT rowid FROM %2 WHERE %1 LIKE ?)")
        .arg(quoted, schema::quote(indexTable(*table)));
}
} // namespace searchindex
