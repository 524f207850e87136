#pragma once
#include "controls/Form.h"

class TFRPelanggan : public TForm {
    Q_OBJECT
public:
    explicit TFRPelanggan(QWidget *parent = nullptr);
};

extern TFRPelanggan *FRPelanggan;
