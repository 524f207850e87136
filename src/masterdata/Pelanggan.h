#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFPelanggan : public TForm {
    Q_OBJECT
public:
    explicit TFPelanggan(QWidget *parent = nullptr);

protected:
    void FormClose() override;
};
