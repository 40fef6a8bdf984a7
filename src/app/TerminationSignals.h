#pragma once
// SIGTERM, SIGINT and SIGHUP end the message loop, so that they run the normal shutdown and the
// settings are saved, as closing the window would.

class QObject;

// Call once, after the QApplication exists.
void QuitOnTerminationSignals(QObject* parent);

// True once a signal has asked the program to end, also when it arrived before the
// main message loop ran (during start-up's dialogs), when there was no loop to leave.
bool TerminationRequested();
