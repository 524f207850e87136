#pragma once
#include "controls/Form.h"

class TFCBarang : public TForm {
    Q_OBJECT
public:
    explicit TFCBarang(QWidget *parent = nullptr);
};

extern TFCBarang *FCBarang;
