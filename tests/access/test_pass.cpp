// Change password: the two stages, the confirmation against the logged-in
// account, the five checks, storing, and what a change means for logging in.
#include "AccessFixture.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "access/Login.h"
#include "access/MainMenu.h"
#include "access/Pass.h"
#include "core/PasswordHash.h"
#include "data/Table.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kError = QStringLiteral("Kesalahan");

// The widgets Tab visits from `start`, until the focus comes back round.
QStringList tabCycle(QWidget *start)
{
    start->setFocus();
    QStringList visited{start->objectName()};
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (!now || now == start)
            break;
        visited << now->objectName();
    }
    return visited;
}
} // namespace

class TestPass : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fx.stop(); }

    void confirmingStage();
    void bothUpperBoxesEmptyDoNothing();
    void confirmationRefused_data();
    void confirmationRefused();
    void confirmationAccepted();
    void keyboardInBothStages();
    void changeChecks_data();
    void changeChecks();
    void changeStoredThenLoginWithNewPasswordOnly();
    void reopenAfterChangingStage();
    void duplicateNameRefusedByEngine();
    void longNameCannotBeTyped();
    void accountGoneAtAnotherDesk_data();
    void accountGoneAtAnotherDesk();

private:
    void confirm();
    void typeNew(const QString &name, const QString &nameAgain, const QString &password,
                 const QString &passwordAgain);
    AccessFixture fx;
};

void TestPass::init()
{
    fx.start();
    AccessFixture::addAccount(QStringLiteral("kasir"), QStringLiteral("Kasir99"), 5);
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
    QVERIFY(FMain->isVisible());
    FMain->GantiPassword1->trigger();
    QVERIFY(FPass->isVisible());
    FPass->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FPass));
}

void TestPass::confirm()
{
    FPass->Edit1->setText(AccessFixture::kAdmin);
    FPass->Edit2->setText(AccessFixture::kPassword);
    FPass->BitBtn1->click();
    QVERIFY(!FPass->confirming());
}

void TestPass::typeNew(const QString &name, const QString &nameAgain, const QString &password,
                       const QString &passwordAgain)
{
    FPass->Edit3->setText(name);
    FPass->Edit4->setText(nameAgain);
    FPass->Edit5->setText(password);
    FPass->Edit6->setText(passwordAgain);
}

void TestPass::confirmingStage()
{
    QCOMPARE(FPass->outerHeight(), TFPass::kConfirmingHeight);
    QCOMPARE(FPass->width(), 393);
    QVERIFY(FPass->confirming());
    QVERIFY(!FPass->Panel2->isVisible());
    QVERIFY(!FPass->Edit3->isEnabled());
    QVERIFY(FPass->Edit1->isEnabled() && FPass->Edit2->isEnabled() && FPass->BitBtn1->isEnabled());
    QCOMPARE(QApplication::focusWidget(), FPass->Edit1);
    for (QLineEdit *e : {FPass->Edit2, FPass->Edit5, FPass->Edit6})
        QCOMPARE(e->echoMode(), QLineEdit::Password);
    QCOMPARE(FPass->Label4->buddy(), FPass->Edit4);
}

void TestPass::bothUpperBoxesEmptyDoNothing()
{
    ScriptedInterface boxes;
    FPass->BitBtn1->click();
    QCOMPARE(boxes.count(), 0);
    QVERIFY(FPass->confirming());
}

void TestPass::confirmationRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("only the password typed") << "" << "Rahasia1";
    QTest::newRow("password in other letter case") << "admin" << "RAHASIA1";
    QTest::newRow("user name in other letter case") << "ADMIN" << "Rahasia1";
    QTest::newRow("another account, its own password") << "kasir" << "Kasir99";
    QTest::newRow("only the user name typed") << "admin" << "";
}

void TestPass::confirmationRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    ScriptedInterface boxes;
    FPass->Edit1->setText(name);
    FPass->Edit2->setText(password);
    FPass->BitBtn1->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, QStringLiteral("UserName atau Password Salah!"));
    QCOMPARE(boxes.last().caption, kError);
    QCOMPARE(boxes.last().kind, MsgKind::Exclamation);
    QVERIFY(FPass->Edit1->text().isEmpty());
    QVERIFY(FPass->Edit2->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), FPass->Edit1);
    QVERIFY(FPass->confirming());
    QCOMPARE(FPass->outerHeight(), TFPass::kConfirmingHeight);
}

