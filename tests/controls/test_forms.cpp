// Window base, handler guard, message boxes and the default error dialog,
// the desktop's own answers to what a window asks, window titles and what
// screen readers are told of a window.
#include "TestMain.h"
#include "TestSupport.h"
#include "controls/DesktopInterface.h"
#include "controls/Form.h"
#include "controls/Guard.h"
#include "core/Errors.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

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

// A window class of its own, as every window of the system is.
class DesignedForm : public TForm {
    Q_OBJECT
};

// The desktop's own interface in place of the scripted one, for its lifetime.
class RealDesktop {
public:
    RealDesktop() : m_previous(installUserInterface(nullptr)) {}
    ~RealDesktop() { installUserInterface(m_previous); }

private:
    UserInterface *m_previous;
};

// What a real message box offered, read while it is open.
struct BoxSeen {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

// Once the next real message box is open, reads what it offers into `seen`
// and presses `press` in it: a button's text, or "Esc".
void answerNextBox(const QString &press, BoxSeen &seen)
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
        QTimer::singleShot(10, [press, &seen] { answerNextBox(press, seen); });
        return;
    }
    seen.caption = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    for (QAbstractButton *b : box->buttons())
        seen.buttons << b->text();
    seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
    if (press == QLatin1String("Esc")) {
        QTest::keyClick(box, Qt::Key_Escape);
        return;
    }
    for (QAbstractButton *b : box->buttons())
        if (b->text() == press)
            b->click();
}
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
    void desktopMessageBoxes_data();
    void desktopMessageBoxes();
    void desktopYesNoCancelBox_data();
    void desktopYesNoCancelBox();
    void desktopModalLoop();
    void showTwiceKeepsOneWindow();
    void closeQueryKeepsTheWindowOpen_data();
    void closeQueryKeepsTheWindowOpen();
    void closeRunsHandlerAndHides();
    void showModalWaitsAndScriptActsInside();
    void errorInFormShowIsReported();
    void mainFormCloseTerminates();
    void windowFlagsFollowBorder();
    void windowTitleIsTheCaption_data();
    void windowTitleIsTheCaption();
    void screenReadersSeeWindows_data();
    void screenReadersSeeWindows();
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
    ScriptedInterface boxes;
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
    ScriptedInterface boxes;
    // Thrown while the event loop delivers an event: the application object catches it.
    QTimer::singleShot(0, [] { throw EDatabaseError(QStringLiteral("Key violation")); });
    QTest::qWait(20);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text, QStringLiteral("Key violation."));
}

void TestForms::messageKinds()
{
    ScriptedInterface boxes;
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

void TestForms::desktopMessageBoxes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("press");  // a button's text, or "Esc"
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("answer");
    const QStringList ok{"OK"}, okCancel{"OK", "Cancel"};
    const int yes = int(MsgAnswer::Ok), no = int(MsgAnswer::Cancel);
    QTest::newRow("exclamation") << int(MsgKind::Exclamation) << "OK" << int(QMessageBox::Warning) << ok << yes;
    QTest::newRow("exclamation, Esc") << int(MsgKind::Exclamation) << "Esc" << int(QMessageBox::Warning) << ok << yes;
    QTest::newRow("information") << int(MsgKind::Information) << "OK" << int(QMessageBox::Information) << ok << yes;
    QTest::newRow("error") << int(MsgKind::Error) << "OK" << int(QMessageBox::Critical) << ok << yes;
    QTest::newRow("question, OK") << int(MsgKind::Question) << "OK" << int(QMessageBox::Question) << okCancel << yes;
    QTest::newRow("question, Cancel") << int(MsgKind::Question) << "Cancel" << int(QMessageBox::Question) << okCancel
                                      << no;
    QTest::newRow("question, Esc") << int(MsgKind::Question) << "Esc" << int(QMessageBox::Question) << okCancel << no;
    QTest::newRow("confirm, Esc") << int(MsgKind::Confirm) << "Esc" << int(QMessageBox::Question) << okCancel << no;
}

