#include "access/Exit.h"

#include "access/Widgets.h"
#include "controls/Pictures.h"
#include "controls/UserInterface.h"
#include "shop/BackupAtEnd.h"

#include <QApplication>
#include <QLabel>

using namespace accessui;

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
    setWindowModality(Qt::ApplicationModal);

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

void TFexit::FormActivate()
{
    if (!m_cursorSet) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_cursorSet = true;
    }
    if (m_ending)
        return;  // activated again during the wait
    m_ending = true;
    backupatend::begin();  // in the background, while the splash shows
    // The event loop goes on meanwhile, so the splash is painted and stays so.
    ui().wait(kWaitMs, this, [this] {
        m_ending = false;
        ui().endProgram();
    });
}
