// New-invoice window and customer picker: the number proposal, the checks of
// the Add buttons, deletion and the running total, storing the header and the
// preview, the customer lookup and the picker, and closing.
#include "AccessFixture.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "access/MainMenu.h"
#include "controls/DBGrid.h"
#include "controls/DBLookupComboBox.h"
#include "controls/DBMemo.h"
#include "core/DateText.h"
#include "data/Table.h"
#include "invoice/Nota1.h"
#include "invoice/Nota3.h"
#include "invoice/Nota4.h"

#include <QAccessible>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
// The control Tab moves to from `w`, past the parts of `w` itself.
QWidget *nextTabStop(QWidget *w)
{
    QWidget *next = w->nextInFocusChain();
    while (next != w && (w->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus) || next->focusProxy()))
        next = next->nextInFocusChain();
    return next;
}

struct Line {
    QString number, shopCode, makerCode, name;
    double price, quantity, discount, amount;
};
} // namespace

class TestNewInvoice : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowDesign();
    void numberProposal_data();
    void numberProposal();
    void linesLeftAtShow_data();
    void linesLeftAtShow();
    void closingWithUnstoredLinesAsks_data();
    void closingWithUnstoredLinesAsks();
    void numberBoxTakesDigitsOnly();
    void storeUnderNumberTakenMeanwhile_data();
    void storeUnderNumberTakenMeanwhile();
    void firstLineAvoidsNumberInUseAtAnotherDesk();
    void storeMovesOwnLinesOffNumberSharedWithAnotherDesk();
    void addRefusesUsedOrEmptyNumber_data();
    void addRefusesUsedOrEmptyNumber();
    void addLocksNumberAndFiltersLines_data();
    void addLocksNumberAndFiltersLines();
    void deleteAsksWithPlainNumbers();
    void deleteLowersTotalToItsLines_data();
    void deleteLowersTotalToItsLines();
    void deleteWithNoLineTellsSo();
    void storeNeedsCustomerName();
    void storeWritesHeaderAndPreviews();
    void storedNumberRefusesMoreLines();
    void lookupByName_data();
    void lookupByName();
    void closingResetsAndShowsMainWindow();
    void pickerFirstShowOkEmptiesBoxes();
    void pickerCopiesPickAndRemembersIt();
    void pickerEditedAddressIsNotStored();
    void pickerBatalLeavesBoxes();

private:
    void openWindow();
    // Opens the window over lines left under the proposed number and
    // continues the invoice with them.
    void openWindowContinuing(ScriptedInterface &person);
    void addLine(const Line &line);
    // A line typed into the by-hand window, stored with its "Simpan".
    void addByHand(ScriptedInterface &person, const QStringList &typed);
    void addHeader(const QString &number, double total = 0);
    void addCustomer(const QString &name, const QString &address);
    int storedLines(const QString &number);

    AccessFixture fx;
    std::unique_ptr<PinnedLocale> m_locale;
};

void TestNewInvoice::init()
{
    m_locale = std::make_unique<PinnedLocale>(indonesian());
    fx.start();
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
}

void TestNewInvoice::cleanup()
{
    fx.stop();
    m_locale.reset();
}

void TestNewInvoice::openWindow()
{
    FMain->SpeedButton3->click();
    QVERIFY(FNota1->isVisible());
}

void TestNewInvoice::openWindowContinuing(ScriptedInterface &person)
{
    person.answer(MsgAnswer::No);
    openWindow();
    QCOMPARE(person.last().kind, MsgKind::YesNo);
    person.clear();
}

void TestNewInvoice::addByHand(ScriptedInterface &person, const QStringList &typed)
{
    person.actInside<TFNota4>([&](TFNota4 &w) {
        const QList<QLineEdit *> boxes{w.Edit4, w.Edit1, w.Edit5, w.Edit6, w.Edit2, w.Edit3};
        for (int i = 0; i < boxes.size(); ++i) {
            boxes[i]->clear();
            QTest::keyClicks(boxes[i], typed[i]);
        }
        w.BitBtn2->click();
    });
    FNota1->BitBtn5->click();
}

