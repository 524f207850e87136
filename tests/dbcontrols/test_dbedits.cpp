// Bound edits, memos and texts: they show the current record, typing puts
// the record into edit state and reaches the record buffer, and the record
// rules of the data-bound windows (post, move, close) hold around them.
#include "Fixture.h"
#include "TestMain.h"
#include "core/Errors.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "controls/DBNavigator.h"
#include "controls/DBText.h"
#include "controls/Guard.h"
#include "data/DataSet.h"
#include "data/Field.h"

#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using Button = DBNavigator::Button;

namespace {
// The goods window's arrangement in small: code, name and price edits, a
// navigator, a grid over the same records and the window's own save button
// (it posts through the engine).
struct GoodsForm : ControlsFixture {
    DBEdit *code = new DBEdit(&window);
    DBEdit *name = new DBEdit(&window);
    DBEdit *price = new DBEdit(&window);
    DBNavigator *nav = new DBNavigator(&window);
    DBGrid *grid = new DBGrid(&window);
    QPushButton *save = new QPushButton(QStringLiteral("Simpan"), &window);

    GoodsForm() : ControlsFixture(QStringLiteral("Barang.DB"))
    {
        auto *column = new QVBoxLayout(&window);
        for (const auto &[w, objectName] : {std::pair<QWidget *, const char *>{code, "code"}, {name, "name"},
                                            {price, "price"}, {nav, "nav"}, {grid, "grid"}, {save, "save"}}) {
            w->setObjectName(QLatin1String(objectName));
            column->addWidget(w);
        }
        QObject::connect(save, &QPushButton::clicked, save, [this] { guard([this] { table.post(); }); });
        code->setDataSource(&source);
        code->setDataField(QStringLiteral("Kode_Kervano"));
        code->setCapitals(true);
        name->setDataSource(&source);
        name->setDataField(QStringLiteral("Nama_Barang"));
        name->setCapitals(true);
        price->setDataSource(&source);
        price->setDataField(QStringLiteral("Harga"));
        nav->setDataSource(&source);
        grid->setDataSource(&source);
        for (const auto &[k, n, h] : {std::tuple{"K1", "ban luar", 15000}, std::tuple{"K2", "SEAL", 2500},
                                      std::tuple{"K3", "KARET", 7000}})
            db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Nama_Barang\", \"Harga\") VALUES (?, ?, ?)"),
                    {QString::fromLatin1(k), QString::fromLatin1(n), h});
    }

    QString stored(const QString &code, const QString &column) const
    {
        return db.scalar(QStringLiteral("SELECT \"%1\" FROM \"Barang\" WHERE \"Kode_Kervano\" = ?").arg(column), {code})
            .toString();
    }
};

// Records and answers as the scripted interface does, and each box takes the
// keyboard from the window while it is up, as the desktop's own boxes do.
class BoxesTakingTheKeyboard : public ScriptedInterface {
public:
    MsgAnswer message(const MessageRecord &box) override
    {
        QWidget *window = QApplication::activeWindow();
        QWidget shown;
        shown.show();
        shown.activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&shown)); }();
        const MsgAnswer answer = ScriptedInterface::message(box);
        shown.hide();
        if (window) {
            window->activateWindow();
            [&] { QVERIFY(QTest::qWaitForWindowActive(window)); }();
        }
        return answer;
    }
};
} // namespace

class TestDBEdits : public QObject {
    Q_OBJECT
private slots:
    void editShowsAndFollowsTheRecord();
    void typingEditsAndNavigatorPostStores();
    void typingIntoAnEmptyTableStartsARecord();
    void capitalsTurnLettersAsTyped_data();
    void capitalsTurnLettersAsTyped();
    void movingPostsAChangedRecord();
    void movingDropsAnUnchangedEdit();
    void closingDropsTheTyping();
    void badNumberIsReportedAndTheRecordStaysInEdit();
    void badNumberIsReportedOnceWhereverTheEditIsLeft_data();
    void badNumberIsReportedOnceWhereverTheEditIsLeft();
    void badNumberStopsAWindowsOwnPostOrSeek_data();
    void badNumberStopsAWindowsOwnPostOrSeek();
    void typedTextBelongsToTheBoundDataSet();
    void escapeGivesBackTheStoredText();
    void readOnlyDataSetTakesNoTyping();
    void memoTypingReachesTheRecord();
    void textShowsTheDisplayFormat_data();
    void textShowsTheDisplayFormat();
};

