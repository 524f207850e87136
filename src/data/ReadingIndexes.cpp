#include "data/ReadingIndexes.h"

#include "core/Errors.h"
#include "data/CheckedDatabase.h"
#include "data/Connection.h"
#include "data/Schema.h"

#include <QSet>

namespace dbcheck {
namespace {
struct Missing {
    const TableDef *table;
    const ReadIndexDef *readIndex;  // null: the search index
    QString what() const
    {
        return readIndex ? QStringLiteral("indeks baca %1").arg(readIndex->name) : QStringLiteral("indeks pencarian");
    }
    QString lack() const { return QStringLiteral("tabel %1 tidak punya %2").arg(table->name, what()); }
    QString addition() const { return QStringLiteral("%1 tabel %2").arg(what(), table->name); }
};

QList<Missing> missing(CheckedDatabase &db)
{
    const dialect::EngineDialect &engine = db.dialect();
    QSet<QString> objects;
    db.eachRow(engine.objectsQuery(), {}, [&objects](const QVariantList &row) { objects.insert(row.at(1).toString()); });
    QList<Missing> out;
    for (const TableDef &t : schema::tables()) {
        const QStringList parts = engine.searchIndexObjects(t);
        if (std::any_of(parts.begin(), parts.end(), [&](const QString &p) { return !objects.contains(p); }))
            out.append({&t, nullptr});
        for (const ReadIndexDef &index : t.readIndexes)
            if (!db.scalar(engine.indexExistsQuery(), {index.name}).isValid())
                out.append({&t, &index});
    }
    return out;
}

QStringList texts(const QList<Missing> &found, QString (Missing::*text)() const)
{
    QStringList out;
    for (const Missing &m : found)
        out << (m.*text)();
    return out;
}
} // namespace

QStringList missingIndexes(CheckedDatabase &db) { return texts(missing(db), &Missing::lack); }

QStringList addMissingIndexes(const QString &location)
{
    const dialect::EngineDialect &engine = dialect::of(location);
    // Opened as it is: a file's search index is added here, with the rest.
    const std::shared_ptr<connection::Connection> db = engine.connect(location, true);
    ConnectionChecked checked(db);
    connection::Transaction transaction(*db);
    const QList<Missing> found = missing(checked);
    bool searchIndex = false;
    for (const Missing &m : found) {
        if (m.readIndex)
            db->exec(schema::createReadIndex(*m.table, *m.readIndex, true));
        else
            searchIndex = true;
    }
    if (searchIndex)
        engine.addSearchIndexes(*db);
    const QStringList left = missingIndexes(checked);
    if (!left.isEmpty())
        throw EDatabaseError(QStringLiteral("Indeks tidak dapat ditambahkan ke %1 (%2); tidak ada yang ditambahkan")
                                 .arg(db->file(), left.join(QStringLiteral("; "))));
    transaction.commit();
    db->close();
    return texts(found, &Missing::addition);
}
} // namespace dbcheck
