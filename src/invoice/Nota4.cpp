#include "invoice/Nota4.h"

TFNota4::TFNota4(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FNota4"));
    setCaption(QStringLiteral("Add Manual"));
    setBorder(BorderStyle::Single, NoIcons);
    setClientSize(519, 278);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);
}
