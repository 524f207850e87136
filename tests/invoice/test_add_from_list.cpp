// Adding a line from the goods list: the window's layout, the lookups by
// maker's and shop code and from the drop-down, "Sortir", the line amount and
// running total, the quantity check, bad numbers, "Batal", and a line the
// engine refuses.
#include "Accessibility.h"
#include "ItemFixture.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "controls/Application.h"
#include "controls/DBImage.h"
#include "controls/DBLookupComboBox.h"
#include "data/Table.h"
#include "invoice/Nota1.h"
#include "invoice/Nota2.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <utility>

namespace {
const QString kError = QStringLiteral("Kesalahan");
const QString kNotFound = QStringLiteral("Kode Barang Tidak Ditemukan");

QStringList listed(const QComboBox &combo)
{
    QStringList out;
    for (int i = 0; i < combo.count(); ++i)
        out << combo.itemText(i);
    return out;
}

// The widgets Tab can reach, in the window's tab order, from `first`.
QList<QWidget *> tabChain(QWidget *first)
{
    QList<QWidget *> out{first};
    for (QWidget *w = first->nextInFocusChain(); w && w != first; w = w->nextInFocusChain()) {
        if (w->window() == first->window() && (w->focusPolicy() & Qt::TabFocus))
            out << w;
    }
    return out;
}

// The window as "Batal" and "Simpan" leave it.
void verifyEmpty(const TFNota2 &w)
{
    QVERIFY(w.Edit1->text().isEmpty());
    QVERIFY(w.Edit4->text().isEmpty());
    QCOMPARE(w.Edit2->text(), QStringLiteral("0"));
    QCOMPARE(w.Edit3->text(), QStringLiteral("0"));
    QVERIFY(w.Label6->text().isEmpty());
    QVERIFY(w.Label7->text().isEmpty());
    QVERIFY(w.Label8->text().isEmpty());
    QCOMPARE(w.Label9->text(), QStringLiteral("0"));
    QVERIFY(w.DBImage1->isHidden());
    QVERIFY(!w.Table1->active());
    QVERIFY(!w.BitBtn2->isEnabled());
}

// Types a maker's code as a user does and presses its lookup button.
void findByMakersCode(TFNota2 &w, const QString &typed)
{
    w.Edit1->clear();
    QTest::keyClicks(w.Edit1, typed);
    w.SpeedButton1->click();
}
} // namespace

class TestAddFromList : public QObject {
    Q_OBJECT
private slots:
    void init() { fx.start(); }
    void cleanup() { fx.stop(); }
    void cashiersKeyboard();

    void layoutAndFirstShow();
    void lookup_data();
    void lookup();
    void failedLookupKeepsTheEarlierItem_data();
    void failedLookupKeepsTheEarlierItem();
    void failedFirstLookup();
    void simpanStoresTheLine_data();
    void simpanStoresTheLine();
    void linesAddUpInTheTotal();
    void quantityRefused_data();
    void quantityRefused();
    void numbersThatAreNoNumbers_data();
    void numbersThatAreNoNumbers();
    void batalStoresNothing();
    void sortirOpensAndClosesTheList();
    void dropDownPickRunsTheLookup();
    void dropDownClosedWithoutPick();
    void sortirAfterLookupKeepsTheFoundPrice_data();
    void sortirAfterLookupKeepsTheFoundPrice();
    void refusedLineIsNotLeftHalfMade();
    void pictureDrawnInTheWindow();

private:
    // Shows the window from "Add Dari List" and runs `script` inside it.
    void addFromList(ScriptedInterface &person, std::function<void(TFNota2 &)> script)
    {
        person.actInside<TFNota2>(std::move(script));
        FNota1->BitBtn1->click();
        QVERIFY(!FNota2->isVisible());
    }

    ItemFixture fx;
};

