#include "invoice/PrintN.h"

TFPrintN::TFPrintN(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FPrintN"));
    setCaption(QStringLiteral("Nota"));
    setBorder(BorderStyle::Single, SystemMenu | Minimize | Maximize);
    setClientSize(800, 600);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Arial"), 18);
}
