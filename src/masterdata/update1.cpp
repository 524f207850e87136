#include "masterdata/update1.h"

TFup1::TFup1(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("Fup1"));
    setCaption(QStringLiteral("Update"));
    setBorder(BorderStyle::Single, NoIcons);
    setClientSize(443, 88);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
}
