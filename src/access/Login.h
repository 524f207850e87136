#pragma once
#include "controls/Form.h"

class TFLogin : public TForm {
    Q_OBJECT
public:
    explicit TFLogin(QWidget *parent = nullptr);
};

extern TFLogin *FLogin;
