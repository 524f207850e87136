// The logged-in session: logging in (one hash check whether or not the name
// exists, the counter, plain-text passwords turned into hashes), the wait
// after wrong tries, the status and the change of name and password, and an
// account renamed or deleted at another desk while logged in.
#include "DataSupport.h"
#include "DataTestMain.h"
#include "TempDatabase.h"
#include "core/Errors.h"
#include "core/PasswordHash.h"
#include "shop/Session.h"

#include <QtTest>

namespace {
const QString kAdmin = QStringLiteral("admin");
const QString kPassword = QStringLiteral("Rahasia1");
using Outcome = Session::Outcome;
} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void logInCountsAndHoldsTheAccount();
    void refused_data();
    void refused();
    void plainTextPasswordBecomesHash();
    void nomerNotAWholeNumberLeavesLoginUndone();
    void delaysGrowAfterThreeWrongTries();
    void delayEndedByARightPassword();
    void wrongConfirmationsCountToo();
    void confirmOnlyTheOwnAccount_data();
    void confirmOnlyTheOwnAccount();
    void changeNameAndPassword();
    void changeRefusesWhatTheBoxesCannotHold_data();
    void changeRefusesWhatTheBoxesCannotHold();
    void changeNeedsAConfirmation();
    void accountGoneAtAnotherDesk_data();
    void accountGoneAtAnotherDesk();
    void listAndSetPassword();

private:
    QString accounts() const
    {
        return m_db->joined(QStringLiteral("SELECT \"NamaUser\" || ':' || \"Pass\" || ':' || \"Nomer\" FROM \"Adm\" ORDER BY \"NamaUser\""));
    }
    int logins(const QString &name) const
    {
        return m_db->scalar(QStringLiteral("SELECT \"Nomer\" FROM \"Adm\" WHERE \"NamaUser\" = ?"), {name}).toInt();
    }
    QString stored(const QString &name) const
    {
        return m_db->scalar(QStringLiteral("SELECT \"Pass\" FROM \"Adm\" WHERE \"NamaUser\" = ?"), {name}).toString();
    }
    void addAccount(const QString &name, const QString &pass, int logins) const
    {
        m_db->exec(QStringLiteral("INSERT INTO \"Adm\" (\"NamaUser\", \"Pass\", \"Nomer\") VALUES (?, ?, ?)"), {name, pass, logins});
    }

    std::unique_ptr<TempDatabase> m_db;
    qint64 m_now = 0;
    Session m_session{[this] { return m_now; }};
};

void TestSession::init()
{
    m_db = std::make_unique<TempDatabase>(kAdmin, kPassword);
    m_now = 5000;
    m_session.restart([this] { return m_now; });
}

void TestSession::cleanup() { m_db.reset(); }

void TestSession::logInCountsAndHoldsTheAccount()
{
    addAccount(QStringLiteral("kasir"), password::hash(QStringLiteral("Kasir99")), 7);
    QSignalSpy named(&m_session, &Session::userNameChanged);
    QVERIFY(!m_session.loggedIn());
    QVERIFY(!m_session.account());
    QCOMPARE(m_session.logIn(QStringLiteral("kasir"), QStringLiteral("Kasir99")), Outcome::Done);
    QVERIFY(m_session.loggedIn());
    QCOMPARE(m_session.userName(), QStringLiteral("kasir"));
    QCOMPARE(named.size(), 1);
    QCOMPARE(named.first().first().toString(), QStringLiteral("kasir"));
    QCOMPARE(logins(QStringLiteral("kasir")), 8);
    QCOMPARE(logins(kAdmin), 0);
    const std::optional<accounts::Account> account = m_session.account();
    QVERIFY(account);
    QCOMPARE(account->name, QStringLiteral("kasir"));
    QCOMPARE(account->logins, QStringLiteral("8"));
    m_session.logOut();
    QVERIFY(!m_session.loggedIn());
    QVERIFY(m_session.userName().isEmpty());
}

void TestSession::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("wrong password") << "admin" << "Rahasia2";
    QTest::newRow("password in other letter case") << "admin" << "rahasia1";
    QTest::newRow("user name in other letter case") << "Admin" << "Rahasia1";
    QTest::newRow("unknown user") << "tidakada" << "Rahasia1";
    QTest::newRow("empty user name") << "" << "Rahasia1";
    QTest::newRow("empty password") << "admin" << "";
    QTest::newRow("another account's password") << "admin" << "Kasir99";
}

void TestSession::refused()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    addAccount(QStringLiteral("kasir"), password::hash(QStringLiteral("Kasir99")), 0);
    const QString before = accounts();
    QCOMPARE(m_session.logIn(name, password), Outcome::Refused);
    QVERIFY(!m_session.loggedIn());
    QCOMPARE(accounts(), before);
}

