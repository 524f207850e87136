#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFPrintN : public TForm {
    Q_OBJECT
public:
    explicit TFPrintN(QWidget *parent = nullptr);
};
