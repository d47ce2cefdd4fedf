#pragma once

namespace tessarine {

// Makes SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in the terminal, a
// closed terminal) end the application's event loop like a normal quit, so
// that what the program saves at its end is still saved. Call once, after
// the application object exists.
void QuitOnTerminationSignals();

}  // namespace tessarine
