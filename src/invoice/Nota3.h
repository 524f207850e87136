#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFNota3 : public TForm {
    Q_OBJECT
public:
    explicit TFNota3(QWidget *parent = nullptr);
};
