#include "search/Cpelanggan.h"

TFCPelanggan::TFCPelanggan(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FCPelanggan"));
    setCaption(QStringLiteral("Pencarian Daftar Pelanggan"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(777, 580);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);
}
