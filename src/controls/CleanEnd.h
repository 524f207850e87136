#pragma once
// Keeps the database file whole while the program runs and when it is ended
// from outside: the write-ahead journal is folded back into the file when
// the program is idle, and SIGTERM, SIGINT and SIGHUP (logout, shutdown,
// Ctrl+C, a closed terminal) end the event loop as a normal end does, so
// that the program closes its database. The exit status is then 128 plus
// the signal's number; a second signal ends the program at once.
namespace cleanend {
// Once, after the application object exists.
void install();
} // namespace cleanend
