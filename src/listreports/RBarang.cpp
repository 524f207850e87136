#include "listreports/RBarang.h"

TFRBarang::TFRBarang(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FRBarang"));
    setCaption(QStringLiteral("Report"));
    setBorder(BorderStyle::Single, SystemMenu | Minimize | Maximize);
    setClientSize(800, 600);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Arial"), 10);
}

void TFRBarang::Preview()
{
}
