#include "masterdata/TLPart.h"

TForm2::TForm2(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setCaption(QStringLiteral("Tambah List Part"));
    setBorder(BorderStyle::Sizeable, SystemMenu | Minimize | Maximize);
    setClientSize(545, 408);
    setPlacement(Placement::Designed, QPoint(192, 114));
    setFormFont(QStringLiteral("Tahoma"), 8);
}

void TForm2::FormClose()
{
    windows::form(FMain)->Show();
}