void TestDBEdits::editShowsAndFollowsTheRecord()
{
    GoodsForm f;
    QCOMPARE(f.code->text(), QString());
    QVERIFY(f.code->isReadOnly());
    f.table.open();
    QCOMPARE(f.code->text(), QStringLiteral("K1"));
    QCOMPARE(f.name->text(), QStringLiteral("ban luar"));  // stored by another route: as stored
    QCOMPARE(f.price->text(), QStringLiteral("15000"));
    QVERIFY(!f.code->isReadOnly());
    QCOMPARE(f.code->maxLength(), 20);
    f.table.next();
    QCOMPARE(f.code->text(), QStringLiteral("K2"));
    QCOMPARE(f.price->text(), QStringLiteral("2500"));
    f.name->setDataField(QStringLiteral("Kode_Barang"));
    QCOMPARE(f.name->text(), QString());
    f.table.close();
    QCOMPARE(f.code->text(), QString());
}

void TestDBEdits::typingEditsAndNavigatorPostStores()
{
    GoodsForm f;
    f.table.open();
    f.show(f.name);
    f.name->selectAll();
    typeText(QStringLiteral("o-ring 12"));
    QCOMPARE(f.table.state(), DataSetState::Edit);
    QCOMPARE(f.table.fieldByName("Nama_Barang")->asString(), QStringLiteral("O-RING 12"));
    QVERIFY(f.nav->button(Button::Post)->isEnabled());

    f.nav->button(Button::Post)->click();  // the focus stays in the edit
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.stored("K1", "Nama_Barang"), QStringLiteral("O-RING 12"));
    QCOMPARE(f.name->text(), QStringLiteral("O-RING 12"));
}

void TestDBEdits::typingIntoAnEmptyTableStartsARecord()
{
    GoodsForm f;
    f.db.exec(QStringLiteral("DELETE FROM \"Barang\""));
    f.table.open();
    QCOMPARE(f.code->text(), QString());
    QVERIFY(!f.code->isReadOnly());
    f.show(f.code);
    typeText(QStringLiteral("kv-9"));
    QCOMPARE(f.table.state(), DataSetState::Insert);
    f.name->setFocus();
    typeText(QStringLiteral("baru"));
    QCOMPARE(f.code->text(), QStringLiteral("KV-9"));  // the other edit keeps what it wrote
    f.nav->button(Button::Post)->click();
    QCOMPARE(f.stored("KV-9", "Nama_Barang"), QStringLiteral("BARU"));
    QCOMPARE(f.table.recordCount(), 1);
}

void TestDBEdits::capitalsTurnLettersAsTyped_data()
{
    QTest::addColumn<bool>("capitals");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("capitals") << true << "ban 4x4 ab-c" << "BAN 4X4 AB-C";
    QTest::newRow("as typed") << false << "ban 4x4 ab-c" << "ban 4x4 ab-c";
}

void TestDBEdits::capitalsTurnLettersAsTyped()
{
    QFETCH(bool, capitals);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    GoodsForm f;
    f.name->setCapitals(capitals);
    f.table.open();
    f.show(f.name);
    f.name->clear();
    typeText(typed);
    QCOMPARE(f.name->text(), shown);
    QCOMPARE(f.table.fieldByName("Nama_Barang")->asString(), shown);
    // A letter typed in the middle keeps its place and the cursor stays after it.
    f.name->setCursorPosition(3);
    typeText(QStringLiteral("s"));
    QCOMPARE(f.name->cursorPosition(), 4);
    shown.insert(3, capitals ? QLatin1Char('S') : QLatin1Char('s'));
    QCOMPARE(f.name->text(), shown);
    QCOMPARE(f.table.fieldByName("Nama_Barang")->asString(), shown);
    // Pasted text too.
    f.name->clear();
    f.name->insert(QStringLiteral("paste"));
    QCOMPARE(f.name->text(), capitals ? QStringLiteral("PASTE") : QStringLiteral("paste"));
}

