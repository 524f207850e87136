// Adding a line typed by hand: the window's layout, "Simpan" enabled by the
// maker's code box, the four checks in their order, the line amount and
// running total, bad numbers, texts cut to their fields, and "Batal".
#include "ItemFixture.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "controls/Application.h"
#include "data/Table.h"
#include "invoice/Nota1.h"
#include "invoice/Nota2.h"
#include "invoice/Nota4.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
const QString kError = QStringLiteral("Kesalahan");

// What a user types into the six boxes, Edit4 (shop code) to Edit3 (discount).
struct Typed {
    QString kodeKV, kodeBrg, nama, harga, banyak, diskon;
};

void type(TFNota4 &w, const Typed &t)
{
    const QList<QPair<QLineEdit *, QString>> boxes{{w.Edit4, t.kodeKV}, {w.Edit1, t.kodeBrg}, {w.Edit5, t.nama},
                                                   {w.Edit6, t.harga},  {w.Edit2, t.banyak},  {w.Edit3, t.diskon}};
    for (const auto &[box, text] : boxes) {
        box->clear();
        QTest::keyClicks(box, text);
    }
}

void verifyEmpty(const TFNota4 &w)
{
    for (QLineEdit *box : {w.Edit1, w.Edit4, w.Edit5, w.Edit6})
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QCOMPARE(w.Edit2->text(), QStringLiteral("0"));
    QCOMPARE(w.Edit3->text(), QStringLiteral("0"));
    QVERIFY(!w.BitBtn2->isEnabled());
}

QList<QWidget *> tabChain(QWidget *first)
{
    QList<QWidget *> out{first};
    for (QWidget *w = first->nextInFocusChain(); w && w != first; w = w->nextInFocusChain()) {
        if (w->window() == first->window() && (w->focusPolicy() & Qt::TabFocus))
            out << w;
    }
    return out;
}
} // namespace

Q_DECLARE_METATYPE(Typed)

class TestAddByHand : public QObject {
    Q_OBJECT
private slots:
    void init() { fx.start(); }
    void cleanup() { fx.stop(); }

    void layoutAndFirstShow();
    void makersCodeEnablesSimpan();
    void checksOneBoxAtATime_data();
    void checksOneBoxAtATime();
    void simpanStoresTheLine_data();
    void simpanStoresTheLine();
    void linesFromBothWindowsAddUp();
    void numbersThatAreNoNumbers_data();
    void numbersThatAreNoNumbers();
    void longTextsCutToTheirFields();
    void batalStoresNothing();
    void everyWayOfClosingIsBatal_data();
    void everyWayOfClosingIsBatal();
    void hintsDrawnInMaroon();

private:
    // Shows the window from "Add Manual" and runs `script` inside it.
    void addByHand(ScriptedInterface &person, std::function<void(TFNota4 &)> script)
    {
        person.actInside<TFNota4>(std::move(script));
        FNota1->BitBtn5->click();
        QVERIFY(!FNota4->isVisible());
    }

    ItemFixture fx;
};