void TestNewInvoice::addLine(const Line &l)
{
    fx.db().exec(QStringLiteral("INSERT INTO Nota (ID_Nota, Kode_KV, Kode_Brg, Nama_Brg, Harga, Banyak, Diskon, Jumlah) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                 {l.number, l.shopCode, l.makerCode, l.name, l.price, l.quantity, l.discount, l.amount});
}

void TestNewInvoice::addHeader(const QString &number, double total)
{
    fx.db().exec(QStringLiteral("INSERT INTO NotaUtama (No_Nota, Tanggal, Kepada, Alamat, Jumlah_Total) "
                                "VALUES (?, '2009-12-05', 'TOKO', 'JL', ?)"),
                 {number, total});
}

void TestNewInvoice::addCustomer(const QString &name, const QString &address)
{
    fx.db().exec(QStringLiteral("INSERT INTO Pelanggan (Nama, Alamat) VALUES (?, ?)"), {name, address});
}

int TestNewInvoice::storedLines(const QString &number)
{
    return fx.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Nota WHERE ID_Nota = ?"), {number}).toInt();
}

void TestNewInvoice::windowDesign()
{
    openWindow();
    QCOMPARE(FNota1->windowTitle(), QStringLiteral("Nota Baru"));
    QCOMPARE(FNota1->BitBtn4->text(), QStringLiteral("&Close"));
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
    QVERIFY(!FNota1->BitBtn2->isEnabled());
    QVERIFY(FNota1->BitBtn3->isEnabled());
    QCOMPARE(FNota1->DateTimePicker1->date(), QDate::currentDate());
    QCOMPARE(FNota1->focusWidget(), FNota1->Edit2);
    // Tab order as designed.
    const QList<QWidget *> order{FNota1->DateTimePicker1, FNota1->Edit1, FNota1->Edit2, FNota1->Memo1,
                                 FNota1->BitBtn1, FNota1->BitBtn3, FNota1->BitBtn5, FNota1->BitBtn6,
                                 FNota1->BitBtn7, FNota1->DBGrid1, FNota1->BitBtn2, FNota1->BitBtn4};
    for (int i = 1; i < order.size(); ++i)
        QCOMPARE(nextTabStop(order[i - 1]), order[i]);
    // Boxes are named by their captions for a screen reader.
    const struct {
        QWidget *box;
        const char *name;
    } names[] = {{FNota1->Edit1, "No Nota :"}, {FNota1->Edit2, "Kepada :"}, {FNota1->Memo1, "Alamat :"}};
    for (const auto &n : names)
        QCOMPARE(QAccessible::queryAccessibleInterface(n.box)->text(QAccessible::Name), QString::fromUtf8(n.name));
    QVERIFY(!QAccessible::queryAccessibleInterface(FNota1->DBGrid1)->text(QAccessible::Name).isEmpty());
    // The grid shows every line field but the number, titled and in money form.
    QStringList titles;
    for (int c = 0; c < FNota1->DBGrid1->model()->columnCount(); ++c)
        titles << FNota1->DBGrid1->columnTitle(c);
    QCOMPARE(titles, (QStringList{"Kode Kervano", "Kode Barang", "Nama Barang", "Harga", "Banyak", "Diskon", "Jumlah"}));
}

void TestNewInvoice::numberProposal_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("proposal");
    QTest::newRow("no invoice yet") << QStringList{} << "000001";
    QTest::newRow("after 000009") << QStringList{"000009"} << "000010";
    QTest::newRow("after 000010") << QStringList{"000010"} << "000011";
    QTest::newRow("last in number order") << QStringList{"000010", "000002", "000007"} << "000011";
    QTest::newRow("seven digits in full") << QStringList{"999999"} << "1000000";
    // By value, not by text order: a short number typed by hand, a number
    // past 999999 and a text that is no number never stop the proposal.
    QTest::newRow("short number typed by hand") << QStringList{"000007", "000008", "7"} << "000009";
    QTest::newRow("short number is the largest") << QStringList{"000007", "12"} << "000013";
    QTest::newRow("past 999999") << QStringList{"999999", "1000000", "000005"} << "1000001";
    QTest::newRow("no number passed over") << QStringList{"000003", "A-17"} << "000004";
    QTest::newRow("twenty digits") << QStringList{"99999999999999999999"} << "100000000000000000000";
}

void TestNewInvoice::numberProposal()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, proposal);
    for (const QString &n : stored)
        addHeader(n);
    openWindow();
    QCOMPARE(FNota1->Edit1->text(), proposal);
    QVERIFY(FNota1->Edit1->isEnabled());
    QVERIFY(FNota1->Table1->active());
    QVERIFY(FNota1->Table2->filtered());
    QCOMPARE(FNota1->Table2->filter(), QStringLiteral("ID_Nota ='%1'").arg(proposal));
}

// Lines under the proposed number without a header (an invoice closed
// without storing, a crash, another desk): the window says so at once and
// either discards them or continues the invoice with them, never silently.
void TestNewInvoice::linesLeftAtShow_data()
{
    QTest::addColumn<bool>("discard");
    QTest::newRow("discarded") << true;
    QTest::newRow("continued with") << false;
}

