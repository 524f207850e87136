#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TForm2 : public TForm {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

protected:
    void FormClose() override;
};
