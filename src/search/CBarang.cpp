#include "search/CBarang.h"

TFCBarang::TFCBarang(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FCBarang"));
    setCaption(QStringLiteral("Pencarian Daftar Barang"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(774, 557);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);
}
