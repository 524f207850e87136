#include "access/About.h"

TFabout *Fabout = nullptr;

TFabout::TFabout(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("Fabout"));
    setCaption(QStringLiteral("About"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(344, 281);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("MS Sans Serif"), 8);
}