// A barcode scanner types the code and Return: Return in either code box
// looks it up; Escape in the open drop-down closes it without a lookup;
// Escape in the window is "Batal".
void TestAddFromList::cashiersKeyboard()
{
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        w.Edit1->setFocus();
        QTest::keyClicks(w.Edit1, QStringLiteral("rb-3302"));
        QTest::keyClick(w.Edit1, Qt::Key_Return);
        QCOMPARE(w.Label6->text(), QStringLiteral("KARET STABIL DEPAN"));
        QCOMPARE(w.Edit4->text(), QStringLiteral("KV-001"));
        w.Edit4->clear();
        QTest::keyClicks(w.Edit4, QStringLiteral("KV-003"));
        QTest::keyClick(w.Edit4, Qt::Key_Enter);  // the keypad's
        QCOMPARE(w.Label6->text(), QStringLiteral("BOOT STEER"));
        QCOMPARE(person.count(), 0);

        w.DBLookupComboBox1->showPopup();
        QTest::keyClick(static_cast<QWidget *>(w.DBLookupComboBox1->view()), Qt::Key_Escape);
        QTest::qWait(0);  // a close-up would come queued
        QCOMPARE(person.count(), 0);
        QCOMPARE(w.Label6->text(), QStringLiteral("BOOT STEER"));

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    });
    QVERIFY(ItemFixture::storedLines().isEmpty());
    // Left by Escape as by "Batal": empty at the next showing.
    addFromList(person, [&](TFNota2 &w) {
        QVERIFY(w.Edit1->text().isEmpty());
        QCOMPARE(w.Label9->text(), QStringLiteral("0"));
        w.BitBtn1->click();
    });
}

void TestAddFromList::layoutAndFirstShow()
{
    ScriptedInterface person;
    addFromList(person, [](TFNota2 &w) {
        QVERIFY(w.isShowingModal());
        QCOMPARE(w.caption(), QStringLiteral("Add Barang dari Daftar Barang"));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.borderIcons(), int(TForm::NoIcons));
        QCOMPARE(w.font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(w.font().pointSize(), 10);
        QVERIFY(w.font().bold());

        // The number it adds to, and everything else empty.
        QCOMPARE(w.Label2->text(), QStringLiteral("000001"));
        QCOMPARE(w.Label1->text(), QStringLiteral("No Nota :"));
        QCOMPARE(w.Label6->text(), QStringLiteral("-"));
        QCOMPARE(w.Label7->text(), QStringLiteral("-"));
        QCOMPARE(w.Label8->text(), QStringLiteral("-"));
        QCOMPARE(w.Label9->text(), QStringLiteral("0"));
        QCOMPARE(w.Edit2->text(), QStringLiteral("0"));
        QCOMPARE(w.Edit3->text(), QStringLiteral("0"));
        QVERIFY(!w.BitBtn2->isEnabled());
        QVERIFY(w.BitBtn1->isEnabled());
        QVERIFY(!w.DBImage1->isVisible());
        QVERIFY(!w.Table1->active());
        QCOMPARE(w.DBLookupComboBox1->count(), 0);

        // Captions, colours and pictures.
        const QList<QPair<QLabel *, QString>> captions{
            {w.Label3, "Kode Barang :"}, {w.Label4, "Kode Kervano :"}, {w.Label5, "Nama Barang :"},
            {w.Label10, "Part :"},       {w.Label11, "Group :"},       {w.Label12, "Harga Rp. :"},
            {w.Label13, "Jumlah Barang :"}, {w.Label14, "Diskon (%) :"}};
        for (const auto &[label, text] : captions)
            QCOMPARE(label->text(), text);
        QCOMPARE(w.Button1->text(), QStringLiteral("Sortir"));
        QCOMPARE(w.BitBtn2->text(), QStringLiteral("Simpan"));
        QCOMPARE(w.BitBtn1->text(), QStringLiteral("Batal"));
        QVERIFY(!w.BitBtn2->icon().isNull());
        QVERIFY(!w.BitBtn1->icon().isNull());
        QCOMPARE(w.SpeedButton1->iconSize(), QSize(30, 34));
        QVERIFY(!w.SpeedButton1->icon().isNull());
        QVERIFY(w.SpeedButton1->autoRaise());
        const QColor blue(0, 0, 255), maroon(0x80, 0, 0);
        QCOMPARE(w.Label1->palette().color(QPalette::WindowText), blue);
        QCOMPARE(w.Label2->palette().color(QPalette::WindowText), maroon);
        QCOMPARE(w.Label6->palette().color(QPalette::WindowText), blue);
        QCOMPARE(w.Label9->palette().color(QPalette::WindowText), maroon);
        QCOMPARE(w.Edit1->palette().color(QPalette::Text), blue);
        QCOMPARE(w.Edit4->palette().color(QPalette::Text), blue);
        QCOMPARE(w.DBImage1->size(), QSize(185, 137));
        QVERIFY(w.DBImage1->stretch());
        QCOMPARE(w.DBImage1->frameShape(), QFrame::NoFrame);

        // Every box named by its caption, the picture buttons by what they do.
        QCOMPARE(w.Label3->buddy(), w.Edit1);
        QCOMPARE(w.Label4->buddy(), w.Edit4);
        QCOMPARE(w.Label13->buddy(), w.Edit2);
        QCOMPARE(w.Label14->buddy(), w.Edit3);
        QCOMPARE(w.SpeedButton1->accessibleName(), QStringLiteral("Cari Kode Barang"));
        QCOMPARE(w.SpeedButton2->accessibleName(), QStringLiteral("Cari Kode Kervano"));
        QVERIFY(!w.DBLookupComboBox1->accessibleName().isEmpty());

        // Each lookup button right after its box, so the keyboard reaches it.
        const QList<QWidget *> order{w.Edit1,   w.SpeedButton1,      w.BitBtn1, w.Edit2,
                                     w.Edit3,   w.BitBtn2,           w.DBImage1,
                                     w.Button1, w.DBLookupComboBox1, w.Edit4,   w.SpeedButton2};
        QCOMPARE(tabChain(w.Edit1), order);
        w.BitBtn1->click();
    });
    QCOMPARE(person.count(), 0);
}

