#include "ForeignCheck.h"

#include "CheckedDatabase.h"
#include "core/PasswordHash.h"
#include "data/ForeignTriggers.h"

namespace notadb {
namespace {
// Every trigger, view and table: kind, name, the table a trigger is on.
QString objectListing(const CheckedDatabase &db)
{
    if (db.engine() == CheckedDatabase::Engine::Postgres) {
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
    return QStringLiteral("SELECT type, name, tbl_name FROM sqlite_master WHERE type IN ('table', 'view', 'trigger') "
                          "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY 1, 2");
}
} // namespace

void triggerProblems(CheckedDatabase &db, QStringList &problems)
{
    db.eachRow(foreigntriggers::listing(db.engine()), {}, [&](const QVariantList &row) {
        problems << QStringLiteral("trigger '%1' on table %2 is not the program's own: it can change or drop what the "
                                   "program writes; remove it")
                        .arg(row.at(0).toString(), row.at(1).toString());
    });
}

void foreignProblems(CheckedDatabase &db, QStringList &problems)
{
    db.eachRow(objectListing(db), {}, [&](const QVariantList &row) {
        const QString kind = row.at(0).toString();
        const QString name = row.at(1).toString();
        if (foreigntriggers::isOwnObject(kind, name))
            return;
        if (kind == QLatin1String("trigger"))
            problems << QStringLiteral("trigger '%1' on table %2 is not the program's own").arg(name, row.at(2).toString());
        else
            problems << QStringLiteral("%1 '%2' is not the program's own").arg(kind, name);
    });
}

void passwordProblems(CheckedDatabase &db, QStringList &problems)
{
    db.eachRow(QStringLiteral("SELECT \"NamaUser\", \"Pass\" FROM \"Adm\" ORDER BY \"NamaUser\""), {}, [&](const QVariantList &row) {
        if (!password::isHash(row.at(1).toString()))
            problems << QStringLiteral("Adm account '%1' has its password stored as typed, not as a hash: change the "
                                       "password so that it is stored hashed")
                            .arg(row.at(0).toString());
    });
}
} // namespace notadb