void TestNewInvoice::linesLeftAtShow()
{
    QFETCH(bool, discard);
    addLine({"000001", "KV-1", "90310-37", "KARET", 15000, 3, 10, 40500});
    addLine({"000001", "KV-3", "90310-39", "SEAL", 1000, 1, 0, 1000});
    addLine({"000002", "KV-2", "90310-38", "LAIN", 1000, 1, 0, 1000});
    ScriptedInterface person;
    person.answer(discard ? MsgAnswer::Yes : MsgAnswer::No);
    openWindow();
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().kind, MsgKind::YesNo);
    QVERIFY2(person.last().text.contains(QLatin1String("No Nota 000001")) &&
                 person.last().text.contains(QLatin1String("2 barang")),
             qPrintable(person.last().text));
    QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000001"));
    QCOMPARE(storedLines(QStringLiteral("000002")), 1);  // another number's lines are not touched
    if (discard) {
        QCOMPARE(storedLines(QStringLiteral("000001")), 0);
        QCOMPARE(FNota1->Table2->recordCount(), 0);
        QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
        QVERIFY(FNota1->Edit1->isEnabled());
        QVERIFY(!FNota1->BitBtn2->isEnabled());
        return;
    }
    QCOMPARE(FNota1->Table2->recordCount(), 2);
    QCOMPARE(FNota1->DBGrid1->cellText(0, 0), QStringLiteral("KV-1"));
    QCOMPARE(FNota1->DBGrid1->cellText(0, 6), QStringLiteral("Rp 40.500"));
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("41500"));
    QVERIFY(!FNota1->Edit1->isEnabled());
    // Continued with, the invoice can be stored at once.
    QVERIFY(FNota1->BitBtn2->isEnabled());
    FNota1->Edit2->setText(QStringLiteral("TOKO"));
    person.actInside([](TForm &) {});
    FNota1->BitBtn2->click();
    QCOMPARE(fx.db().joined(QStringLiteral("SELECT No_Nota || '=' || Jumlah_Total FROM NotaUtama")),
             QStringLiteral("000001=41500.0"));
}

// Closing the window while its lines have no stored header asks first: the
// lines are discarded, or the window stays open; they are never left for the
// next invoice under the same number to take in.
void TestNewInvoice::closingWithUnstoredLinesAsks_data()
{
    QTest::addColumn<bool>("discard");
    QTest::newRow("discarded and closed") << true;
    QTest::newRow("kept open") << false;
}

void TestNewInvoice::closingWithUnstoredLinesAsks()
{
    QFETCH(bool, discard);
    openWindow();
    ScriptedInterface person;
    addByHand(person, {"KV-1", "X", "KARET", "1000", "2", "0"});
    addByHand(person, {"KV-2", "Y", "SEAL", "500", "1", "0"});
    addLine({"000077", "KV-9", "Z", "LAIN", 77, 1, 0, 77});  // another invoice's line
    person.clear();
    person.answer(discard ? MsgAnswer::Yes : MsgAnswer::No);
    FNota1->BitBtn4->click();  // "&Close"; the close box closes the same way
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().kind, MsgKind::YesNo);
    QVERIFY2(person.last().text.contains(QLatin1String("No Nota 000001")) &&
                 person.last().text.contains(QLatin1String("2 barang")),
             qPrintable(person.last().text));
    QCOMPARE(FNota1->isVisible(), !discard);
    QCOMPARE(storedLines(QStringLiteral("000001")), discard ? 0 : 2);
    QCOMPARE(storedLines(QStringLiteral("000077")), 1);
    if (!discard) {
        QCOMPARE(FNota1->Label7->text(), QStringLiteral("2500"));
        return;
    }
    // The next invoice under the number starts empty, with nothing to ask.
    person.clear();
    openWindow();
    QCOMPARE(person.count(), 0);
    QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000001"));
    QCOMPARE(FNota1->Table2->recordCount(), 0);
}

// A number typed by hand takes digits only; its lines and their total show
// as soon as an Add button filters to it.
void TestNewInvoice::numberBoxTakesDigitsOnly()
{
    addLine({"000123", "KV-1", "X", "KARET", 1000, 2, 0, 2000});
    addLine({"000123", "KV-2", "Y", "SELANG", 500, 1, 0, 500.25});
    openWindow();
    FNota1->Edit1->clear();
    FNota1->Edit1->setFocus();
    QTest::keyClicks(FNota1->Edit1, QStringLiteral("0a0-0,1 2x3"));
    QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000123"));
    ScriptedInterface person;
    person.actInside([](TForm &) {});
    FNota1->BitBtn5->click();
    QCOMPARE(FNota1->Table2->recordCount(), 2);
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("2500,25"));
}

