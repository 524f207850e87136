// The invoice being written, without a window: the number proposed by value,
// lines added and deleted with the total always that of the stored lines,
// refused lines, lines left under the number, storing the header, and the
// cases of several desks writing at once. Runs on both engines.
#include "DataSupport.h"
#include "DataTestMain.h"
#include "TempDatabase.h"

#include "core/Errors.h"
#include "data/Table.h"
#include "shop/InvoiceDraft.h"
#include "shop/InvoiceNumber.h"

namespace {
const QDate kDay(2026, 12, 10);

// Another desk's work, written straight into the tables.
void storeHeader(const TempDatabase &db, const QString &number, double total = 0)
{
    db.exec(QStringLiteral("INSERT INTO \"NotaUtama\" (\"No_Nota\", \"Tanggal\", \"Kepada\", \"Jumlah_Total\") "
                           "VALUES (?, '2026-12-01', 'LAIN', ?)"),
            {number, total});
}

void storeLine(const TempDatabase &db, const QString &number, const QString &name, double amount)
{
    db.exec(QStringLiteral("INSERT INTO \"Nota\" (\"ID_Nota\", \"Kode_KV\", \"Nama_Brg\", \"Jumlah\") VALUES (?, 'KV', ?, ?)"),
            {number, name, amount});
}

QString linesOf(const TempDatabase &db, const QString &number)
{
    return db.joined(QStringLiteral("SELECT \"Nama_Brg\" FROM \"Nota\" WHERE \"ID_Nota\" = ? ORDER BY \"Nama_Brg\""), {number});
}

InvoiceLine line(const QString &name, const QString &price, const QString &quantity, const QString &discount = "0")
{
    return {QStringLiteral("KV-1"), QStringLiteral("RB-1"), name, price, quantity, discount};
}

const auto kAlwaysMove = [](const QString &) { return true; };
} // namespace

class TestInvoiceDraft : public QObject {
    Q_OBJECT
private slots:
    void numberAfter_data()
    {
        QTest::addColumn<QString>("largest");
        QTest::addColumn<QString>("next");
        QTest::newRow("none yet") << "" << "000001";
        QTest::newRow("plain") << "000008" << "000009";
        QTest::newRow("carry") << "000099" << "000100";
        QTest::newRow("short") << "7" << "000008";
        QTest::newRow("past six digits") << "999999" << "1000000";
        QTest::newRow("leading zeros beyond six") << "0001000000" << "1000001";
        QTest::newRow("beyond 64 bits") << "99999999999999999999" << "100000000000000000000";
    }
    void numberAfter()
    {
        QFETCH(QString, largest);
        QFETCH(QString, next);
        QCOMPARE(invoicenumber::after(largest), next);
    }

