#include "masterdata/TLGroup.h"

TForm1::TForm1(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setCaption(QStringLiteral("Tambah List Group"));
    setBorder(BorderStyle::Sizeable, SystemMenu | Minimize | Maximize);
    setClientSize(305, 240);
    setPlacement(Placement::Designed, QPoint(358, 216));
    setFormFont(QStringLiteral("Tahoma"), 8);
}

void TForm1::FormClose()
{
    windows::form(FMain)->Show();
}
