#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFCBarang : public TForm {
    Q_OBJECT
public:
    explicit TFCBarang(QWidget *parent = nullptr);
};
