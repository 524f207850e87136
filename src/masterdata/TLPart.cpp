#include "masterdata/TLPart.h"

TForm2::TForm2(QWidget *parent)
    : PickListWindow(QStringLiteral("Form2"), QStringLiteral("Tambah List Part"), QStringLiteral("Part.db"),
                     QSize(553, 438), QPoint(192, 114), parent)
{
}
