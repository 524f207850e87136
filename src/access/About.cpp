#include "access/About.h"

#include "access/Widgets.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "controls/Pictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

using namespace accessui;

namespace {
// Filled like an inactive title bar of the classic desktop, thin black outline.
const QColor kSquareFill{0x7A, 0x96, 0xDF};
} // namespace

TFabout::TFabout(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("Fabout"));
    setCaption(QStringLiteral("About"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(344, 281);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("MS Sans Serif"), 8);
    setBackground(this, Qt::white);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, kInnerWidth + 4, kInnerHeight + 4);
    Panel1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setBackground(Panel1, kLightGreen);
    PanelArea = new QWidget(Panel1);
    PanelArea->setObjectName(QStringLiteral("PanelArea"));
    PanelArea->setGeometry(2, 2, kInnerWidth, kInnerHeight);
    Shape1 = new QFrame(PanelArea);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    setTextColour(Shape1, Qt::black);
    setBackground(Shape1, kSquareFill);
    Shape1->setGeometry((kInnerWidth - kSquareWidth) / 2, (kInnerHeight - kSquareHeight) / 2, kSquareWidth,
                        kSquareHeight);

    CheckBox1 = new QCheckBox(QStringLiteral("Stop Animasi"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 260, 137, 17);
    CheckBox1->setCursor(Qt::PointingHandCursor);

    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Aplikasi"), QPoint(158, 12));
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Sistem Nota"), QPoint(156, 26));
    applyFont(Label2, QStringLiteral("Tahoma"), 18);
    Label2->adjustSize();
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Versi 2.0 [Build 1.2], For Request "),
                   QPoint(158, 66));

    ImageFrame = new QFrame(this);
    ImageFrame->setObjectName(QStringLiteral("ImageFrame"));
    ImageFrame->setGeometry(158, 90, 105, 65);
    Image1 = new QLabel(ImageFrame);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 98, 64);
    Image1->setPixmap(QPixmap::fromImage(pictures::logo(QSize(98, 64))));

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setGeometry(158, 168, 177, 9);

    BitBtn1 = new QPushButton(standardIcon(QStyle::SP_BrowserReload), QStringLiteral("Ok"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(255, 245, 80, 27);
    BitBtn1->setCursor(Qt::PointingHandCursor);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);

    onEvent(Timer1, &QTimer::timeout, this, &TFabout::Timer1Timer);
    // Clicked by the user only: clearing the box on close does not restart the timer.
    onEvent(CheckBox1, &QCheckBox::clicked, this, &TFabout::CheckBox1Click);
    onEvent(BitBtn1, &QPushButton::clicked, this, &TFabout::BitBtn1Click);
    // "Ok" answers Enter, and Escape closes the window as "Ok" does.
    dialogkeys::install(this, BitBtn1, BitBtn1);
}

void TFabout::FormShow() { Timer1->start(); }

void TFabout::FormActivate()
{
    m_random.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
    motion.x = (kInnerWidth - kSquareWidth) / 2;
    motion.y = (kInnerHeight - kSquareHeight) / 2;
    motion.dx = m_random.bounded(-3, 4);
    motion.dy = m_random.bounded(-3, 4);
}

void TFabout::Timer1Timer()
{
    motion = animationStep(motion, kInnerWidth, kInnerHeight, kSquareWidth, kSquareHeight);
    Shape1->move(motion.x, motion.y);
}

void TFabout::CheckBox1Click()
{
    if (CheckBox1->isChecked())
        Timer1->stop();
    else
        Timer1->start();
}

void TFabout::BitBtn1Click() { Close(); }

void TFabout::FormClose()
{
    Timer1->stop();
    CheckBox1->setChecked(false);
}
