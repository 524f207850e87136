#include "shop/Accounts.h"

#include "core/PasswordHash.h"
#include "data/Schema.h"
#include "data/Table.h"
#include "shop/AccountScope.h"

namespace accounts {
int nameWidth() { return schema::findTable(QStringLiteral("Adm"))->column(QStringLiteral("NamaUser"))->field.size; }

qsizetype lengthOf(const QString &text) { return text.toUcs4().size(); }

bool nameFits(const QString &name) { return lengthOf(name) <= nameWidth(); }

bool passwordFits(const QString &password) { return lengthOf(password) <= kPasswordLength; }

void prepare(Table &admins)
{
    admins.setTableName(QStringLiteral("Adm.db"));
    admins.setIndexFieldNames(QStringLiteral("NamaUser"));
}

QList<Account> list()
{
    Table admins;
    prepare(admins);
    AccountScope scope(admins);
    QList<Account> all;
    for (admins.first(); !admins.eof(); admins.next())
        all.append({admins.fieldByName(QStringLiteral("NamaUser"))->asString(),
                    admins.fieldByName(QStringLiteral("Nomer"))->asString()});
    return all;
}

bool setPassword(const QString &name, const QString &password)
{
    Table admins;
    prepare(admins);
    AccountScope scope(admins);
    if (!admins.findKey(name))
        return false;
    admins.edit();
    admins.fieldByName(QStringLiteral("Pass"))->setAsString(password::hash(password));
    admins.post();
    return true;
}
} // namespace accounts
