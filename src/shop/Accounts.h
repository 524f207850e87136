#pragma once
// The administrator accounts (table Adm), for the logged-in session and the
// admin tool: what a user name and a password may be, the list of accounts
// and a new password for one of them.
#include <QList>
#include <QString>

class Table;

namespace accounts {
// The longest user name an account holds whole: the width of NamaUser.
int nameWidth();
// The longest password the windows take; a longer one could never be typed
// at the login window.
constexpr int kPasswordLength = 30;

// Characters as a field's width counts them.
qsizetype lengthOf(const QString &text);
bool nameFits(const QString &name);
bool passwordFits(const QString &password);

struct Account {
    QString name;
    QString logins;  // Nomer as stored, as text
};

// Every account in name order. Raises the engine's error.
QList<Account> list();

// Stores `password` as a hash for the account `name`; false (nothing
// written) when no account has that name. Raises the engine's error.
bool setPassword(const QString &name, const QString &password);

// Adm.db in NamaUser order, closed.
void prepare(Table &admins);
} // namespace accounts
