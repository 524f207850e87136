// Number, money, date and text formats in an Indonesian and an English locale.
#include "DataTestMain.h"
#include "DataSupport.h"
#include "core/DateText.h"
#include "core/Errors.h"
#include "core/NumberText.h"
#include "core/PasswordHash.h"
#include "core/TextCut.h"

#include <cfloat>

class TestFormats : public QObject {
    Q_OBJECT
private slots:
    void plainNumberText_data();
    void plainNumberText();
    void plainNumberRoundTrip_data();
    void plainNumberRoundTrip();
    void badNumberText_data();
    void badNumberText();
    void groupedNumberText_data();
    void groupedNumberText();
    void extendedRange();
    void wholeNumbers();
    void money_data();
    void money();
    void moneyArithmeticKeepsExtendedPrecision();
    void dates();
    void dateTimeLeavesOutMidnight();
    void shortDateRoundTrip_data();
    void shortDateRoundTrip();
    void shortDateYears_data();
    void shortDateYears();
    void dateDigitsAreAscii_data();
    void dateDigitsAreAscii();
    void textCut_data();
    void textCut();
    void passwordHash();
};

void TestFormats::plainNumberText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const struct {
        double v;
        const char *id;
        const char *en;
    } rows[] = {
        {40500, "40500", "40500"},
        {10801.875, "10801,875", "10801.875"},
        {39375, "39375", "39375"},
        {0.1, "0,1", "0.1"},
        {-2, "-2", "-2"},
        {0, "0", "0"},
        {1e20, "1E20", "1E20"},
        {1.5e20, "1,5E20", "1.5E20"},
        {123456789012345.0, "123456789012345", "123456789012345"},
        {1234567890123456.0, "1,23456789012346E15", "1.23456789012346E15"},
        {0.00001, "0,00001", "0.00001"},
        {0.000001, "1E-6", "1E-6"},
        {1.0 / 3.0, "0,333333333333333", "0.333333333333333"},
        {15000, "15000", "15000"},
    };
    for (const auto &r : rows) {
        QTest::addRow("id %s", r.en) << "id" << r.v << QString::fromLatin1(r.id);
        QTest::addRow("en %s", r.en) << "en" << r.v << QString::fromLatin1(r.en);
    }
}

void TestFormats::plainNumberText()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    PinnedLocale pin(locale == QLatin1String("id") ? indonesian() : english());
    QCOMPARE(numtext::floatToStr(value), text);
}

void TestFormats::plainNumberRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "40500" << 40500.0;
    QTest::newRow("fraction") << "10801,875" << 10801.875;
    QTest::newRow("blanks around") << "  12,5 " << 12.5;
    QTest::newRow("sign") << "-3" << -3.0;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("exponent") << "1E20" << 1e20;
    QTest::newRow("small exponent") << "1,5e-7" << 1.5e-7;
    QTest::newRow("leading zeros") << "00" << 0.0;
    QTest::newRow("no integer digits") << ",25" << 0.25;
    QTest::newRow("smallest normal double") << "2,2250738585072E-308" << 2.2250738585072e-308;
}

void TestFormats::plainNumberRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    PinnedLocale pin(indonesian());
    QCOMPARE(double(numtext::strToFloat(text)), value);
    // What floatToStr writes reads back to the same value.
    QCOMPARE(double(numtext::strToFloat(numtext::floatToStr(value))), value);
}

void TestFormats::badNumberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "abc";
    QTest::newRow("group of two") << "15.00";  // "." groups thousands in id, by three
    QTest::newRow("two separators") << "1,2,3";
    QTest::newRow("exponent without digits") << "1E";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("inner blank") << "1 2";
    QTest::newRow("infinity") << "INF";
    QTest::newRow("not a number") << "NAN";
    QTest::newRow("beyond extended range") << "1E5000";
    QTest::newRow("below extended range") << "1E-5000";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("point in id") << "1.5";
    QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661\u0662");
    // Digits of other scripts are digits to Unicode but never to a number.
    QTest::newRow("fullwidth digits") << QStringLiteral("\uFF11\uFF12");
    QTest::newRow("fullwidth fraction digit") << QStringLiteral("12,\uFF15");
    QTest::newRow("fullwidth exponent digit") << QStringLiteral("1E\uFF12");
    QTest::newRow("extended arabic-indic digits") << QStringLiteral("\u06F1\u06F2");
    QTest::newRow("devanagari digits") << QStringLiteral("\u0967\u0968");
    QTest::newRow("superscript digit") << QStringLiteral("1\u00B2");
}

