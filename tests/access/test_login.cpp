// Login window: the check step by step, the keyboard, the login counter,
// plain-text passwords turned into hashes, the wait after wrong tries, and
// the ways out of the program.
#include "AccessFixture.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "access/Exit.h"
#include "access/Login.h"
#include "access/MainMenu.h"
#include "core/PasswordHash.h"
#include "data/Table.h"
#include "shop/Session.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void init() { fx.start(); }
    void cleanup() { fx.stop(); }

    void windowDesign();
    void bothBoxesEmptyDoNothing();
    void enterInEitherBoxLogsIn_data();
    void enterInEitherBoxLogsIn();
    void tabReachesTheButtons();
    void longNameCannotBeTyped();
    void refused_data();
    void refused();
    void successHandsOverToMainWindow();
    void threeLoginsCountThreeFailuresNone();
    void nomerNotAWholeNumber();
    void refusedCounterStoreLeavesNothingHalfDone();
    void plainTextPasswordBecomesHash();
    void plainTextPasswordOtherCaseRefused();
    void waitAfterThreeWrongTries();
    void exitButtonEndsThroughSplash();
    void closeBoxEndsAtOnce();

private:
    void expectLoggedOut();
    AccessFixture fx;
};

// After a refusal or an error: login window shown and empty, main window hidden.
void TestLogin::expectLoggedOut()
{
    QVERIFY(FLogin->isVisible());
    QVERIFY(!FMain->isVisible());
    QVERIFY(FLogin->Edit1->text().isEmpty());
    QVERIFY(FLogin->Edit2->text().isEmpty());
    QVERIFY(!currentSession().loggedIn());
}

void TestLogin::windowDesign()
{
    QCOMPARE(FLogin->Edit2->echoMode(), QLineEdit::Password);
    QCOMPARE(FLogin->Label5->buddy(), FLogin->Edit1);
    QCOMPARE(FLogin->Label6->buddy(), FLogin->Edit2);
    QCOMPARE(FLogin->Edit1->nextInFocusChain(), FLogin->Edit2);
    for (QToolButton *b : {FLogin->SpeedButton1, FLogin->SpeedButton2}) {
        // Reached by Tab, never taken by a click.
        QCOMPARE(b->focusPolicy(), Qt::TabFocus);
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(b->toolTip().isEmpty());
    }
    QCOMPARE(FLogin->SpeedButton1->text(), QStringLiteral("Konfirmasi"));
    QCOMPARE(FLogin->SpeedButton2->text(), QStringLiteral("Exit"));
    FLogin->Show();
    QCOMPARE(FLogin->focusWidget(), FLogin->Edit1);
}

void TestLogin::bothBoxesEmptyDoNothing()
{
    ScriptedInterface boxes;
    AccessFixture::typeLogin(QString(), QString());
    QCOMPARE(boxes.count(), 0);
    QVERIFY(FLogin->isVisible());
    QVERIFY(!FMain->isVisible());
    QCOMPARE(fx.nomer().toInt(), 0);
}

void TestLogin::enterInEitherBoxLogsIn_data()
{
    QTest::addColumn<bool>("inPasswordBox");
    QTest::addColumn<int>("key");
    QTest::newRow("Return in the password box") << true << int(Qt::Key_Return);
    QTest::newRow("keypad Enter in the password box") << true << int(Qt::Key_Enter);
    QTest::newRow("Return in the user-name box") << false << int(Qt::Key_Return);
    QTest::newRow("keypad Enter in the user-name box") << false << int(Qt::Key_Enter);
}

void TestLogin::enterInEitherBoxLogsIn()
{
    QFETCH(bool, inPasswordBox);
    QFETCH(int, key);
    ScriptedInterface boxes;
    FLogin->Show();
    QTest::keyClicks(FLogin->Edit1, AccessFixture::kAdmin);
    QTest::keyClicks(FLogin->Edit2, AccessFixture::kPassword);
    QLineEdit *box = inPasswordBox ? FLogin->Edit2 : FLogin->Edit1;
    box->setFocus();
    QTest::keyClick(box, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(FMain->isVisible());
    QVERIFY(!FLogin->isVisible());
    QCOMPARE(fx.nomer().toInt(), 1);
}

// Tab goes from the boxes to "Konfirmasi" and "Exit"; Space or Return on a
// button presses it.
void TestLogin::tabReachesTheButtons()
{
    ScriptedInterface boxes;
    FLogin->Show();
    FLogin->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FLogin));
    QStringList visited{FLogin->focusWidget()->objectName()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"Edit1", "Edit2", "SpeedButton1", "SpeedButton2"}));

    FLogin->Edit1->setText(AccessFixture::kAdmin);
    FLogin->Edit2->setText(QStringLiteral("salah"));
    FLogin->SpeedButton1->setFocus();
    QTest::keyClick(FLogin->SpeedButton1, Qt::Key_Space);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, QStringLiteral("UserName atau Password Salah!"));

    // Return on "Exit" is "Exit", not the default "Konfirmasi".
    FLogin->SpeedButton2->setFocus();
    QTest::keyClick(FLogin->SpeedButton2, Qt::Key_Return);
    QVERIFY(!FLogin->isVisible());
    QVERIFY(Fexit->isVisible());
    QTRY_VERIFY(boxes.programEnded());
}

