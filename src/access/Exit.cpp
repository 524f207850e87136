#include "access/Exit.h"

TFexit *Fexit = nullptr;

TFexit::TFexit(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("Fexit"));
    setCaption(QStringLiteral(""));
    setBorder(BorderStyle::None, NoIcons);
    setClientSize(371, 115);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
}