void TestDBEdits::movingPostsAChangedRecord()
{
    GoodsForm f;
    f.table.open();
    f.show(f.price);
    f.price->selectAll();
    typeText(QStringLiteral("17500"));
    f.nav->button(Button::Next)->click();
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.code->text(), QStringLiteral("K2"));
    QCOMPARE(f.stored("K1", "Harga").toDouble(), 17500.0);

    // Moved by the dataset itself (a seek), the same.
    f.name->setFocus();
    f.name->selectAll();
    typeText(QStringLiteral("seal 2"));
    QVERIFY(f.table.findKey(QStringLiteral("K3")));
    QCOMPARE(f.stored("K2", "Nama_Barang"), QStringLiteral("SEAL 2"));
    QCOMPARE(f.name->text(), QStringLiteral("KARET"));
}

void TestDBEdits::movingDropsAnUnchangedEdit()
{
    GoodsForm f;
    f.table.open();
    f.nav->button(Button::Edit)->click();
    QCOMPARE(f.table.state(), DataSetState::Edit);
    f.db.exec(QStringLiteral("UPDATE \"Barang\" SET \"Nama_Barang\" = 'LAIN' WHERE \"Kode_Kervano\" = 'K1'"));
    f.nav->button(Button::Next)->click();
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(f.code->text(), QStringLiteral("K2"));
    // Nothing was written back over what another program stored meanwhile.
    QCOMPARE(f.stored("K1", "Nama_Barang"), QStringLiteral("LAIN"));
}

void TestDBEdits::closingDropsTheTyping()
{
    GoodsForm f;
    f.table.open();
    f.show(f.name);
    f.name->selectAll();
    typeText(QStringLiteral("hilang"));
    QCOMPARE(f.table.state(), DataSetState::Edit);
    f.table.close();
    QCOMPARE(f.name->text(), QString());
    QCOMPARE(f.stored("K1", "Nama_Barang"), QStringLiteral("ban luar"));
    f.table.open();
    QCOMPARE(f.name->text(), QStringLiteral("ban luar"));
}

void TestDBEdits::badNumberIsReportedAndTheRecordStaysInEdit()
{
    ScriptedInterface boxes;
    GoodsForm f;
    f.table.open();
    f.show(f.price);
    f.price->selectAll();
    typeText(QStringLiteral("12a"));  // "1" and "12" reach the record, "12a" cannot
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(f.table.state(), DataSetState::Edit);

    f.nav->button(Button::Post)->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(int(boxes.last().kind), int(MsgKind::Error));
    QCOMPARE(boxes.last().text, QStringLiteral("'12a' is not a valid floating point value for field 'Harga'"));
    QCOMPARE(f.table.state(), DataSetState::Edit);
    QCOMPARE(f.stored("K1", "Harga").toDouble(), 15000.0);
    QCOMPARE(f.price->text(), QStringLiteral("12a"));

    // Moving is refused the same way.
    f.nav->button(Button::Next)->click();
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(f.code->text(), QStringLiteral("K1"));

    // Leaving the edit reports it too.
    f.code->setFocus();
    QTRY_COMPARE(boxes.count(), 3);

    // Corrected, it posts.
    f.price->setFocus();
    f.price->selectAll();
    typeText(QStringLiteral("12"));
    f.nav->button(Button::Post)->click();
    QCOMPARE(boxes.count(), 3);
    QCOMPARE(f.stored("K1", "Harga").toDouble(), 12.0);

    // Cancel drops bad typing without a word.
    f.price->selectAll();
    typeText(QStringLiteral("x"));
    f.nav->button(Button::Cancel)->click();
    QCOMPARE(boxes.count(), 3);
    QCOMPARE(f.price->text(), QStringLiteral("12"));
}

