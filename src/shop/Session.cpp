#include "shop/Session.h"

#include "core/Errors.h"
#include "core/NumberText.h"
#include "core/PasswordHash.h"
#include "data/Table.h"
#include "shop/AccountScope.h"

namespace {
const QString kName = QStringLiteral("NamaUser");
const QString kPass = QStringLiteral("Pass");
const QString kLogins = QStringLiteral("Nomer");
} // namespace

Session::Session(LoginThrottle::Clock clock) : m_throttle(std::move(clock)) {}

void Session::restart(LoginThrottle::Clock clock)
{
    m_throttle = LoginThrottle(std::move(clock));
    m_user.clear();
    m_confirmed = false;
}

Session::Outcome Session::refused()
{
    m_throttle.failed();
    return Outcome::Refused;
}

Session::Outcome Session::logIn(const QString &name, const QString &password)
{
    if (waitBeforeNextTry() > 0)
        return Outcome::TooSoon;
    Table admins;
    accounts::prepare(admins);
    AccountScope scope(admins);
    std::optional<QString> stored;
    if (admins.findKey(name))
        stored = admins.fieldByName(kPass)->asString();
    if (!password::verifyEvenly(stored, password))
        return refused();
    const qint64 logins = numtext::strToInt(admins.fieldByName(kLogins)->asString());
    admins.edit();
    admins.fieldByName(kLogins)->setAsString(QString::number(logins + 1));
    if (!password::isHash(*stored))
        admins.fieldByName(kPass)->setAsString(password::hash(password));
    admins.post();
    m_throttle.succeeded();
    m_user = admins.fieldByName(kName)->asString();
    m_confirmed = false;
    emit userNameChanged(m_user);
    return Outcome::Done;
}

void Session::logOut()
{
    m_user.clear();
    m_confirmed = false;
}

std::optional<accounts::Account> Session::account() const
{
    if (!loggedIn())
        return std::nullopt;
    Table admins;
    accounts::prepare(admins);
    AccountScope scope(admins);
    if (!admins.findKey(m_user))
        return std::nullopt;
    return accounts::Account{admins.fieldByName(kName)->asString(), admins.fieldByName(kLogins)->asString()};
}

Session::Outcome Session::confirm(const QString &name, const QString &password)
{
    m_confirmed = false;
    if (waitBeforeNextTry() > 0)
        return Outcome::TooSoon;
    if (!loggedIn())
        return Outcome::AccountGone;
    Table admins;
    accounts::prepare(admins);
    AccountScope scope(admins);
    if (!admins.findKey(m_user))
        return Outcome::AccountGone;
    // The password is checked also when the name is wrong: the same work either way.
    const bool passwordRight = password::verifyEvenly(admins.fieldByName(kPass)->asString(), password);
    if (name != m_user || !passwordRight)
        return refused();
    m_throttle.succeeded();
    m_confirmed = true;
    return Outcome::Done;
}

Session::Outcome Session::change(const QString &newName, const QString &newPassword)
{
    if (newName.isEmpty() || !accounts::nameFits(newName))
        throw EError(QStringLiteral("User Name harus diisi, paling banyak %1 karakter").arg(accounts::nameWidth()));
    if (newPassword.isEmpty() || !accounts::passwordFits(newPassword))
        throw EError(QStringLiteral("Password harus diisi, paling banyak %1 karakter").arg(accounts::kPasswordLength));
    if (!m_confirmed)
        return Outcome::Refused;
    Table admins;
    accounts::prepare(admins);
    AccountScope scope(admins);
    if (!admins.findKey(m_user))
        return Outcome::AccountGone;
    admins.edit();
    admins.fieldByName(kName)->setAsString(newName);
    admins.fieldByName(kPass)->setAsString(password::hash(newPassword));
    admins.post();
    m_user = newName;
    m_confirmed = false;
    emit userNameChanged(m_user);
    return Outcome::Done;
}

Session &currentSession()
{
    static Session session;
    return session;
}
