#include "invoice/Nota3.h"

TFNota3::TFNota3(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FNota3"));
    setCaption(QStringLiteral("Cari Daftar Pelanggan"));
    setBorder(BorderStyle::Single, NoIcons);
    setClientSize(420, 142);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
}