void TestPass::confirmationAccepted()
{
    ScriptedInterface boxes;
    confirm();
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(FPass->outerHeight(), TFPass::kChangingHeight);
    QVERIFY(FPass->Panel2->isVisible());
    QVERIFY(FPass->Edit3->isEnabled());
    QVERIFY(!FPass->Edit1->isEnabled() && !FPass->Edit2->isEnabled() && !FPass->BitBtn1->isEnabled());
    QCOMPARE(FPass->Edit1->text(), AccessFixture::kAdmin);
    QCOMPARE(QApplication::focusWidget(), FPass->Edit3);
}

// Tab order, the lower panel out of reach while confirming, Enter as
// "Konfirmasi" while it is enabled, Escape as "Batal".
void TestPass::keyboardInBothStages()
{
    ScriptedInterface boxes;
    QCOMPARE(tabCycle(FPass->Edit1), (QStringList{"Edit1", "Edit2", "BitBtn1"}));
    // Escape leaves the window also while confirming, as the close box does
    // (it used to do nothing until "Batal" was in reach).
    QTest::keyClick(FPass->Edit1, Qt::Key_Escape);
    QVERIFY(!FPass->isVisible());
    FMain->GantiPassword1->trigger();
    FPass->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FPass));

    FPass->Edit1->setText(AccessFixture::kAdmin);
    FPass->Edit2->setText(AccessFixture::kPassword);
    QTest::keyClick(FPass->Edit2, Qt::Key_Return);
    QVERIFY(!FPass->confirming());
    QCOMPARE(boxes.count(), 0);

    QCOMPARE(tabCycle(FPass->Edit3), (QStringList{"Edit3", "Edit4", "Edit5", "Edit6", "BitBtn2", "BitBtn3"}));
    // "Konfirmasi" is disabled now: Enter in a box does nothing.
    FPass->Edit3->setFocus();
    QTest::keyClick(FPass->Edit3, Qt::Key_Return);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(FPass->isVisible());

    QTest::keyClick(FPass->Edit4, Qt::Key_Escape);
    QVERIFY(!FPass->isVisible());
}

void TestPass::changeChecks_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("new name empty") << QStringList{"", "baru", "Pw1", "Pw1"} << "Kolom UserName Baru Masih Kosong!"
                                    << false;
    QTest::newRow("name again empty") << QStringList{"baru", "", "Pw1", "Pw1"}
                                      << "Kolom Ulangi UserName Baru Masih Kosong!" << false;
    QTest::newRow("new password empty") << QStringList{"baru", "baru", "", "Pw1"}
                                        << "Kolom Password Baru Masih Kosong!" << false;
    QTest::newRow("password again empty") << QStringList{"baru", "baru", "Pw1", ""}
                                          << "Kolom Ulangi Password Baru Masih Kosong!" << false;
    QTest::newRow("all empty: first check wins") << QStringList{"", "", "", ""} << "Kolom UserName Baru Masih Kosong!"
                                                 << false;
    QTest::newRow("names differ") << QStringList{"baru", "bari", "Pw1", "Pw1"} << "Pengisian Kolom Salah!" << true;
    QTest::newRow("names differ in letter case") << QStringList{"baru", "Baru", "Pw1", "Pw1"}
                                                 << "Pengisian Kolom Salah!" << true;
    QTest::newRow("passwords differ in letter case") << QStringList{"baru", "baru", "Pw1", "pw1"}
                                                     << "Pengisian Kolom Salah!" << true;
}

void TestPass::changeChecks()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(bool, emptied);
    confirm();
    ScriptedInterface boxes;
    typeNew(typed[0], typed[1], typed[2], typed[3]);
    FPass->BitBtn2->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, message);
    QCOMPARE(boxes.last().caption, kError);
    QCOMPARE(boxes.last().kind, MsgKind::Exclamation);
    const QList<QLineEdit *> lower{FPass->Edit3, FPass->Edit4, FPass->Edit5, FPass->Edit6};
    for (int i = 0; i < 4; ++i)
        QVERIFY(lower[i]->text() == (emptied ? QString() : typed[i]));
    // Nothing written, still changing.
    QVERIFY(FPass->isVisible());
    QVERIFY(!FPass->confirming());
    QVERIFY(fx.accountExists(AccessFixture::kAdmin));
    QVERIFY(password::verify(fx.storedPass(), AccessFixture::kPassword));
    QCOMPARE(FMain->Label1->text(), AccessFixture::kAdmin);
}

