// The invoice browser: what it shows of the current invoice, stepping with
// the navigator (clicks and Space), refresh, closing and reopening, the
// printed invoice it previews, the help window, an empty header table, and
// that nothing it does changes a table.
#include "AccessFixture.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "access/Help1.h"
#include "access/MainMenu.h"
#include "controls/DBGrid.h"
#include "controls/DBNavigator.h"
#include "controls/DBText.h"
#include "core/DateText.h"
#include "data/Table.h"
#include "invoice/LihatN.h"
#include "reports/ReportPreview.h"

#include "Accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <optional>

namespace {
using Nav = DBNavigator::Button;

struct Line {
    QString number, shopCode, makerCode, name;
    double price, quantity, discount, amount;
};

// Three invoices stored out of number order, with lines stored in between;
// 000002 has no lines and 00007' carries a quote in its number.
const Line kLines[] = {
    {"000003", "KV-0301", "30-1", "Seal roda", 5000, 2, 0, 10000},
    {"000001", "KV-0101", "90310-12", "Karet stabilizer", 40500, 12.5, 10, 455625},
    {"00007'", "KV-0701", "70-1", "Boot as", 7000, 1, 0, 7000},
    {"000001", "KV-0102", "48815-06", "Bushing arm", 1250.5, 3, 0, 3751.5},
    {"000003", "KV-0302", "30-2", "O-ring", 250, 4, 0, 1000},
    {"000004", "KV-0401", "40-1", "Tanpa kepala", 1, 1, 0, 1},  // no header of its own
};

QString nameOf(QWidget *widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }
} // namespace

class TestInvoiceBrowser : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowDesign();
    void firstShowingListsTheFirstInvoice();
    void screenReaderReadsTheValues_data();
    void screenReaderReadsTheValues();
    void navigatorRenewsTheLines_data();
    void navigatorRenewsTheLines();
    void nextOnTheLastInvoiceStaysThere();
    void spaceOnANavigatorButtonActsAsAClick();
    void refreshRereadsHeaderAndLines();
    void closeAndReopenStartsAtTheFirstInvoice();
    void printPreviewShowsTheInvoiceOnScreen_data();
    void printPreviewShowsTheInvoiceOnScreen();
    void emptyHeaderTable();
    void helpButtonShowsButtonHelp();
    void browsingChangesNoTable();

private:
    void addHeader(const QString &number, const QDate &date, const QString &to, const QString &address, double total);
    void addSampleInvoices();
    static void openBrowser();
    // Kode Kervano of every line in the grid, top to bottom.
    static QStringList gridCodes();
    // What the header panel and the total show.
    static QStringList headerShown();

    AccessFixture fx;
    std::optional<PinnedLocale> m_locale;
};

void TestInvoiceBrowser::init()
{
    m_locale.emplace(indonesian());
    fx.start();
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
    QVERIFY(FMain->isVisible());
}

void TestInvoiceBrowser::cleanup()
{
    fx.stop();
    m_locale.reset();
}

void TestInvoiceBrowser::addHeader(const QString &number, const QDate &date, const QString &to,
                                   const QString &address, double total)
{
    fx.db().exec(QStringLiteral("INSERT INTO NotaUtama (No_Nota, Tanggal, Kepada, Alamat, Jumlah_Total) "
                                "VALUES (?, ?, ?, ?, ?)"),
                 {number, date.toString(Qt::ISODate), to, address, total});
}