void TestFormats::badNumberText()
{
    QFETCH(QString, text);
    PinnedLocale pin(indonesian());
    try {
        numtext::strToFloat(text);
        QFAIL("no error raised");
    } catch (const EConvertError &e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

// Numbers typed as the desktop writes them: thousands separators between
// groups of three digits are read, any other grouping is refused; a whole
// number reads the same as a whole number.
void TestFormats::groupedNumberText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");
    const struct {
        const char *locale, *text;
        bool accepted;
        double value;
    } rows[] = {
        {"id", "15.000", true, 15000},
        {"id", "15000", true, 15000},
        {"id", "1.234.567", true, 1234567},
        {"id", "1.234.567,5", true, 1234567.5},
        {"id", "-1.500", true, -1500},
        {"id", " 498.750 ", true, 498750},
        {"id", "15,000", true, 15},
        {"id", "15.00", false, 0},
        {"id", "1.2345", false, 0},
        {"id", "1234.567", false, 0},
        {"id", "1.234.56", false, 0},
        {"id", "15.000.", false, 0},
        {"id", "1..000", false, 0},
        {"id", ".500", false, 0},
        {"id", "15,000.5", false, 0},
        {"id", "1.5", false, 0},
        {"en", "15,000", true, 15000},
        {"en", "1,234,567.5", true, 1234567.5},
        {"en", "15.000", true, 15},
        {"en", "15,00", false, 0},
        {"en", "1,2345", false, 0},
        {"en", "15.000,5", false, 0},
    };
    for (const auto &r : rows)
        QTest::addRow("%s %s", r.locale, r.text) << r.locale << r.text << r.accepted << r.value;
}

void TestFormats::groupedNumberText()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    PinnedLocale pin(locale == QLatin1String("id") ? indonesian() : english());
    long double read = 0;
    QCOMPARE(numtext::tryStrToFloat(text, read), accepted);
    if (!accepted) {
        QVERIFY_THROWS_EXCEPTION(EConvertError, numtext::strToFloat(text));
        return;
    }
    QCOMPARE(double(read), value);
    qint64 whole = 0;
    const bool isWhole = !text.contains(locale == QLatin1String("id") ? QLatin1Char(',') : QLatin1Char('.'));
    QCOMPARE(numtext::tryStrToInt(text, whole), isWhole);
    if (isWhole)
        QCOMPARE(double(whole), value);
}

// Money runs in extended precision, whose range reaches far beyond a double:
// such values are written like any other large number, never as INF or zero.
void TestFormats::extendedRange()
{
    PinnedLocale pin(indonesian());
    const struct {
        long double value;
        const char *text;
    } rows[] = {
        {1e400L, "1E400"},
        {-1e400L, "-1E400"},
        {1.5e4000L, "1,5E4000"},
        {1e-400L, "1E-400"},
        {LDBL_MAX, "1,18973149535723E4932"},
        // 15 digits round the largest double up, beyond it: still read back.
        {DBL_MAX, "1,79769313486232E308"},
    };
    for (const auto &r : rows) {
        const QString text = numtext::floatToStr(r.value);
        QCOMPARE(text, QString::fromLatin1(r.text));
        QCOMPARE(numtext::floatToStr(numtext::strToFloat(text)), text);
    }
    const QString money = numtext::formatMoney(1e400L);
    QVERIFY(money.startsWith(QStringLiteral("Rp 10.000.000.")));  // 401 digits: a group of two first
    QCOMPARE(money.size(), int(QStringLiteral("Rp 1").size() + 400 + 400 / 3));
    QCOMPARE(numtext::formatMoney(-1e400L).left(8), QStringLiteral("-Rp 10.0"));
}

