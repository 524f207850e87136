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
    return QStringLiteral("nama user '%1' terdiri dari %2 karakter; nama akun paling banyak %3 karakter")
        .arg(user)
        .arg(accounts::lengthOf(user))
        .arg(accounts::nameWidth());
}

QString unfitPassword(const QString &password)
{
    if (password.isEmpty())
        return QStringLiteral("kata sandi kosong: sebuah akun memerlukan kata sandi");
    if (accounts::passwordFits(password))
        return QString();
    return QStringLiteral("kata sandi terdiri dari %1 karakter; jendela login menerima paling banyak %2 karakter")
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
        out << "Tidak ada akun: tidak seorang pun dapat login\n";
        return 0;
    }
    const int width = accounts::nameWidth();
    out << QStringLiteral("Nama user").leftJustified(width) << "  Login\n";
    for (const accounts::Account &a : all)
        out << a.name.leftJustified(width) << "  " << a.logins << "\n";
    return 0;
}

int passwd(const QString &location, const QString &user, QTextStream &out, QTextStream &err)
{
    if (user.isEmpty()) {
        err << "notadb: passwd memerlukan nama user akun itu (--user NAME; notadb users menampilkan daftarnya)\n";
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
            err << "notadb: " << connection::printable(location) << " tidak punya akun bernama '" << user
                << "' (notadb users menampilkan daftarnya)\n";
            return 1;
        }
    } catch (const EError &e) {
        err << "notadb: " << connection::printable(location) << ": " << e.message() << "\n";
        return 1;
    }
    QString problem;
    const std::optional<QString> given = readPassword(user, problem);
    if (!given) {
        err << "notadb: " << problem << "; tidak ada yang diubah\n";
        return 2;
    }
    if (const QString why = unfitPassword(*given); !why.isEmpty()) {
        err << "notadb: " << why << "; tidak ada yang diubah\n";
        return 2;
    }
    try {
        if (!accounts::setPassword(user, *given)) {
            err << "notadb: akun '" << user << "' sudah dihapus sementara itu; tidak ada yang diubah\n";
            return 1;
        }
    } catch (const EError &e) {
        err << "notadb: " << connection::printable(location) << ": " << e.message() << "\n";
        return 1;
    }
    out << "Kata sandi baru dipasang untuk akun " << user << "\n";
    return 0;
}
} // namespace notadb