void TestAddByHand::layoutAndFirstShow()
{
    ScriptedInterface person;
    addByHand(person, [](TFNota4 &w) {
        QVERIFY(w.isShowingModal());
        QCOMPARE(w.caption(), QStringLiteral("Add Manual"));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.borderIcons(), int(TForm::NoIcons));
        QCOMPARE(w.font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(w.font().pointSize(), 10);
        QVERIFY(!w.font().bold());

        QCOMPARE(w.Label2->text(), QStringLiteral("000001"));
        QCOMPARE(w.focusWidget(), w.Edit4);
        QCOMPARE(w.Edit2->text(), QStringLiteral("0"));
        QCOMPARE(w.Edit3->text(), QStringLiteral("0"));
        QVERIFY(!w.BitBtn2->isEnabled());
        QCOMPARE(w.BitBtn2->text(), QStringLiteral("Simpan"));
        QCOMPARE(w.BitBtn1->text(), QStringLiteral("Batal"));
        QVERIFY(!w.BitBtn2->icon().isNull());
        QVERIFY(!w.BitBtn1->icon().isNull());

        // Captions, each the name of its box, and the hints beside the boxes.
        const QList<std::tuple<QLabel *, QString, QLineEdit *, QLabel *, QString>> rows{
            {w.Label3, "Kode Kervano :", w.Edit4, w.Label9, "* Harus Diisi"},
            {w.Label4, "Kode Barang :", w.Edit1, w.Label10, "* Harus Diisi"},
            {w.Label5, "Nama Barang :", w.Edit5, w.Label11, "* Harus Diisi"},
            {w.Label6, "Harga Rp. :", w.Edit6, w.Label12, "* Harus Diisi Angka"},
            {w.Label7, "Jumlah Barang :", w.Edit2, w.Label13, "* Harus Diisi Angka Min 1"},
            {w.Label8, "Diskon (%) :", w.Edit3, w.Label14, "* Harus Diisi Angka Min 0"},
        };
        const QColor blue(0, 0, 255), maroon(0x80, 0, 0);
        for (const auto &[caption, text, box, hint, hintText] : rows) {
            QCOMPARE(caption->text(), text);
            QCOMPARE(caption->buddy(), box);
            QCOMPARE(hint->text(), hintText);
            QCOMPARE(hint->palette().color(QPalette::WindowText), maroon);
            QCOMPARE(hint->font().pointSize(), 8);
            QCOMPARE(hint->y(), box->y());
            QVERIFY(hint->x() > box->geometry().right());
        }
        QCOMPARE(w.Label1->text(), QStringLiteral("No Nota :"));
        QCOMPARE(w.Label1->palette().color(QPalette::WindowText), blue);
        QVERIFY(w.Label1->font().bold());
        QCOMPARE(w.Label2->palette().color(QPalette::WindowText), maroon);
        QVERIFY(w.Label2->font().bold());
        for (QLineEdit *code : {w.Edit4, w.Edit1}) {
            QCOMPARE(code->palette().color(QPalette::Text), blue);
            QVERIFY(code->font().bold());
        }
        QVERIFY(w.Edit5->width() > w.Edit4->width());
        QVERIFY(w.Edit2->width() < w.Edit4->width());
        QCOMPARE(w.Edit3->width(), w.Edit2->width());

        const QList<QWidget *> order{w.Edit4, w.Edit1, w.Edit5, w.Edit6, w.Edit2, w.Edit3, w.BitBtn2, w.BitBtn1};
        QCOMPARE(tabChain(w.Edit4), order);

        // Both code boxes take capitals as typed; the name stays as typed.
        QTest::keyClicks(w.Edit4, "kv-9a");
        QTest::keyClicks(w.Edit1, "rb-7b");
        QTest::keyClicks(w.Edit5, "Karet");
        QCOMPARE(w.Edit4->text(), QStringLiteral("KV-9A"));
        QCOMPARE(w.Edit1->text(), QStringLiteral("RB-7B"));
        QCOMPARE(w.Edit5->text(), QStringLiteral("Karet"));
        w.BitBtn1->click();
    });
    QCOMPARE(person.count(), 0);
}

void TestAddByHand::makersCodeEnablesSimpan()
{
    ScriptedInterface person;
    addByHand(person, [](TFNota4 &w) {
        // The other boxes leave it disabled.
        QTest::keyClicks(w.Edit4, "KV-1");
        QTest::keyClicks(w.Edit5, "SEAL");
        QTest::keyClicks(w.Edit6, "1000");
        QVERIFY(!w.BitBtn2->isEnabled());
        // A code typed and erased again: enabled, and the line stored without it.
        QTest::keyClick(w.Edit1, Qt::Key_A);
        QVERIFY(w.BitBtn2->isEnabled());
        QTest::keyClick(w.Edit1, Qt::Key_Backspace);
        QVERIFY(w.Edit1->text().isEmpty());
        QVERIFY(w.BitBtn2->isEnabled());
        w.Edit2->setText(QStringLiteral("2"));
        w.BitBtn2->click();
    });
    QCOMPARE(person.count(), 0);
    QCOMPARE(ItemFixture::storedLines(), (QList<QStringList>{{"000001", "KV-1", "", "SEAL", "1000", "2", "0", "2000"}}));

    // Set by the program as well.
    addByHand(person, [](TFNota4 &w) {
        QVERIFY(!w.BitBtn2->isEnabled());
        w.Edit1->setText(QStringLiteral("X"));
        QVERIFY(w.BitBtn2->isEnabled());
        w.BitBtn1->click();
    });
}