// Another desk stored the header of the same number after this window's
// lines were added: the window says so and proposes the next free number.
// Declined, nothing is stored; accepted, this window's lines move to the new
// number and its header is stored with them, the other desk's invoice as it was.
void TestNewInvoice::storeUnderNumberTakenMeanwhile_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("declined") << false;
    QTest::newRow("accepted") << true;
}

void TestNewInvoice::storeUnderNumberTakenMeanwhile()
{
    QFETCH(bool, accept);
    addHeader(QStringLiteral("000001"), 10);
    openWindow();
    QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000002"));
    FNota1->Edit2->setText(QStringLiteral("TOKO"));
    ScriptedInterface person;
    addByHand(person, {"KV-1", "X", "KARET", "1000", "2", "0"});
    addByHand(person, {"KV-2", "Y", "SEAL", "500", "1", "0"});
    // The other desk: its header and its line under the same number.
    addHeader(QStringLiteral("000002"), 77);
    addLine({"000002", "KV-9", "Z", "LAIN", 77, 1, 0, 77});
    addHeader(QStringLiteral("000003"), 5);  // and one more after it

    bool previewed = false;
    person.actInside([&](TForm &) { previewed = true; });
    person.answer(accept ? MsgAnswer::Ok : MsgAnswer::Cancel);
    FNota1->BitBtn2->click();
    QCOMPARE(person.last().kind, MsgKind::Question);
    QCOMPARE(person.last().text, QStringLiteral("No Nota 000002 sudah disimpan di meja lain.\n"
                                                "Simpan nota ini dengan No Nota 000004?"));
    QCOMPARE(previewed, accept);
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Jumlah_Total FROM NotaUtama WHERE No_Nota = '000002'")).toDouble(), 77.0);
    if (!accept) {
        QCOMPARE(fx.db().scalar(QStringLiteral("SELECT COUNT(*) FROM NotaUtama")).toInt(), 3);
        QCOMPARE(storedLines(QStringLiteral("000002")), 3);
        QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000002"));
        QVERIFY(FNota1->BitBtn2->isEnabled());
        return;
    }
    QCOMPARE(storedLines(QStringLiteral("000002")), 1);
    QCOMPARE(storedLines(QStringLiteral("000004")), 2);
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Jumlah_Total FROM NotaUtama WHERE No_Nota = '000004'")).toDouble(), 2500.0);
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Kepada FROM NotaUtama WHERE No_Nota = '000004'")).toString(),
             QStringLiteral("TOKO"));
    QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000004"));
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("2500"));
}

// Another desk began storing lines under the same number at the same moment
// (both checked before either stored a line): the first to store its header
// takes the next free number for its own lines, the other desk's lines stay.
void TestNewInvoice::storeMovesOwnLinesOffNumberSharedWithAnotherDesk()
{
    addLine({"000001", "KV-8", "Z", "LAMA", 5, 1, 0, 5});  // there when the window showed
    ScriptedInterface person;
    openWindowContinuing(person);
    FNota1->Edit2->setText(QStringLiteral("TOKO"));
    addByHand(person, {"KV-1", "X", "KARET", "1000", "2", "0"});
    addLine({"000001", "KV-9", "Z", "LAIN", 77, 1, 0, 77});  // the other desk's line
    person.answer(MsgAnswer::Ok);
    bool previewed = false;
    person.actInside([&](TForm &) { previewed = true; });
    FNota1->BitBtn2->click();
    QVERIFY(previewed);
    QCOMPARE(person.last().text, QStringLiteral("No Nota 000001 sedang dipakai di meja lain.\n"
                                                "Simpan nota ini dengan No Nota 000002?"));
    QCOMPARE(fx.db().joined(QStringLiteral("SELECT Nama_Brg FROM Nota WHERE ID_Nota = '000002' ORDER BY rowid")),
             QStringLiteral("LAMA,KARET"));
    QCOMPARE(fx.db().joined(QStringLiteral("SELECT Nama_Brg FROM Nota WHERE ID_Nota = '000001'")), QStringLiteral("LAIN"));
    QCOMPARE(fx.db().joined(QStringLiteral("SELECT No_Nota || '=' || Jumlah_Total FROM NotaUtama")), QStringLiteral("000002=2005.0"));
}

