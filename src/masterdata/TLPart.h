#pragma once
#include "controls/Form.h"

class TForm2 : public TForm {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

protected:
    void FormClose() override;
};

extern TForm2 *Form2;
