#include "data/postgres/PgDialect.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Schema.h"
#include "data/postgres/PgConnection.h"
#include "data/postgres/PgSchema.h"

#include <QtDebug>

namespace dialect {
namespace {
const char *kNotFinite = "('Infinity'::float8, '-Infinity'::float8, 'NaN'::float8)";
}

QString PgDialect::columnType(FieldKind kind, bool plainAutoInc) const { return pgschema::typeOf(kind, plainAutoInc); }

QString PgDialect::temporaryRelation(const QString &name) const { return QStringLiteral("pg_temp.") + schema::quote(name); }

QString PgDialect::likeCondition(const QString &relation, const QString &column, const QString &pattern,
                                 QVariantList &binds, const connection::Connection *) const
{
    // The trigram indexes serve any pattern the planner sees fit.
    Q_UNUSED(relation);
    binds << pattern;
    // The text " ESCAPE ''" also tells the connection that this is a Like search.
    return pgschema::folded(schema::quote(column)) + QStringLiteral(" LIKE ") + pgschema::folded(QStringLiteral("?"))
        + QStringLiteral(" ESCAPE ''");
}

QStringList PgDialect::createStatements(connection::Connection &db) const
{
    // Provisioning takes turns with any other program provisioning this
    // database at the same moment, so the extension is created once.
    db.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7270410)"));
    db.exec(QStringLiteral("CREATE EXTENSION IF NOT EXISTS pg_trgm SCHEMA public"));
    const QString where = db.scalar(QStringLiteral("SELECT n.nspname::text FROM pg_extension e JOIN pg_namespace n "
                                                   "ON n.oid = e.extnamespace WHERE e.extname = 'pg_trgm'"),
                                    {})
                              .toString();
    return pgschema::createStatements(where);
}

QStringList PgDialect::copyStatements(const TableDef &table, const QString &relation) const
{
    return pgschema::copyStatements(table, relation);
}

QStringList PgDialect::copyFilled(const QString &relation) const
{
    // New rows of the copy are numbered after the copied ones.
    return {QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', 'rowid'), COALESCE(MAX(rowid), 0) + 1, false) FROM %1")
                .arg(relation)};
}

void PgDialect::addIndexIfMissing(connection::Connection &db, const QString &name, const QString &statement) const noexcept
{
    try {
        if (db.exists(indexExistsQuery(), {name}))
            return;
        // Building it keeps other desks from writing the table meanwhile; a
        // desk in the middle of a write is not waited for long.
        connection::Transaction transaction(db);
        db.exec(QStringLiteral("SET LOCAL lock_timeout = '2s'"));
        db.exec(statement);
        transaction.commit();
    } catch (const std::exception &e) {
        qWarning("Indeks %s tidak ditambahkan ke %s: %s", qUtf8Printable(name), qUtf8Printable(connection::printable(db.file())), e.what());
    } catch (...) {
    }
}

std::shared_ptr<connection::Connection> PgDialect::connect(const QString &location, bool asIs) const
{
    Q_UNUSED(asIs);  // nothing is added at connecting
    return std::make_shared<connection::PgConnection>(location);
}

QString PgDialect::createEmpty(const QString &location) const
{
    const std::shared_ptr<connection::Connection> db = connection::ofFile(location);
    for (const TableDef &t : schema::tables())
        if (!db->storedColumns(t.name).isEmpty())
            throw EDatabaseError(QStringLiteral("Basis data '%1' sudah memuat tabel '%2': tidak kosong")
                                     .arg(db->file(), t.name));
    return location;
}

QString PgDialect::columnsQuery() const
{
    return QStringLiteral("SELECT a.attname::text FROM pg_attribute a WHERE a.attrelid = to_regclass(quote_ident(?)) "
                          "AND a.attnum > 0 AND NOT a.attisdropped AND a.attname <> 'rowid' ORDER BY a.attnum");
}

QString PgDialect::indexesQuery() const
{
    return QStringLiteral("SELECT i.indisunique, a.attname::text, c.relname::text FROM pg_index i JOIN pg_attribute a "
                          "ON a.attrelid = i.indrelid AND a.attnum = i.indkey[0] JOIN pg_class c ON c.oid = i.indexrelid "
                          "WHERE i.indrelid = to_regclass(quote_ident(?)) AND i.indisvalid");
}

QString PgDialect::numberingQuery() const
{
    return QStringLiteral("SELECT attname::text, attidentity IN ('a', 'd') FROM pg_attribute WHERE attrelid = "
                          "to_regclass(quote_ident(?)) AND attnum > 0 AND NOT attisdropped");
}

QString PgDialect::unusableNumber(FieldKind kind, const QString &c) const
{
    // Typed columns: only a number that is not finite.
    if (kind == FieldKind::Float)
        return QStringLiteral("%1 IN %2").arg(c, QLatin1String(kNotFinite));
    return QStringLiteral("false");
}

QString PgDialect::finiteSum(const QString &c) const
{
    return QStringLiteral("COALESCE(sum(CASE WHEN %1 NOT IN %2 THEN %1 END), 0)").arg(c, QLatin1String(kNotFinite));
}

QString PgDialect::notStoredWhole(const QString &c) const
{
    Q_UNUSED(c);
    return QStringLiteral("false");
}

QString PgDialect::objectsQuery() const
{
    // In the schema that holds the program's tables (the first on the search path).
    const QString home = QStringLiteral("(SELECT relnamespace FROM pg_class WHERE oid = to_regclass(quote_ident('Barang')))");
    return QStringLiteral("SELECT CASE c.relkind WHEN 'v' THEN 'view' WHEN 'm' THEN 'view' ELSE 'table' END, "
                          "c.relname::text, c.relname::text FROM pg_class c WHERE c.relkind IN ('r', 'p', 'v', 'm', 'f') "
                          "AND c.relnamespace = %1 "
                          "UNION ALL SELECT 'trigger', t.tgname::text, c.relname::text FROM pg_trigger t "
                          "JOIN pg_class c ON c.oid = t.tgrelid WHERE NOT t.tgisinternal AND c.relnamespace = %1 "
                          "ORDER BY 1, 2")
        .arg(home);
}

QString PgDialect::triggersQuery(const QStringList &tables) const
{
    // The tables as the session finds them on its search path.
    return QStringLiteral("SELECT t.tgname::text, c.relname::text FROM pg_trigger t JOIN pg_class c ON c.oid = t.tgrelid "
                          "WHERE NOT t.tgisinternal AND t.tgrelid IN (SELECT to_regclass(quote_ident(n)) "
                          "FROM unnest(ARRAY['%1']) AS n) ORDER BY 2, 1")
        .arg(tables.join(QStringLiteral("', '")));
}

} // namespace dialect
