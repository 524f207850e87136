#pragma once
// The automatic backup at the program's normal end, out of the way: it
// starts in the background when the exit splash shows (its four seconds
// cover a small shop's backup) and the process waits for it only after its
// windows are gone, so the end is never held up on the screen. A backup
// that fails is remembered (BackupRules), never shown then.
namespace backupatend {

// The program turns it on once at start; without it (tests of the windows)
// an end makes no backup and the main window says nothing of backups.
void enable();
bool isEnabled();
// The end has begun: start the backup in the background (once).
void begin();
// After the event loop: start it if nothing did yet (the login window's
// close box ends the program at once), then wait until it is done.
void finish();

} // namespace backupatend