void TestInvoiceBrowser::addSampleInvoices()
{
    addHeader(QStringLiteral("000003"), QDate(2009, 12, 7), QStringLiteral("Bengkel Maju"), QStringLiteral("Jl. C 3"),
              11000);
    addHeader(QStringLiteral("000001"), QDate(2009, 12, 5), QStringLiteral("Toko Sumber Makmur"),
              QStringLiteral("Jl. Gatot Subroto 17"), 459376.5);
    addHeader(QStringLiteral("00007'"), QDate(2009, 12, 9), QStringLiteral("Toko Petik"), QStringLiteral("Jl. D 4"), 7000);
    addHeader(QStringLiteral("000002"), QDate(2009, 12, 6), QStringLiteral("Toko Kosong"), QStringLiteral("Jl. B 2"),
              0);
    for (const Line &l : kLines)
        fx.db().exec(QStringLiteral("INSERT INTO Nota (ID_Nota, Kode_KV, Kode_Brg, Nama_Brg, Harga, Banyak, Diskon, "
                                    "Jumlah) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                     {l.number, l.shopCode, l.makerCode, l.name, l.price, l.quantity, l.discount, l.amount});
}

void TestInvoiceBrowser::openBrowser()
{
    FMain->SpeedButton5->click();
    QVERIFY(FlihatN->isVisible());
    QVERIFY(!FMain->isVisible());
}

QStringList TestInvoiceBrowser::gridCodes()
{
    QStringList codes;
    for (int row = 0; row < FlihatN->DBGrid1->model()->rowCount(); ++row)
        codes << FlihatN->DBGrid1->cellText(row, 0);
    return codes;
}

QStringList TestInvoiceBrowser::headerShown()
{
    return {FlihatN->DBText1->text(), FlihatN->DBText2->text(), FlihatN->DBText3->text(), FlihatN->DBText4->text(),
            FlihatN->DBText5->text()};
}

void TestInvoiceBrowser::windowDesign()
{
    openBrowser();
    QCOMPARE(FlihatN->windowTitle(), QStringLiteral("Lihat Nota"));
    QCOMPARE(FlihatN->borderIcons(), int(TForm::SystemMenu));
    QVERIFY(!FlihatN->isShowingModal());
    QCOMPARE(FlihatN->Label1->text(), QStringLiteral("Kervano"));
    QCOMPARE(FlihatN->Label1->font().pointSize(), 26);
    QCOMPARE(FlihatN->Label2->text(), QStringLiteral("AUTOMOTIVE RUBBER PART"));
    QVERIFY(!FlihatN->Image1->pixmap().isNull());
    QCOMPARE(FlihatN->Image1->width(), FlihatN->Image1->height());

    // Captions, and the values a screen reader reads under them.
    const struct {
        QLabel *caption;
        DBText *value;
        const char *text;
    } values[] = {{FlihatN->Label3, FlihatN->DBText1, "No Nota :"},
                  {FlihatN->Label4, FlihatN->DBText2, "Tanggal Buat Nota :"},
                  {FlihatN->Label5, FlihatN->DBText3, "Kepada :"},
                  {FlihatN->Label6, FlihatN->DBText4, "Alamat :"},
                  {FlihatN->Label7, FlihatN->DBText5, "Jumlah Total :"}};
    for (const auto &v : values) {
        QCOMPARE(v.caption->text(), QString::fromUtf8(v.text));
        QCOMPARE(v.caption->buddy(), v.value);
        QVERIFY(labelsOf(v.value).contains(v.caption));
    }
    const QColor blue(0, 0, 255), maroon(128, 0, 0);
    QCOMPARE(FlihatN->DBText1->palette().color(QPalette::WindowText), blue);
    QCOMPARE(FlihatN->DBText2->palette().color(QPalette::WindowText), blue);
    for (DBText *customer : {FlihatN->DBText3, FlihatN->DBText4}) {
        QCOMPARE(customer->palette().color(QPalette::WindowText), maroon);
        QVERIFY(customer->font().bold());
    }
    QCOMPARE(FlihatN->DBText5->palette().color(QPalette::WindowText), maroon);

    // The grid: read only, whole rows, the line fields but the number.
    QVERIFY(FlihatN->DBGrid1->isReadOnly());
    QVERIFY(FlihatN->DBGrid1->rowSelect());
    QVERIFY(!nameOf(FlihatN->DBGrid1).isEmpty());
    QStringList titles;
    for (int c = 0; c < FlihatN->DBGrid1->model()->columnCount(); ++c)
        titles << FlihatN->DBGrid1->columnTitle(c);
    QCOMPARE(titles, (QStringList{"Kode Kervano", "Kode Barang", "Nama Barang", "Harga", "Banyak", "Diskon", "Jumlah"}));

    // The row of controls.
    QCOMPARE(FlihatN->DBNavigator1->visibleButtons(),
             (QList<Nav>{Nav::First, Nav::Prior, Nav::Next, Nav::Last, Nav::Refresh}));
    for (Nav which : FlihatN->DBNavigator1->visibleButtons()) {
        QCOMPARE(FlihatN->DBNavigator1->button(which)->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!nameOf(FlihatN->DBNavigator1->button(which)).isEmpty());
    }
    QVERIFY(FlihatN->BitBtn2->text().isEmpty());
    QVERIFY(!FlihatN->BitBtn2->icon().isNull());
    QVERIFY(!nameOf(FlihatN->BitBtn2).isEmpty());
    QCOMPARE(FlihatN->BitBtn1->text(), QStringLiteral("Print Preview"));
    QCOMPARE(FlihatN->BitBtn1->palette().color(QPalette::ButtonText), QColor(0, 128, 0));
    QCOMPARE(FlihatN->BitBtn3->text(), QStringLiteral("&Close"));
    for (QPushButton *b : {FlihatN->BitBtn1, FlihatN->BitBtn2, FlihatN->BitBtn3}) {
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!b->icon().isNull());
    }
}

// What a screen reader says of each field of the invoice shown: the value,
// under its caption, never the caption alone.
void TestInvoiceBrowser::screenReaderReadsTheValues_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("read");
    QTest::newRow("number") << 0 << "No Nota :" << "000001";
    QTest::newRow("date") << 1 << "Tanggal Buat Nota :" << "05 Des 2009";
    QTest::newRow("customer") << 2 << "Kepada :" << "Toko Sumber Makmur";
    QTest::newRow("address") << 3 << "Alamat :" << "Jl. Gatot Subroto 17";
    QTest::newRow("total") << 4 << "Jumlah Total :" << "Rp 459.376,5";
}

