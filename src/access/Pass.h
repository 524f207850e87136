#pragma once
#include "controls/Form.h"

class TFPass : public TForm {
    Q_OBJECT
public:
    explicit TFPass(QWidget *parent = nullptr);
};

extern TFPass *FPass;
