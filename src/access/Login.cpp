#include "access/Login.h"

TFLogin *FLogin = nullptr;

TFLogin::TFLogin(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FLogin"));
    setCaption(QStringLiteral("Login"));
    setBorder(BorderStyle::Single, SystemMenu | Minimize);
    setClientSize(417, 193);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
}