void TestInvoiceBrowser::screenReaderReadsTheValues()
{
    QFETCH(int, field);
    QFETCH(QString, caption);
    QFETCH(QString, read);
    addSampleInvoices();
    openBrowser();
    QLabel *captions[] = {FlihatN->Label3, FlihatN->Label4, FlihatN->Label5, FlihatN->Label6, FlihatN->Label7};
    DBText *values[] = {FlihatN->DBText1, FlihatN->DBText2, FlihatN->DBText3, FlihatN->DBText4, FlihatN->DBText5};
    QCOMPARE(captions[field]->text(), caption);
    QCOMPARE(nameOf(values[field]), read);
    QVERIFY(labelsOf(values[field]).contains(captions[field]));
}

void TestInvoiceBrowser::firstShowingListsTheFirstInvoice()
{
    addSampleInvoices();
    openBrowser();
    QCOMPARE(headerShown(), (QStringList{"000001", "05 Des 2009", "Toko Sumber Makmur", "Jl. Gatot Subroto 17",
                                         "Rp 459.376,5"}));
    QCOMPARE(FlihatN->Table2->filter(), QStringLiteral("ID_Nota ='000001'"));
    QVERIFY(FlihatN->Table2->filtered());
    QCOMPARE(gridCodes(), (QStringList{"KV-0101", "KV-0102"}));
    // The lines as the grid shows them: money in its display form.
    QStringList second;
    for (int c = 0; c < 7; ++c)
        second << FlihatN->DBGrid1->cellText(1, c);
    QCOMPARE(second, (QStringList{"KV-0102", "48815-06", "Bushing arm", "Rp 1.250,5", "3", "0", "Rp 3.751,5"}));
    // At the first invoice only the steps forward act.
    const DBNavigator &nav = *FlihatN->DBNavigator1;
    QVERIFY(!nav.button(Nav::First)->isEnabled() && !nav.button(Nav::Prior)->isEnabled());
    QVERIFY(nav.button(Nav::Next)->isEnabled() && nav.button(Nav::Last)->isEnabled());
    QVERIFY(nav.button(Nav::Refresh)->isEnabled());
}

