#pragma once
#include "controls/Form.h"

class TFRBarang : public TForm {
    Q_OBJECT
public:
    explicit TFRBarang(QWidget *parent = nullptr);
};

extern TFRBarang *FRBarang;
