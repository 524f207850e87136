#include "invoice/LihatN.h"

#include "data/Table.h"

TFlihatN::TFlihatN(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FlihatN"));
    setCaption(QStringLiteral("Lihat Nota"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(918, 351);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);

    Table1 = new Table(this);
    Table1->setObjectName(QStringLiteral("Table1"));
    Table1->setTableName(QStringLiteral("NotaUtama.DB"));
    Table1->setIndexFieldNames(QStringLiteral("No_Nota"));
    Table2 = new Table(this);
    Table2->setObjectName(QStringLiteral("Table2"));
    Table2->setTableName(QStringLiteral("Nota.DB"));
}

void TFlihatN::FormClose()
{
    windows::form(FMain)->Show();
}