void TestInvoiceBrowser::navigatorRenewsTheLines_data()
{
    QTest::addColumn<QList<Nav>>("steps");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("codes");

    QTest::newRow("next: an invoice without lines") << QList<Nav>{Nav::Next} << "000002" << "ID_Nota ='000002'"
                                                   << QStringList{};
    QTest::newRow("next twice") << QList<Nav>{Nav::Next, Nav::Next} << "000003" << "ID_Nota ='000003'"
                                << QStringList{"KV-0301", "KV-0302"};
    QTest::newRow("last: a quote in the number is doubled")
        << QList<Nav>{Nav::Last} << "00007'" << "ID_Nota ='00007'''" << QStringList{"KV-0701"};
    QTest::newRow("last, prior") << QList<Nav>{Nav::Last, Nav::Prior} << "000003" << "ID_Nota ='000003'"
                                 << QStringList{"KV-0301", "KV-0302"};
    QTest::newRow("last, first") << QList<Nav>{Nav::Last, Nav::First} << "000001" << "ID_Nota ='000001'"
                                 << QStringList{"KV-0101", "KV-0102"};
    QTest::newRow("refresh in place") << QList<Nav>{Nav::Next, Nav::Next, Nav::Refresh} << "000003"
                                      << "ID_Nota ='000003'" << QStringList{"KV-0301", "KV-0302"};
}

void TestInvoiceBrowser::navigatorRenewsTheLines()
{
    QFETCH(QList<Nav>, steps);
    QFETCH(QString, number);
    QFETCH(QString, filter);
    QFETCH(QStringList, codes);
    addSampleInvoices();
    openBrowser();
    for (Nav step : steps) {
        QVERIFY(FlihatN->DBNavigator1->button(step)->isEnabled());
        QTest::mouseClick(FlihatN->DBNavigator1->button(step), Qt::LeftButton);
    }
    QCOMPARE(FlihatN->DBText1->text(), number);
    QCOMPARE(FlihatN->Table2->filter(), filter);
    QCOMPARE(gridCodes(), codes);
}

void TestInvoiceBrowser::nextOnTheLastInvoiceStaysThere()
{
    addSampleInvoices();
    openBrowser();
    DBNavigator &nav = *FlihatN->DBNavigator1;
    QTest::mouseClick(nav.button(Nav::Last), Qt::LeftButton);
    const QStringList header = headerShown();
    QCOMPARE(header.front(), QStringLiteral("00007'"));
    QCOMPARE(gridCodes(), QStringList{"KV-0701"});

    // Next and Last cannot act at the end: the header stays and so do its lines.
    QVERIFY(!nav.button(Nav::Next)->isEnabled());
    QVERIFY(!nav.button(Nav::Last)->isEnabled());
    QTest::mouseClick(nav.button(Nav::Next), Qt::LeftButton);
    nav.click(Nav::Next);
    QCOMPARE(headerShown(), header);
    QCOMPARE(FlihatN->Table1->recNo(), 4);
    QCOMPARE(FlihatN->Table2->filter(), QStringLiteral("ID_Nota ='00007'''"));
    QCOMPARE(gridCodes(), QStringList{"KV-0701"});
    QVERIFY(nav.button(Nav::First)->isEnabled() && nav.button(Nav::Prior)->isEnabled());
}

void TestInvoiceBrowser::spaceOnANavigatorButtonActsAsAClick()
{
    addSampleInvoices();
    openBrowser();
    FlihatN->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FlihatN));
    QToolButton *next = FlihatN->DBNavigator1->button(Nav::Next);
    next->setFocus(Qt::TabFocusReason);
    QVERIFY(next->hasFocus());
    QTest::keyClick(next, Qt::Key_Space);
    QCOMPARE(FlihatN->DBText1->text(), QStringLiteral("000002"));
    QCOMPARE(gridCodes(), QStringList{});
    QTest::keyClick(next, Qt::Key_Space);
    QCOMPARE(FlihatN->DBText1->text(), QStringLiteral("000003"));
    QCOMPARE(FlihatN->Table2->filter(), QStringLiteral("ID_Nota ='000003'"));
    QCOMPARE(gridCodes(), (QStringList{"KV-0301", "KV-0302"}));
}

void TestInvoiceBrowser::refreshRereadsHeaderAndLines()
{
    addSampleInvoices();
    openBrowser();
    QTest::mouseClick(FlihatN->DBNavigator1->button(Nav::Next), Qt::LeftButton);
    QTest::mouseClick(FlihatN->DBNavigator1->button(Nav::Next), Qt::LeftButton);
    QCOMPARE(FlihatN->DBText1->text(), QStringLiteral("000003"));

    // Written meanwhile by another hand: the customer's name and a line.
    fx.db().exec(QStringLiteral("UPDATE NotaUtama SET Kepada = 'Bengkel Jaya' WHERE No_Nota = '000003'"));
    fx.db().exec(QStringLiteral("INSERT INTO Nota (ID_Nota, Kode_KV) VALUES ('000003', 'KV-0303')"));
    QTest::mouseClick(FlihatN->DBNavigator1->button(Nav::Refresh), Qt::LeftButton);
    QCOMPARE(FlihatN->DBText1->text(), QStringLiteral("000003"));
    QCOMPARE(FlihatN->DBText3->text(), QStringLiteral("Bengkel Jaya"));
    QCOMPARE(gridCodes(), (QStringList{"KV-0301", "KV-0302", "KV-0303"}));
}

