#pragma once
// Enter and Escape in a window that is not a dialog box: Enter presses the
// window's default button (a focused push button takes Enter itself) and
// Escape its cancel button, each only while that button is enabled and shown.
class QAbstractButton;
class QWidget;

namespace dialogkeys {
// Either button may be null. The handler lives as long as `window`.
void install(QWidget *window, QAbstractButton *defaultButton, QAbstractButton *cancelButton);
} // namespace dialogkeys
