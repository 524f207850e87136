#pragma once
#include "controls/Form.h"

class TFabout : public TForm {
    Q_OBJECT
public:
    explicit TFabout(QWidget *parent = nullptr);
};

extern TFabout *Fabout;