// Lines another desk stored under the proposed number since the window
// showed it: that desk is writing the invoice, so the first line of this one
// goes under the next number with neither a header nor lines.
void TestNewInvoice::firstLineAvoidsNumberInUseAtAnotherDesk()
{
    openWindow();
    QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000001"));
    addLine({"000001", "KV-9", "Z", "LAIN", 77, 1, 0, 77});  // the other desk's first line
    addLine({"000002", "KV-8", "Z", "LAMA", 5, 1, 0, 5});    // left by an invoice never stored
    {
        ScriptedInterface person;
        bool asked = false;  // the window for a line
        person.actInside([&](TForm &) { asked = true; });
        FNota1->BitBtn5->click();
        QVERIFY(!asked);
        QCOMPARE(person.count(), 1);
        QCOMPARE(person.last().text, QStringLiteral("No Nota 000001 sedang dipakai di meja lain.\n"
                                                    "No Nota diganti menjadi 000003."));
        QCOMPARE(FNota1->Edit1->text(), QStringLiteral("000003"));
        QVERIFY(FNota1->Edit1->isEnabled());
        QCOMPARE(FNota1->Table2->recordCount(), 0);
    }
    ScriptedInterface person;
    addByHand(person, {"KV-1", "X", "KARET", "1000", "2", "0"});
    QCOMPARE(storedLines(QStringLiteral("000003")), 1);
    QCOMPARE(storedLines(QStringLiteral("000001")), 1);
}

void TestNewInvoice::addRefusesUsedOrEmptyNumber_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");
    for (const char *button : {"BitBtn1", "BitBtn5"}) {
        QTest::addRow("%s used number", button) << button << "000004" << "No Nota Telah Terpakai";
        QTest::addRow("%s empty number", button) << button << "" << "Isi Kolom No Nota!";
    }
}

void TestNewInvoice::addRefusesUsedOrEmptyNumber()
{
    QFETCH(QString, button);
    QFETCH(QString, number);
    QFETCH(QString, message);
    addHeader(QStringLiteral("000004"));
    openWindow();
    FNota1->Edit1->setText(number);
    ScriptedInterface person;
    bool itemWindowShown = false;
    person.actInside([&](TForm &) { itemWindowShown = true; });
    FNota1->findChild<QPushButton *>(button)->click();
    QVERIFY(!itemWindowShown);
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().text, message);
    QCOMPARE(person.last().caption, QStringLiteral("Kesalahan"));
    QCOMPARE(person.last().kind, MsgKind::Exclamation);
    QVERIFY(FNota1->Edit1->isEnabled());
}

void TestNewInvoice::addLocksNumberAndFiltersLines_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("Add Dari List") << "BitBtn1" << "FNota2";
    QTest::newRow("Add Manual") << "BitBtn5" << "FNota4";
}

// A number typed by hand: the lines shown are those of the number the new
// line goes under, and the number stays locked even when the item window is
// left without storing.
void TestNewInvoice::addLocksNumberAndFiltersLines()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    addLine({"000020", "KV-9", "X", "LAMA", 100, 1, 0, 100});
    openWindow();
    FNota1->Edit1->setText(QStringLiteral("000020"));
    ScriptedInterface person;
    QString shown;
    bool modal = false;
    person.actInside([&](TForm &form) {
        shown = form.objectName();
        modal = form.isShowingModal();
    });
    FNota1->findChild<QPushButton *>(button)->click();
    QCOMPARE(shown, window);
    QVERIFY(modal);
    QCOMPARE(person.count(), 0);
    QVERIFY(!FNota1->Edit1->isEnabled());
    QCOMPARE(FNota1->Table2->filter(), QStringLiteral("ID_Nota ='000020'"));
    QCOMPARE(FNota1->Table2->recordCount(), 1);
}

void TestNewInvoice::deleteAsksWithPlainNumbers()
{
    addLine({"000001", "KV-1", "90310-37", "KARET STABIL", 15000, 3, 12.5, 39375});
    ScriptedInterface person;
    openWindowContinuing(person);
    person.answer(MsgAnswer::Cancel);
    FNota1->BitBtn3->click();
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().text, QStringLiteral("Hapus Data Nota Barang dengan\n"
                                                "Kode Barang = 90310-37\n"
                                                "Nama Barang = KARET STABIL\n"
                                                "Harga = 15000\n"
                                                "Banyak =3\n"
                                                "Diskon =12,5\n"
                                                "Jumlah =39375 ?\n"));
    QCOMPARE(person.last().caption, QStringLiteral("Hapus"));
    QCOMPARE(person.last().kind, MsgKind::Question);
    // Cancel keeps the line and the total.
    QCOMPARE(storedLines(QStringLiteral("000001")), 1);
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("39375"));
}

