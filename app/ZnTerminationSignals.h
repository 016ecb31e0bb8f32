#pragma once

// Ends the application's event loops when the process is asked to end (SIGTERM, SIGINT,
// SIGHUP: a logout, `kill`, Ctrl+C in the terminal), so that the program leaves through its
// destructors, which remove its private directory for net-snmp, instead of dying where it
// stands. No question is asked: the request to end came from outside. Call once, with the
// application object made.
void ZnQuitOnTerminationSignals();
