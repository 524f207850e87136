#include "invoice/Nota1.h"

TFNota1::TFNota1(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FNota1"));
    setCaption(QStringLiteral("Nota Baru"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(927, 568);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);
}

void TFNota1::FormClose()
{
    windows::form(FMain)->Show();
}