// The real boxes: icon, buttons, OK as the default, and the answer a press gives.
void TestForms::desktopMessageBoxes()
{
    QFETCH(int, kind);
    QFETCH(QString, press);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(int, answer);
    RealDesktop desktop;
    BoxSeen seen;
    QTimer::singleShot(0, [&] { answerNextBox(press, seen); });
    const MsgAnswer given = ui().message({QStringLiteral("Lanjut?"), QStringLiteral("Kervano Nota System"), MsgKind(kind)});
    QCOMPARE(int(given), answer);
    QCOMPARE(seen.caption, QStringLiteral("Kervano Nota System"));
    QCOMPARE(seen.text, QStringLiteral("Lanjut?"));
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(seen.buttons, buttons);
    QCOMPARE(seen.defaultButton, QStringLiteral("OK"));
}

void TestForms::desktopYesNoCancelBox_data()
{
    QTest::addColumn<QString>("press");  // a button's text, or "Esc"
    QTest::addColumn<int>("answer");
    QTest::newRow("Ya") << "Ya" << int(MsgAnswer::Yes);
    QTest::newRow("Tidak") << "Tidak" << int(MsgAnswer::No);
    QTest::newRow("Batal") << "Batal" << int(MsgAnswer::Cancel);
    QTest::newRow("Esc is Batal") << "Esc" << int(MsgAnswer::Cancel);
}

// The real question with three answers: "Ya" the default, Escape "Batal".
void TestForms::desktopYesNoCancelBox()
{
    QFETCH(QString, press);
    QFETCH(int, answer);
    RealDesktop desktop;
    BoxSeen seen;
    QTimer::singleShot(0, [&] { answerNextBox(press, seen); });
    QCOMPARE(int(msg::yesNoCancel(QStringLiteral("Simpan perubahan?"), QStringLiteral("Daftar Barang"))), answer);
    QCOMPARE(seen.icon, QMessageBox::Question);
    seen.buttons.sort();
    QCOMPARE(seen.buttons, QStringList({"Batal", "Tidak", "Ya"}));
    QCOMPARE(seen.defaultButton, QStringLiteral("Ya"));
}

// The real modal loop: the window is modal inside it, and its closing ends it.
void TestForms::desktopModalLoop()
{
    RealDesktop desktop;
    ProbeForm form;
    bool modalInside = false;
    QTimer::singleShot(0, &form, [&] {
        modalInside = form.isShowingModal() && form.windowModality() == Qt::ApplicationModal
                      && QApplication::activeModalWidget() == &form;
        form.setModalResult(3);
        form.Close();
    });
    QCOMPARE(form.ShowModal(), 3);
    QVERIFY(modalInside);
    QVERIFY(!form.isShowingModal());
    QCOMPARE(form.windowModality(), Qt::NonModal);
    // A wait ends through the event loop, and never once its context is gone.
    bool kept = false, dropped = false;
    auto *gone = new QObject;
    ui().wait(0, &form, [&] { kept = true; });
    ui().wait(0, gone, [&] { dropped = true; });
    delete gone;
    QVERIFY(!kept);
    QTRY_VERIFY(kept);
    QVERIFY(!dropped);
}

void TestForms::closeQueryKeepsTheWindowOpen_data()
{
    QTest::addColumn<int>("query");  // 0 lets it close, 1 keeps it open, 2 raises
    QTest::newRow("closes") << 0;
    QTest::newRow("kept open") << 1;
    QTest::newRow("error kept open") << 2;
}

// FormCloseQuery is asked before FormClose, however the window closes; an
// error it raises is shown and keeps the window open.
void TestForms::closeQueryKeepsTheWindowOpen()
{
    QFETCH(int, query);
    class AskingForm : public ProbeForm {
    public:
        int answer = 0;
        int asked = 0;

    protected:
        bool FormCloseQuery() override
        {
            ++asked;
            if (answer == 2)
                throw EDatabaseError(QStringLiteral("Field 'Kode_Kervano' harus diisi"));
            return answer == 0;
        }
    };
    ScriptedInterface boxes;
    AskingForm form;
    form.answer = query;
    form.setClientSize(200, 100);
    form.Show();
    form.Close();
    QCOMPARE(form.asked, 1);
    QCOMPARE(form.isVisible(), query != 0);
    QCOMPARE(form.closes, query == 0 ? 1 : 0);
    QCOMPARE(boxes.count(), query == 2 ? 1 : 0);
    if (query == 2)
        QCOMPARE(boxes.last().text, QStringLiteral("Field 'Kode_Kervano' harus diisi."));
    form.answer = 0;
    form.Close();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.closes, 1);
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
    ScriptedInterface person;
    ProbeForm form;
    form.Show();
    form.Close();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.closes, 1);
    form.Show();  // the same instance shows again
    QCOMPARE(form.shows, 2);
    form.Close();
    QCOMPARE(form.closes, 2);
    QVERIFY(!person.programEnded());
}

