#pragma once
// Who is logged in: the account is held by its key (NamaUser), and every
// question about it reads the accounts table afresh, so an account renamed
// or deleted at another desk is noticed instead of another one being used.
// The login, the main window's status box and the change-password window
// all go through the program's one session (currentSession()).
#include "shop/Accounts.h"
#include "shop/LoginThrottle.h"

#include <QObject>
#include <QString>
#include <optional>

class Session : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Done,
        Refused,      // wrong user name or password
        TooSoon,      // wrong tries in a row: nothing is checked until waitBeforeNextTry() has passed
        AccountGone,  // the logged-in account is no longer in the table under its name
    };

    explicit Session(LoginThrottle::Clock clock = {});

    // Nobody logged in and no wrong tries remembered; time read from `clock`.
    void restart(LoginThrottle::Clock clock = {});

    // Checks the name and the password with one hash check whether or not
    // the name exists, counts the login in Nomer and stores a password still
    // kept as typed as a hash. Done, Refused or TooSoon. Raises the engine's
    // error, or the conversion error of a Nomer that is not a whole number;
    // the login is then not complete and nothing is written.
    Outcome logIn(const QString &name, const QString &password);
    void logOut();
    bool loggedIn() const { return !m_user.isEmpty(); }
    // The logged-in account's key; after a log-out, empty.
    const QString &userName() const { return m_user; }
    // Milliseconds until another try of a password is accepted; 0: now.
    qint64 waitBeforeNextTry() const { return m_throttle.waitBeforeNextTry(); }

    // The logged-in account as stored now; nothing when it is gone (or nobody
    // is logged in).
    std::optional<accounts::Account> account() const;

    // Before a change: the logged-in account's own name and password. Wrong
    // tries count as at the login. Done, Refused, TooSoon or AccountGone.
    Outcome confirm(const QString &name, const QString &password);
    // A new name and password for the account confirmed just before: Done,
    // Refused (not confirmed), or AccountGone with nothing changed. A name
    // or password that is empty or longer than its box takes raises EError;
    // a name that another account has raises the engine's error.
    Outcome change(const QString &newName, const QString &newPassword);

signals:
    // The logged-in account's name: at login and after a change.
    void userNameChanged(const QString &name);

private:
    Outcome refused();

    LoginThrottle m_throttle;
    QString m_user;
    bool m_confirmed = false;
};

Session &currentSession();