void TestAddFromList::lookup_data()
{
    QTest::addColumn<bool>("byShopCode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("goodsRow");
    QTest::newRow("maker's code typed in lower case") << false << "rb-1120" << 1;
    QTest::newRow("maker's code") << false << "AB-0500" << 2;
    QTest::newRow("shop code typed in lower case") << true << "kv-001" << 0;
    QTest::newRow("shop code") << true << "KV-003" << 2;
}

void TestAddFromList::lookup()
{
    QFETCH(bool, byShopCode);
    QFETCH(QString, typed);
    QFETCH(int, goodsRow);
    const ItemFixture::Goods &g = ItemFixture::goods().at(goodsRow);
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        QLineEdit *box = byShopCode ? w.Edit4 : w.Edit1;
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), typed.toUpper());  // capitals as typed
        (byShopCode ? w.SpeedButton2 : w.SpeedButton1)->click();

        QCOMPARE(w.Edit1->text(), g.kodeBarang);
        QCOMPARE(w.Edit4->text(), g.kodeKervano);
        QCOMPARE(w.Label6->text(), g.nama);
        QCOMPARE(w.Label7->text(), g.part);
        QCOMPARE(w.Label8->text(), g.group);
        QCOMPARE(w.Label9->text(), g.harga);  // plain number text, not "Rp ..."
        // A screen reader reads each value as shown, labelled by its caption.
        const std::pair<QLabel *, QLabel *> captioned[] = {
            {w.Label1, w.Label2}, {w.Label5, w.Label6}, {w.Label10, w.Label7}, {w.Label11, w.Label8}, {w.Label12, w.Label9}};
        for (const auto &[caption, value] : captioned) {
            QCOMPARE(accessibleNameOf(value), value->text());
            QVERIFY2(labelsOf(value).contains(caption), qPrintable(caption->text()));
        }
        QVERIFY(w.DBImage1->isVisible());
        QVERIFY(!w.DBImage1->picture().isNull());
        QVERIFY(w.BitBtn2->isEnabled());
        QVERIFY(w.Table1->active());
        QCOMPARE(w.Table1->indexFieldNames(), byShopCode ? QStringLiteral("Kode_Kervano") : QStringLiteral("Kode_Barang"));
        QCOMPARE(w.Table1->fieldByName("Kode_Kervano")->asString(), g.kodeKervano);
        w.BitBtn1->click();
    });
    QCOMPARE(person.count(), 0);
}

void TestAddFromList::failedLookupKeepsTheEarlierItem_data()
{
    QTest::addColumn<bool>("byShopCode");
    QTest::newRow("maker's code") << false;
    QTest::newRow("shop code") << true;
}