void TestDBEdits::badNumberIsReportedOnceWhereverTheEditIsLeft_data()
{
    // How the person tries to leave; once the number is corrected the same
    // action goes through: the record it ends on, whether it stores the
    // record, and where the keyboard is then ("" : the window is closed).
    QTest::addColumn<QString>("leaveBy");
    QTest::addColumn<int>("endsOnRecord");
    QTest::addColumn<bool>("stores");
    QTest::addColumn<QString>("keyboardAt");
    QTest::addColumn<bool>("boxTakesKeyboard");
    for (const bool takes : {false, true}) {
        const char *box = takes ? ", box taking the keyboard" : "";
        const auto row = [box](const char *name) -> QTestData & { return QTest::addRow("%s%s", name, box); };
        row("click into the grid") << "grid" << 3 << true << "grid" << takes;
        row("click into another edit") << "click edit" << 1 << false << "code" << takes;
        row("Tab to another edit") << "tab" << 1 << false << "name" << takes;
        row("Return") << "return" << 1 << false << "price" << takes;
        row("navigator's next") << "next" << 2 << true << "price" << takes;
        row("navigator's post") << "post" << 1 << true << "price" << takes;
        row("a window's own save button") << "save" << 1 << true << "save" << takes;
        row("closing the window") << "close" << 1 << false << "" << takes;
    }
}

// However the person tries to leave a number that does not convert, the
// error is shown once, the edit keeps the text and the keyboard, and the
// record neither moves nor is stored.
void TestDBEdits::badNumberIsReportedOnceWhereverTheEditIsLeft()
{
    QFETCH(QString, leaveBy);
    QFETCH(int, endsOnRecord);
    QFETCH(bool, stores);
    QFETCH(QString, keyboardAt);
    QFETCH(bool, boxTakesKeyboard);
    const std::unique_ptr<ScriptedInterface> scripted =
        boxTakesKeyboard ? std::make_unique<BoxesTakingTheKeyboard>() : std::make_unique<ScriptedInterface>();
    const ScriptedInterface &boxes = *scripted;
    GoodsForm f;
    f.table.open();
    f.show(f.price);
    f.price->selectAll();
    typeText(QStringLiteral("12a"));

    const auto leave = [&] {
        if (leaveBy == QLatin1String("grid")) {
            const QRect cell = f.grid->visualRect(f.grid->model()->index(2, 0));
            QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        } else if (leaveBy == QLatin1String("click edit")) {
            QTest::mouseClick(f.code, Qt::LeftButton);
        } else if (leaveBy == QLatin1String("tab")) {
            pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        } else if (leaveBy == QLatin1String("return")) {
            pressKey(Qt::Key_Return);
        } else if (leaveBy == QLatin1String("next")) {
            f.nav->button(Button::Next)->click();
        } else if (leaveBy == QLatin1String("post")) {
            f.nav->button(Button::Post)->click();
        } else if (leaveBy == QLatin1String("save")) {
            QTest::mouseClick(f.save, Qt::LeftButton);
        } else {
            f.window.close();
        }
        QApplication::processEvents();
    };

    // Refused each time it is tried, with one box each time.
    for (int attempt = 1; attempt <= 2; ++attempt) {
        leave();
        QCOMPARE(boxes.count(), attempt);
        QCOMPARE(int(boxes.last().kind), int(MsgKind::Error));
        QCOMPARE(boxes.last().text, QStringLiteral("'12a' is not a valid floating point value for field 'Harga'"));
        QCOMPARE(f.price->text(), QStringLiteral("12a"));
        QCOMPARE(QApplication::focusWidget(), f.price);
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.table.state(), DataSetState::Edit);
        QCOMPARE(f.table.recNo(), 1);
        QCOMPARE(f.code->text(), QStringLiteral("K1"));
        QCOMPARE(f.grid->currentIndex().row(), 0);
        QCOMPARE(f.stored("K1", "Harga").toDouble(), 15000.0);
    }

    // Corrected, the same action goes through and nothing is left eating clicks.
    f.price->selectAll();
    typeText(QStringLiteral("12"));
    leave();
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(f.table.recNo(), endsOnRecord);
    QCOMPARE(f.grid->currentIndex().row(), endsOnRecord - 1);
    QCOMPARE(f.table.state(), stores ? DataSetState::Browse : DataSetState::Edit);
    QCOMPARE(f.stored("K1", "Harga").toDouble(), stores ? 12.0 : 15000.0);
    QCOMPARE(f.code->text(), QStringLiteral("K%1").arg(endsOnRecord));
    if (endsOnRecord == 1)
        QCOMPARE(f.price->text(), QStringLiteral("12"));
    if (keyboardAt.isEmpty())
        QVERIFY(!f.window.isVisible());
    else
        QCOMPARE(QApplication::focusWidget()->objectName(), keyboardAt);
}

