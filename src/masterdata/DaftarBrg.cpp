#include "masterdata/DaftarBrg.h"

TFDaftarBrg::TFDaftarBrg(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FDaftarBrg"));
    setCaption(QStringLiteral("Daftar Barang"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(870, 300);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
}

void TFDaftarBrg::FormClose()
{
    windows::form(FMain)->Show();
}