void TestForms::showModalWaitsAndScriptActsInside()
{
    ScriptedInterface person;
    ProbeForm form;
    bool sawModal = false;
    person.actInside([&](TForm &f) {
        sawModal = &f == &form && f.isVisible() && f.isShowingModal();
        f.setModalResult(7);
        f.Close();
    });
    const int result = form.ShowModal();
    QVERIFY(sawModal);
    QCOMPARE(result, 7);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.closes, 1);
    // A script that forgets to close still ends the modal loop.
    person.actInside([](TForm &) {});
    form.ShowModal();
    QVERIFY(!form.isVisible());
    QVERIFY(!person.programEnded());
}

void TestForms::errorInFormShowIsReported()
{
    ScriptedInterface boxes;
    ProbeForm form;
    form.onShow = [] { throw EDatabaseError(QStringLiteral("Table does not exist")); };
    form.Show();
    QVERIFY(form.isVisible());  // the window still opens; the handler stopped
    QCOMPARE(boxes.last().text, QStringLiteral("Table does not exist."));
    form.Hide();
}

void TestForms::mainFormCloseTerminates()
{
    ScriptedInterface person;
    ProbeForm other, form;
    nApp->setMainForm(&form);
    other.Show();
    other.Close();
    QVERIFY(!person.programEnded());
    form.Show();
    form.Close();
    QCOMPARE(person.endings(), 1);
    nApp->setMainForm(nullptr);
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

void TestForms::windowTitleIsTheCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("login") << "Login";
    QTest::newRow("main window") << "Sistem Nota";
}

void TestForms::windowTitleIsTheCaption()
{
    QFETCH(QString, caption);
    DesignedForm form;
    form.setCaption(caption);
    form.Show();
    QCOMPARE(form.windowHandle()->title(), caption);
    // The window system appends the application's display name, when one is
    // set, to every title it shows. Unset, the display name follows the
    // application name.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    const QString displayName = QGuiApplication::applicationDisplayName();
    QCoreApplication::setApplicationName(name);
    QCOMPARE(displayName, QStringLiteral("probe"));
    // The program keeps its names: the process's, and the title on its own dialogs.
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("sistemnota"));
    QCOMPARE(NotaApplication::title(), QStringLiteral("Kervano Nota Application"));
    form.Hide();
}

void TestForms::screenReadersSeeWindows_data()
{
    QTest::addColumn<bool>("ownClass");
    QTest::newRow("window") << false;
    QTest::newRow("window of its own class") << true;
}

// A window is a window, a dialog while it is modal, named by its caption.
void TestForms::screenReadersSeeWindows()
{
    QFETCH(bool, ownClass);
    std::unique_ptr<TForm> form = ownClass ? std::unique_ptr<TForm>(new DesignedForm) : std::make_unique<ProbeForm>();
    form->setCaption(QStringLiteral("Sistem Nota"));
    form->setClientSize(200, 100);
    form->Show();
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form.get());
    QVERIFY(window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Sistem Nota"));
    QVERIFY(!window->state().modal);
    form->Hide();

    ScriptedInterface person;
    QAccessible::Role modalRole = QAccessible::NoRole;
    bool modalState = false;
    QString modalName;
    person.actInside([&](TForm &shown) {
        QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(&shown);
        modalRole = dialog->role();
        modalState = dialog->state().modal;
        modalName = dialog->text(QAccessible::Name);
    });
    form->ShowModal();
    QCOMPARE(modalRole, QAccessible::Dialog);
    QVERIFY(modalState);
    QCOMPARE(modalName, QStringLiteral("Sistem Nota"));
    QCOMPARE(QAccessible::queryAccessibleInterface(form.get())->role(), QAccessible::Window);
}

NOTA_TEST_MAIN(TestForms)
#include "test_forms.moc"
