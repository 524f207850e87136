#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFDaftarBrg : public TForm {
    Q_OBJECT
public:
    explicit TFDaftarBrg(QWidget *parent = nullptr);

protected:
    void FormClose() override;
};
