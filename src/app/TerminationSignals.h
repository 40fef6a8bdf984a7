#pragma once
// SIGTERM and SIGINT end the message loop, so that they run the normal shutdown and the
// settings are saved, as closing the window would.

class QObject;

// Call once, after the QApplication exists.
void QuitOnTerminationSignals(QObject* parent);
