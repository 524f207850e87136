#include "listreports/RPelanggan.h"

TFRPelanggan::TFRPelanggan(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FRPelanggan"));
    setCaption(QStringLiteral("Report"));
    setBorder(BorderStyle::Single, SystemMenu | Minimize | Maximize);
    setClientSize(800, 600);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Arial"), 10);
}

void TFRPelanggan::Preview()
{
}
