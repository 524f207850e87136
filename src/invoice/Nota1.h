#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFNota1 : public TForm {
    Q_OBJECT
public:
    explicit TFNota1(QWidget *parent = nullptr);

protected:
    void FormClose() override;
};