// The boxes take what the account's fields keep whole.
void TestLogin::longNameCannotBeTyped()
{
    FLogin->Show();
    QTest::keyClicks(FLogin->Edit1, QString(40, QLatin1Char('n')));
    QTest::keyClicks(FLogin->Edit2, QString(40, QLatin1Char('p')));
    QCOMPARE(FLogin->Edit1->text(), QString(30, QLatin1Char('n')));
    QCOMPARE(FLogin->Edit2->text(), QString(30, QLatin1Char('p')));
}

void TestLogin::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("password in other letter case") << "admin" << "rahasia1";
    QTest::newRow("user name in other letter case") << "Admin" << "Rahasia1";
    QTest::newRow("wrong password") << "admin" << "Rahasia2";
    QTest::newRow("unknown user, first account's password") << "zzz" << "Rahasia1";
    QTest::newRow("only the password typed") << "" << "Rahasia1";
    QTest::newRow("only the user name typed") << "admin" << "";
    QTest::newRow("password with a trailing blank") << "admin" << "Rahasia1 ";
    QTest::newRow("another account's password") << "admin" << "Kasir99";
}

void TestLogin::refused()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    AccessFixture::addAccount(QStringLiteral("kasir"), QStringLiteral("Kasir99"));
    ScriptedInterface boxes;
    AccessFixture::typeLogin(name, password);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, QStringLiteral("UserName atau Password Salah!"));
    QCOMPARE(boxes.last().caption, QStringLiteral("Kesalahan"));
    QCOMPARE(boxes.last().kind, MsgKind::Exclamation);
    expectLoggedOut();
    QCOMPARE(FLogin->focusWidget(), FLogin->Edit1);
    QCOMPARE(fx.nomer().toInt(), 0);
    QCOMPARE(fx.nomer(QStringLiteral("kasir")).toInt(), 0);
    QVERIFY(FMain->Label1->text().isEmpty());
}

void TestLogin::successHandsOverToMainWindow()
{
    AccessFixture::addAccount(QStringLiteral("kasir"), QStringLiteral("Kasir99"), 7);
    ScriptedInterface boxes;
    AccessFixture::typeLogin(QStringLiteral("kasir"), QStringLiteral("Kasir99"));
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!FLogin->isVisible());
    QVERIFY(FMain->isVisible());
    QCOMPARE(FMain->Label1->text(), QStringLiteral("kasir"));
    QVERIFY(FLogin->Edit1->text().isEmpty());
    QVERIFY(FLogin->Edit2->text().isEmpty());
    QCOMPARE(fx.nomer(QStringLiteral("kasir")).toInt(), 8);
    QCOMPARE(fx.nomer().toInt(), 0);
}

void TestLogin::threeLoginsCountThreeFailuresNone()
{
    ScriptedInterface boxes;
    for (int round = 0; round < 3; ++round) {
        AccessFixture::typeLogin(AccessFixture::kAdmin, QStringLiteral("salah"));
        QVERIFY(FLogin->isVisible());
        AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
        QVERIFY(FMain->isVisible());
        FMain->logout();
        QVERIFY(FLogin->isVisible());
    }
    QCOMPARE(fx.nomer().toInt(), 3);
    QCOMPARE(boxes.count(), 3);
}

void TestLogin::nomerNotAWholeNumber()
{
    fx.db().exec(QStringLiteral("UPDATE Adm SET Nomer = NULL"));
    ScriptedInterface boxes;
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().kind, MsgKind::Error);
    QCOMPARE(boxes.last().caption, QStringLiteral("Kervano Nota Application"));
    QCOMPARE(boxes.last().text, QStringLiteral("'' is not a valid integer value."));
    expectLoggedOut();
    QVERIFY(fx.nomer().isNull());
    // The stored password is not rewritten by a login that did not complete.
    QVERIFY(password::isHash(fx.storedPass()));
}

// The engine refuses the counter (here a trigger): the error is shown, the
// login does not complete and nothing is left over for a later post.
void TestLogin::refusedCounterStoreLeavesNothingHalfDone()
{
    fx.db().exec(QStringLiteral("UPDATE Adm SET Pass = 'lama'"));
    fx.db().exec(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE UPDATE ON Adm BEGIN SELECT RAISE(ABORT, 'Record locked'); END"));
    ScriptedInterface boxes;
    AccessFixture::typeLogin(AccessFixture::kAdmin, QStringLiteral("lama"));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().kind, MsgKind::Error);
    expectLoggedOut();
    QCOMPARE(fx.nomer().toInt(), 0);
    QVERIFY(fx.storedPass() == QStringLiteral("lama"));
    fx.db().exec(QStringLiteral("DROP TRIGGER refuse"));
    // The next login counts once: nothing of the refused one is posted with it.
    AccessFixture::typeLogin(AccessFixture::kAdmin, QStringLiteral("lama"));
    QVERIFY(FMain->isVisible());
    QCOMPARE(fx.nomer().toInt(), 1);
    QVERIFY(password::isHash(fx.storedPass()));
}

