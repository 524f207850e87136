// The real application object on an Indonesian desktop: the C library takes
// the desktop's locale, yet every number text follows only the regional
// settings, and what the program writes reads back.
#include "TestMain.h"
#include "core/FormatSettings.h"
#include "core/NumberText.h"

#include <clocale>

class TestDesktopLocale : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void numberTextRoundTrip_data();
    void numberTextRoundTrip();
    void cLibraryNumbersStayPlain();
};

void TestDesktopLocale::initTestCase()
{
    // The program runs under LC_ALL=id_ID.UTF-8 (see CMakeLists.txt); without
    // the generated locale the C library would keep "C" and prove nothing.
    const QByteArray ctype = std::setlocale(LC_CTYPE, nullptr);
    QVERIFY2(ctype.startsWith("id_ID"), "id_ID.UTF-8 is not generated on this machine (tools/install-deps.sh)");
    QCOMPARE(QLocale::system().name(), QStringLiteral("id_ID"));
    QCOMPARE(FormatSettings::current().decimalSeparator, QChar(u','));
    QCOMPARE(FormatSettings::current().thousandSeparator, QChar(u'.'));
}

void TestDesktopLocale::numberTextRoundTrip_data()
{
    QTest::addColumn<QString>("cNumeric");  // what a library may have set LC_NUMERIC to
    QTest::newRow("as the application leaves it") << QString();
    QTest::newRow("Indonesian C library numbers") << "id_ID.UTF-8";
}

void TestDesktopLocale::numberTextRoundTrip()
{
    QFETCH(QString, cNumeric);
    const QByteArray kept = std::setlocale(LC_NUMERIC, nullptr);
    if (!cNumeric.isEmpty())
        QVERIFY(std::setlocale(LC_NUMERIC, cNumeric.toLatin1().constData()));
    const struct {
        long double value;
        const char *plain;
        const char *money;
    } rows[] = {
        {40500, "40500", "Rp 40.500"},
        {10801.875L, "10801,875", "Rp 10.801,88"},
        {0.25L, "0,25", "Rp ,25"},
        {1.5e-7L, "1,5E-7", "Rp "},
        {1e20L, "1E20", "Rp 100.000.000.000.000.000.000"},
    };
    for (const auto &r : rows) {
        QCOMPARE(numtext::floatToStr(r.value), QString::fromLatin1(r.plain));
        QCOMPARE(numtext::formatMoney(r.value), QString::fromLatin1(r.money));
        QCOMPARE(double(numtext::strToFloat(QString::fromLatin1(r.plain))), double(r.value));
    }
    QCOMPARE(double(numtext::strToFloat(QStringLiteral("1,5"))), 1.5);
    long double refused = 0;
    QVERIFY(!numtext::tryStrToFloat(QStringLiteral("1.5"), refused));  // "." groups thousands here
    std::setlocale(LC_NUMERIC, kept.constData());
}

void TestDesktopLocale::cLibraryNumbersStayPlain()
{
    // Right after the application object is created the C library's numbers
    // are pinned back to "C" for the libraries that use them.
    QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), QByteArray("C"));
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", 1.5);
    QCOMPARE(QByteArray(text), QByteArray("1.5"));
}

NOTA_TEST_MAIN(TestDesktopLocale)
#include "test_desktop_locale.moc"