void TestAddFromList::failedLookupKeepsTheEarlierItem()
{
    QFETCH(bool, byShopCode);
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        findByMakersCode(w, "RB-3302");
        QCOMPARE(person.count(), 0);
        QLineEdit *searched = byShopCode ? w.Edit4 : w.Edit1;
        QLineEdit *other = byShopCode ? w.Edit1 : w.Edit4;
        searched->setText(QStringLiteral("TIDAK-ADA"));
        (byShopCode ? w.SpeedButton2 : w.SpeedButton1)->click();

        QCOMPARE(person.count(), 1);
        QCOMPARE(person.last().text, kNotFound);
        QCOMPARE(person.last().caption, kError);
        QCOMPARE(person.last().kind, MsgKind::Exclamation);
        // Only the searched box is emptied; the item found before stays.
        QVERIFY(searched->text().isEmpty());
        QCOMPARE(other->text(), byShopCode ? QStringLiteral("RB-3302") : QStringLiteral("KV-001"));
        QCOMPARE(w.Label6->text(), QStringLiteral("KARET STABIL DEPAN"));
        QCOMPARE(w.Label9->text(), QStringLiteral("15000"));
        QVERIFY(w.DBImage1->isVisible());
        QVERIFY(w.BitBtn2->isEnabled());

        // Stored with the earlier item's details and the emptied code.
        w.Edit2->setText(QStringLiteral("2"));
        w.BitBtn2->click();
    });
    const QString kv = byShopCode ? QString() : QStringLiteral("KV-001");
    const QString brg = byShopCode ? QStringLiteral("RB-3302") : QString();
    QCOMPARE(ItemFixture::storedLines(),
             (QList<QStringList>{{"000001", kv, brg, "KARET STABIL DEPAN", "15000", "2", "0", "30000"}}));
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("30000"));
}

void TestAddFromList::failedFirstLookup()
{
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        findByMakersCode(w, "xx");
        QCOMPARE(person.count(), 1);
        QCOMPARE(person.last().text, kNotFound);
        QVERIFY(w.Edit1->text().isEmpty());
        QCOMPARE(w.Label6->text(), QStringLiteral("-"));
        QVERIFY(!w.BitBtn2->isEnabled());
        QVERIFY(!w.DBImage1->isVisible());
        QVERIFY(w.Table1->active());  // opened by the lookup, on its first record still
        QCOMPARE(listed(*w.DBLookupComboBox1), (QStringList{"AB-0500", "RB-1120", "RB-3302"}));
        w.BitBtn1->click();
    });
}

void TestAddFromList::simpanStoresTheLine_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("storedQuantity");
    QTest::addColumn<QString>("amount");
    QTest::newRow("15000 x 3 less 10%") << "RB-3302" << "3" << "10" << "3" << "40500";
    QTest::newRow("less 12,5%") << "RB-3302" << "3" << "12,5" << "3" << "39375";
    QTest::newRow("no discount") << "RB-3302" << "3" << "0" << "3" << "45000";
    QTest::newRow("all off") << "RB-3302" << "3" << "100" << "3" << "0";
    QTest::newRow("negative quantity") << "RB-3302" << "-1" << "10" << "-1" << "-13500";
    QTest::newRow("price with fraction") << "AB-0500" << "2" << "0" << "2" << "21603,75";
    QTest::newRow("quantity with thousands separator") << "RB-3302" << "1.000" << "10" << "1000" << "13500000";
}

void TestAddFromList::simpanStoresTheLine()
{
    QFETCH(QString, code);
    QFETCH(QString, quantity);
    QFETCH(QString, discount);
    QFETCH(QString, storedQuantity);
    QFETCH(QString, amount);
    const auto g = std::find_if(ItemFixture::goods().cbegin(), ItemFixture::goods().cend(),
                                [&](const ItemFixture::Goods &x) { return x.kodeBarang == code; });
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        findByMakersCode(w, code);
        w.Edit2->setText(quantity);
        w.Edit3->setText(discount);
        w.BitBtn2->click();
        QVERIFY(!w.isVisible());
        verifyEmpty(w);
    });
    QCOMPARE(person.count(), 0);
    QCOMPARE(ItemFixture::storedLines(), (QList<QStringList>{{"000001", g->kodeKervano, g->kodeBarang, g->nama,
                                                               g->harga, storedQuantity, discount, amount}}));
    QCOMPARE(FNota1->Label7->text(), amount);
    // The total is read as the amount, labelled "Jumlah Total Rp. :".
    QCOMPARE(accessibleNameOf(FNota1->Label7), amount);
    QVERIFY(labelsOf(FNota1->Label7).contains(FNota1->Label8));
    QVERIFY(FNota1->BitBtn2->isEnabled());
    QVERIFY(FNota1->BitBtn3->isEnabled());
    QVERIFY(!FNota1->Edit1->isEnabled());
    QCOMPARE(FNota1->Table2->recordCount(), 1);  // in the invoice's grid at once
}