void TestSession::plainTextPasswordBecomesHash()
{
    m_db->exec(QStringLiteral("UPDATE \"Adm\" SET \"Pass\" = 'Polos9'"));
    QCOMPARE(m_session.logIn(kAdmin, QStringLiteral("POLOS9")), Outcome::Refused);
    QCOMPARE(stored(kAdmin), QStringLiteral("Polos9"));
    QCOMPARE(m_session.logIn(kAdmin, QStringLiteral("Polos9")), Outcome::Done);
    QVERIFY(password::isHash(stored(kAdmin)));
    QVERIFY(password::verify(stored(kAdmin), QStringLiteral("Polos9")));
    QCOMPARE(logins(kAdmin), 1);
}

void TestSession::nomerNotAWholeNumberLeavesLoginUndone()
{
    m_db->exec(QStringLiteral("UPDATE \"Adm\" SET \"Pass\" = 'Polos9', \"Nomer\" = NULL"));
    QCOMPARE(errorOf([&] { m_session.logIn(kAdmin, QStringLiteral("Polos9")); }),
             QStringLiteral("'' is not a valid integer value"));
    QVERIFY(!m_session.loggedIn());
    QCOMPARE(stored(kAdmin), QStringLiteral("Polos9"));
}

// Three wrong tries cost nothing; then 1 s, 2 s, 4 s... up to a minute.
// A try within the wait checks nothing (even the right password).
void TestSession::delaysGrowAfterThreeWrongTries()
{
    const qint64 expected[] = {0, 0, 1000, 2000, 4000, 8000, 16000, 32000, 60000, 60000};
    for (const qint64 wait : expected) {
        QCOMPARE(m_session.logIn(QStringLiteral("tidakada"), QStringLiteral("x")), Outcome::Refused);
        QCOMPARE(m_session.waitBeforeNextTry(), wait);
        if (wait > 0) {
            m_now += wait - 1;
            QCOMPARE(m_session.waitBeforeNextTry(), 1);
            QCOMPARE(m_session.logIn(kAdmin, kPassword), Outcome::TooSoon);
            QCOMPARE(logins(kAdmin), 0);
            m_now += 1;
        }
    }
}

void TestSession::delayEndedByARightPassword()
{
    for (int i = 0; i < 4; ++i)
        m_session.logIn(kAdmin, QStringLiteral("salah"));
    m_now += m_session.waitBeforeNextTry();
    QCOMPARE(m_session.logIn(kAdmin, kPassword), Outcome::Done);
    QCOMPARE(m_session.waitBeforeNextTry(), 0);
    m_session.logOut();
    // Counting starts again: two more wrong tries cost nothing, the third a second.
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(m_session.logIn(kAdmin, QStringLiteral("salah")), Outcome::Refused);
        QCOMPARE(m_session.waitBeforeNextTry(), 0);
    }
    m_session.logIn(kAdmin, QStringLiteral("salah"));
    QCOMPARE(m_session.waitBeforeNextTry(), 1000);
}

// Guessing through the change-password confirmation is held back the same way.
void TestSession::wrongConfirmationsCountToo()
{
    QCOMPARE(m_session.logIn(kAdmin, kPassword), Outcome::Done);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(m_session.confirm(kAdmin, QStringLiteral("salah")), Outcome::Refused);
    QCOMPARE(m_session.confirm(kAdmin, kPassword), Outcome::TooSoon);
    m_now += 1000;
    QCOMPARE(m_session.confirm(kAdmin, kPassword), Outcome::Done);
    QCOMPARE(m_session.waitBeforeNextTry(), 0);
}

void TestSession::confirmOnlyTheOwnAccount_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("own name and password") << "admin" << "Rahasia1" << true;
    QTest::newRow("another account, its own password") << "kasir" << "Kasir99" << false;
    QTest::newRow("own name, another account's password") << "admin" << "Kasir99" << false;
    QTest::newRow("password in other letter case") << "admin" << "RAHASIA1" << false;
    QTest::newRow("empty name") << "" << "Rahasia1" << false;
}

void TestSession::confirmOnlyTheOwnAccount()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, confirmed);
    addAccount(QStringLiteral("kasir"), password::hash(QStringLiteral("Kasir99")), 5);
    QCOMPARE(m_session.logIn(kAdmin, kPassword), Outcome::Done);
    QCOMPARE(m_session.confirm(name, password), confirmed ? Outcome::Done : Outcome::Refused);
}

void TestSession::changeNameAndPassword()
{
    addAccount(QStringLiteral("kasir"), password::hash(QStringLiteral("Kasir99")), 5);
    QCOMPARE(m_session.logIn(kAdmin, kPassword), Outcome::Done);
    QCOMPARE(m_session.confirm(kAdmin, kPassword), Outcome::Done);
    QSignalSpy named(&m_session, &Session::userNameChanged);
    const QString name = QString(30, QChar(0x00E9));  // 30 characters, each two bytes in UTF-8
    QCOMPARE(m_session.change(name, QStringLiteral("Baru#2")), Outcome::Done);
    QCOMPARE(m_session.userName(), name);
    QCOMPARE(named.size(), 1);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT \"NamaUser\" FROM \"Adm\" WHERE \"Nomer\" = 1")).toString(), name);
    QVERIFY(password::verify(stored(name), QStringLiteral("Baru#2")));
    QCOMPARE(logins(QStringLiteral("kasir")), 5);
    QCOMPARE(m_session.account()->name, name);
    // The new name and password log in; the old ones do not.
    m_session.logOut();
    QCOMPARE(m_session.logIn(kAdmin, kPassword), Outcome::Refused);
    QCOMPARE(m_session.logIn(name, kPassword), Outcome::Refused);
    m_now += 1000;
    QCOMPARE(m_session.logIn(name, QStringLiteral("Baru#2")), Outcome::Done);
    QCOMPARE(logins(name), 2);
}

