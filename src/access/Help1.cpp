#include "access/Help1.h"

TFHelp1 *FHelp1 = nullptr;

TFHelp1::TFHelp1(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FHelp1"));
    setCaption(QStringLiteral("Help Keterangan Tombol"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(502, 245);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);
}
