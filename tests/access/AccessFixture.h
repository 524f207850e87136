#pragma once
// A fresh database with one account, a fresh session (nobody logged in, no
// wrong tries) and a fresh window set per test, and the steps a user takes at
// the login window.
#include "TempDatabase.h"

#include <QString>
#include <QVariant>
#include <memory>

class AccessFixture {
public:
    static inline const QString kAdmin = QStringLiteral("admin");
    static inline const QString kPassword = QStringLiteral("Rahasia1");

    // Database first, windows second; stop() undoes both in reverse order.
    void start();
    void stop();

    TempDatabase &db() { return *m_db; }

    // Types into the login window and presses "Konfirmasi".
    static void typeLogin(const QString &name, const QString &password);
    // Adds an account through the engine (password stored as a hash).
    static void addAccount(const QString &name, const QString &password, int logins = 0);

    // Adm's fields of one account, read directly from the database.
    QVariant nomer(const QString &name = kAdmin);
    QString storedPass(const QString &name = kAdmin);
    bool accountExists(const QString &name);

private:
    std::unique_ptr<TempDatabase> m_db;
};