void TestSession::changeRefusesWhatTheBoxesCannotHold_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("name of 31 characters") << QString(31, QLatin1Char('n')) << "Baru#2";
    QTest::newRow("empty name") << "" << "Baru#2";
    QTest::newRow("password of 31 characters") << "baru" << QString(31, QLatin1Char('p'));
    QTest::newRow("empty password") << "baru" << "";
}

// Refused whole, never stored cut (a cut name used to lock the account out).
void TestSession::changeRefusesWhatTheBoxesCannotHold()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QCOMPARE(m_session.logIn(kAdmin, kPassword), Outcome::Done);
    QCOMPARE(m_session.confirm(kAdmin, kPassword), Outcome::Done);
    const QString before = accounts();
    QVERIFY(!errorOf([&] { m_session.change(name, password); }).isEmpty());
    QCOMPARE(accounts(), before);
    QCOMPARE(m_session.userName(), kAdmin);
}

void TestSession::changeNeedsAConfirmation()
{
    QCOMPARE(m_session.logIn(kAdmin, kPassword), Outcome::Done);
    const QString before = accounts();
    QCOMPARE(m_session.change(QStringLiteral("baru"), QStringLiteral("Baru#2")), Outcome::Refused);
    QCOMPARE(m_session.confirm(kAdmin, QStringLiteral("salah")), Outcome::Refused);
    QCOMPARE(m_session.change(QStringLiteral("baru"), QStringLiteral("Baru#2")), Outcome::Refused);
    // One confirmation, one change.
    QCOMPARE(m_session.confirm(kAdmin, kPassword), Outcome::Done);
    QCOMPARE(m_session.change(QStringLiteral("baru"), QStringLiteral("Baru#2")), Outcome::Done);
    QCOMPARE(m_session.change(QStringLiteral("lagi"), QStringLiteral("Lagi#3")), Outcome::Refused);
    QVERIFY(accounts() != before);
    QCOMPARE(m_session.userName(), QStringLiteral("baru"));
}

void TestSession::accountGoneAtAnotherDesk_data()
{
    QTest::addColumn<QString>("atAnotherDesk");
    QTest::newRow("renamed") << "UPDATE \"Adm\" SET \"NamaUser\" = 'pemilik' WHERE \"NamaUser\" = 'admin'";
    QTest::newRow("deleted") << "DELETE FROM \"Adm\" WHERE \"NamaUser\" = 'admin'";
}

// Nothing falls back on another account: no status, no confirmation, no
// change, and every account stays as it is.
void TestSession::accountGoneAtAnotherDesk()
{
    QFETCH(QString, atAnotherDesk);
    addAccount(QStringLiteral("aaa"), password::hash(kPassword), 41);
    QCOMPARE(m_session.logIn(kAdmin, kPassword), Outcome::Done);
    QCOMPARE(m_session.confirm(kAdmin, kPassword), Outcome::Done);
    m_db->exec(atAnotherDesk);
    const QString before = accounts();
    QVERIFY(!m_session.account());
    QCOMPARE(m_session.change(QStringLiteral("baru"), QStringLiteral("Baru#2")), Outcome::AccountGone);
    QCOMPARE(m_session.confirm(kAdmin, kPassword), Outcome::AccountGone);
    QCOMPARE(accounts(), before);
    QCOMPARE(m_session.userName(), kAdmin);
}

// The admin tool's way back in: the accounts with their logins, and a new
// password for one of them.
void TestSession::listAndSetPassword()
{
    addAccount(QStringLiteral("kasir"), QStringLiteral("lama"), 5);
    const QList<accounts::Account> all = accounts::list();
    QCOMPARE(all.size(), 2);
    QCOMPARE(all[0].name, kAdmin);
    QCOMPARE(all[0].logins, QStringLiteral("0"));
    QCOMPARE(all[1].name, QStringLiteral("kasir"));
    QCOMPARE(all[1].logins, QStringLiteral("5"));
    QVERIFY(!accounts::setPassword(QStringLiteral("tidakada"), QStringLiteral("x")));
    QVERIFY(accounts::setPassword(QStringLiteral("kasir"), QStringLiteral("Baru#2")));
    QVERIFY(password::verify(stored(QStringLiteral("kasir")), QStringLiteral("Baru#2")));
    QCOMPARE(logins(QStringLiteral("kasir")), 5);
    QCOMPARE(m_session.logIn(QStringLiteral("kasir"), QStringLiteral("Baru#2")), Outcome::Done);
}

NOTA_DATA_TEST_MAIN(TestSession)
#include "test_session.moc"