void TestAddFromList::linesAddUpInTheTotal()
{
    ScriptedInterface person;
    // A line left under the number by an invoice closed without its header,
    // there when the window showed and continued with: the total counts it in.
    fx.db().exec(QStringLiteral("INSERT INTO Nota (ID_Nota, Kode_KV, Jumlah) VALUES ('000001', 'KV-LAMA', 1000.5)"));
    person.answer(MsgAnswer::No);  // continued with, when the window asks
    FNota1->FormShow();
    person.clear();
    addFromList(person, [&](TFNota2 &w) {
        findByMakersCode(w, "RB-3302");
        w.Edit2->setText(QStringLiteral("3"));
        w.Edit3->setText(QStringLiteral("10"));
        w.BitBtn2->click();
    });
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("41500,5"));
    addFromList(person, [&](TFNota2 &w) {
        QCOMPARE(w.Label2->text(), QStringLiteral("000001"));
        w.Edit4->setText(QStringLiteral("KV-002"));
        w.SpeedButton2->click();
        w.Edit2->setText(QStringLiteral("2"));
        w.BitBtn2->click();
    });
    QCOMPARE(person.count(), 0);
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("66500,5"));
    QCOMPARE(ItemFixture::storedLines().size(), 3);
    QCOMPARE(FNota1->Table2->recordCount(), 3);
}

// A line whose amount is plainly wrong is refused: nothing stored, the
// window open with its contents. A negative quantity (a returned item) passes.
void TestAddFromList::quantityRefused_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("message");
    const QString zero = QStringLiteral("Jumlah Barang tidak boleh nol!");
    const QString discountOut = QStringLiteral("Diskon harus antara 0 dan 100 %!");
    QTest::newRow("zero") << "0" << "0" << "Isi Kolom Jumlah Barang!";
    QTest::newRow("empty") << "" << "0" << "Isi Kolom Jumlah Barang!";
    QTest::newRow("zero as 00") << "00" << "0" << zero;
    QTest::newRow("zero as 0,0") << "0,0" << "0" << zero;
    QTest::newRow("zero as -0") << "-0" << "0" << zero;
    QTest::newRow("discount below 0") << "3" << "-10" << discountOut;
    QTest::newRow("discount above 100") << "3" << "100,5" << discountOut;
}

void TestAddFromList::quantityRefused()
{
    QFETCH(QString, quantity);
    QFETCH(QString, discount);
    QFETCH(QString, message);
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        findByMakersCode(w, "RB-3302");
        w.Edit2->setText(quantity);
        w.Edit3->setText(discount);
        w.BitBtn2->click();
        QCOMPARE(person.count(), 1);
        QCOMPARE(person.last().text, message);
        QCOMPARE(person.last().caption, kError);
        QCOMPARE(person.last().kind, MsgKind::Exclamation);
        QVERIFY(w.isVisible());
        QCOMPARE(w.Label6->text(), QStringLiteral("KARET STABIL DEPAN"));
        w.BitBtn1->click();
    });
    QVERIFY(ItemFixture::storedLines().isEmpty());
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
    QVERIFY(!FNota1->BitBtn2->isEnabled());
}

void TestAddFromList::numbersThatAreNoNumbers_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("error");
    QTest::newRow("quantity") << "tiga" << "10" << "'tiga' is not a valid floating point value.";
    QTest::newRow("quantity with a point") << "1.5" << "0" << "'1.5' is not a valid floating point value.";
    QTest::newRow("discount") << "3" << "x" << "'x' is not a valid floating point value.";
    QTest::newRow("empty discount") << "3" << "" << "'' is not a valid floating point value.";
    QTest::newRow("quantity before discount") << "q" << "d" << "'q' is not a valid floating point value.";
}

void TestAddFromList::numbersThatAreNoNumbers()
{
    QFETCH(QString, quantity);
    QFETCH(QString, discount);
    QFETCH(QString, error);
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        findByMakersCode(w, "RB-3302");
        w.Edit2->setText(quantity);
        w.Edit3->setText(discount);
        w.BitBtn2->click();
        QCOMPARE(person.count(), 1);
        QCOMPARE(person.last().text, error);
        QCOMPARE(person.last().caption, NotaApplication::title());
        QCOMPARE(person.last().kind, MsgKind::Error);
        // Open with its contents; nothing appended to the invoice.
        QVERIFY(w.isVisible());
        QCOMPARE(w.Edit2->text(), quantity);
        QCOMPARE(w.Edit3->text(), discount);
        QCOMPARE(w.Label6->text(), QStringLiteral("KARET STABIL DEPAN"));
        QVERIFY(w.BitBtn2->isEnabled());
        QCOMPARE(FNota1->Table2->state(), DataSetState::Browse);
        w.BitBtn1->click();
    });
    QVERIFY(ItemFixture::storedLines().isEmpty());
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
}