// Stored with the program's own hash limits (argon2id, 64 MiB, two passes).
void TestPass::changeStoredThenLoginWithNewPasswordOnly()
{
    RealPasswordHashes realLimits;
    confirm();
    ScriptedInterface boxes;
    typeNew(QStringLiteral("pemilik"), QStringLiteral("pemilik"), QStringLiteral("Baru#2"), QStringLiteral("Baru#2"));
    FPass->BitBtn2->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, QStringLiteral("Username Dan Password Diubah!"));
    QCOMPARE(boxes.last().caption, QStringLiteral("Ganti Password"));
    QCOMPARE(boxes.last().kind, MsgKind::Information);
    QCOMPARE(FMain->Label1->text(), QStringLiteral("pemilik"));
    QVERIFY(!FPass->isVisible());
    for (QLineEdit *e : {FPass->Edit3, FPass->Edit4, FPass->Edit5, FPass->Edit6})
        QVERIFY(e->text().isEmpty());

    // Stored as a hash under the new name; the counter is untouched.
    QVERIFY(!fx.accountExists(AccessFixture::kAdmin));
    const QString stored = fx.storedPass(QStringLiteral("pemilik"));
    QVERIFY(password::isHash(stored));
    QVERIFY2(stored.startsWith(QStringLiteral("$argon2id$v=19$m=65536,t=2,p=1$")), qPrintable(stored));
    QVERIFY(password::verify(stored, QStringLiteral("Baru#2")));
    QCOMPARE(fx.nomer(QStringLiteral("pemilik")).toInt(), 1);
    QCOMPARE(fx.nomer(QStringLiteral("kasir")).toInt(), 5);

    // The status box finds the account under its new name.
    boxes.clear();
    FMain->Status1->trigger();
    QVERIFY(boxes.last().text.contains(QStringLiteral("\nAdmin : pemilik\n\nStatus Login : 1 Kali\n")));

    FMain->logout();
    boxes.clear();
    AccessFixture::typeLogin(QStringLiteral("pemilik"), AccessFixture::kPassword);
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
    QCOMPARE(boxes.count(), 2);
    QVERIFY(!FMain->isVisible());
    AccessFixture::typeLogin(QStringLiteral("pemilik"), QStringLiteral("Baru#2"));
    QVERIFY(FMain->isVisible());
    QCOMPARE(fx.nomer(QStringLiteral("pemilik")).toInt(), 2);
}

void TestPass::reopenAfterChangingStage()
{
    confirm();
    typeNew(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"));
    FPass->Close();
    QVERIFY(!FPass->isVisible());
    FMain->GantiPassword1->trigger();
    QVERIFY(FPass->isVisible());
    QCOMPARE(FPass->outerHeight(), TFPass::kConfirmingHeight);
    QVERIFY(FPass->confirming());
    QVERIFY(FPass->Edit1->text().isEmpty() && FPass->Edit2->text().isEmpty());
    QVERIFY(FPass->Edit1->isEnabled() && FPass->Edit2->isEnabled() && FPass->BitBtn1->isEnabled());
    for (QLineEdit *e : {FPass->Edit3, FPass->Edit4, FPass->Edit5, FPass->Edit6})
        QVERIFY(e->text().isEmpty());
}

// The new name is another account's key: the engine refuses the post. The
// error dialog shows; no success, no label change, the window stays; the
// record's edit is dropped and the table closed, so nothing is posted later.
void TestPass::duplicateNameRefusedByEngine()
{
    confirm();
    ScriptedInterface boxes;
    typeNew(QStringLiteral("kasir"), QStringLiteral("kasir"), QStringLiteral("Baru#2"), QStringLiteral("Baru#2"));
    FPass->BitBtn2->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().kind, MsgKind::Error);
    QCOMPARE(boxes.last().caption, QStringLiteral("Kervano Nota Application"));
    QVERIFY(FPass->isVisible());
    QVERIFY(!FPass->confirming());
    QCOMPARE(FMain->Label1->text(), AccessFixture::kAdmin);
    QVERIFY(password::verify(fx.storedPass(), AccessFixture::kPassword));
    QVERIFY(password::verify(fx.storedPass(QStringLiteral("kasir")), QStringLiteral("Kasir99")));

    // The status box afterwards works on the unchanged account.
    boxes.clear();
    FMain->Status1->trigger();
    QCOMPARE(boxes.count(), 1);
    QVERIFY(boxes.last().text.contains(QStringLiteral("Status Login : 1 Kali")));
    QVERIFY(fx.accountExists(AccessFixture::kAdmin));

    // A corrected name goes through.
    typeNew(QStringLiteral("kasir2"), QStringLiteral("kasir2"), QStringLiteral("Baru#2"), QStringLiteral("Baru#2"));
    boxes.clear();
    FPass->BitBtn2->click();
    QCOMPARE(boxes.last().text, QStringLiteral("Username Dan Password Diubah!"));
    QVERIFY(fx.accountExists(QStringLiteral("kasir2")));
}