void TestFormats::wholeNumbers()
{
    QCOMPARE(numtext::strToInt(QStringLiteral("0")), 0);
    QCOMPARE(numtext::strToInt(QStringLiteral(" 41")), 41);
    QCOMPARE(numtext::strToInt(QStringLiteral("-7")), -7);
    for (const QString &bad : {QStringLiteral(""), QStringLiteral("1,5"), QStringLiteral("x1"), QStringLiteral("99999999999999999999"),
                               QStringLiteral("\uFF14\uFF12"), QStringLiteral("4\u0662"), QStringLiteral("\u0967")}) {
        try {
            numtext::strToInt(bad);
            QFAIL(qPrintable(QStringLiteral("accepted ") + bad));
        } catch (const EConvertError &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(bad));
        }
    }
}

void TestFormats::money_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("en");
    QTest::newRow("one and a half million") << 1500000.0 << "Rp 1.500.000" << "Rp 1,500,000";
    QTest::newRow("one fraction digit") << 1234.5 << "Rp 1.234,5" << "Rp 1,234.5";
    QTest::newRow("zero") << 0.0 << "Rp " << "Rp ";
    QTest::newRow("below one") << 0.25 << "Rp ,25" << "Rp .25";
    QTest::newRow("rounded to two") << 1234.567 << "Rp 1.234,57" << "Rp 1,234.57";
    QTest::newRow("rounds up to whole") << 1234.999 << "Rp 1.235" << "Rp 1,235";
    QTest::newRow("half rounds away") << 1234.565 << "Rp 1.234,57" << "Rp 1,234.57";
    QTest::newRow("negative") << -1234.5 << "-Rp 1.234,5" << "-Rp 1,234.5";
    QTest::newRow("negative rounding to zero") << -0.001 << "Rp " << "Rp ";
    QTest::newRow("three digits") << 999.0 << "Rp 999" << "Rp 999";
    QTest::newRow("carry into new group") << 999999.995 << "Rp 1.000.000" << "Rp 1,000,000";
    QTest::newRow("amount") << 40500.0 << "Rp 40.500" << "Rp 40,500";
}

void TestFormats::money()
{
    QFETCH(double, value);
    QFETCH(QString, id);
    QFETCH(QString, en);
    {
        PinnedLocale pin(indonesian());
        QCOMPARE(numtext::formatMoney(value), id);
    }
    PinnedLocale pin(english());
    QCOMPARE(numtext::formatMoney(value), en);
}

void TestFormats::moneyArithmeticKeepsExtendedPrecision()
{
    PinnedLocale pin(english());
    // price x quantity less the discount, as the invoice lines compute it
    const Money price = numtext::strToFloat(QStringLiteral("15000"));
    const Money qty = numtext::strToFloat(QStringLiteral("3"));
    const Money disc = numtext::strToFloat(QStringLiteral("12.5")) / 100;
    const Money amount = price * qty - (price * qty) * disc;
    QCOMPARE(numtext::floatToStr(amount), QStringLiteral("39375"));
    const Money odd = Money(10.1L) * 3 * (1 - Money(0.125L));
    QCOMPARE(numtext::floatToStr(odd), QStringLiteral("26.5125"));
}

void TestFormats::dates()
{
    const QDate d(2009, 12, 5);
    {
        PinnedLocale pin(indonesian());
        QCOMPARE(datetext::formatDate(datetext::kDisplayDate, d), QStringLiteral("05 Des 2009"));
        QCOMPARE(datetext::formatDate(datetext::kLongDateLabel, QDate(2026, 12, 7)),
                 QStringLiteral("Senin, 7 Desember 2026 "));
        QCOMPARE(datetext::shortDate(d), QStringLiteral("05/12/2009"));
    }
    PinnedLocale pin(english());
    QCOMPARE(datetext::formatDate(datetext::kDisplayDate, d), QStringLiteral("05 Dec 2009"));
    QCOMPARE(datetext::formatDate(datetext::kLongDateLabel, QDate(2026, 12, 7)),
             QStringLiteral("Monday, 7 December 2026 "));
    QCOMPARE(datetext::shortDate(d), QStringLiteral("12/5/2009"));
    QCOMPARE(datetext::formatDate(datetext::kDisplayDate, QDate()), QString());
    // Years before 1000 keep four digits, as the short date writes them.
    QCOMPARE(datetext::formatDate(datetext::kDisplayDate, QDate(1, 1, 1)), QStringLiteral("01 Jan 0001"));
    QCOMPARE(datetext::formatDate(datetext::kDisplayDate, QDate(999, 3, 4)), QStringLiteral("04 Mar 0999"));
}

