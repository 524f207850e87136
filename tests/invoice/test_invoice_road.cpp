// The road of one invoice, as a user walks it: "Nota Baru" in the main
// window, the customer picked from the list, one line from the goods list and
// one typed by hand, one deleted again, the header stored and the printed
// invoice previewed, the window closed, and the next invoice proposed.
#include "AccessFixture.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "access/MainMenu.h"
#include "controls/DBLookupComboBox.h"
#include "controls/DBMemo.h"
#include "data/Table.h"
#include "invoice/Nota1.h"
#include "invoice/Nota2.h"
#include "invoice/Nota3.h"
#include "invoice/Nota4.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPreview.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

class TestInvoiceRoad : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void oneInvoiceFromStartToPreview();
    void closedWithoutStoringAsksAboutItsLines();

private:
    void typeInto(QLineEdit *box, const QString &text);
    AccessFixture fx;
    std::unique_ptr<PinnedLocale> m_locale;
};

void TestInvoiceRoad::init()
{
    m_locale = std::make_unique<PinnedLocale>(indonesian());
    fx.start();
    // Names quoted: the road runs on a server database too.
    fx.db().exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", "
                                "\"Group_Barang\", \"Harga\") "
                                "VALUES ('KV-1001', '90310-37', 'KARET STABILIZER', 'STABIL', 'KARET', 15000)"));
    fx.db().exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\", \"Alamat\") VALUES ('TOKO MAKMUR', 'Jl. Mawar 1\nBandung')"));
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
}

void TestInvoiceRoad::cleanup()
{
    fx.stop();
    m_locale.reset();
}

void TestInvoiceRoad::typeInto(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void TestInvoiceRoad::oneInvoiceFromStartToPreview()
{
    ScriptedInterface person;
    FMain->SpeedButton3->click();
    QVERIFY(!FMain->isVisible());
    QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000001"));

    // The customer, picked from the list.
    person.actInside<TFNota3>([](TFNota3 &picker) {
        picker.DBLookupComboBox1->showPopup();
        picker.DBLookupComboBox1->pick(0);
        picker.DBLookupComboBox1->hidePopup();
        QTRY_COMPARE(picker.DBMemo1->text(), QStringLiteral("Jl. Mawar 1\nBandung"));
        picker.BitBtn1->click();
    });
    FNota1->BitBtn6->click();
    QCOMPARE(FNota1->Edit2->text(), QStringLiteral("TOKO MAKMUR"));

    // A line from the goods list: 3 at 15000 less 10%.
    person.actInside<TFNota2>([this](TFNota2 &item) {
        QCOMPARE(item.Label2->text(), QStringLiteral("000001"));
        typeInto(item.Edit1, QStringLiteral("90310-37"));
        item.SpeedButton1->click();
        QCOMPARE(item.Label6->text(), QStringLiteral("KARET STABILIZER"));
        QCOMPARE(item.Label9->text(), QStringLiteral("15000"));
        typeInto(item.Edit2, QStringLiteral("3"));
        typeInto(item.Edit3, QStringLiteral("10"));
        item.BitBtn2->click();
    });
    FNota1->BitBtn1->click();
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("40500"));
    QVERIFY(FNota1->BitBtn2->isEnabled());
    QVERIFY(!FNota1->Edit1->isEnabled());

    // A line typed by hand: 2 at 2750,5 less 12,5%.
    person.actInside<TFNota4>([this](TFNota4 &item) {
        typeInto(item.Edit4, QStringLiteral("kv-9"));
        typeInto(item.Edit1, QStringLiteral("x-1"));
        typeInto(item.Edit5, QStringLiteral("Selang 1/2\""));
        typeInto(item.Edit6, QStringLiteral("2750,5"));
        typeInto(item.Edit2, QStringLiteral("2"));
        typeInto(item.Edit3, QStringLiteral("12,5"));
        item.BitBtn2->click();
    });
    FNota1->BitBtn5->click();
    QCOMPARE(FNota1->Table2->recordCount(), 2);
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("45313,375"));

    // The hand-typed line deleted again.
    FNota1->Table2->last();
    QCOMPARE(FNota1->Table2->fieldByName(QStringLiteral("Kode_KV"))->asString(), QStringLiteral("KV-9"));
    FNota1->BitBtn3->click();
    QVERIFY(person.last().text.startsWith(QStringLiteral("Hapus Data Nota Barang dengan\nKode Barang = X-1\n")));
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("40500"));
    QCOMPARE(FNota1->Table2->recordCount(), 1);

    // Stored and previewed: the printed invoice shows this invoice.
    QStringList printed;
    person.actInside<ReportPreview>([&](ReportPreview &preview) {
        QCOMPARE(preview.windowTitle(), QStringLiteral("Nota"));
        preview.finishProduction();
        printed = preview.report()->pageTexts(0);
    });
    const int boxesBefore = person.count();
    FNota1->BitBtn2->click();
    QCOMPARE(person.count(), boxesBefore);
    for (const char *text : {"000001", "TOKO MAKMUR", "Jl. Mawar 1\nBandung", "KV-1001", "KARET STABILIZER", "Rp 40.500"})
        QVERIFY2(printed.contains(QString::fromUtf8(text)), text);
    QVERIFY(!printed.contains(QStringLiteral("KV-9")));
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT \"Jumlah_Total\" FROM \"NotaUtama\" WHERE \"No_Nota\"='000001'")).toDouble(),
             40500.0);
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT COUNT(*) FROM \"Nota\" WHERE \"ID_Nota\"='000001'")).toInt(), 1);

    // Closed: the main window is back, and the next invoice gets the next number.
    FNota1->BitBtn4->click();
    QVERIFY(FMain->isVisible());
    FMain->SpeedButton3->click();
    QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000002"));
    QCOMPARE(FNota1->Table2->recordCount(), 0);
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
}

// Lines are stored as they are added: closing without the header asks
// first. Kept, the window stays open with them; discarded, the number is
// proposed again with nothing under it, so no line is billed to the next
// customer.
void TestInvoiceRoad::closedWithoutStoringAsksAboutItsLines()
{
    ScriptedInterface person;
    FMain->SpeedButton3->click();
    person.actInside<TFNota4>([this](TFNota4 &item) {
        typeInto(item.Edit4, QStringLiteral("KV-2"));
        typeInto(item.Edit1, QStringLiteral("B-2"));  // "Simpan" waits for the maker's code box
        typeInto(item.Edit5, QStringLiteral("BAUT"));
        typeInto(item.Edit6, QStringLiteral("500"));
        typeInto(item.Edit2, QStringLiteral("4"));
        item.BitBtn2->click();
    });
    FNota1->BitBtn5->click();
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("2000"));
    person.answer(MsgAnswer::No);
    FNota1->Close();
    QCOMPARE(person.last().kind, MsgKind::YesNo);
    QVERIFY(FNota1->isVisible());
    QCOMPARE(FNota1->Table2->recordCount(), 1);
    person.answer(MsgAnswer::Yes);
    FNota1->Close();
    QVERIFY(!FNota1->isVisible());
    QVERIFY(FMain->isVisible());
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT COUNT(*) FROM \"Nota\"")).toInt(), 0);
    const int boxes = person.count();
    FMain->SpeedButton3->click();
    QCOMPARE(person.count(), boxes);
    QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000001"));
    QCOMPARE(FNota1->Table2->recordCount(), 0);
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
}

NOTA_TEST_MAIN(TestInvoiceRoad)
#include "test_invoice_road.moc"
