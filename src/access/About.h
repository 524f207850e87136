#pragma once
// The about window: the program's name and version beside a square that
// bounces inside a panel every 50 ms until "Stop Animasi" is ticked.
#include "access/SquareMotion.h"
#include "app/Windows.h"
#include "controls/Form.h"

#include <QRandomGenerator>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

class TFabout : public TForm {
    Q_OBJECT
public:
    explicit TFabout(QWidget *parent = nullptr);

    // Inner area of the panel and the square's size.
    static constexpr int kInnerWidth = 133;
    static constexpr int kInnerHeight = 245;
    static constexpr int kSquareWidth = 33;
    static constexpr int kSquareHeight = 32;

    QFrame *Panel1;        // light-green panel, sunken border
    QWidget *PanelArea;    // its inner area, 133 x 245
    QFrame *Shape1;        // the square
    QCheckBox *CheckBox1;  // "Stop Animasi"
    QLabel *Label1;        // "Aplikasi"
    QLabel *Label2;        // "Sistem Nota"
    QLabel *Label3;        // "Versi 2.0 [Build 1.2], For Request "
    QFrame *ImageFrame;    // 105 x 65 frame of the logo
    QLabel *Image1;        // logo, 98 x 64
    QFrame *Bevel1;
    QPushButton *BitBtn1;  // "Ok"
    QTimer *Timer1;        // 50 ms, stopped until the window shows

    SquareMotion motion;   // x, y relative to the inner area; dx, dy per tick

    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    void Timer1Timer();
    void CheckBox1Click();
    void BitBtn1Click();

private:
    QRandomGenerator m_random;
};