void TestInvoiceBrowser::closeAndReopenStartsAtTheFirstInvoice()
{
    addSampleInvoices();
    openBrowser();
    QTest::mouseClick(FlihatN->DBNavigator1->button(Nav::Last), Qt::LeftButton);
    QCOMPARE(FlihatN->DBText1->text(), QStringLiteral("00007'"));

    FlihatN->BitBtn3->click();
    QVERIFY(!FlihatN->isVisible());
    QVERIFY(FMain->isVisible());
    QVERIFY(!FlihatN->Table1->active());
    QVERIFY(!FlihatN->Table2->active());
    QCOMPARE(headerShown(), QStringList(5));
    QCOMPARE(FlihatN->DBGrid1->model()->rowCount(), 0);

    openBrowser();
    QCOMPARE(FlihatN->DBText1->text(), QStringLiteral("000001"));
    QCOMPARE(FlihatN->Table2->filter(), QStringLiteral("ID_Nota ='000001'"));
    QCOMPARE(gridCodes(), (QStringList{"KV-0101", "KV-0102"}));

    // The close box does the same.
    FlihatN->close();
    QVERIFY(FMain->isVisible());
    QVERIFY(!FlihatN->Table1->active());
}

void TestInvoiceBrowser::printPreviewShowsTheInvoiceOnScreen_data()
{
    QTest::addColumn<int>("nexts");
    QTest::addColumn<QStringList>("header");  // number, date, customer, address, total
    QTest::addColumn<QStringList>("codes");

    QTest::newRow("first invoice")
        << 0 << QStringList{"000001", "05 Des 2009", "Toko Sumber Makmur", "Jl. Gatot Subroto 17", "Rp 459.376,5"}
        << QStringList{"KV-0101", "KV-0102"};
    QTest::newRow("an invoice without lines")
        << 1 << QStringList{"000002", "06 Des 2009", "Toko Kosong", "Jl. B 2", "Rp "} << QStringList{};
    QTest::newRow("third invoice") << 2
                                   << QStringList{"000003", "07 Des 2009", "Bengkel Maju", "Jl. C 3", "Rp 11.000"}
                                   << QStringList{"KV-0301", "KV-0302"};
}

void TestInvoiceBrowser::printPreviewShowsTheInvoiceOnScreen()
{
    QFETCH(int, nexts);
    QFETCH(QStringList, header);
    QFETCH(QStringList, codes);
    addSampleInvoices();
    openBrowser();
    for (int i = 0; i < nexts; ++i)
        QTest::mouseClick(FlihatN->DBNavigator1->button(Nav::Next), Qt::LeftButton);
    QCOMPARE(headerShown(), header);

    QStringList texts;
    bool ran = false;
    ScriptedInterface person;
    person.actInside<ReportPreview>([&](ReportPreview &preview) {
        ran = true;
        QCOMPARE(preview.caption(), QStringLiteral("Nota"));
        QCOMPARE(preview.windowModality(), Qt::ApplicationModal);
        preview.finishProduction();
        QCOMPARE(preview.pageCount(), 1);
        texts = preview.report()->pageTexts(0);
        preview.CloseButton->click();
    });
    QTest::mouseClick(FlihatN->BitBtn1, Qt::LeftButton);
    QVERIFY(ran);
    QVERIFY(!QApplication::activeModalWidget());

    // Exactly the invoice's lines, in the line table's order, under its header.
    QCOMPARE(texts.filter(QRegularExpression(QStringLiteral("^KV-"))), codes);
    for (const QString &value : header.mid(0, 4))
        QVERIFY2(texts.contains(value), qPrintable(value));
    QVERIFY(texts.contains(header.at(4)));
    // The day of printing, in the short date form.
    QVERIFY(texts.contains(datetext::shortDate(QDate::currentDate())));
    QVERIFY(!texts.contains(QStringLiteral("12/12/09")));
    // The browser stays where it was.
    QCOMPARE(headerShown(), header);
    QCOMPARE(gridCodes(), codes);
    QVERIFY(FlihatN->isVisible());
}