void TestAddByHand::checksOneBoxAtATime_data()
{
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("quantity 0, all else empty") << Typed{"", "", "", "", "0", ""} << "Isi Kolom Jumlah Barang!";
    QTest::newRow("quantity empty") << Typed{"KV", "RB", "SEAL", "100", "", "0"} << "Isi Kolom Jumlah Barang!";
    QTest::newRow("quantity 0, the rest filled") << Typed{"KV", "RB", "SEAL", "100", "0", "0"}
                                                 << "Isi Kolom Jumlah Barang!";
    QTest::newRow("name before price and shop code") << Typed{"", "RB", "", "", "1", "0"} << "Isi Kolom Nama Barang!";
    QTest::newRow("price before shop code") << Typed{"", "RB", "SEAL", "", "1", "0"} << "Isi Kolom Harga Barang!";
    QTest::newRow("shop code") << Typed{"", "RB", "SEAL", "100", "1", "0"} << "Isi Kolom Kode Kervano!";
    // Plainly wrong amounts, after the boxes are filled.
    QTest::newRow("quantity 00") << Typed{"KV", "RB", "SEAL", "100", "00", "0"} << "Jumlah Barang tidak boleh nol!";
    QTest::newRow("quantity 0,0") << Typed{"KV", "RB", "SEAL", "100", "0,0", "0"} << "Jumlah Barang tidak boleh nol!";
    QTest::newRow("negative discount") << Typed{"KV", "RB", "SEAL", "100", "3", "-10"}
                                       << "Diskon harus antara 0 dan 100 %!";
    QTest::newRow("discount over 100") << Typed{"KV", "RB", "SEAL", "100", "3", "150"}
                                       << "Diskon harus antara 0 dan 100 %!";
}

void TestAddByHand::checksOneBoxAtATime()
{
    QFETCH(Typed, typed);
    QFETCH(QString, message);
    ScriptedInterface person;
    addByHand(person, [&](TFNota4 &w) {
        type(w, typed);
        w.BitBtn2->setEnabled(true);  // as any change of the maker's code does
        w.BitBtn2->click();
        QCOMPARE(person.count(), 1);
        QCOMPARE(person.last().text, message);
        QCOMPARE(person.last().caption, kError);
        QCOMPARE(person.last().kind, MsgKind::Exclamation);
        // Open with its contents.
        QVERIFY(w.isVisible());
        QCOMPARE(w.Edit5->text(), typed.nama);
        QCOMPARE(w.Edit2->text(), typed.banyak);
        w.BitBtn1->click();
    });
    QVERIFY(ItemFixture::storedLines().isEmpty());
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
    QVERIFY(!FNota1->BitBtn2->isEnabled());
}

void TestAddByHand::simpanStoresTheLine_data()
{
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("15000 x 3 less 10%") << Typed{"kv-9", "rb-9", "Karet Pintu", "15000", "3", "10"}
                                        << QStringList{"000001", "KV-9", "RB-9", "Karet Pintu", "15000", "3", "10", "40500"};
    QTest::newRow("no discount") << Typed{"KV-9", "RB-9", "SEAL", "15000", "3", "0"}
                                 << QStringList{"000001", "KV-9", "RB-9", "SEAL", "15000", "3", "0", "45000"};
    QTest::newRow("fractions") << Typed{"KV-9", "RB-9", "SEAL", "12500,5", "2", "12,5"}
                               << QStringList{"000001", "KV-9", "RB-9", "SEAL", "12500,5", "2", "12,5", "21875,875"};
    QTest::newRow("negative quantity") << Typed{"KV-9", "RB-9", "SEAL", "15000", "-2", "10"}
                                       << QStringList{"000001", "KV-9", "RB-9", "SEAL", "15000", "-2", "10", "-27000"};
    QTest::newRow("all off") << Typed{"KV-9", "RB-9", "SEAL", "15000", "3", "100"}
                             << QStringList{"000001", "KV-9", "RB-9", "SEAL", "15000", "3", "100", "0"};
}

