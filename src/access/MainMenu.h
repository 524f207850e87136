#pragma once
#include "controls/Form.h"

class TFMain : public TForm {
    Q_OBJECT
public:
    explicit TFMain(QWidget *parent = nullptr);
};

extern TFMain *FMain;