    void proposalIsLargestByValuePlusOne_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("proposal");
        QTest::newRow("empty") << QStringList{} << "000001";
        QTest::newRow("text order would say 7") << QStringList{"000001", "000008", "7"} << "000009";
        QTest::newRow("short one largest") << QStringList{"000003", "15"} << "000016";
        QTest::newRow("past 999999") << QStringList{"999999", "1000000", "000002"} << "1000001";
        QTest::newRow("not numbers passed over") << QStringList{"A-17", "000004", "12B"} << "000005";
        QTest::newRow("only not numbers") << QStringList{"A-17"} << "000001";
    }
    void proposalIsLargestByValuePlusOne()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, proposal);
        TempDatabase db;
        for (const QString &n : stored)
            storeHeader(db, n);
        InvoiceDraft draft;
        QCOMPARE(draft.start(), 0);
        QCOMPARE(draft.number(), proposal);
        QVERIFY(!draft.headers().findKey(proposal));
        QVERIFY(!draft.numberFixed());
    }

    void linesAddUpAndDeleteExactly()
    {
        TempDatabase db;
        InvoiceDraft draft;
        draft.start();
        QCOMPARE(draft.fixNumber(), InvoiceDraft::NumberCheck::Free);
        QVERIFY(!draft.canStore());
        QCOMPARE(double(draft.addLine(line("KARET", "15000", "3", "10"))), 40500.0);
        QCOMPARE(double(draft.addLine(line("SEAL", "2750,5", "2", "12,5"))), 4813.375);
        QCOMPARE(double(draft.addLine(line("RETUR", "1000", "-1"))), -1000.0);  // a returned item
        QVERIFY(draft.canStore());
        QCOMPARE(double(draft.total()), 44313.375);
        QCOMPARE(linesOf(db, QStringLiteral("000001")), QStringLiteral("KARET,RETUR,SEAL"));
        QVERIFY(draft.lines().locate(QStringLiteral("Nama_Brg"), QStringLiteral("SEAL")));
        draft.deleteCurrentLine();
        QCOMPARE(double(draft.total()), 39500.0);
        QCOMPARE(draft.unstoredLines(), 2);
        QVERIFY(draft.canStore());  // also once every line is deleted again
        QVERIFY(draft.store(kDay, kAlwaysMove));
        QCOMPARE(db.scalar(QStringLiteral("SELECT \"Jumlah_Total\" FROM \"NotaUtama\" WHERE \"No_Nota\" = '000001'")).toDouble(),
                 39500.0);
        QCOMPARE(draft.unstoredLines(), 0);
        QVERIFY(!draft.canStore());
        QCOMPARE(draft.fixNumber(), InvoiceDraft::NumberCheck::Used);
    }

    void plainlyWrongLinesRefused_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("quantity missing") << "" << "0" << "Isi Kolom Jumlah Barang!";
        QTest::newRow("quantity 0") << "0" << "0" << "Isi Kolom Jumlah Barang!";
        QTest::newRow("quantity 00") << "00" << "0" << "Jumlah Barang tidak boleh nol!";
        QTest::newRow("quantity 0,0") << "0,0" << "0" << "Jumlah Barang tidak boleh nol!";
        QTest::newRow("quantity 0E5") << "0E5" << "0" << "Jumlah Barang tidak boleh nol!";
        QTest::newRow("discount -0,5") << "1" << "-0,5" << "Diskon harus antara 0 dan 100 %!";
        QTest::newRow("discount 100,01") << "1" << "100,01" << "Diskon harus antara 0 dan 100 %!";
        QTest::newRow("returned item") << "-2" << "10" << "";
        QTest::newRow("discount 100") << "1" << "100" << "";
        QTest::newRow("fraction of a quantity") << "0,5" << "0" << "";
    }
    void plainlyWrongLinesRefused()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, discount);
        QFETCH(QString, refusal);
        QCOMPARE(InvoiceDraft::lineRefusal(line("X", "1000", quantity, discount)), refusal);
    }

    void notANumberSaysWhich_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QString>("error");
        QTest::newRow("price first") << "x" << "y" << "z" << "'x' is not a valid floating point value";
        QTest::newRow("quantity") << "1" << "y" << "z" << "'y' is not a valid floating point value";
        QTest::newRow("discount") << "1" << "1" << "" << "'' is not a valid floating point value";
    }
    void notANumberSaysWhich()
    {
        QFETCH(QString, price);
        QFETCH(QString, quantity);
        QFETCH(QString, discount);
        QFETCH(QString, error);
        QCOMPARE(errorOf([&] { InvoiceDraft::lineRefusal(line("X", price, quantity, discount)); }), error);
    }

    // Lines under the proposed number without a header: counted at start,
    // then discarded, or adopted as this invoice's own.
    void linesLeftUnderTheNumber_data()
    {
        QTest::addColumn<bool>("adopt");
        QTest::newRow("discarded") << false;
        QTest::newRow("adopted") << true;
    }
    void linesLeftUnderTheNumber()
    {
        QFETCH(bool, adopt);
        TempDatabase db;
        storeHeader(db, QStringLiteral("000004"));
        storeLine(db, QStringLiteral("000005"), QStringLiteral("A"), 100);
        storeLine(db, QStringLiteral("000005"), QStringLiteral("B"), 50.5);
        storeLine(db, QStringLiteral("000009"), QStringLiteral("OTHER"), 7);
        InvoiceDraft draft;
        QCOMPARE(draft.start(), 2);
        QCOMPARE(draft.number(), QStringLiteral("000005"));
        QCOMPARE(double(draft.total()), 150.5);
        if (!adopt) {
            draft.discardLines();
            QCOMPARE(linesOf(db, QStringLiteral("000005")), QString());
            QCOMPARE(double(draft.total()), 0.0);
            QVERIFY(!draft.numberFixed());
            QVERIFY(!draft.canStore());
        } else {
            draft.adoptLines();
            QVERIFY(draft.numberFixed());
            QVERIFY(draft.canStore());
            QCOMPARE(draft.unstoredLines(), 2);
            draft.addLine(line("C", "10", "1"));
            QCOMPARE(draft.unstoredLines(), 3);
            // Closed without storing: this invoice's own lines go.
            draft.discardLines();
            QCOMPARE(linesOf(db, QStringLiteral("000005")), QString());
        }
        QCOMPARE(linesOf(db, QStringLiteral("000009")), QStringLiteral("OTHER"));
    }

    // Before the first line: lines another desk began under the proposed
    // number since it was proposed move this invoice to the next free number.
    void numberBegunAtAnotherDeskMeanwhile()
    {
        TempDatabase db;
        InvoiceDraft draft;
        draft.start();
        storeLine(db, QStringLiteral("000001"), QStringLiteral("THEIRS"), 1);
        storeLine(db, QStringLiteral("000002"), QStringLiteral("LEFT"), 1);
        QCOMPARE(draft.fixNumber(), InvoiceDraft::NumberCheck::TakenMeanwhile);
        QCOMPARE(draft.replacedNumber(), QStringLiteral("000001"));
        QCOMPARE(draft.number(), QStringLiteral("000003"));
        QCOMPARE(draft.fixNumber(), InvoiceDraft::NumberCheck::Free);
        draft.addLine(line("MINE", "5", "1"));
        QCOMPARE(linesOf(db, QStringLiteral("000003")), QStringLiteral("MINE"));
    }

    // At "store": another desk stored the header first, or lines under the
    // number too. Declined, nothing is stored; accepted, this invoice's own
    // lines move to the next free number with the header, the other desk's stay.
    void storeWhenAnotherDeskTookTheNumber_data()
    {
        QTest::addColumn<bool>("headerFirst");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("why");
        QTest::newRow("header stored there, declined") << true << false << "sudah disimpan di meja lain";
        QTest::newRow("header stored there, moved") << true << true << "sudah disimpan di meja lain";
        QTest::newRow("lines stored there, moved") << false << true << "sedang dipakai di meja lain";
    }
    void storeWhenAnotherDeskTookTheNumber()
    {
        QFETCH(bool, headerFirst);
        QFETCH(bool, accept);
        QFETCH(QString, why);
        TempDatabase db;
        InvoiceDraft draft;
        draft.start();
        draft.setCustomer(QStringLiteral("TOKO"), QStringLiteral("JL"));
        QCOMPARE(draft.fixNumber(), InvoiceDraft::NumberCheck::Free);
        draft.addLine(line("MINE-1", "1000", "2"));
        draft.addLine(line("MINE-2", "500", "1"));
        if (headerFirst)
            storeHeader(db, QStringLiteral("000001"), 77);
        storeLine(db, QStringLiteral("000001"), QStringLiteral("THEIRS"), 77);
        QString asked;
        const bool stored = draft.store(kDay, [&](const QString &question) {
            asked = question;
            return accept;
        });
        QCOMPARE(stored, accept);
        QVERIFY2(asked.contains(why) && asked.contains(QLatin1String("No Nota 000002")), qPrintable(asked));
        if (!accept) {
            QCOMPARE(linesOf(db, QStringLiteral("000001")), QStringLiteral("MINE-1,MINE-2,THEIRS"));
            QCOMPARE(draft.number(), QStringLiteral("000001"));
            QVERIFY(draft.canStore());
            return;
        }
        QCOMPARE(draft.number(), QStringLiteral("000002"));
        QCOMPARE(linesOf(db, QStringLiteral("000001")), QStringLiteral("THEIRS"));
        QCOMPARE(linesOf(db, QStringLiteral("000002")), QStringLiteral("MINE-1,MINE-2"));
        QCOMPARE(db.joined(QStringLiteral("SELECT \"Kepada\" || '=' || CAST(\"Jumlah_Total\" AS INTEGER) FROM \"NotaUtama\" "
                                          "WHERE \"No_Nota\" = '000002'")),
                 QStringLiteral("TOKO=2500"));
        QCOMPARE(double(draft.total()), 2500.0);
    }

    void customerLookUp()
    {
        TempDatabase db;
        db.exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\", \"Alamat\") VALUES ('TOKO MAKMUR', 'Jl. Mawar 1\nBandung')"));
        InvoiceDraft draft;
        QString address = QStringLiteral("before");
        QVERIFY(draft.lookUpAddress(QStringLiteral("TOKO MAKMUR"), address));
        QCOMPARE(address, QStringLiteral("Jl. Mawar 1\nBandung"));
        QVERIFY(!draft.lookUpAddress(QStringLiteral("TOKO"), address));
        QVERIFY(address.isEmpty());
        QVERIFY(!draft.customers().active());
    }
};

NOTA_DATA_TEST_MAIN(TestInvoiceDraft)
#include "test_invoice_draft.moc"
