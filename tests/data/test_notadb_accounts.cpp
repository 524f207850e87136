// `notadb users` and `notadb passwd`, the shop's way back in when an account
// is locked out, on the engine of the test run (a file, or a server database
// when NOTA_TEST_ENGINE=postgresql): the accounts with their logins and never
// a hash, a new password asked twice on a terminal or read from standard
// input, and every wrong call refused with status 2 and nothing changed.
#include "DataTestMain.h"
#include "NotadbRun.h"
#include "TempDatabase.h"
#include "core/PasswordHash.h"

#include <QDir>
#include <QFile>

namespace {
QString arg(const char *text) { return QString::fromLatin1(text); }
} // namespace

class TestNotadbAccounts : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_db.reset(); }

    void usersListsNamesAndLogins();
    void passwdFromStandardInput_data();
    void passwdFromStandardInput();
    void passwdAsksTwiceOnTheTerminal_data();
    void passwdAsksTwiceOnTheTerminal();
    void wrongCallsChangeNothing_data();
    void wrongCallsChangeNothing();
    void noDatabaseNoFileMade();

private:
    QStringList on(const QStringList &args) const { return args + QStringList{arg("--database"), m_db->path()}; }
    QString stored(const QString &name) const
    {
        return m_db->scalar(QStringLiteral("SELECT \"Pass\" FROM \"Adm\" WHERE \"NamaUser\" = ?"), {name}).toString();
    }
    QString accounts() const
    {
        return m_db->joined(
            QStringLiteral("SELECT \"NamaUser\" || ':' || \"Pass\" || ':' || \"Nomer\" FROM \"Adm\" ORDER BY \"NamaUser\""));
    }
    std::unique_ptr<TempDatabase> m_db;
};

void TestNotadbAccounts::init()
{
    m_db = std::make_unique<TempDatabase>(QStringLiteral("admin"), QStringLiteral("Rahasia1"));
    m_db->exec(QStringLiteral("INSERT INTO \"Adm\" (\"NamaUser\", \"Pass\", \"Nomer\") VALUES (?, ?, ?)"),
               {QStringLiteral("kasir"), password::hash(QStringLiteral("Kasir99")), 12});
    // A name cut to the field's width by an older version: listed as stored.
    m_db->exec(QStringLiteral("INSERT INTO \"Adm\" (\"NamaUser\", \"Pass\", \"Nomer\") VALUES (?, ?, ?)"),
               {QStringLiteral("Pemilik Toko Kervano Jaya Abad"), QStringLiteral("lama"), 3});
}

void TestNotadbAccounts::usersListsNamesAndLogins()
{
    const NotadbRun r = notadb(on({arg("users")}));
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines, (QStringList{
                        QStringLiteral("Nama user                       Login"),
                        QStringLiteral("Pemilik Toko Kervano Jaya Abad  3"),
                        QStringLiteral("admin                           0"),
                        QStringLiteral("kasir                           12"),
                    }));
    QVERIFY(!r.out.contains(QLatin1String("argon")) && !r.out.contains(QLatin1String("lama")));
}

void TestNotadbAccounts::passwdFromStandardInput_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");  // the password that logs in afterwards
    QTest::newRow("an account") << "kasir" << QByteArray("Baru#2\n") << "Baru#2";
    QTest::newRow("the cut name, as listed") << "Pemilik Toko Kervano Jaya Abad" << QByteArray("Baru#2\n") << "Baru#2";
    QTest::newRow("30 characters, blanks kept") << "kasir" << QByteArray(" ") + QByteArray(28, 'p') + " \n"
                                                << " " + QString(28, QLatin1Char('p')) + " ";
}

// Only the password of the account named changes; its logins stay.
void TestNotadbAccounts::passwdFromStandardInput()
{
    QFETCH(QString, user);
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    const QString adminBefore = stored(QStringLiteral("admin"));
    const NotadbRun r = notadb(on({arg("passwd"), arg("--user"), user}), input);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.out, QStringLiteral("Kata sandi baru dipasang untuk akun %1\n").arg(user));
    QVERIFY(password::isHash(stored(user)));
    QVERIFY(password::verify(stored(user), expected));
    QCOMPARE(stored(QStringLiteral("admin")), adminBefore);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT \"Nomer\" FROM \"Adm\" WHERE \"NamaUser\" = 'kasir'")).toInt(), 12);
}

