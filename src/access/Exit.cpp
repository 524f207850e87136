#include "access/Exit.h"

#include "access/Widgets.h"
#include "controls/Application.h"
#include "controls/Pictures.h"

#include <QApplication>
#include <QLabel>
#include <QThread>

TFexit *Fexit = nullptr;

using namespace accessui;

namespace {
int &waitSetting()
{
    static int ms = TFexit::kWaitMs;
    return ms;
}

// Ends the program when the activation ends, also when it ends by an error.
struct EndsProgram {
    ~EndsProgram()
    {
        if (nApp)
            nApp->terminate();
    }
};
} // namespace

TFexit::TFexit(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("Fexit"));
    setCaption(QStringLiteral(""));
    setBorder(BorderStyle::None, NoIcons);
    setClientSize(371, 115);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
    setBackground(this, Qt::white);
    setCursor(Qt::WaitCursor);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(12, 25, 98, 64);
    Image1->setPixmap(QPixmap::fromImage(pictures::logo(QSize(98, 64))));
    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Software Powered"), QRect(116, 25, 250, 64));
    applyFont(Label1, QStringLiteral("Times New Roman"), 22, true);
    setTextColour(Label1, kGrey);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

TFexit::~TFexit()
{
    if (m_cursorSet)
        QApplication::restoreOverrideCursor();
}

void TFexit::setWaitForTesting(int ms) { waitSetting() = ms; }

int TFexit::waitMs() { return waitSetting(); }

void TFexit::FormActivate()
{
    EndsProgram end;
    if (!m_cursorSet) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_cursorSet = true;
    }
    repaint();
    // The GUI thread blocks on purpose: nothing is handled before the end.
    QThread::msleep(static_cast<unsigned long>(waitSetting()));
}