// The total is always the sum of the invoice's stored lines: deleting a line
// takes exactly its amount off, fractions and returned items included.
void TestNewInvoice::deleteLowersTotalToItsLines_data()
{
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("lowered") << 40500.0 << 2000.0 << "42500" << "2000";
    QTest::newRow("to zero") << 40500.0 << 0.0 << "40500" << "0";
    QTest::newRow("fraction kept") << 40500.0 << 0.25 << "40500,25" << "0,25";
    QTest::newRow("a returned item left") << 40500.0 << -2000.0 << "38500" << "-2000";
}

void TestNewInvoice::deleteLowersTotalToItsLines()
{
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(QString, before);
    QFETCH(QString, after);
    addLine({"000001", "KV-1", "90310-37", "KARET", 15000, 3, 10, first});
    addLine({"000001", "KV-2", "90310-38", "SELANG", 2000, 1, 0, second});
    ScriptedInterface person;
    openWindowContinuing(person);
    QCOMPARE(FNota1->Label7->text(), before);
    FNota1->Table2->first();
    QCOMPARE(FNota1->Table2->fieldByName(QStringLiteral("Kode_KV"))->asString(), QStringLiteral("KV-1"));
    FNota1->BitBtn3->click();
    QCOMPARE(FNota1->Label7->text(), after);
    QCOMPARE(storedLines(QStringLiteral("000001")), 1);
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Kode_KV FROM Nota")).toString(), QStringLiteral("KV-2"));
    QCOMPARE(FNota1->Table2->recordCount(), 1);
}

void TestNewInvoice::deleteWithNoLineTellsSo()
{
    openWindow();
    ScriptedInterface person;
    FNota1->BitBtn3->click();
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().text, QStringLiteral("Data Masih Kosong, Tidak ada Item yang dihapus!"));
    QCOMPARE(person.last().caption, QStringLiteral("Informasi"));
    QCOMPARE(person.last().kind, MsgKind::Information);
}

void TestNewInvoice::storeNeedsCustomerName()
{
    addLine({"000001", "KV-1", "90310-37", "KARET", 15000, 3, 10, 40500});
    ScriptedInterface person;
    openWindowContinuing(person);
    QVERIFY(FNota1->BitBtn2->isEnabled());
    FNota1->BitBtn2->click();
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().text, QStringLiteral("Kolom Kepada masih Kosong!"));
    QCOMPARE(person.last().caption, QStringLiteral("Konfirmasi"));
    QCOMPARE(person.last().kind, MsgKind::Exclamation);
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT COUNT(*) FROM NotaUtama")).toInt(), 0);
    QVERIFY(FNota1->BitBtn2->isEnabled());
}

void TestNewInvoice::storeWritesHeaderAndPreviews()
{
    addLine({"000001", "KV-1", "90310-37", "KARET", 15000, 3, 10, 40500.5});
    ScriptedInterface person;
    openWindowContinuing(person);
    FNota1->DateTimePicker1->setDate(QDate(2009, 12, 5));
    FNota1->Edit2->setText(QStringLiteral("PT SUMBER KARET JAYA ABADI SENTOSA"));
    FNota1->Memo1->setPlainText(QStringLiteral("Jl. Gatot Subroto 17\nJakarta"));
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("40500,5"));
    QString previewCaption;
    bool modal = false;
    person.actInside([&](TForm &preview) {
        previewCaption = preview.windowTitle();
        modal = preview.isShowingModal();
    });
    FNota1->BitBtn2->click();
    QCOMPARE(person.count(), 0);
    QCOMPARE(previewCaption, QStringLiteral("Nota"));
    QVERIFY(modal);
    QVERIFY(!FNota1->BitBtn2->isEnabled());
    QVERIFY(!FNota1->BitBtn3->isEnabled());
    // The header as stored, and the header table on it for the printed invoice.
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Tanggal FROM NotaUtama WHERE No_Nota='000001'")).toString(),
             QStringLiteral("2009-12-05"));
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Kepada FROM NotaUtama")).toString(),
             QStringLiteral("PT SUMBER KARET JAYA ABAD"));  // cut to the field's 25
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Alamat FROM NotaUtama")).toString(),
             QStringLiteral("Jl. Gatot Subroto 17\nJakarta"));
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Jumlah_Total FROM NotaUtama")).toDouble(), 40500.5);
    QCOMPARE(FNota1->Table1->fieldByName(QStringLiteral("No_Nota"))->asString(), QStringLiteral("000001"));
}