void TestAddByHand::simpanStoresTheLine()
{
    QFETCH(Typed, typed);
    QFETCH(QStringList, stored);
    ScriptedInterface person;
    addByHand(person, [&](TFNota4 &w) {
        type(w, typed);
        w.BitBtn2->click();
        QVERIFY(!w.isVisible());
        verifyEmpty(w);
    });
    QCOMPARE(person.count(), 0);
    QCOMPARE(ItemFixture::storedLines(), QList<QStringList>{stored});
    QCOMPARE(FNota1->Label7->text(), stored.last());
    QVERIFY(FNota1->BitBtn2->isEnabled());
    QVERIFY(FNota1->BitBtn3->isEnabled());
    QVERIFY(!FNota1->Edit1->isEnabled());
    QCOMPARE(FNota1->Table2->recordCount(), 1);
}

void TestAddByHand::linesFromBothWindowsAddUp()
{
    ScriptedInterface person;
    addByHand(person, [](TFNota4 &w) {
        type(w, {"KV-9", "RB-9", "SEAL", "15000", "3", "10"});
        w.BitBtn2->click();
    });
    person.actInside<TFNota2>([](TFNota2 &w) {
        w.Edit4->setText(QStringLiteral("KV-002"));
        w.SpeedButton2->click();
        w.Edit2->setText(QStringLiteral("2"));
        w.BitBtn2->click();
    });
    FNota1->BitBtn1->click();
    addByHand(person, [](TFNota4 &w) {
        QCOMPARE(w.Label2->text(), QStringLiteral("000001"));
        type(w, {"KV-8", "", "BAUT", "1000,25", "4", "0"});
        w.BitBtn2->setEnabled(true);
        w.BitBtn2->click();
    });
    QCOMPARE(person.count(), 0);
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("69501"));  // 40500 + 25000 + 4001
    QCOMPARE(ItemFixture::storedLines().size(), 3);
    QCOMPARE(FNota1->Table2->recordCount(), 3);
}

void TestAddByHand::numbersThatAreNoNumbers_data()
{
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QString>("error");
    QTest::newRow("price") << Typed{"KV", "RB", "SEAL", "Rp 100", "1", "0"} << "'Rp 100' is not a valid floating point value.";
    QTest::newRow("price before quantity") << Typed{"KV", "RB", "SEAL", "x", "y", "0"}
                                           << "'x' is not a valid floating point value.";
    QTest::newRow("quantity") << Typed{"KV", "RB", "SEAL", "100", "satu", "0"}
                              << "'satu' is not a valid floating point value.";
    QTest::newRow("discount") << Typed{"KV", "RB", "SEAL", "100", "1", "5%"} << "'5%' is not a valid floating point value.";
    QTest::newRow("empty discount") << Typed{"KV", "RB", "SEAL", "100", "1", ""}
                                    << "'' is not a valid floating point value.";
}

void TestAddByHand::numbersThatAreNoNumbers()
{
    QFETCH(Typed, typed);
    QFETCH(QString, error);
    ScriptedInterface person;
    addByHand(person, [&](TFNota4 &w) {
        type(w, typed);
        w.BitBtn2->click();
        QCOMPARE(person.count(), 1);
        QCOMPARE(person.last().text, error);
        QCOMPARE(person.last().caption, NotaApplication::title());
        QCOMPARE(person.last().kind, MsgKind::Error);
        QVERIFY(w.isVisible());
        QCOMPARE(w.Edit6->text(), typed.harga);
        QCOMPARE(w.Edit3->text(), typed.diskon);
        QVERIFY(w.BitBtn2->isEnabled());
        QCOMPARE(FNota1->Table2->state(), DataSetState::Browse);
        w.BitBtn1->click();
    });
    QVERIFY(ItemFixture::storedLines().isEmpty());
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
}

