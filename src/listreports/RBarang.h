#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class TFRBarang : public TForm {
    Q_OBJECT
public:
    explicit TFRBarang(QWidget *parent = nullptr);

    // Opens the report's own table and shows the list report in a
    // non-modal preview; returns when the preview window closes.
    void Preview();
};
