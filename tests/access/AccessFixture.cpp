#include "AccessFixture.h"

#include "access/Login.h"
#include "app/WindowSet.h"
#include "core/PasswordHash.h"
#include "data/Table.h"
#include "shop/Session.h"

#include <QLineEdit>
#include <QToolButton>

void AccessFixture::start()
{
    m_db = std::make_unique<TempDatabase>(kAdmin, kPassword);
    currentSession().restart();
    windowset::create();
}

void AccessFixture::stop()
{
    windowset::destroy();
    m_db.reset();
}

void AccessFixture::typeLogin(const QString &name, const QString &password)
{
    FLogin->Show();
    FLogin->Edit1->setText(name);
    FLogin->Edit2->setText(password);
    FLogin->SpeedButton1->click();
}

void AccessFixture::addAccount(const QString &name, const QString &password, int logins)
{
    Table admins;
    admins.setTableName(QStringLiteral("Adm.db"));
    admins.open();
    admins.append();
    admins.fieldByName(QStringLiteral("NamaUser"))->setAsString(name);
    admins.fieldByName(QStringLiteral("Pass"))->setAsString(password::hash(password));
    admins.fieldByName(QStringLiteral("Nomer"))->setAsString(QString::number(logins));
    admins.post();
    admins.close();
}

QVariant AccessFixture::nomer(const QString &name)
{
    return m_db->scalar(QStringLiteral("SELECT Nomer FROM Adm WHERE NamaUser = ?"), {name});
}

QString AccessFixture::storedPass(const QString &name)
{
    return m_db->scalar(QStringLiteral("SELECT Pass FROM Adm WHERE NamaUser = ?"), {name}).toString();
}

bool AccessFixture::accountExists(const QString &name)
{
    return m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Adm WHERE NamaUser = ?"), {name}).toInt() == 1;
}
