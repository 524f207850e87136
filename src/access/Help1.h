#pragma once
// The button-help window: a picture explaining the record navigator's ten
// buttons, and "&Ok" to close it.
#include "app/Windows.h"
#include "controls/Form.h"

class QLabel;
class QPushButton;

class TFHelp1 : public TForm {
    Q_OBJECT
public:
    explicit TFHelp1(QWidget *parent = nullptr);

    QLabel *Image1;        // 483 x 180
    QPushButton *BitBtn1;  // "&Ok", closes the window
};