void TestFormats::dateTimeLeavesOutMidnight()
{
    PinnedLocale pin(indonesian());
    QCOMPARE(datetext::dateTimeText(QDateTime(QDate(2026, 12, 9), QTime(0, 0))), QStringLiteral("09/12/2026"));
    QCOMPARE(datetext::dateTimeText(QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9))),
             QStringLiteral("09/12/2026 14.05.09"));
    QCOMPARE(datetext::dateTimeText(QDateTime(QDate(2026, 12, 9), QTime(0, 0, 1))),
             QStringLiteral("09/12/2026 00.00.01"));
}

void TestFormats::shortDateRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("id") << "id";
    QTest::newRow("en") << "en";
}

void TestFormats::shortDateRoundTrip()
{
    QFETCH(QString, locale);
    PinnedLocale pin(locale == QLatin1String("id") ? indonesian() : english());
    for (const QDate &d : {QDate(2009, 12, 5), QDate(2026, 1, 31), QDate(2000, 2, 29)})
        QCOMPARE(datetext::strToDate(datetext::shortDate(d)), d);
    for (const QString &bad : {QStringLiteral(""), QStringLiteral("31/31/2009"), QStringLiteral("abc"), QStringLiteral("1/2")}) {
        try {
            datetext::strToDate(bad);
            QFAIL(qPrintable(QStringLiteral("accepted ") + bad));
        } catch (const EConvertError &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid date").arg(bad));
        }
    }
}

// A short year falls within 50 years of today, as desktop date entry reads
// it; a three-digit year is neither short nor full and is refused.
void TestFormats::shortDateYears_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("expected");  // 0: refused
    const int now = QDate::currentDate().year();
    const auto twoDigits = [](int y) { return QStringLiteral("%1").arg(y % 100, 2, 10, QLatin1Char('0')); };
    QTest::newRow("99 is last century") << "99" << 1999;
    QTest::newRow("24 is this century") << "24" << 2024;
    QTest::newRow("one digit") << "5" << 2005;
    QTest::newRow("this year") << twoDigits(now) << now;
    QTest::newRow("49 years ahead") << twoDigits(now + 49) << now + 49;
    QTest::newRow("50 years back") << twoDigits(now - 50) << now - 50;
    QTest::newRow("51 years back reads ahead") << twoDigits(now - 51) << now + 49;
    QTest::newRow("three digits") << "024" << 0;
    QTest::newRow("three digits 999") << "999" << 0;
    QTest::newRow("four digits") << "0024" << 24;
    QTest::newRow("five digits") << "20024" << 0;
}

void TestFormats::shortDateYears()
{
    QFETCH(QString, year);
    QFETCH(int, expected);
    PinnedLocale pin(indonesian());
    const QString text = QStringLiteral("01/01/") + year;
    QDate read;
    QCOMPARE(datetext::tryStrToDate(text, read), expected != 0);
    if (expected != 0)
        QCOMPARE(read, QDate(expected, 1, 1));
    else
        QCOMPARE(errorOf([&] { datetext::strToDate(text); }), QStringLiteral("'%1' is not a valid date").arg(text));
}