void TestNotadbAccounts::passwdAsksTwiceOnTheTerminal_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");  // empty: not asked
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("the same twice") << QByteArray("s3cret\n") << QByteArray("s3cret\n") << 0 << "Kata sandi baru dipasang";
    QTest::newRow("two different") << QByteArray("s3cret\n") << QByteArray("s3cre7\n") << 2 << "kedua kata sandi berbeda";
    QTest::newRow("empty") << QByteArray("\n") << QByteArray() << 2 << "kata sandi kosong";
}

void TestNotadbAccounts::passwdAsksTwiceOnTheTerminal()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(int, code);
    QFETCH(QString, message);
    const QString before = accounts();
    QList<QPair<QString, QByteArray>> typed{{QStringLiteral("Kata sandi untuk kasir: "), first}};
    if (!second.isEmpty())
        typed.append({QStringLiteral("Ulangi kata sandi: "), second});
    const NotadbRun r = notadbOnTerminal(on({arg("passwd"), arg("--user"), arg("kasir")}), typed);
    QVERIFY2(r.code == code, qPrintable(r.out));
    QVERIFY2(r.out.contains(message), qPrintable(r.out));
    QVERIFY2(!r.out.contains(QLatin1String("s3cre")), qPrintable(r.out));  // nothing typed was echoed
    if (code == 0)
        QVERIFY(password::verify(stored(QStringLiteral("kasir")), QStringLiteral("s3cret")));
    else
        QCOMPARE(accounts(), before);
}

void TestNotadbAccounts::wrongCallsChangeNothing_data()
{
    QTest::addColumn<QStringList>("args");  // besides --database
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QByteArray line("Baru#2\n");
    QTest::newRow("passwd without --user") << QStringList{arg("passwd")} << line << 2
                                           << "passwd memerlukan nama user akun itu (--user NAME";
    QTest::newRow("passwd with --password") << QStringList{arg("passwd"), arg("--user"), arg("kasir"), arg("--password"), arg("x")}
                                            << line << 2 << "tidak pernah dari --password";
    QTest::newRow("passwd with an argument") << QStringList{arg("passwd"), arg("kasir")} << line << 2
                                             << "pemakaian: notadb passwd --user NAME";
    QTest::newRow("users with an argument") << QStringList{arg("users"), arg("kasir")} << QByteArray() << 2
                                            << "pemakaian: notadb users";
    QTest::newRow("a name longer than an account holds") << QStringList{arg("passwd"), arg("--user"), QString(31, QLatin1Char('k'))}
                                                         << line << 2 << "nama akun paling banyak 30 karakter";
    QTest::newRow("empty password") << QStringList{arg("passwd"), arg("--user"), arg("kasir")} << QByteArray("\n") << 2
                                    << "kata sandi kosong";
    QTest::newRow("no password given") << QStringList{arg("passwd"), arg("--user"), arg("kasir")} << QByteArray() << 2
                                       << "kata sandi tidak diberikan";
    QTest::newRow("password longer than the login window takes")
        << QStringList{arg("passwd"), arg("--user"), arg("kasir")} << QByteArray(31, 'p') + "\n" << 2
        << "kata sandi terdiri dari 31 karakter; jendela login menerima paling banyak 30 karakter";
    QTest::newRow("no such account (other letter case)") << QStringList{arg("passwd"), arg("--user"), arg("Kasir")} << line << 1
                                                         << "tidak punya akun bernama 'Kasir' (notadb users menampilkan daftarnya)";
}

void TestNotadbAccounts::wrongCallsChangeNothing()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, code);
    QFETCH(QString, message);
    const QString before = accounts();
    const NotadbRun r = notadb(on(args), input);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(accounts(), before);
}

void TestNotadbAccounts::noDatabaseNoFileMade()
{
    if (TempDatabase::onServer())
        QSKIP("a file's absence; the server's is in test_notadb_server");
    const QString missing = QDir(m_db->folder()).filePath(QStringLiteral("nowhere.sqlite"));
    for (const QStringList &args : {QStringList{arg("users")}, QStringList{arg("passwd"), arg("--user"), arg("kasir")}}) {
        const NotadbRun r = notadb(args + QStringList{arg("--database"), missing}, QByteArray("Baru#2\n"));
        QCOMPARE(r.code, 1);
        QVERIFY(!QFile::exists(missing));
    }
}

NOTA_DATA_TEST_MAIN(TestNotadbAccounts)
#include "test_notadb_accounts.moc"
