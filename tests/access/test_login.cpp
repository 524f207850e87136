// Login window: the check step by step, the login counter, plain-text
// passwords turned into hashes, and the ways out of the program.
#include "AccessFixture.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "access/Exit.h"
#include "access/Login.h"
#include "access/MainMenu.h"
#include "core/PasswordHash.h"
#include "data/Table.h"

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
    void enterInABoxDoesNothing();
    void refused_data();
    void refused();
    void successHandsOverToMainWindow();
    void threeLoginsCountThreeFailuresNone();
    void nomerNotAWholeNumber();
    void refusedCounterStoreLeavesNothingHalfDone();
    void plainTextPasswordBecomesHash();
    void plainTextPasswordOtherCaseRefused();
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
    QVERIFY(!FLogin->Table1->active());
}

void TestLogin::windowDesign()
{
    QCOMPARE(FLogin->Edit2->echoMode(), QLineEdit::Password);
    QCOMPARE(FLogin->Label5->buddy(), FLogin->Edit1);
    QCOMPARE(FLogin->Label6->buddy(), FLogin->Edit2);
    QCOMPARE(FLogin->Edit1->nextInFocusChain(), FLogin->Edit2);
    for (QToolButton *b : {FLogin->SpeedButton1, FLogin->SpeedButton2}) {
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(b->toolTip().isEmpty());
    }
    QCOMPARE(FLogin->SpeedButton1->text(), QStringLiteral("Konfirmasi"));
    QCOMPARE(FLogin->SpeedButton2->text(), QStringLiteral("Exit"));
    QCOMPARE(FLogin->Table1->tableName(), QStringLiteral("Adm.db"));
    QCOMPARE(FLogin->Table1->indexFieldNames(), QStringLiteral("NamaUser"));
    QVERIFY(!FLogin->Table1->active());
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
    QVERIFY(!FLogin->Table1->active());
}

void TestLogin::enterInABoxDoesNothing()
{
    ScriptedInterface boxes;
    FLogin->Show();
    FLogin->Edit1->setText(AccessFixture::kAdmin);
    FLogin->Edit2->setText(AccessFixture::kPassword);
    QTest::keyClick(FLogin->Edit2, Qt::Key_Return);
    QTest::keyClick(FLogin->Edit1, Qt::Key_Enter);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!FMain->isVisible());
    QCOMPARE(fx.nomer().toInt(), 0);
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
    QVERIFY(!FLogin->Table1->active());
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
// login does not complete and no edit is left over for a later post.
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
    QCOMPARE(FLogin->Table1->state(), DataSetState::Inactive);
    fx.db().exec(QStringLiteral("DROP TRIGGER refuse"));
    // A later use of the table posts nothing left over from the refused login.
    FLogin->Table1->open();
    FLogin->Table1->findKey(AccessFixture::kAdmin);
    FLogin->Table1->close();
    QCOMPARE(fx.nomer().toInt(), 0);
    QVERIFY(fx.storedPass() == QStringLiteral("lama"));
}

void TestLogin::plainTextPasswordBecomesHash()
{
    fx.db().exec(QStringLiteral("UPDATE Adm SET Pass = 'Polos9'"));
    ScriptedInterface boxes;
    AccessFixture::typeLogin(AccessFixture::kAdmin, QStringLiteral("Polos9"));
    QCOMPARE(boxes.count(), 0);
    QVERIFY(FMain->isVisible());
    const QString stored = fx.storedPass();
    QVERIFY(password::isHash(stored));
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