void TestNewInvoice::storedNumberRefusesMoreLines()
{
    openWindow();
    FNota1->Edit2->setText(QStringLiteral("TOKO"));
    FNota1->BitBtn2->setEnabled(true);
    ScriptedInterface person;
    person.actInside([](TForm &) {});  // the preview, closed at once
    FNota1->BitBtn2->click();  // an invoice may be stored without lines
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT COUNT(*) FROM NotaUtama")).toInt(), 1);
    for (QPushButton *add : {FNota1->BitBtn1, FNota1->BitBtn5}) {
        person.clear();
        add->click();
        QCOMPARE(person.last().text, QStringLiteral("No Nota Telah Terpakai"));
    }
}

void TestNewInvoice::lookupByName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("memo");
    QTest::newRow("found") << "TOKO MAKMUR" << "" << "Jl. Gatot Subroto 17\nJakarta";
    QTest::newRow("partial name not found") << "TOKO" << "Daftar Pelanggan Tidak Ditemukan" << "";
    QTest::newRow("other case not found") << "toko makmur" << "Daftar Pelanggan Tidak Ditemukan" << "";
    QTest::newRow("empty name") << "" << "Isi Kolom Kepada Untuk Melakukan pencarian!" << "sebelumnya";
}

void TestNewInvoice::lookupByName()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, memo);
    addCustomer(QStringLiteral("TOKO MAKMUR"), QStringLiteral("Jl. Gatot Subroto 17\nJakarta"));
    openWindow();
    FNota1->Edit2->setText(typed);
    FNota1->Memo1->setPlainText(QStringLiteral("sebelumnya"));
    ScriptedInterface person;
    FNota1->BitBtn7->click();
    QCOMPARE(person.count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(person.last().text, message);
        QCOMPARE(person.last().caption, QStringLiteral("Kesalahan"));
        QCOMPARE(person.last().kind, MsgKind::Exclamation);
    }
    QCOMPARE(FNota1->Memo1->toPlainText(), memo);
    QVERIFY(!FNota1->Table3->active());
}

void TestNewInvoice::closingResetsAndShowsMainWindow()
{
    openWindow();
    FNota1->Edit2->setText(QStringLiteral("TOKO"));
    FNota1->Memo1->setPlainText(QStringLiteral("JL"));
    FNota1->Label7->setText(QStringLiteral("500"));
    FNota1->Edit1->setEnabled(false);
    FNota1->BitBtn2->setEnabled(true);
    FNota1->BitBtn4->click();
    QVERIFY(!FNota1->isVisible());
    QVERIFY(FMain->isVisible());
    QVERIFY(!FNota1->Table1->active());
    QVERIFY(!FNota1->Table2->active());
    QVERIFY(!FNota1->Table3->active());
    QVERIFY(FNota1->Edit1->text().isEmpty());
    QVERIFY(FNota1->Edit1->isEnabled());
    QVERIFY(FNota1->Edit2->text().isEmpty());
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
    QVERIFY(!FNota1->BitBtn2->isEnabled());
    QCOMPARE(FNota1->Memo1->toPlainText(), QStringLiteral("JL"));  // emptied at the next show
    openWindow();
    QVERIFY(FNota1->Memo1->toPlainText().isEmpty());
}

void TestNewInvoice::pickerFirstShowOkEmptiesBoxes()
{
    addCustomer(QStringLiteral("TOKO MAKMUR"), QStringLiteral("JL MAWAR"));
    openWindow();
    FNota1->Edit2->setText(QStringLiteral("DIKETIK"));
    FNota1->Memo1->setPlainText(QStringLiteral("ALAMAT DIKETIK"));
    ScriptedInterface person;
    bool tableOpenMeanwhile = false;
    person.actInside<TFNota3>([&](TFNota3 &picker) {
        tableOpenMeanwhile = FNota1->Table3->active();
        QVERIFY(picker.DBLookupComboBox1->text().isEmpty());
        QVERIFY(picker.DBMemo1->text().isEmpty());
        picker.BitBtn1->click();
    });
    FNota1->BitBtn6->click();
    QVERIFY(tableOpenMeanwhile);
    QVERIFY(!FNota1->Table3->active());
    QVERIFY(FNota1->Edit2->text().isEmpty());
    QVERIFY(FNota1->Memo1->toPlainText().isEmpty());
}

