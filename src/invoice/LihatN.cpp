#include "invoice/LihatN.h"

TFlihatN::TFlihatN(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FlihatN"));
    setCaption(QStringLiteral("Lihat Nota"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(918, 351);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);
}

void TFlihatN::FormClose()
{
    windows::form(FMain)->Show();
}