// Every digit of a date is an ASCII digit: digits of other scripts once read
// as zeros, storing 15/03/２４ as 15 March 2000.
void TestFormats::dateDigitsAreAscii_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");  // invalid: refused
    QTest::newRow("ascii") << "15/03/24" << QDate(2024, 3, 15);
    QTest::newRow("fullwidth year") << QStringLiteral("15/03/\uFF12\uFF14") << QDate();
    QTest::newRow("fullwidth day") << QStringLiteral("\uFF11\uFF15/03/2024") << QDate();
    QTest::newRow("fullwidth everywhere") << QStringLiteral("\uFF11\uFF15/\uFF10\uFF13/\uFF12\uFF10\uFF12\uFF14") << QDate();
    QTest::newRow("arabic-indic year") << QStringLiteral("15/03/\u0662\u0664") << QDate();
    QTest::newRow("arabic-indic month") << QStringLiteral("15/\u0660\u0663/2024") << QDate();
    QTest::newRow("extended arabic-indic day") << QStringLiteral("\u06F1\u06F5/03/2024") << QDate();
    QTest::newRow("devanagari year") << QStringLiteral("15/03/\u0968\u0966\u0968\u096A") << QDate();
    QTest::newRow("superscript") << QStringLiteral("15/03/2\u00B2") << QDate();
}

void TestFormats::dateDigitsAreAscii()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    PinnedLocale pin(indonesian());
    QDate read;
    QCOMPARE(datetext::tryStrToDate(text, read), expected.isValid());
    if (expected.isValid())
        QCOMPARE(read, expected);
    else
        QCOMPARE(errorOf([&] { datetext::strToDate(text); }), QStringLiteral("'%1' is not a valid date").arg(text));
}

void TestFormats::textCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("shorter") << "abc" << 25 << "abc";
    QTest::newRow("exact") << "abcde" << 5 << "abcde";
    QTest::newRow("longer") << QString(40, QLatin1Char('N')) << 25 << QString(25, QLatin1Char('N'));
    QTest::newRow("accented") << QStringLiteral("Jalan Süd é") << 8 << QStringLiteral("Jalan Sü");
    QTest::newRow("outside basic plane") << QStringLiteral("ab\U0001F600cd") << 3 << QStringLiteral("ab\U0001F600");
    QTest::newRow("cut before wide char") << QStringLiteral("ab\U0001F600cd") << 2 << QStringLiteral("ab");
    QTest::newRow("wide chars only") << QStringLiteral("\U0001F600\U0001F601\U0001F602") << 2
                                     << QStringLiteral("\U0001F600\U0001F601");
    QTest::newRow("wide char last") << QStringLiteral("abc\U0001F600") << 4 << QStringLiteral("abc\U0001F600");
    // A lone surrogate (text that was already broken) is a character of its
    // own and never takes the next character with it.
    const QChar high(0xD800), low(0xDC00);
    QTest::newRow("lone high surrogate") << QStringLiteral("ab") + high + QStringLiteral("cd") << 3
                                         << QStringLiteral("ab") + high;
    QTest::newRow("lone low surrogate") << low + QStringLiteral("abc") << 2 << low + QStringLiteral("a");
    QTest::newRow("name of 31 with a wide char at 30") << QString(29, QLatin1Char('N')) + QStringLiteral("\U0001F600N")
                                                       << 30 << QString(29, QLatin1Char('N')) + QStringLiteral("\U0001F600");
}

void TestFormats::textCut()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, expected);
    const QString cut = textcut::cutToWidth(text, width);
    QCOMPARE(cut, expected);
    // Whole text converts to UTF-8 and back unchanged, and so does the cut.
    if (QString::fromUtf8(text.toUtf8()) == text)
        QCOMPARE(QString::fromUtf8(cut.toUtf8()), cut);
}

void TestFormats::passwordHash()
{
    const QString stored = password::hash(QStringLiteral("Rahasia1"));
    QVERIFY(password::isHash(stored));
    QVERIFY(!stored.contains(QStringLiteral("Rahasia1")));
    QVERIFY(password::verify(stored, QStringLiteral("Rahasia1")));
    QVERIFY(!password::verify(stored, QStringLiteral("rahasia1")));
    QVERIFY(!password::verify(stored, QString()));
    // Two hashes of one password differ (salted).
    QVERIFY(password::hash(QStringLiteral("Rahasia1")) != stored);
    // Plain text left by a deployment is compared exactly.
    QVERIFY(password::verify(QStringLiteral("admin"), QStringLiteral("admin")));
    QVERIFY(!password::verify(QStringLiteral("admin"), QStringLiteral("Admin")));
}

NOTA_DATA_TEST_MAIN(TestFormats)
#include "test_formats.moc"
