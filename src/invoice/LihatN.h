#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFlihatN : public TForm {
    Q_OBJECT
public:
    explicit TFlihatN(QWidget *parent = nullptr);

protected:
    void FormClose() override;
};
