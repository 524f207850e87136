// About window (animation step, timer, "Stop Animasi", "Ok"), exit splash
// and button-help window.
#include "AccessFixture.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "access/About.h"
#include "access/Exit.h"
#include "access/Help1.h"
#include "access/Login.h"
#include "access/SquareMotion.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QWindow>

Q_DECLARE_METATYPE(SquareMotion)

namespace {
char *describe(const SquareMotion &m)
{
    return QTest::toString(QStringLiteral("x %1 y %2 dx %3 dy %4").arg(m.x).arg(m.y).arg(m.dx).arg(m.dy));
}
// Which of the watched objects received which events, before the program's end.
class PaintWatch : public QObject {
public:
    PaintWatch(const ScriptedInterface &person, std::initializer_list<QObject *> watched) : m_person(person)
    {
        for (QObject *o : watched)
            o->installEventFilter(this);
    }
    bool seen(QObject *o, QEvent::Type type) const { return m_seen.contains({o, type}); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_person.programEnded())
            m_seen.insert({watched, event->type()});
        return false;
    }

private:
    const ScriptedInterface &m_person;
    QSet<QPair<QObject *, QEvent::Type>> m_seen;
};
} // namespace

namespace QTest {
template <>
inline char *toString(const SquareMotion &m)
{
    return describe(m);
}
} // namespace QTest

class TestAboutExitHelp : public QObject {
    Q_OBJECT
private slots:
    void init() { fx.start(); }
    void cleanup() { fx.stop(); }

    void animationStep_data();
    void animationStep();
    void squareNeverLeavesInnerArea();
    void timerStoppedUntilShown();
    void showingStartsFromMiddle();
    void stopAnimasiFreezesAndResumes();
    void closingStopsTimerAndClearsBox();
    void splashEndsProgram();
    void splashPaintedThroughoutTheWait();
    void splashDesign();
    void helpOkCloses();

private:
    AccessFixture fx;
};

void TestAboutExitHelp::animationStep_data()
{
    QTest::addColumn<SquareMotion>("before");
    QTest::addColumn<SquareMotion>("after");
    QTest::newRow("free move") << SquareMotion{50, 106, 2, -3} << SquareMotion{52, 103, 2, -3};
    QTest::newRow("x 99 +3 clamps to 100, dx turns") << SquareMotion{99, 50, 3, 0} << SquareMotion{100, 50, -3, 0};
    QTest::newRow("x 1 -2 clamps to 0, dx turns") << SquareMotion{1, 50, -2, 0} << SquareMotion{0, 50, 2, 0};
    QTest::newRow("x lands exactly on the right edge") << SquareMotion{97, 50, 3, 1} << SquareMotion{100, 51, -3, 1};
    QTest::newRow("y 212 +3 clamps to 213, dy turns") << SquareMotion{50, 212, 0, 3} << SquareMotion{50, 213, 0, -3};
    QTest::newRow("y 1 -2 clamps to 0, dy turns") << SquareMotion{50, 1, 0, -2} << SquareMotion{50, 0, 0, 2};
    QTest::newRow("corner: both turn") << SquareMotion{99, 1, 3, -3} << SquareMotion{100, 0, -3, 3};
    QTest::newRow("zero steps stay in the middle") << SquareMotion{50, 106, 0, 0} << SquareMotion{50, 106, 0, 0};
    QTest::newRow("zero steps stay at the left edge") << SquareMotion{0, 0, 0, 0} << SquareMotion{0, 0, 0, 0};
    QTest::newRow("zero steps stay at the far edges") << SquareMotion{100, 213, 0, 0} << SquareMotion{100, 213, 0, 0};
}

void TestAboutExitHelp::animationStep()
{
    QFETCH(SquareMotion, before);
    QFETCH(SquareMotion, after);
    QCOMPARE(::animationStep(before), after);
}

void TestAboutExitHelp::squareNeverLeavesInnerArea()
{
    for (int dx = -3; dx <= 3; ++dx) {
        for (int dy = -3; dy <= 3; ++dy) {
            SquareMotion m{50, 106, dx, dy};
            for (int tick = 0; tick < 400; ++tick) {
                m = ::animationStep(m);
                QVERIFY(m.x >= 0 && m.x <= 100);
                QVERIFY(m.y >= 0 && m.y <= 213);
                QCOMPARE(qAbs(m.dx), qAbs(dx));
                QCOMPARE(qAbs(m.dy), qAbs(dy));
            }
        }
    }
}

void TestAboutExitHelp::timerStoppedUntilShown()
{
    QCOMPARE(Fabout->Timer1->interval(), 50);
    QVERIFY(!Fabout->Timer1->isActive());
    QCOMPARE(Fabout->PanelArea->size(), QSize(133, 245));
    QCOMPARE(Fabout->Shape1->size(), QSize(33, 32));
    QCOMPARE(Fabout->Image1->pixmap().size(), QSize(98, 64));
}

