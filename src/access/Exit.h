#pragma once
#include "controls/Form.h"

class TFexit : public TForm {
    Q_OBJECT
public:
    explicit TFexit(QWidget *parent = nullptr);
};

extern TFexit *Fexit;
