// The main window while the meter is unplugged: the port closed, the status line saying
// so, and a try to reopen the same COM name every 2 s, off the GUI thread, until the meter
// answers again; then identification and polling as at start-up.

#include "app/MainWindow.h"
#include "app/MeasurementDisplay.h"
#include "meter/MeterProtocol.h"

void MainWindow::MeterDisconnected(const std::string& why) {
    pollTimer_->stop();
    // Closed at once: a descriptor on a removed device would keep it from coming back.
    link_.ClosePort();
    link_.FirmwareVersion.clear();
    Log(why + ": " + kMeterDisconnected + ", trying to reopen it every " +
        std::to_string(reconnectTimer_->interval() / 1000) + " s");
    // With no cycles, no level steps while there is nothing to measure.
    display_->ShowNoMeter(kMeterDisconnected);
    if (Sweeping()) EndSweep(SweepStop::SignalGone);
    // A hang-up found while the program ends leaves nothing to retry.
    if (!destroyed_) reconnectTimer_->start();
}

void MainWindow::ReconnectTick() {
    if (exchange_.InFlight()) return;
    auto firmware = std::make_shared<std::optional<std::string>>();
    exchange_.Start(
        [this, firmware, fake = settings_.FakeDataEnabled] {
            if (!link_.OpenComPort(true)) return;
            *firmware = link_.GetFirmwareInfo(fake);
            // Pulled out again while it was being identified.
            if (link_.HungUp()) {
                link_.ClosePort();
                firmware->reset();
            }
        },
        [this, firmware] { FinishReconnect(*firmware); });
}

void MainWindow::FinishReconnect(const std::optional<std::string>& firmware) {
    if (!firmware || destroyed_) return;  // still gone: the timer tries again
    reconnectTimer_->stop();
    SetCaption(link_.Caption());
    ShowFirmwareMode(link_.FirmwareVersion);
    display_->SetStatusWord(*firmware);
    Log(ComPortName(link_.ComPort) + " is back, the meter says: " + *firmware);
    Log("Polling resumed every " + std::to_string(pollTimer_->interval()) + " ms");
    pollTimer_->start();
}

bool MainWindow::HoldPort() {
    bool polling = pollTimer_->isActive() || reconnectTimer_->isActive();
    pollTimer_->stop();
    reconnectTimer_->stop();
    WaitForCycle();
    // The exchange just finished may have started either again.
    polling = polling || pollTimer_->isActive() || reconnectTimer_->isActive();
    pollTimer_->stop();
    reconnectTimer_->stop();
    return polling;
}

void MainWindow::ResumePolling(bool polling) {
    if (!polling) return;
    if (link_.IsOpen())
        pollTimer_->start();
    else
        reconnectTimer_->start();
}