void TestNewInvoice::pickerCopiesPickAndRemembersIt()
{
    addCustomer(QStringLiteral("CV ABADI"), QStringLiteral("JL KENANGA 3"));
    addCustomer(QStringLiteral("TOKO MAKMUR"), QStringLiteral("Jl. Mawar 1\nBandung"));
    openWindow();
    ScriptedInterface person;
    person.actInside<TFNota3>([&](TFNota3 &picker) {
        QCOMPARE(picker.DBLookupComboBox1->count(), 2);
        QCOMPARE(picker.DBLookupComboBox1->itemText(0), QStringLiteral("CV ABADI"));  // name order
        picker.DBLookupComboBox1->showPopup();
        picker.DBLookupComboBox1->pick(1);
        picker.DBLookupComboBox1->hidePopup();
        QTRY_COMPARE(picker.DBMemo1->text(), QStringLiteral("Jl. Mawar 1\nBandung"));
        picker.BitBtn1->click();
    });
    FNota1->BitBtn6->click();
    QCOMPARE(FNota1->Edit2->text(), QStringLiteral("TOKO MAKMUR"));
    QCOMPARE(FNota1->Memo1->toPlainText(), QStringLiteral("Jl. Mawar 1\nBandung"));
    // The next showing shows the same customer at once; OK copies it again.
    FNota1->Edit2->clear();
    FNota1->Memo1->clear();
    person.actInside<TFNota3>([&](TFNota3 &picker) {
        QCOMPARE(picker.DBLookupComboBox1->text(), QStringLiteral("TOKO MAKMUR"));
        QCOMPARE(picker.DBMemo1->text(), QStringLiteral("Jl. Mawar 1\nBandung"));
        QTest::keyClick(&picker, Qt::Key_Return);  // "OK" is the default button
    });
    FNota1->BitBtn6->click();
    QVERIFY(!FNota3->isVisible());
    QCOMPARE(FNota1->Edit2->text(), QStringLiteral("TOKO MAKMUR"));
    QCOMPARE(FNota1->Memo1->toPlainText(), QStringLiteral("Jl. Mawar 1\nBandung"));
}

void TestNewInvoice::pickerEditedAddressIsNotStored()
{
    addCustomer(QStringLiteral("TOKO MAKMUR"), QStringLiteral("JL MAWAR"));
    openWindow();
    ScriptedInterface person;
    person.actInside<TFNota3>([&](TFNota3 &picker) {
        picker.DBLookupComboBox1->showPopup();
        picker.DBLookupComboBox1->pick(0);
        picker.DBLookupComboBox1->hidePopup();
        QTRY_COMPARE(picker.DBMemo1->text(), QStringLiteral("JL MAWAR"));
        picker.DBMemo1->setFocus();
        picker.DBMemo1->selectAll();
        QTest::keyClicks(picker.DBMemo1, QStringLiteral("GUDANG BARU"));
        picker.BitBtn1->click();
    });
    FNota1->BitBtn6->click();
    QCOMPARE(FNota1->Memo1->toPlainText(), QStringLiteral("GUDANG BARU"));
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Alamat FROM Pelanggan")).toString(), QStringLiteral("JL MAWAR"));
    // Typed again and the same name picked again: nothing reaches the customer.
    person.actInside<TFNota3>([&](TFNota3 &picker) {
        picker.DBMemo1->setFocus();
        picker.DBMemo1->selectAll();
        QTest::keyClicks(picker.DBMemo1, QStringLiteral("LAIN LAGI"));
        picker.DBLookupComboBox1->showPopup();
        picker.DBLookupComboBox1->pick(0);
        picker.DBLookupComboBox1->hidePopup();
        QTest::qWait(0);  // the close-up after the pick
        picker.BitBtn1->click();
    });
    FNota1->BitBtn6->click();
    QCOMPARE(fx.db().scalar(QStringLiteral("SELECT Alamat FROM Pelanggan")).toString(), QStringLiteral("JL MAWAR"));
}

void TestNewInvoice::pickerBatalLeavesBoxes()
{
    addCustomer(QStringLiteral("TOKO MAKMUR"), QStringLiteral("JL MAWAR"));
    openWindow();
    FNota1->Edit2->setText(QStringLiteral("DIKETIK"));
    FNota1->Memo1->setPlainText(QStringLiteral("ALAMAT"));
    ScriptedInterface person;
    person.actInside<TFNota3>([&](TFNota3 &picker) {
        picker.DBLookupComboBox1->pick(0);
        picker.DBLookupComboBox1->hidePopup();
        QTest::keyClick(&picker, Qt::Key_Escape);  // "Batal" is the cancel button
    });
    FNota1->BitBtn6->click();
    QVERIFY(!FNota3->isVisible());
    QVERIFY(!FNota1->Table3->active());
    QCOMPARE(FNota1->Edit2->text(), QStringLiteral("DIKETIK"));
    QCOMPARE(FNota1->Memo1->toPlainText(), QStringLiteral("ALAMAT"));
}

NOTA_TEST_MAIN(TestNewInvoice)
#include "test_new_invoice.moc"
