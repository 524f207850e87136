#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFNota4 : public TForm {
    Q_OBJECT
public:
    explicit TFNota4(QWidget *parent = nullptr);
};