void TestAddFromList::batalStoresNothing()
{
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        findByMakersCode(w, "RB-1120");
        w.Edit2->setText(QStringLiteral("5"));
        w.Edit3->setText(QStringLiteral("5"));
        w.BitBtn1->click();
        QVERIFY(!w.isVisible());
        verifyEmpty(w);
    });
    QCOMPARE(person.count(), 0);
    QVERIFY(ItemFixture::storedLines().isEmpty());
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
    QVERIFY(!FNota1->BitBtn2->isEnabled());
    QVERIFY(!FNota1->Edit1->isEnabled());  // the number stays taken for this invoice
    // The closed window looks nothing up afterwards.
    QCoreApplication::processEvents();
    QVERIFY(!FNota2->Table1->active());
    QCOMPARE(person.count(), 0);

    // Shown again: empty, the number copied afresh.
    addFromList(person, [&](TFNota2 &w) {
        QCOMPARE(w.Label2->text(), QStringLiteral("000001"));
        verifyEmpty(w);
        w.BitBtn1->click();
    });
}

void TestAddFromList::sortirOpensAndClosesTheList()
{
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        w.Button1->click();
        QVERIFY(w.Table1->active());
        // The table's own order (shop code) until the first lookup names one.
        QCOMPARE(listed(*w.DBLookupComboBox1), (QStringList{"RB-3302", "RB-1120", "AB-0500"}));
        w.Button1->click();
        QVERIFY(!w.Table1->active());
        QCOMPARE(w.DBLookupComboBox1->count(), 0);

        // A lookup orders the goods by the code it searched, for the rest of the run.
        findByMakersCode(w, "RB-1120");
        QCOMPARE(listed(*w.DBLookupComboBox1), (QStringList{"AB-0500", "RB-1120", "RB-3302"}));
        w.Button1->click();
        w.Button1->click();
        QCOMPARE(listed(*w.DBLookupComboBox1), (QStringList{"AB-0500", "RB-1120", "RB-3302"}));
        w.BitBtn1->click();
    });
    addFromList(person, [&](TFNota2 &w) {
        w.Button1->click();
        QCOMPARE(w.Table1->indexFieldNames(), QStringLiteral("Kode_Barang"));
        QCOMPARE(listed(*w.DBLookupComboBox1), (QStringList{"AB-0500", "RB-1120", "RB-3302"}));
        w.BitBtn1->click();
    });
    QCOMPARE(person.count(), 0);
}

void TestAddFromList::dropDownPickRunsTheLookup()
{
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        w.Button1->click();
        w.DBLookupComboBox1->showPopup();
        w.DBLookupComboBox1->pick(2);  // "AB-0500"
        w.DBLookupComboBox1->hidePopup();
        QTRY_COMPARE(w.Edit1->text(), QStringLiteral("AB-0500"));
        QCOMPARE(w.Edit4->text(), QStringLiteral("KV-003"));
        QCOMPARE(w.Label6->text(), QStringLiteral("BOOT STEER"));
        QCOMPARE(w.Label9->text(), QStringLiteral("10801,875"));
        QVERIFY(w.BitBtn2->isEnabled());
        QVERIFY(w.DBImage1->isVisible());
        QCOMPARE(w.DBLookupComboBox1->text(), QStringLiteral("AB-0500"));
        w.Edit2->setText(QStringLiteral("1"));
        w.BitBtn2->click();
    });
    QCOMPARE(person.count(), 0);
    QCOMPARE(ItemFixture::storedLines(),
             (QList<QStringList>{{"000001", "KV-003", "AB-0500", "BOOT STEER", "10801,875", "1", "0", "10801,875"}}));
}

