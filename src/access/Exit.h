#pragma once
// The exit splash: the last window of a run. Once active it shows itself,
// blocks for four seconds without handling any events, and ends the program.
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

    // Test hook: the pause before the end, in ms. The program never calls
    // it and always waits kWaitMs; tests shorten the wait.
    static void setWaitForTesting(int ms);
    static int waitMs();

private:
    bool m_cursorSet = false;
};

extern TFexit *Fexit;
