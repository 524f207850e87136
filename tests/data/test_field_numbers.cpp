// Numbers a field cannot hold: refused with the conversion error when
// written, and an error when read as a whole number, never a wrapped value.
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "DataSupport.h"
#include "data/Table.h"

#include <cmath>
#include <limits>

class TestFieldNumbers : public QObject {
    Q_OBJECT
private slots:
    void valuesNotFiniteAreRefused_data();
    void valuesNotFiniteAreRefused();
    void wholeNumberOfAFloat_data();
    void wholeNumberOfAFloat();
};

void TestFieldNumbers::valuesNotFiniteAreRefused_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");  // as the error names it
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("+infinity") << inf << "INF";
    QTest::newRow("-infinity") << -inf << "-INF";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "NAN";
    QTest::newRow("overflowed product") << double(1e200L * 1e200L) << "INF";
}

void TestFieldNumbers::valuesNotFiniteAreRefused()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Nota\" (\"ID_Nota\", \"Harga\", \"Jumlah\") VALUES ('000001', 5, 5)"));
    Table lines;
    lines.setTableName(QStringLiteral("Nota.DB"));
    lines.open();
    Field *amount = lines.fieldByName(QStringLiteral("Jumlah"));
    QCOMPARE(errorOf([&] { amount->setAsFloat(value); }),
             QStringLiteral("'%1' is not a valid floating point value for field 'Jumlah'").arg(shown));
    QCOMPARE(amount->asString(), QStringLiteral("5"));
    QCOMPARE(lines.state(), DataSetState::Browse);
    // A whole-number field refuses it too.
    Table accounts;
    accounts.setTableName(QStringLiteral("Adm.DB"));
    accounts.open();
    QCOMPARE(errorOf([&] { accounts.fieldByName(QStringLiteral("Nomer"))->setAsFloat(value); }),
             QStringLiteral("'%1' is not a valid integer value for field 'Nomer'").arg(shown));
    QCOMPARE(accounts.fieldByName(QStringLiteral("Nomer"))->asInteger(), 0);
}

void TestFieldNumbers::wholeNumberOfAFloat_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<qint64>("whole");
    QTest::addColumn<QString>("error");
    QTest::newRow("plain") << 40500.0 << qint64(40500) << "";
    QTest::newRow("half rounds away from zero") << -2.5 << qint64(-3) << "";
    QTest::newRow("largest double below 2^63") << 9223372036854774784.0 << qint64(9223372036854774784) << "";
    QTest::newRow("-2^63") << -9223372036854775808.0 << std::numeric_limits<qint64>::min() << "";
    QTest::newRow("2^63") << 9223372036854775808.0 << qint64(0)
                          << "'9,22337203685478E18' is not a valid integer value for field 'Harga'";
    QTest::newRow("+1e300") << 1e300 << qint64(0) << "'1E300' is not a valid integer value for field 'Harga'";
    QTest::newRow("-1e300") << -1e300 << qint64(0) << "'-1E300' is not a valid integer value for field 'Harga'";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << qint64(0)
                                    << "'1,79769313486232E308' is not a valid integer value for field 'Harga'";
}

void TestFieldNumbers::wholeNumberOfAFloat()
{
    QFETCH(double, stored);
    QFETCH(qint64, whole);
    QFETCH(QString, error);
    PinnedLocale pin(indonesian());
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Harga\") VALUES ('KV-1', ?)"), {stored});
    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.open();
    Field *price = goods.fieldByName(QStringLiteral("Harga"));
    qint64 read = 0;
    QCOMPARE(errorOf([&] { read = price->asInteger(); }), error);
    QCOMPARE(read, whole);
    // The same value set through the field reads the same way.
    goods.edit();
    price->setAsFloat(stored);
    read = 0;
    QCOMPARE(errorOf([&] { read = price->asInteger(); }), error);
    QCOMPARE(read, whole);
    goods.cancel();
}

NOTA_DATA_TEST_MAIN(TestFieldNumbers)
#include "test_field_numbers.moc"
