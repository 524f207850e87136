#include "access/MainMenu.h"

TFMain *FMain = nullptr;

TFMain::TFMain(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FMain"));
    setCaption(QStringLiteral("Sistem Nota"));
    setBorder(BorderStyle::Single, SystemMenu | Minimize);
    setClientSize(592, 413);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
}
