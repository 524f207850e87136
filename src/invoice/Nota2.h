#pragma once
#include "controls/Form.h"

class TFNota2 : public TForm {
    Q_OBJECT
public:
    explicit TFNota2(QWidget *parent = nullptr);
};

extern TFNota2 *FNota2;
