#include "masterdata/TLGroup.h"

TForm1::TForm1(QWidget *parent)
    : PickListWindow(QStringLiteral("Form1"), QStringLiteral("Tambah List Group"), QStringLiteral("Group.db"),
                     QSize(313, 270), QPoint(358, 216), parent)
{
}
