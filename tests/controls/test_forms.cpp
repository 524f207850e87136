// Window base, handler guard, message boxes and the default error dialog.
#include "TestMain.h"
#include "TestSupport.h"
#include "controls/Form.h"
#include "controls/Guard.h"
#include "core/Errors.h"


namespace {
class ProbeForm : public TForm {
public:
    int shows = 0, closes = 0, activates = 0;
    std::function<void()> onShow;

protected:
    void FormShow() override
    {
        ++shows;
        if (onShow)
            onShow();
    }
    void FormClose() override { ++closes; }
    void FormActivate() override { ++activates; }
};
} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void fullStopRule_data();
    void fullStopRule();
    void guardShowsErrorAndGoesOn_data();
    void guardShowsErrorAndGoesOn();
    void exceptionInsideEventNeverCrossesLoop();
    void messageKinds();
    void showTwiceKeepsOneWindow();
    void closeRunsHandlerAndHides();
    void showModalWaitsAndScriptActsInside();
    void errorInFormShowIsReported();
    void mainFormCloseTerminates();
    void windowFlagsFollowBorder();
};

void TestForms::fullStopRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "abc" << "abc.";
    QTest::newRow("full stop") << "abc." << "abc.";
    QTest::newRow("exclamation") << "abc!" << "abc!";
    QTest::newRow("comma") << "abc," << "abc,";
    QTest::newRow("blank") << "abc " << "abc ";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("question") << "Lagi?" << "Lagi?.";
    QTest::newRow("colon") << "x:" << "x:.";
    QTest::newRow("digit") << "9" << "9.";
    QTest::newRow("quote") << "'abc'" << "'abc'";
    QTest::newRow("parenthesis") << "(abc)" << "(abc)";
}

void TestForms::fullStopRule()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(msg::withFullStop(text), shown);
}

void TestForms::guardShowsErrorAndGoesOn_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("engine") << 0 << "Table 'Adm' does not exist.";
    QTest::newRow("conversion") << 1 << "'x' is not a valid floating point value.";
    QTest::newRow("standard") << 2 << "bad thing.";
}

void TestForms::guardShowsErrorAndGoesOn()
{
    QFETCH(int, kind);
    QFETCH(QString, expected);
    ScriptedMessages boxes;
    bool after = false;
    guard([&] {
        if (kind == 0)
            throw EDatabaseError(QStringLiteral("Table 'Adm' does not exist"));
        if (kind == 1)
            throw EConvertError(QStringLiteral("'x' is not a valid floating point value"));
        throw std::runtime_error("bad thing");
        after = true;
    });
    QVERIFY(!after);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, expected);
    QCOMPARE(boxes.last().caption, QStringLiteral("Kervano Nota Application"));
    QCOMPARE(boxes.last().kind, MsgKind::Error);
    // The program goes on: a second guarded action runs normally.
    int ran = 0;
    guard([&] { ++ran; });
    QCOMPARE(ran, 1);
}

void TestForms::exceptionInsideEventNeverCrossesLoop()
{
    ScriptedMessages boxes;
    // Thrown while the event loop delivers an event: the application object catches it.
    QTimer::singleShot(0, [] { throw EDatabaseError(QStringLiteral("Key violation")); });
    QTest::qWait(20);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, QStringLiteral("Key violation."));
}

void TestForms::messageKinds()
{
    ScriptedMessages boxes;
    boxes.answer(MsgAnswer::Cancel);
    QVERIFY(!msg::question(QStringLiteral("Lanjut?"), QStringLiteral("Kervano Nota System")));
    QVERIFY(msg::question(QStringLiteral("Lanjut?"), QStringLiteral("Kervano Nota System")));
    msg::exclamation(QStringLiteral("UserName atau Password Salah!"), QStringLiteral("Kesalahan"));
    msg::information(QStringLiteral("Selesai"), QStringLiteral("Informasi"));
    boxes.answer(MsgAnswer::Cancel);
    QVERIFY(!msg::confirmDelete());
    QCOMPARE(boxes.count(), 5);
    QCOMPARE(boxes.boxes()[0].kind, MsgKind::Question);
    QCOMPARE(boxes.boxes()[2].kind, MsgKind::Exclamation);
    QCOMPARE(boxes.boxes()[2].caption, QStringLiteral("Kesalahan"));
    QCOMPARE(boxes.boxes()[3].kind, MsgKind::Information);
    QCOMPARE(boxes.boxes()[4].kind, MsgKind::Confirm);
    QCOMPARE(boxes.boxes()[4].text, QStringLiteral("Delete record?"));
    QCOMPARE(boxes.boxes()[4].caption, QStringLiteral("Confirm"));
}

void TestForms::showTwiceKeepsOneWindow()
{
    ProbeForm form;
    form.setClientSize(200, 100);
    form.Show();
    form.Show();
    QVERIFY(form.isVisible());
    QCOMPARE(form.shows, 1);
    QTest::qWait(10);
    QCOMPARE(form.activates, 1);
    form.Hide();
}

void TestForms::closeRunsHandlerAndHides()
{
    ProbeForm form;
    form.Show();
    form.Close();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.closes, 1);
    form.Show();  // the same instance shows again
    QCOMPARE(form.shows, 2);
    form.Close();
    QCOMPARE(form.closes, 2);
    QVERIFY(!nApp->terminated());
}

void TestForms::showModalWaitsAndScriptActsInside()
{
    ProbeForm form;
    bool sawVisible = false;
    TForm::queueModalScript([&](TForm &f) {
        sawVisible = f.isVisible();
        f.setModalResult(7);
        f.Close();
    });
    const int result = form.ShowModal();
    QVERIFY(sawVisible);
    QCOMPARE(result, 7);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.closes, 1);
    // A script that forgets to close still ends the modal loop.
    TForm::queueModalScript([](TForm &) {});
    form.ShowModal();
    QVERIFY(!form.isVisible());
}

void TestForms::errorInFormShowIsReported()
{
    ScriptedMessages boxes;
    ProbeForm form;
    form.onShow = [] { throw EDatabaseError(QStringLiteral("Table does not exist")); };
    form.Show();
    QVERIFY(form.isVisible());  // the window still opens; the handler stopped
    QCOMPARE(boxes.last().text, QStringLiteral("Table does not exist."));
    form.Hide();
}

void TestForms::mainFormCloseTerminates()
{
    ProbeForm form;
    nApp->resetTerminated();
    nApp->setMainForm(&form);
    form.Show();
    form.Close();
    QVERIFY(nApp->terminated());
    nApp->setMainForm(nullptr);
    nApp->resetTerminated();
}

void TestForms::windowFlagsFollowBorder()
{
    TForm single;
    single.setBorder(TForm::BorderStyle::Single, TForm::SystemMenu);
    single.setClientSize(300, 200);
    QCOMPARE(single.minimumSize(), QSize(300, 200));
    QCOMPARE(single.maximumSize(), QSize(300, 200));
    QVERIFY(single.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(single.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(single.windowFlags() & Qt::WindowMaximizeButtonHint));
    TForm none;
    none.setBorder(TForm::BorderStyle::None, TForm::NoIcons);
    QVERIFY(none.windowFlags() & Qt::FramelessWindowHint);
    TForm bare;
    bare.setBorder(TForm::BorderStyle::Single, TForm::NoIcons);
    QVERIFY(!(bare.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(bare.windowFlags() & Qt::WindowTitleHint);
}

NOTA_TEST_MAIN(TestForms)
#include "test_forms.moc"
