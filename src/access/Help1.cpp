#include "access/Help1.h"

#include "access/Widgets.h"
#include "controls/Guard.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

using namespace accessui;

TFHelp1::TFHelp1(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FHelp1"));
    setCaption(QStringLiteral("Help Keterangan Tombol"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(502, 245);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);
    setBackground(this, Qt::white);

    Image1 = picture(this, QStringLiteral("Image1"), QStringLiteral(":/access/help-navigator.svg"),
                     QRect(9, 10, 483, 180));

    BitBtn1 = new QPushButton(standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("&Ok"),
                              this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(402, 204, 90, 30);
    BitBtn1->setCursor(Qt::PointingHandCursor);
    // A close button by kind: it closes the window.
    onEvent(BitBtn1, &QPushButton::clicked, static_cast<TForm *>(this), &TForm::Close);
}
