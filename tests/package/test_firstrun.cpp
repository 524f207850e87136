// The first start without a database: the window that creates it with its
// first account (and, if asked, the sample shop) before the login window.
#include "TempDatabase.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "app/FirstRun.h"
#include "core/PasswordHash.h"
#include "data/Connection.h"
#include "data/sqlite/SqliteConnection.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kError = QStringLiteral("Kesalahan");

// One value read straight from the file, past the engine.
QVariant valueIn(const QString &file, const QString &sql)
{
    return connection::ofFile(file)->scalar(sql, {});
}
} // namespace

class TestFirstRun : public QObject {
    Q_OBJECT
private slots:
    void createsTheDatabaseWithItsFirstAccount_data();
    void createsTheDatabaseWithItsFirstAccount();
    void escapeLeavesWithoutADatabase();
    void anExistingDatabaseIsLeftAlone();
    void aServerDatabaseIsNotOffered();
};

void TestFirstRun::createsTheDatabaseWithItsFirstAccount_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("repeated");
    QTest::addColumn<bool>("sample");
    QTest::addColumn<QString>("message");   // the one box shown
    QTest::addColumn<QString>("account");   // stored user name; empty: no database made
    QTest::addColumn<int>("goods");

    QTest::newRow("account only") << "kasir" << "rahasia" << "rahasia" << false
                                  << "Database dibuat. Silakan login sebagai kasir." << "kasir" << 0;
    QTest::newRow("with the sample shop") << "admin" << "admin" << "admin" << true
                                          << "Database dibuat. Silakan login sebagai admin." << "admin" << 36;
    QTest::newRow("blanks around the name are not kept") << "  toko 1 " << "x" << "x" << false
                                                         << "Database dibuat. Silakan login sebagai toko 1." << "toko 1" << 0;
    // The boxes take what the account keeps whole and the login window takes.
    QTest::newRow("name and password of 40 characters typed") << QString(40, QLatin1Char('n')) << QString(40, QLatin1Char('p'))
                                                             << QString(40, QLatin1Char('p')) << false
                                                             << "Database dibuat. Silakan login sebagai " + QString(30, QLatin1Char('n')) + "."
                                                             << QString(30, QLatin1Char('n')) << 0;
    QTest::newRow("empty name") << "" << "rahasia" << "rahasia" << false << "User Name tidak boleh kosong!" << "" << 0;
    QTest::newRow("blank name") << "   " << "rahasia" << "rahasia" << true << "User Name tidak boleh kosong!" << "" << 0;
    QTest::newRow("empty password") << "kasir" << "" << "" << false << "Password tidak boleh kosong!" << "" << 0;
    QTest::newRow("passwords differ") << "kasir" << "rahasia" << "rahasai" << false
                                      << "Password dan ulangan password tidak sama!" << "" << 0;
    QTest::newRow("repeat missing") << "kasir" << "rahasia" << "" << false
                                    << "Password dan ulangan password tidak sama!" << "" << 0;
}

void TestFirstRun::createsTheDatabaseWithItsFirstAccount()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, repeated);
    QFETCH(bool, sample);
    QFETCH(QString, message);
    QFETCH(QString, account);
    QFETCH(int, goods);
    QTemporaryDir home;
    // A folder that does not exist yet, as on a fresh desktop.
    const QString file = QDir(home.path()).filePath(QStringLiteral("data/sistemnota/kv.sqlite"));
    AliasOverride alias(QStringLiteral("KV"), file);
    ScriptedInterface scripted;
    bool shown = false;
    QString typedAfterRefusal;
    scripted.actInside<TFFirstRun>([&](TFFirstRun &w) {
        shown = w.isVisible();
        QCOMPARE(w.Label2->text(), file);
        QCOMPARE(w.focusWidget(), w.Edit1);
        QTest::keyClicks(w.Edit1, name);
        QTest::keyClicks(w.Edit2, password);
        QTest::keyClicks(w.Edit3, repeated);
        w.CheckBox1->setChecked(sample);
        QTest::keyClick(w.Edit3, Qt::Key_Return);  // the default button
        typedAfterRefusal = w.Edit2->text() + w.Edit3->text();
    });

    const bool ready = firstrun::ensureDatabase();
    QVERIFY(shown);
    QCOMPARE(scripted.count(), 1);
    QCOMPARE(scripted.last().text, message);
    QCOMPARE(ready, !account.isEmpty());
    QCOMPARE(QFileInfo::exists(file), !account.isEmpty());
    if (account.isEmpty()) {
        QCOMPARE(scripted.last().caption, kError);
        QCOMPARE(scripted.last().kind, MsgKind::Exclamation);
        if (message.startsWith(QLatin1String("Password dan")))
            QCOMPARE(typedAfterRefusal, QString());  // both typed again
        return;
    }
    QCOMPARE(scripted.last().kind, MsgKind::Information);
    QCOMPARE(typedAfterRefusal, QString());  // no password left in the window
    QCOMPARE(valueIn(file, QStringLiteral("SELECT COUNT(*) FROM \"Adm\"")).toInt(), 1);
    QCOMPARE(valueIn(file, QStringLiteral("SELECT \"NamaUser\" FROM \"Adm\"")).toString(), account);
    QVERIFY(password::verify(valueIn(file, QStringLiteral("SELECT \"Pass\" FROM \"Adm\"")).toString(), password.left(30)));
    QCOMPARE(valueIn(file, QStringLiteral("SELECT COUNT(*) FROM \"Barang\"")).toInt(), goods);
    connection::closeFile(file);
}

void TestFirstRun::escapeLeavesWithoutADatabase()
{
    QTemporaryDir home;
    const QString file = QDir(home.path()).filePath(QStringLiteral("kv.sqlite"));
    AliasOverride alias(QStringLiteral("KV"), file);
    ScriptedInterface scripted;
    bool stillShown = true;
    scripted.actInside<TFFirstRun>([&](TFFirstRun &w) {
        QTest::keyClicks(w.Edit1, QStringLiteral("kasir"));
        QTest::keyClick(w.Edit1, Qt::Key_Escape);
        stillShown = w.isVisible();
    });
    QVERIFY(!firstrun::ensureDatabase());
    QVERIFY(!stillShown);
    QCOMPARE(scripted.count(), 0);
    QVERIFY(!QFileInfo::exists(file));
}

void TestFirstRun::anExistingDatabaseIsLeftAlone()
{
    TempDatabase db;  // points the alias at a provisioned file
    ScriptedInterface scripted;
    const QByteArray before = [&] {
        QFile f(db.path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QVERIFY(firstrun::ensureDatabase());
    QCOMPARE(scripted.count(), 0);
    QFile f(db.path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

// A server database is never created from a desk: nothing is offered.
void TestFirstRun::aServerDatabaseIsNotOffered()
{
    AliasOverride alias(QStringLiteral("KV"), QStringLiteral("postgresql://kasir@127.0.0.1:1/toko"));
    ScriptedInterface scripted;
    bool shown = false;
    scripted.actInside([&](TForm &) { shown = true; });
    QVERIFY(firstrun::ensureDatabase());
    QVERIFY(!shown);
    QCOMPARE(scripted.count(), 0);
}

NOTA_TEST_MAIN(TestFirstRun)
#include "test_firstrun.moc"
