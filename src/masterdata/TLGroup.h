#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TForm1 : public TForm {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

protected:
    void FormClose() override;
};