// Every box takes what the account keeps whole: a name of 30 characters is
// stored as typed and logs in; the 31st character cannot be typed (a longer
// name used to be stored cut, locking the account out).
void TestPass::longNameCannotBeTyped()
{
    for (QLineEdit *e : {FPass->Edit1, FPass->Edit2})
        QTest::keyClicks(e, QString(40, QLatin1Char('x')));
    QCOMPARE(FPass->Edit1->text().size(), 30);
    QCOMPARE(FPass->Edit2->text().size(), 30);
    FPass->Edit1->clear();
    FPass->Edit2->clear();
    confirm();
    const QString name = QStringLiteral("Pemilik Toko Kervano Jaya Abad");  // 30 characters
    const QString longer = name + QStringLiteral(" Baru");
    for (QLineEdit *e : {FPass->Edit3, FPass->Edit4})
        QTest::keyClicks(e, longer);
    for (QLineEdit *e : {FPass->Edit5, FPass->Edit6})
        QTest::keyClicks(e, QString(31, QLatin1Char('p')));
    QCOMPARE(FPass->Edit3->text(), name);
    QCOMPARE(FPass->Edit4->text(), name);
    QCOMPARE(FPass->Edit6->text(), QString(30, QLatin1Char('p')));
    ScriptedInterface boxes;
    FPass->BitBtn2->click();
    QCOMPARE(boxes.last().text, QStringLiteral("Username Dan Password Diubah!"));
    QVERIFY(fx.accountExists(name));
    QCOMPARE(FMain->Label1->text(), name);
    FMain->logout();
    AccessFixture::typeLogin(name, QString(30, QLatin1Char('p')));
    QVERIFY(FMain->isVisible());
}

// The logged-in account renamed or deleted at another desk, before the
// confirmation or between it and the change: said plainly, the window
// closes, nothing is changed (no other account's record is rewritten).
void TestPass::accountGoneAtAnotherDesk_data()
{
    QTest::addColumn<QString>("atAnotherDesk");
    QTest::addColumn<bool>("afterConfirming");
    const QString renamed = QStringLiteral("UPDATE Adm SET NamaUser = 'pemilik' WHERE NamaUser = 'admin'");
    const QString deleted = QStringLiteral("DELETE FROM Adm WHERE NamaUser = 'admin'");
    QTest::newRow("renamed before confirming") << renamed << false;
    QTest::newRow("deleted before confirming") << deleted << false;
    QTest::newRow("renamed before the change") << renamed << true;
    QTest::newRow("deleted before the change") << deleted << true;
}

void TestPass::accountGoneAtAnotherDesk()
{
    QFETCH(QString, atAnotherDesk);
    QFETCH(bool, afterConfirming);
    if (afterConfirming)
        confirm();
    fx.db().exec(atAnotherDesk);
    const QString before = fx.db().joined(QStringLiteral("SELECT NamaUser || ':' || Pass || ':' || Nomer FROM Adm ORDER BY NamaUser"));
    ScriptedInterface boxes;
    if (afterConfirming) {
        typeNew(QStringLiteral("baru"), QStringLiteral("baru"), QStringLiteral("Pw1"), QStringLiteral("Pw1"));
        FPass->BitBtn2->click();
    } else {
        FPass->Edit1->setText(AccessFixture::kAdmin);
        FPass->Edit2->setText(AccessFixture::kPassword);
        FPass->BitBtn1->click();
    }
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text,
             QStringLiteral("Akun \"admin\" tidak ada lagi di database: namanya diganti atau akun dihapus di komputer "
                            "lain. Tidak ada yang diubah. Silakan Log Out, lalu login kembali."));
    QCOMPARE(boxes.last().caption, kError);
    QCOMPARE(boxes.last().kind, MsgKind::Exclamation);
    QVERIFY(!FPass->isVisible());
    QCOMPARE(fx.db().joined(QStringLiteral("SELECT NamaUser || ':' || Pass || ':' || Nomer FROM Adm ORDER BY NamaUser")), before);
    QCOMPARE(FMain->Label1->text(), AccessFixture::kAdmin);
}

NOTA_TEST_MAIN(TestPass)
#include "test_pass.moc"
