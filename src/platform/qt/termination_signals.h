// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessarine {

// SIGTERM, SIGINT and SIGHUP (a logout, a service manager's stop, Ctrl+C in
// the terminal, a closed terminal) ask the program to end. A request is
// remembered from the moment it comes, whatever the program is doing, and
// ends every event loop running then or later, a modal dialog's included.

// Catches the signals and remembers them. Call first thing in main, before
// the application object exists, so that no request in the start-up is lost.
void CatchTerminationSignals();

// Makes a request end the event loops like a normal quit. Call once the
// application object exists; a request caught before then acts as soon as
// a loop runs.
void QuitOnTerminationSignals();

// Whether the program has been asked to end. From then on it starts no loop
// and opens no window: the main loop would not be ended a second time, and a
// message would wait for a user who is leaving.
bool TerminationRequested();

}  // namespace tessarine
