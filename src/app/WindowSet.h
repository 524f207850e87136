#pragma once
// The window set: every window of the system, created once in a fixed order
// and reachable for the whole run through its global instance.
#include <QList>

class TForm;

namespace windowset {
// Creates the 22 windows in their binding order; the first, the login
// window, becomes the application's main form. Nothing opens a table here.
void create();
// Destroys the windows in reverse order (end of run, or between tests).
void destroy();
// The windows in creation order (empty before create()).
QList<TForm *> all();
} // namespace windowset