void TestAddByHand::longTextsCutToTheirFields()
{
    const QString code25 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY");
    const QString code35 = QStringLiteral("RB-0123456789-0123456789-0123456789");
    const QString name40 = QStringLiteral("KARET STABILISATOR DEPAN KIRI DAN KANAN!");
    ScriptedInterface person;
    addByHand(person, [&](TFNota4 &w) {
        type(w, {code25, code35, name40, "100", "1", "0"});
        w.BitBtn2->click();
    });
    QCOMPARE(person.count(), 0);
    const QStringList line = ItemFixture::storedLines().value(0);
    QCOMPARE(line.value(1), code25.left(20));
    QCOMPARE(line.value(2), code35.left(30));
    QCOMPARE(line.value(3), name40.left(30));
}

void TestAddByHand::batalStoresNothing()
{
    ScriptedInterface person;
    addByHand(person, [](TFNota4 &w) {
        type(w, {"KV-9", "RB-9", "SEAL", "15000", "3", "10"});
        w.BitBtn1->click();
        QVERIFY(!w.isVisible());
        verifyEmpty(w);
    });
    QCOMPARE(person.count(), 0);
    QVERIFY(ItemFixture::storedLines().isEmpty());
    QCOMPARE(FNota1->Label7->text(), QStringLiteral("0"));
    QVERIFY(!FNota1->BitBtn2->isEnabled());
    QVERIFY(!FNota1->Edit1->isEnabled());

    addByHand(person, [](TFNota4 &w) {
        QCOMPARE(w.Label2->text(), QStringLiteral("000001"));
        QCOMPARE(w.focusWidget(), w.Edit4);
        verifyEmpty(w);
        w.BitBtn1->click();
    });
}

void TestAddByHand::everyWayOfClosingIsBatal_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Batal") << 0;
    QTest::newRow("close box") << 1;  // the window manager's close, Alt+F4 too
    QTest::newRow("Escape") << 2;
}

void TestAddByHand::everyWayOfClosingIsBatal()
{
    QFETCH(int, way);
    ScriptedInterface person;
    addByHand(person, [way](TFNota4 &w) {
        type(w, {"KV-9", "RB-9", "SEAL", "15000", "3", "10"});
        if (way == 0) {
            w.BitBtn1->click();
        } else if (way == 1) {
            QCloseEvent close;
            QApplication::sendEvent(&w, &close);
            QVERIFY(close.isAccepted());
            w.hide();  // what QWidget::close() does after an accepted close event
        } else {
            QTest::keyClick(w.Edit6, Qt::Key_Escape);
        }
        QVERIFY(!w.isVisible());
    });
    QCOMPARE(person.count(), 0);
    QVERIFY(ItemFixture::storedLines().isEmpty());
    addByHand(person, [](TFNota4 &w) {
        verifyEmpty(w);
        w.BitBtn1->click();
    });
}

void TestAddByHand::hintsDrawnInMaroon()
{
    ScriptedInterface person;
    addByHand(person, [](TFNota4 &w) {
        type(w, {"KV-9", "rb-9", "Karet Pintu", "15000", "3", "10"});
        const QImage shot = w.grab().toImage();
        const QColor maroon(0x80, 0, 0);
        for (QLabel *hint : {w.Label9, w.Label10, w.Label11, w.Label12, w.Label13, w.Label14}) {
            const QRect area = hint->geometry();
            bool drawn = false;
            for (int y = area.top(); y <= area.bottom() && !drawn; ++y)
                for (int x = area.left(); x <= area.right() && !drawn; ++x)
                    drawn = shot.pixelColor(x, y) == maroon;
            QVERIFY2(drawn, qPrintable(hint->text()));
        }
        // A person compares the window with its design: NOTA_SHOTS=<folder>.
        if (const QString folder = qEnvironmentVariable("NOTA_SHOTS"); !folder.isEmpty())
            QVERIFY(shot.save(folder + QStringLiteral("/FNota4.png")));
        w.BitBtn1->click();
    });
}

NOTA_TEST_MAIN(TestAddByHand)
#include "test_add_by_hand.moc"