void TestDBEdits::badNumberStopsAWindowsOwnPostOrSeek_data()
{
    QTest::addColumn<bool>("seek");
    QTest::newRow("post") << false;
    QTest::newRow("seek") << true;
}

// A window button that posts or seeks through the engine itself (no
// navigator involved) must not store the last number that converted.
void TestDBEdits::badNumberStopsAWindowsOwnPostOrSeek()
{
    QFETCH(bool, seek);
    GoodsForm f;
    f.table.open();
    f.show(f.price);
    f.price->selectAll();
    typeText(QStringLiteral("12a"));
    try {
        if (seek)
            f.table.findKey(QStringLiteral("K3"));
        else
            f.table.post();
        QFAIL("the bad number was not reported");
    } catch (const EConvertError &e) {
        QCOMPARE(e.message(), QStringLiteral("'12a' is not a valid floating point value for field 'Harga'"));
    }
    QCOMPARE(f.table.state(), DataSetState::Edit);
    QCOMPARE(f.code->text(), QStringLiteral("K1"));
    QCOMPARE(f.stored("K1", "Harga").toDouble(), 15000.0);
    // Corrected text goes through.
    f.price->selectAll();
    typeText(QStringLiteral("125"));
    f.table.post();
    QCOMPARE(f.stored("K1", "Harga").toDouble(), 125.0);
}

// Each dataset takes only the text of the controls bound to it, also after a
// source moves to another dataset or a control goes away.
void TestDBEdits::typedTextBelongsToTheBoundDataSet()
{
    GoodsForm f;
    f.db.exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\") VALUES ('Budi')"));
    Table customers;
    customers.setTableName(QStringLiteral("Pelanggan.DB"));
    customers.open();
    f.table.open();
    f.show(f.price);
    f.price->selectAll();
    typeText(QStringLiteral("12a"));
    customers.edit();
    customers.fieldByName(QStringLiteral("Nama"))->setAsString(QStringLiteral("Ani"));
    customers.post();  // the bad number is the goods' alone
    QVERIFY_THROWS_EXCEPTION(EConvertError, f.table.post());

    f.table.cancel();
    Table goodsAgain;
    goodsAgain.setTableName(QStringLiteral("Barang.DB"));
    goodsAgain.open();
    f.source.setDataSet(&goodsAgain);
    f.price->setFocus();
    f.price->selectAll();
    typeText(QStringLiteral("12b"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, goodsAgain.post());
    QCOMPARE(goodsAgain.state(), DataSetState::Edit);
    f.table.edit();
    f.table.post();  // no longer bound: nothing to take

    delete f.price;
    goodsAgain.post();  // the edit that held the text is gone
    QCOMPARE(goodsAgain.state(), DataSetState::Browse);
}

void TestDBEdits::escapeGivesBackTheStoredText()
{
    ScriptedInterface boxes;
    GoodsForm f;
    f.table.open();
    f.show(f.price);
    f.price->selectAll();
    typeText(QStringLiteral("9x"));
    pressKey(Qt::Key_Escape);
    QCOMPARE(f.price->text(), QStringLiteral("9"));  // what the record buffer holds
    f.nav->button(Button::Post)->click();
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(f.stored("K1", "Harga").toDouble(), 9.0);
}

