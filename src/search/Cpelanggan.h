#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFCPelanggan : public TForm {
    Q_OBJECT
public:
    explicit TFCPelanggan(QWidget *parent = nullptr);
};
