#include "ForeignCheck.h"

#include "CheckedDatabase.h"
#include "core/PasswordHash.h"
#include "data/ForeignTriggers.h"

namespace notadb {
void triggerProblems(CheckedDatabase &db, QStringList &problems)
{
    db.eachRow(foreigntriggers::listing(db.dialect()), {}, [&](const QVariantList &row) {
        problems << QStringLiteral("trigger '%1' on table %2 is not the program's own: it can change or drop what the "
                                   "program writes; remove it")
                        .arg(row.at(0).toString(), row.at(1).toString());
    });
}

void foreignProblems(CheckedDatabase &db, QStringList &problems)
{
    db.eachRow(db.dialect().objectsQuery(), {}, [&](const QVariantList &row) {
        const QString kind = row.at(0).toString();
        const QString name = row.at(1).toString();
        if (foreigntriggers::isOwnObject(db.dialect(), kind, name))
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
