#include "invoice/LihatN.h"
#include "access/MainMenu.h"

TFlihatN *FlihatN = nullptr;

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
    FMain->Show();
}
