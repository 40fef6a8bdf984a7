// The main window while the meter is unplugged: the port closed, the status line saying
// so, and a try to reopen the same COM name every 2 s, off the GUI thread, until the meter
// answers again; then identification and polling as at start-up.

#include "app/StatusPanel.h"
#include "app/umain.h"
#include "desktop/SpTrayIc.h"
#include "measure/EnvelopeChart.h"
#include "meter/MeterProtocol.h"

void TMainForm::MeterDisconnected(const std::string& why) {
    Timer1->stop();
    // Closed at once: a descriptor on a removed device would keep it from coming back.
    Link.ClosePort();
    Link.FirmwareVersion.clear();
    Log(why + ": " + kMeterDisconnected + ", trying to reopen it every " +
        std::to_string(reconnectTimer_->interval() / 1000) + " s");
    ClearSeries();
    Chart->Commit();
    SetRms("");
    SetImd("");
    SetSplatter(kMeterDisconnected);
    if (Minimized) ShowTitle(kMeterDisconnected);
    // No light and, with no cycles, no level steps while there is nothing to measure.
    SetIconVisible(false);
    // A hang-up found while the program ends leaves nothing to retry.
    if (!destroyed_) reconnectTimer_->start();
}

void TMainForm::ReconnectTimerTimer() {
    if (exchange_.InFlight()) return;
    auto firmware = std::make_shared<std::optional<std::string>>();
    exchange_.Start(
        [this, firmware, fake = Settings_.FakeDataEnabled] {
            if (!Link.OpenComPort(true)) return;
            *firmware = Link.GetFirmwareInfo(fake);
            // Pulled out again while it was being identified.
            if (Link.HungUp()) {
                Link.ClosePort();
                firmware->reset();
            }
        },
        [this, firmware] { FinishReconnect(*firmware); });
}

void TMainForm::FinishReconnect(const std::optional<std::string>& firmware) {
    if (!firmware || destroyed_) return;  // still gone: the timer tries again
    reconnectTimer_->stop();
    SetCaption(Link.Caption());
    ShowFirmwareMode(Link.FirmwareVersion);
    SetSplatter(*firmware);
    Log(ComPortName(Link.ComPort) + " is back, the meter says: " + *firmware);
    Log("Polling resumed every " + std::to_string(Timer1->interval()) + " ms");
    Timer1->start();
}

bool TMainForm::HoldPort() {
    bool polling = Timer1->isActive() || reconnectTimer_->isActive();
    Timer1->stop();
    reconnectTimer_->stop();
    WaitForCycle();
    // The exchange just finished may have started either again.
    polling = polling || Timer1->isActive() || reconnectTimer_->isActive();
    Timer1->stop();
    reconnectTimer_->stop();
    return polling;
}

void TMainForm::ResumePolling(bool polling) {
    if (!polling) return;
    if (Link.IsOpen())
        Timer1->start();
    else
        reconnectTimer_->start();
}