void TestDBEdits::readOnlyDataSetTakesNoTyping()
{
    GoodsForm f;
    Query query;
    query.setSql(QStringLiteral("SELECT Kode_Kervano, Nama_Barang FROM Barang ORDER BY Kode_Kervano"));
    DataSource querySource;
    querySource.setDataSet(&query);
    f.name->setDataSource(&querySource);
    query.open();
    f.show(f.name);
    QCOMPARE(f.name->text(), QStringLiteral("ban luar"));
    QVERIFY(f.name->isReadOnly());
    typeText(QStringLiteral("x"));
    QCOMPARE(f.name->text(), QStringLiteral("ban luar"));
    QCOMPARE(query.state(), DataSetState::Browse);

    // Read-only by choice on a table that could be changed.
    f.code->setReadOnly(true);
    f.table.open();
    QVERIFY(f.code->isReadOnly());
    f.code->setReadOnly(false);
    QVERIFY(!f.code->isReadOnly());
}

void TestDBEdits::memoTypingReachesTheRecord()
{
    ControlsFixture f(QStringLiteral("Pelanggan.DB"));
    f.db.exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\", \"Alamat\") VALUES ('Budi', 'Jl. Mawar 1')"));
    f.db.exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\", \"Alamat\") VALUES ('Ani', NULL)"));
    auto *memo = new DBMemo(&f.window);
    auto *nav = new DBNavigator(&f.window);
    nav->move(0, 200);
    memo->setDataSource(&f.source);
    f.table.open();
    QCOMPARE(memo->text(), QString());  // no field yet
    memo->setDataField(QStringLiteral("Alamat"));
    QCOMPARE(memo->text(), QStringLiteral("Jl. Mawar 1"));
    nav->setDataSource(&f.source);
    f.show(memo);
    memo->moveCursor(QTextCursor::End);
    pressKey(Qt::Key_Return);
    typeText(QStringLiteral("Medan"));
    QCOMPARE(f.table.state(), DataSetState::Edit);
    nav->button(Button::Post)->click();
    QCOMPARE(f.db.scalar(QStringLiteral("SELECT \"Alamat\" FROM \"Pelanggan\" WHERE \"Nama\" = 'Budi'")).toString(),
             QStringLiteral("Jl. Mawar 1\nMedan"));
    nav->button(Button::Next)->click();
    QCOMPARE(memo->text(), QString());
    QCOMPARE(f.table.state(), DataSetState::Browse);

    memo->setReadOnly(true);
    typeText(QStringLiteral("x"));
    QCOMPARE(f.table.state(), DataSetState::Browse);
    QCOMPARE(memo->text(), QString());
}

void TestDBEdits::textShowsTheDisplayFormat_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    QTest::newRow("money") << "Jumlah_Total" << "Rp 1,500,000";
    QTest::newRow("date") << "Tanggal" << "05 Mar 2024";
    QTest::newRow("text") << "Kepada" << "Budi";
    QTest::newRow("no such field") << "Nothing" << "";
}

void TestDBEdits::textShowsTheDisplayFormat()
{
    QFETCH(QString, field);
    QFETCH(QString, shown);
    PinnedLocale locale(english());
    ControlsFixture f(QStringLiteral("NotaUtama.DB"));
    f.db.exec(QStringLiteral("INSERT INTO \"NotaUtama\" VALUES ('000001', '2024-03-05', 'Budi', 'Medan', 1500000)"));
    DBText text;
    text.setDataSource(&f.source);
    text.setDataField(field);
    QCOMPARE(text.text(), QString());
    f.table.open();
    QCOMPARE(text.text(), shown);
    f.table.append();
    QCOMPARE(text.text(), QString());
    f.table.cancel();
    QCOMPARE(text.text(), shown);
}

NOTA_TEST_MAIN(TestDBEdits)
#include "test_dbedits.moc"
