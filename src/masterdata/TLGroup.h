#pragma once
// The group list: the Group table in an editable grid.
#include "app/Windows.h"
#include "masterdata/PickListWindow.h"

class TForm1 : public PickListWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
};
