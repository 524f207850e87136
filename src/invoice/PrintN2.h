#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFPrintN2 : public TForm {
    Q_OBJECT
public:
    explicit TFPrintN2(QWidget *parent = nullptr);
};
