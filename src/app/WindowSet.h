#pragma once
// The window set: the registry's windows, each made on first use and
// reachable for the whole run through its global instance.
#include <QList>

class TForm;

namespace windowset {
// Starts the set: the login window is made and becomes the application's
// main form. Every other window waits for its first use.
void create();
// Destroys the made windows, the last made first (end of run, or between tests).
void destroy();
// The windows made so far, in the order they were made.
QList<TForm *> all();
// Every window of the registry, those not made yet made now (for pictures
// and checks of all windows).
QList<TForm *> every();
} // namespace windowset
