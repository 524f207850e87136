// Every window stays readable under a dark desktop palette: wherever text is
// drawn, its colour contrasts with the background it is drawn on.
#include "TestMain.h"
#include "app/WindowSet.h"
#include "controls/Colours.h"
#include "controls/Form.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace {
QPalette darkPalette()
{
    QPalette p(Qt::white, QColor(0x35, 0x35, 0x35), QColor(0x4a, 0x4a, 0x4a), QColor(0x20, 0x20, 0x20),
               QColor(0x2a, 0x2a, 0x2a), Qt::white, Qt::white, QColor(0x2a, 0x2a, 0x2a), QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, Qt::white);
    return p;
}

// The colour a widget's own background shows: the nearest of it and its
// parents that fills its background (a window always does).
QColor shownBackground(const QWidget *w)
{
    for (; w; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    return {};
}

struct TextOn {
    QColor text, background;
};

// Where the widget draws its text, and on what.
std::optional<TextOn> textOf(const QWidget *w)
{
    const QPalette &p = w->palette();
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QTextEdit *>(w) || qobject_cast<const QAbstractItemView *>(w))
        return TextOn{p.color(QPalette::Text), p.color(QPalette::Base)};
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->isEditable() ? TextOn{p.color(QPalette::Text), p.color(QPalette::Base)}
                                   : TextOn{p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    if (auto *tool = qobject_cast<const QToolButton *>(w))
        return tool->autoRaise() ? TextOn{p.color(QPalette::ButtonText), shownBackground(w)}
                                 : TextOn{p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    if (auto *push = qobject_cast<const QPushButton *>(w))
        return push->isFlat() ? TextOn{p.color(QPalette::ButtonText), shownBackground(w)}
                              : TextOn{p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    if (auto *label = qobject_cast<const QLabel *>(w); label && label->text().isEmpty())
        return std::nullopt;  // a picture
    if (qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
        || qobject_cast<const QGroupBox *>(w))
        return TextOn{p.color(QPalette::WindowText), shownBackground(w)};
    return std::nullopt;
}
} // namespace

class TestWindowColours : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setPalette(darkPalette()); }
    void init() { windowset::create(); }
    void cleanup() { windowset::destroy(); }
    void textReadableUnderDarkPalette_data();
    void textReadableUnderDarkPalette();
    void readableOnPicksTheContrastingColour_data();
    void readableOnPicksTheContrastingColour();
};

void TestWindowColours::textReadableUnderDarkPalette_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"FLogin", "FMain", "FDaftarBrg", "FHelp1", "Fup1", "FNota1", "FNota2", "FPelanggan",
                             "Fabout", "FNota3", "FNota4", "Fexit", "FlihatN", "FPass", "FCBarang", "FCPelanggan", "Form1", "Form2",
                             "FLaporanPenjualan"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestWindowColours::textReadableUnderDarkPalette()
{
    QFETCH(QString, window);
    TForm *form = nullptr;
    for (TForm *f : windowset::every())
        if (f->objectName() == window)
            form = f;
    QVERIFY(form);
    QList<QWidget *> widgets = form->findChildren<QWidget *>();
    widgets.prepend(form);
    for (const QWidget *w : std::as_const(widgets)) {
        if (w->window() != form)
            continue;  // popups follow the desktop's palette whole
        const std::optional<TextOn> t = textOf(w);
        if (!t)
            continue;
        const double ratio = colours::contrast(t->text, t->background);
        QVERIFY2(ratio >= 3.0, qPrintable(QStringLiteral("%1 (%2): %3 on %4, contrast %5")
                                              .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()),
                                                   t->text.name(), t->background.name())
                                              .arg(ratio, 0, 'f', 2)));
    }
}

void TestWindowColours::readableOnPicksTheContrastingColour_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::newRow("white") << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("light green") << QColor(0xC0, 0xF0, 0xC0) << QColor(Qt::black);
    QTest::newRow("navy") << QColor(0x00, 0x00, 0x80) << QColor(Qt::white);
    QTest::newRow("dark grey") << QColor(0x35, 0x35, 0x35) << QColor(Qt::white);
    QTest::newRow("yellow") << QColor(0xFF, 0xFF, 0x00) << QColor(Qt::black);
}

void TestWindowColours::readableOnPicksTheContrastingColour()
{
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    QCOMPARE(colours::readableOn(background), text);
}

NOTA_TEST_MAIN(TestWindowColours)
#include "test_window_colours.moc"