// The hash is made with the program's own limits (argon2id, 64 MiB, two passes).
void TestLogin::plainTextPasswordBecomesHash()
{
    RealPasswordHashes realLimits;
    fx.db().exec(QStringLiteral("UPDATE Adm SET Pass = 'Polos9'"));
    ScriptedInterface boxes;
    AccessFixture::typeLogin(AccessFixture::kAdmin, QStringLiteral("Polos9"));
    QCOMPARE(boxes.count(), 0);
    QVERIFY(FMain->isVisible());
    const QString stored = fx.storedPass();
    QVERIFY(password::isHash(stored));
    QVERIFY2(stored.startsWith(QStringLiteral("$argon2id$v=19$m=65536,t=2,p=1$")), qPrintable(stored));
    QVERIFY(!stored.contains(QStringLiteral("Polos9")));
    QVERIFY(password::verify(stored, QStringLiteral("Polos9")));
    QCOMPARE(fx.nomer().toInt(), 1);
    // The hash lets the same password in again, and only that one.
    FMain->logout();
    AccessFixture::typeLogin(AccessFixture::kAdmin, QStringLiteral("polos9"));
    QCOMPARE(boxes.count(), 1);
    AccessFixture::typeLogin(AccessFixture::kAdmin, QStringLiteral("Polos9"));
    QVERIFY(FMain->isVisible());
    QCOMPARE(fx.nomer().toInt(), 2);
}

void TestLogin::plainTextPasswordOtherCaseRefused()
{
    fx.db().exec(QStringLiteral("UPDATE Adm SET Pass = 'Polos9'"));
    ScriptedInterface boxes;
    AccessFixture::typeLogin(AccessFixture::kAdmin, QStringLiteral("POLOS9"));
    QCOMPARE(boxes.count(), 1);
    expectLoggedOut();
    QVERIFY(fx.storedPass() == QStringLiteral("Polos9"));
}

// After three wrong tries in a row the next one waits (1 s, then 2 s...): a
// try made sooner is answered by a message, checks nothing and keeps the
// boxes; the window stays usable. A right password ends the run.
void TestLogin::waitAfterThreeWrongTries()
{
    qint64 now = 0;
    currentSession().restart([&now] { return now; });
    ScriptedInterface boxes;
    for (int i = 0; i < 3; ++i)
        AccessFixture::typeLogin(QString::fromLatin1(i == 1 ? "tidakada" : "admin"), QStringLiteral("salah"));
    QCOMPARE(boxes.count(), 3);

    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
    QCOMPARE(boxes.count(), 4);
    QCOMPARE(boxes.last().text,
             QStringLiteral("Terlalu banyak percobaan yang salah. Silakan coba lagi dalam 1 detik."));
    QCOMPARE(boxes.last().caption, QStringLiteral("Kesalahan"));
    QCOMPARE(boxes.last().kind, MsgKind::Exclamation);
    QVERIFY(!FMain->isVisible());
    QCOMPARE(FLogin->Edit1->text(), AccessFixture::kAdmin);
    QCOMPARE(FLogin->Edit2->text(), AccessFixture::kPassword);
    QVERIFY(FLogin->Edit1->isEnabled() && FLogin->SpeedButton1->isEnabled());
    QCOMPARE(fx.nomer().toInt(), 0);

    // Once the wait is over the same try goes through, by Return as a person would.
    now += 1000;
    QTest::keyClick(FLogin->Edit2, Qt::Key_Return);
    QVERIFY(FMain->isVisible());
    QCOMPARE(fx.nomer().toInt(), 1);

    // The run was ended by the right password: one wrong try costs no wait.
    FMain->logout();
    boxes.clear();
    AccessFixture::typeLogin(AccessFixture::kAdmin, QStringLiteral("salah"));
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
    QCOMPARE(boxes.count(), 1);
    QVERIFY(FMain->isVisible());
}

void TestLogin::exitButtonEndsThroughSplash()
{
    ScriptedInterface boxes;
    FLogin->Show();
    FLogin->SpeedButton2->click();
    QVERIFY(!FLogin->isVisible());
    QVERIFY(Fexit->isVisible());
    QTRY_VERIFY(boxes.programEnded());
    QCOMPARE(boxes.count(), 0);
}

void TestLogin::closeBoxEndsAtOnce()
{
    ScriptedInterface boxes;
    FLogin->Show();
    FLogin->Close();
    QVERIFY(boxes.programEnded());
    QVERIFY(!Fexit->isVisible());
    QCOMPARE(boxes.count(), 0);
}

NOTA_TEST_MAIN(TestLogin)
#include "test_login.moc"
