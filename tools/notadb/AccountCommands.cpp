#include "AccountCommands.h"

#include "PasswordInput.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Database.h"
#include "shop/Accounts.h"

#include <algorithm>

namespace notadb {
namespace {
// The accounts through the engine, the alias KV naming `location`.
QList<accounts::Account> accountsAt(const QString &location)
{
    database::setAliasPath(QStringLiteral("KV"), location);
    connection::ofFile(location);
    return accounts::list();
}
} // namespace

QString unfitName(const QString &user)
{
    if (accounts::nameFits(user))
        return QString();
    return QStringLiteral("the user name '%1' has %2 characters; an account name holds at most %3")
        .arg(user)
        .arg(accounts::lengthOf(user))
        .arg(accounts::nameWidth());
}

QString unfitPassword(const QString &password)
{
    if (password.isEmpty())
        return QStringLiteral("the password is empty: an account needs one");
    if (accounts::passwordFits(password))
        return QString();
    return QStringLiteral("the password has %1 characters; the login window takes at most %2")
        .arg(accounts::lengthOf(password))
        .arg(accounts::kPasswordLength);
}

int users(const QString &location, QTextStream &out, QTextStream &err)
{
    QList<accounts::Account> all;
    try {
        all = accountsAt(location);
    } catch (const EError &e) {
        err << "notadb: " << connection::printable(location) << ": " << e.message() << "\n";
        return 1;
    }
    if (all.isEmpty()) {
        out << "No accounts: nobody can log in\n";
        return 0;
    }
    const int width = accounts::nameWidth();
    out << QStringLiteral("User name").leftJustified(width) << "  Logins\n";
    for (const accounts::Account &a : all)
        out << a.name.leftJustified(width) << "  " << a.logins << "\n";
    return 0;
}

int passwd(const QString &location, const QString &user, QTextStream &out, QTextStream &err)
{
    if (user.isEmpty()) {
        err << "notadb: passwd needs the account's user name (--user NAME; notadb users lists them)\n";
        return 2;
    }
    if (const QString why = unfitName(user); !why.isEmpty()) {
        err << "notadb: " << why << "\n";
        return 2;
    }
    // The account is looked for first, so that nobody types a password for nothing.
    try {
        const QList<accounts::Account> all = accountsAt(location);
        if (std::none_of(all.begin(), all.end(), [&](const accounts::Account &a) { return a.name == user; })) {
            err << "notadb: " << connection::printable(location) << " has no account named '" << user
                << "' (notadb users lists them)\n";
            return 1;
        }
    } catch (const EError &e) {
        err << "notadb: " << connection::printable(location) << ": " << e.message() << "\n";
        return 1;
    }
    QString problem;
    const std::optional<QString> given = readPassword(user, problem);
    if (!given) {
        err << "notadb: " << problem << "; nothing was changed\n";
        return 2;
    }
    if (const QString why = unfitPassword(*given); !why.isEmpty()) {
        err << "notadb: " << why << "; nothing was changed\n";
        return 2;
    }
    try {
        if (!accounts::setPassword(user, *given)) {
            err << "notadb: the account '" << user << "' was removed meanwhile; nothing was changed\n";
            return 1;
        }
    } catch (const EError &e) {
        err << "notadb: " << connection::printable(location) << ": " << e.message() << "\n";
        return 1;
    }
    out << "Set a new password for the account " << user << "\n";
    return 0;
}
} // namespace notadb
