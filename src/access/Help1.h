#pragma once
#include "controls/Form.h"

class TFHelp1 : public TForm {
    Q_OBJECT
public:
    explicit TFHelp1(QWidget *parent = nullptr);
};

extern TFHelp1 *FHelp1;
