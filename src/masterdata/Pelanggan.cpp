#include "masterdata/Pelanggan.h"

TFPelanggan::TFPelanggan(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FPelanggan"));
    setCaption(QStringLiteral("Daftar Pelanggan"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(564, 359);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
}

void TFPelanggan::FormClose()
{
    windows::form(FMain)->Show();
}
