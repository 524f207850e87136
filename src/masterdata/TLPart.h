#pragma once
// The part list: the Part table in an editable grid.
#include "app/Windows.h"
#include "masterdata/PickListWindow.h"

class TForm2 : public PickListWindow {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};
