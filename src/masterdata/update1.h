#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFup1 : public TForm {
    Q_OBJECT
public:
    explicit TFup1(QWidget *parent = nullptr);
};
