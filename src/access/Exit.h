#pragma once
// The exit splash: the last window of a run. Once active it stays on the
// screen, painted, for four seconds and then ends the program. It is modal:
// the other windows take no input meanwhile.
#include "app/Windows.h"
#include "controls/Form.h"

class QLabel;

class TFexit : public TForm {
    Q_OBJECT
public:
    explicit TFexit(QWidget *parent = nullptr);
    ~TFexit() override;

    static constexpr int kWaitMs = 4000;

    QLabel *Image1;  // logo
    QLabel *Label1;  // "Software Powered"

    void FormActivate() override;

private:
    bool m_cursorSet = false;
    bool m_ending = false;  // the wait before the end has begun
};
