#pragma once
// Pictures of windows for a person to compare with the window designs, taken
// from the screen of an X server such as Xvfb. Without a window manager there
// is no frame, so a framed window's picture gets a plain title bar drawn above
// its client area: the caption and the border icons the window asks for.
#include <QString>

class QWidget;
class TForm;

namespace windowshot {
// Handles events for `ms` milliseconds, so windows are laid out and painted.
void settle(int ms = 400);
// Saves `form` (and `popup`, when one is open over it) to `file` and prints
// the file's name with the window's client size.
void shoot(TForm &form, const QString &file, QWidget *popup = nullptr);
} // namespace windowshot
