#include "access/Pass.h"

TFPass *FPass = nullptr;

TFPass::TFPass(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FPass"));
    setCaption(QStringLiteral("Ganti Password"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(393, 283);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
}
