#include "ForeignCheck.h"

#include "CheckedDatabase.h"
#include "core/PasswordHash.h"
#include "data/ForeignTriggers.h"

namespace notadb {
void triggerProblems(CheckedDatabase &db, QStringList &problems)
{
    db.eachRow(foreigntriggers::listing(db.dialect()), {}, [&](const QVariantList &row) {
        problems << QStringLiteral("trigger '%1' pada tabel %2 bukan buatan program: trigger itu dapat mengubah atau "
                                   "membuang apa yang ditulis program; hapuslah")
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
            problems << QStringLiteral("trigger '%1' pada tabel %2 bukan buatan program").arg(name, row.at(2).toString());
        else
            problems << QStringLiteral("%1 '%2' bukan buatan program")
                            .arg(kind == QLatin1String("table") ? QStringLiteral("tabel") : kind, name);
    });
}

void passwordProblems(CheckedDatabase &db, QStringList &problems)
{
    db.eachRow(QStringLiteral("SELECT \"NamaUser\", \"Pass\" FROM \"Adm\" ORDER BY \"NamaUser\""), {}, [&](const QVariantList &row) {
        if (!password::isHash(row.at(1).toString()))
            problems << QStringLiteral("akun Adm '%1' menyimpan kata sandinya apa adanya, bukan sebagai hash: ganti "
                                       "kata sandinya supaya tersimpan sebagai hash")
                            .arg(row.at(0).toString());
    });
}
} // namespace notadb
