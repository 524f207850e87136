#include "data/sqlite/SqliteDialect.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Schema.h"
#include "data/sqlite/SearchIndex.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/SqliteFileLook.h"
#include "data/sqlite/SqliteSchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

namespace dialect {

QString SqliteDialect::columnType(FieldKind kind, bool plainAutoInc) const
{
    return sqliteschema::typeOf(kind, plainAutoInc);
}

QString SqliteDialect::temporaryRelation(const QString &name) const { return QStringLiteral("temp.") + schema::quote(name); }

QString SqliteDialect::likeCondition(const QString &relation, const QString &column, const QString &pattern,
                                     QVariantList &binds, const connection::Connection *indexedOn) const
{
    // SQLite's own LIKE is the rule: A-Z in either case, no escape character.
    if (indexedOn) {
        const TableDef *table = schema::findTable(relation.mid(1, relation.size() - 2));
        if (table && schema::searchedColumns(*table).contains(column) && searchindex::narrowsByIndex(pattern))
            return searchindex::likeCondition(static_cast<const connection::SqliteConnection *>(indexedOn)->handle(),
                                              relation, column, pattern, binds);
    }
    binds << pattern;
    return schema::quote(column) + QStringLiteral(" LIKE ?");
}

QStringList SqliteDialect::createStatements(connection::Connection &db) const
{
    // The caller runs them all or none: either way the index then serves
    // the tables (there are none without it).
    if (auto *file = dynamic_cast<connection::SqliteConnection *>(&db)) {
        QStringList indexed;
        for (const TableDef &t : schema::tables())
            if (schema::searchedByLike(t))
                indexed << schema::quote(t.name);
        file->useSearchIndexes(indexed);
    }
    return sqliteschema::createStatements();
}

QStringList SqliteDialect::copyStatements(const TableDef &table, const QString &relation) const
{
    return sqliteschema::copyStatements(table, relation);
}

void SqliteDialect::addIndexIfMissing(connection::Connection &db, const QString &name,
                                      const QString &statement) const noexcept
{
    try {
        if (!db.exists(indexExistsQuery(), {name}))
            db.exec(statement);
    } catch (const std::exception &e) {
        qWarning("Indeks %s tidak ditambahkan ke %s: %s", qUtf8Printable(name), qUtf8Printable(db.file()), e.what());
    } catch (...) {
    }
}

std::shared_ptr<connection::Connection> SqliteDialect::connect(const QString &location, bool asIs) const
{
    return std::make_shared<connection::SqliteConnection>(
        location, asIs ? connection::SqliteConnection::Opening::AsIs : connection::SqliteConnection::Opening::WithSearchIndex);
}

QStringList SqliteDialect::searchIndexObjects(const TableDef &table) const
{
    if (!schema::searchedByLike(table))
        return {};
    const QString index = searchindex::indexTable(table);
    QStringList out{index};
    for (const QString &trigger : searchindex::triggerNames())
        if (trigger.startsWith(index + QLatin1Char('_')))
            out << trigger;
    return out;
}

bool SqliteDialect::isSearchIndexObject(const QString &kind, const QString &name) const
{
    if (kind == QLatin1String("trigger"))
        return searchindex::triggerNames().contains(name, Qt::CaseInsensitive);
    if (kind != QLatin1String("table"))
        return false;
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

void SqliteDialect::addSearchIndexes(connection::Connection &db) const
{
    auto &file = dynamic_cast<connection::SqliteConnection &>(db);
    const searchindex::Ensured ensured = searchindex::ensure(file);
    if (!ensured.failure.isEmpty())
        throw EDatabaseError(QStringLiteral("Indeks pencarian tidak dapat ditambahkan ke %1: %2").arg(db.file(), ensured.failure));
    file.useSearchIndexes(ensured.served);
}

void SqliteDialect::refuseExisting(const QString &location) const
{
    const QFileInfo info(location);
    if (info.exists() || info.isSymLink())  // a link to nothing too: the file would be made where it points
        throw EDatabaseError(QStringLiteral("Basis data '%1' sudah ada").arg(info.absoluteFilePath()));
}

QString SqliteDialect::createEmpty(const QString &location) const
{
    const QFileInfo info(location);
    if (!QDir().mkpath(info.absolutePath()))
        throw EDatabaseError(QStringLiteral("Folder '%1' tidak dapat dibuat").arg(info.absolutePath()));
    dbfile::createEmpty(info.absoluteFilePath());
    return info.absoluteFilePath();
}

void SqliteDialect::discard(const QString &location) const noexcept
{
    connection::closeFile(location);
    QFile::remove(location);
    QFile::remove(location + QStringLiteral("-wal"));
    QFile::remove(location + QStringLiteral("-shm"));
}

QString SqliteDialect::indexesQuery() const
{
    return QStringLiteral("SELECT il.\"unique\", ii.name, il.name FROM pragma_index_list(?1) AS il, "
                          "pragma_index_info(il.name) AS ii WHERE ii.seqno = 0");
}

QString SqliteDialect::unusableNumber(FieldKind kind, const QString &c) const
{
    // A column takes any value: text, bytes, and numbers out of range.
    if (kind == FieldKind::Float)
        return QStringLiteral("typeof(%1) IN ('text', 'blob') OR (typeof(%1) = 'real' AND abs(%1) > 1.7976931348623157e308)").arg(c);
    return QStringLiteral("typeof(%1) IN ('text', 'blob') OR (typeof(%1) = 'real' AND abs(%1) >= 9.2233720368547758e18)").arg(c);
}

QString SqliteDialect::finiteSum(const QString &c) const
{
    return QStringLiteral("total(CASE WHEN typeof(%1) IN ('integer', 'real') AND abs(%1) <= 1.7976931348623157e308 "
                          "THEN %1 END)")
        .arg(c);
}

QString SqliteDialect::notStoredWhole(const QString &c) const { return QStringLiteral("typeof(%1) <> 'integer'").arg(c); }

QString SqliteDialect::objectsQuery() const
{
    return QStringLiteral("SELECT type, name, tbl_name FROM sqlite_master WHERE type IN ('table', 'view', 'trigger') "
                          "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY 1, 2");
}

QString SqliteDialect::triggersQuery(const QStringList &tables) const
{
    return QStringLiteral("SELECT name, tbl_name FROM sqlite_master WHERE type = 'trigger' AND lower(tbl_name) IN ('%1') "
                          "AND lower(name) NOT IN ('%2') ORDER BY 2, 1")
        .arg(tables.join(QStringLiteral("', '")).toLower(), searchindex::triggerNames().join(QStringLiteral("', '")).toLower());
}

} // namespace dialect
