#pragma once
// The single-instance guard on the real platform, for the program entry. Run it once the
// QApplication exists and before the settings, the log or the port are touched:
//
//     QtSingleInstance guard("quorvane");   // throws SharedBlockError
//     if (guard.MustEnd()) return 0;  // the running instance has been asked forward
//     ... create the main window ...
//     guard.BringForward(&mainWindow);
//
// Keep the guard alive until the program ends: it holds the claim.

#include <QPointer>
#include <QWidget>
#include <string>

#include "desktop/SingleInstance.h"
#include "platform/NativePlatform.h"

class QtSingleInstance {
public:
    explicit QtSingleInstance(const std::string& title);
    bool MustEnd() const { return guard_.MustEnd(); }
    // The window that a later start brings forward.
    void BringForward(QWidget* window);

private:
    NativeSharedMemory memory_;
    NativeInstanceActivation activation_;
    SingleInstance guard_;
    QPointer<QWidget> window_;
};

// Restores the window when minimized, raises and activates it.
void BringWindowForward(QWidget& window);
