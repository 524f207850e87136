#include "invoice/PrintN2.h"

TFPrintN2::TFPrintN2(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FPrintN2"));
    setCaption(QStringLiteral("Nota"));
    setBorder(BorderStyle::Single, SystemMenu | Minimize | Maximize);
    setClientSize(800, 600);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Arial"), 18);
}