// Each activation puts the square's motion in the middle with steps in
// -3..3; the first tick moves it to (50 + dx, 106 + dy).
void TestAboutExitHelp::showingStartsFromMiddle()
{
    bool running = false;
    SquareMotion atActivation, afterTick;
    QPoint moved;
    ScriptedInterface person;
    person.actInside([&](TForm &) {
        QTRY_COMPARE(Fabout->motion.x, 50);  // activation has run
        running = Fabout->Timer1->isActive();
        atActivation = Fabout->motion;
        Fabout->Timer1Timer();
        afterTick = Fabout->motion;
        moved = Fabout->Shape1->pos();
        Fabout->BitBtn1->click();
    });
    Fabout->ShowModal();
    QVERIFY(running);
    QCOMPARE(atActivation.x, 50);
    QCOMPARE(atActivation.y, 106);
    QVERIFY(atActivation.dx >= -3 && atActivation.dx <= 3);
    QVERIFY(atActivation.dy >= -3 && atActivation.dy <= 3);
    QCOMPARE(afterTick, ::animationStep(atActivation));
    QCOMPARE(moved, QPoint(afterTick.x, afterTick.y));
    QVERIFY(!Fabout->isVisible());
}

void TestAboutExitHelp::stopAnimasiFreezesAndResumes()
{
    Fabout->Show();
    QTest::qWait(5);
    Fabout->motion = SquareMotion{10, 20, 3, 3};
    Fabout->CheckBox1->click();
    QVERIFY(Fabout->CheckBox1->isChecked());
    QVERIFY(!Fabout->Timer1->isActive());
    QTest::qWait(120);
    QCOMPARE(Fabout->motion, (SquareMotion{10, 20, 3, 3}));
    Fabout->CheckBox1->click();
    QVERIFY(Fabout->Timer1->isActive());
    QTRY_VERIFY(Fabout->motion.x > 10);
    Fabout->Close();
}

// Closing with the box ticked: the box is cleared and the timer stays
// stopped while the window is hidden.
void TestAboutExitHelp::closingStopsTimerAndClearsBox()
{
    Fabout->Show();
    Fabout->CheckBox1->click();
    Fabout->Close();
    QVERIFY(!Fabout->CheckBox1->isChecked());
    QVERIFY(!Fabout->Timer1->isActive());
    Fabout->Show();
    QVERIFY(Fabout->Timer1->isActive());
    QVERIFY(!Fabout->CheckBox1->isChecked());
    Fabout->Close();
    QVERIFY(!Fabout->Timer1->isActive());
}

void TestAboutExitHelp::splashEndsProgram()
{
    ScriptedInterface person;
    Fexit->Show();
    QVERIFY(!person.programEnded());
    QTRY_VERIFY(person.programEnded());
    QCOMPARE(person.endings(), 1);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

// The splash is on the screen and painted, logo and words, for the whole
// wait: the event loop goes on meanwhile. The program ends only after it.
void TestAboutExitHelp::splashPaintedThroughoutTheWait()
{
    ScriptedInterface person;
    person.holdWaits();
    Fexit->winId();  // the window exists before it is shown, to watch its exposure
    PaintWatch watch(person, {Fexit->windowHandle(), Fexit, Fexit->Image1, Fexit->Label1});
    Fexit->Show();
    QTRY_COMPARE(person.waits(), QList<int>{TFexit::kWaitMs});
    QTRY_VERIFY(watch.seen(Fexit->windowHandle(), QEvent::Expose));
    for (QObject *part : std::initializer_list<QObject *>{Fexit, Fexit->Image1, Fexit->Label1})
        QTRY_VERIFY2(watch.seen(part, QEvent::Paint), qPrintable(part->objectName()));
    // Activated again meanwhile: still one wait.
    Fexit->FormActivate();
    QCOMPARE(person.waits().size(), 1);
    QVERIFY(Fexit->isVisible());
    QVERIFY(!person.programEnded());
    person.finishWaits();
    QCOMPARE(person.endings(), 1);
}

void TestAboutExitHelp::splashDesign()
{
    QCOMPARE(TFexit::kWaitMs, 4000);
    QVERIFY(Fexit->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(Fexit->windowModality(), Qt::ApplicationModal);  // the other windows take no input meanwhile
    QCOMPARE(Fexit->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(Fexit->Label1->text(), QStringLiteral("Software Powered"));
    QCOMPARE(Fexit->Image1->pixmap().size(), QSize(98, 64));
}

void TestAboutExitHelp::helpOkCloses()
{
    QCOMPARE(FHelp1->Image1->pixmap().size(), QSize(483, 180));
    QCOMPARE(FHelp1->BitBtn1->text(), QStringLiteral("&Ok"));
    QCOMPARE(FHelp1->BitBtn1->cursor().shape(), Qt::PointingHandCursor);
    bool shown = false;
    ScriptedInterface person;
    person.actInside([&](TForm &form) {
        shown = &form == FHelp1 && form.isShowingModal();
        FHelp1->BitBtn1->click();
        QVERIFY(!FHelp1->isVisible());
    });
    FHelp1->ShowModal();
    QVERIFY(shown);
    QVERIFY(!FHelp1->isVisible());
}

NOTA_TEST_MAIN(TestAboutExitHelp)
#include "test_about_exit_help.moc"
