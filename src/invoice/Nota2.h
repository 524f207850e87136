#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFNota2 : public TForm {
    Q_OBJECT
public:
    explicit TFNota2(QWidget *parent = nullptr);
};