void TestInvoiceBrowser::emptyHeaderTable()
{
    // Lines stored without a header of their own stay out of sight.
    fx.db().exec(QStringLiteral("INSERT INTO Nota (ID_Nota, Kode_KV) VALUES ('000001', 'KV-0101')"));
    openBrowser();
    QCOMPARE(headerShown(), QStringList(5));
    QCOMPARE(FlihatN->Table2->filter(), QStringLiteral("ID_Nota =''"));
    QCOMPARE(FlihatN->DBGrid1->model()->rowCount(), 0);
    for (Nav which : {Nav::First, Nav::Prior, Nav::Next, Nav::Last})
        QVERIFY(!FlihatN->DBNavigator1->button(which)->isEnabled());

    QStringList texts;
    ScriptedInterface person;
    person.actInside<ReportPreview>([&](ReportPreview &preview) {
        preview.finishProduction();
        QCOMPARE(preview.pageCount(), 1);
        texts = preview.report()->pageTexts(0);
    });
    FlihatN->BitBtn1->click();
    texts.removeAll(QString());
    // An invoice with empty header values and one empty line row.
    const QString dots77(77, QLatin1Char('.')), dots61(61, QLatin1Char('.'));
    QCOMPARE(texts, (QStringList{"Tanggal :", "Kepada :", "Alamat :", " No Nota :", dots77, "Kervano",
                                 "AUTOMOTIVE RUBBER PART", dots61, dots77, dots77, dots77, "Jumlah Total : ", "Tanda Terima",
                                 "( _______________ )", "Hormat Kami", "( _______________ )",
                                 datetext::shortDate(QDate::currentDate()), "* Dicetak Tanggal"}));
    QCOMPARE(person.count(), 0);
}

void TestInvoiceBrowser::helpButtonShowsButtonHelp()
{
    openBrowser();
    bool ran = false;
    ScriptedInterface person;
    person.actInside<TFHelp1>([&](TFHelp1 &help) {
        ran = true;
        QCOMPARE(help.caption(), QStringLiteral("Help Keterangan Tombol"));
        QVERIFY(help.isShowingModal());
        help.BitBtn1->click();
    });
    QTest::mouseClick(FlihatN->BitBtn2, Qt::LeftButton);
    QVERIFY(ran);
    QVERIFY(!FHelp1->isVisible());
    QVERIFY(FlihatN->isVisible());
}

void TestInvoiceBrowser::browsingChangesNoTable()
{
    addSampleInvoices();
    const auto snapshot = [this] {
        QStringList rows;
        for (const char *sql : {"SELECT group_concat(No_Nota || '|' || Kepada || '|' || Jumlah_Total, ';') FROM NotaUtama",
                                "SELECT group_concat(ID_Nota || '|' || Kode_KV || '|' || Jumlah, ';') FROM Nota"})
            rows << fx.db().scalar(QString::fromLatin1(sql)).toString();
        return rows;
    };
    const QStringList before = snapshot();
    openBrowser();
    ScriptedInterface person;
    for (Nav step : {Nav::Next, Nav::Last, Nav::Refresh, Nav::Prior, Nav::First}) {
        QTest::mouseClick(FlihatN->DBNavigator1->button(step), Qt::LeftButton);
        // Typing into the grid edits nothing.
        QTest::keyClicks(FlihatN->DBGrid1, QStringLiteral("X"));
        QVERIFY(FlihatN->Table1->state() == DataSetState::Browse);
        QVERIFY(FlihatN->Table2->state() == DataSetState::Browse);
    }
    person.actInside<ReportPreview>([](ReportPreview &preview) { preview.finishProduction(); });
    FlihatN->BitBtn1->click();
    FlihatN->BitBtn3->click();
    QCOMPARE(snapshot(), before);
    QCOMPARE(person.count(), 0);
}

NOTA_TEST_MAIN(TestInvoiceBrowser)
#include "test_invoice_browser.moc"
