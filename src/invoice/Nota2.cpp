#include "invoice/Nota2.h"

TFNota2::TFNota2(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FNota2"));
    setCaption(QStringLiteral("Add Barang dari Daftar Barang"));
    setBorder(BorderStyle::Single, NoIcons);
    setClientSize(688, 328);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);
}