void TestAddFromList::dropDownClosedWithoutPick()
{
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        // Nothing shown: the empty code is searched and not found.
        w.Edit1->setText(QStringLiteral("RB"));
        w.DBLookupComboBox1->showPopup();
        w.DBLookupComboBox1->hidePopup();
        QTRY_COMPARE(person.count(), 1);
        QCOMPARE(person.last().text, kNotFound);
        QVERIFY(w.Edit1->text().isEmpty());
        QVERIFY(!w.BitBtn2->isEnabled());

        // With a code shown, closing without a pick looks that code up again.
        findByMakersCode(w, "RB-1120");
        w.DBLookupComboBox1->pick(0);  // "AB-0500"
        QCOMPARE(w.Edit1->text(), QStringLiteral("RB-1120"));
        w.Edit1->setText(QStringLiteral("RB-3302"));
        w.DBLookupComboBox1->showPopup();
        w.DBLookupComboBox1->hidePopup();
        QTRY_COMPARE(w.Edit1->text(), QStringLiteral("AB-0500"));
        QCOMPARE(w.Label6->text(), QStringLiteral("BOOT STEER"));
        QCOMPARE(person.count(), 1);
        w.BitBtn1->click();
    });
}

void TestAddFromList::sortirAfterLookupKeepsTheFoundPrice_data()
{
    QTest::addColumn<int>("sortirClicks");
    QTest::newRow("goods table closed") << 1;
    QTest::newRow("goods table closed and opened on its first record") << 2;
}

void TestAddFromList::sortirAfterLookupKeepsTheFoundPrice()
{
    QFETCH(int, sortirClicks);
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        findByMakersCode(w, "RB-1120");
        for (int i = 0; i < sortirClicks; ++i)
            w.Button1->click();
        w.Edit2->setText(QStringLiteral("2"));
        w.BitBtn2->click();
        QVERIFY(!w.isVisible());
    });
    QCOMPARE(person.count(), 0);
    // The amount comes from the price shown and stored, not from whatever
    // record the goods table stands on now.
    QCOMPARE(ItemFixture::storedLines(),
             (QList<QStringList>{{"000001", "KV-002", "RB-1120", "SEAL AS RODA", "12500", "2", "0", "25000"}}));
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("25000"));
}

void TestAddFromList::refusedLineIsNotLeftHalfMade()
{
    fx.db().exec(QStringLiteral("CREATE TRIGGER refuse_lines BEFORE INSERT ON \"Nota\" "
                                "BEGIN SELECT RAISE(ABORT, 'line refused'); END"));
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        findByMakersCode(w, "RB-3302");
        w.Edit2->setText(QStringLiteral("3"));
        w.BitBtn2->click();
        QCOMPARE(person.count(), 1);
        QCOMPARE(person.last().kind, MsgKind::Error);
        QVERIFY(person.last().text.contains(QStringLiteral("line refused")));
        QVERIFY(w.isVisible());
        QCOMPARE(w.Label6->text(), QStringLiteral("KARET STABIL DEPAN"));
        w.BitBtn1->click();
    });
    // No record waits in the line table for a later post.
    QCOMPARE(FNota1->Table2->state(), DataSetState::Browse);
    QCOMPARE(FNota1->Table2->recordCount(), 0);
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
    QVERIFY(!FNota1->BitBtn2->isEnabled());
    fx.db().exec(QStringLiteral("DROP TRIGGER refuse_lines"));
    QVERIFY(ItemFixture::storedLines().isEmpty());
}

void TestAddFromList::pictureDrawnInTheWindow()
{
    ScriptedInterface person;
    addFromList(person, [&](TFNota2 &w) {
        findByMakersCode(w, "RB-3302");
        w.Edit2->setText(QStringLiteral("3"));
        w.Edit3->setText(QStringLiteral("10"));
        const QImage shot = w.grab().toImage();
        // The goods' red picture fills the whole box, stretched.
        const QRect box = w.DBImage1->geometry();
        for (const QPoint &p : {box.topLeft() + QPoint(2, 2), box.center(), box.bottomRight() - QPoint(2, 2)})
            QCOMPARE(shot.pixelColor(p), QColor(Qt::red));
        // A person compares the window with its design: NOTA_SHOTS=<folder>.
        if (const QString folder = qEnvironmentVariable("NOTA_SHOTS"); !folder.isEmpty())
            QVERIFY(shot.save(folder + QStringLiteral("/FNota2.png")));
        w.BitBtn1->click();
    });
}

NOTA_TEST_MAIN(TestAddFromList)
#include "test_add_from_list.moc"
