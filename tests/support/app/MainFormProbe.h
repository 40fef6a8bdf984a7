#pragma once
// The tests' and benchmarks' view of the main window's private state and controls, under
// the window's own names.

#include <memory>
#include <string>

#include "app/umain.h"

class MainFormProbe {
public:
    explicit MainFormProbe(TMainForm& form) : f_(form) {}

    // A graph cycle's reply shown as the exchange hands it over, without the wire.
    static void ShowGraphReply(TMainForm& form, const std::string& reply) {
        GraphExchangeResult result;
        result.Reply = reply;
        form.FinishGraphCycle(result);
    }

    Settings& Settings_() const { return f_.Settings_; }
    MeterLink& Link() const { return f_.Link; }
    std::unique_ptr<TspVolumeControl>& VolumeControl() const { return f_.VolumeControl; }
    std::unique_ptr<TSpTrayIcon>& LedIcon() const { return f_.LedIcon; }
    QTimer* Timer1() const { return f_.Timer1; }
    EnvelopeChart* Chart() const { return f_.Chart; }
    StatusPanel* Panel1() const { return f_.Panel1; }
    QPlainTextEdit* Memo1() const { return f_.Memo1; }
    QAction* ComPort1() const { return f_.ComPort1; }
    QAction* PSK63() const { return f_.PSK63; }
    QAction* RefreshRate1() const { return f_.RefreshRate1; }
    QAction* AlwaysonTop1() const { return f_.AlwaysonTop1; }
    QAction* DataMode1() const { return f_.DataMode1; }
    QAction* ALC() const { return f_.ALC; }
    QAction* Feedbackgain1() const { return f_.Feedbackgain1; }
    QAction* argetIMD1() const { return f_.argetIMD1; }
    QAction* NoiseThreshold1() const { return f_.NoiseThreshold1; }
    QAction* PowerLimit() const { return f_.PowerLimit; }
    QAction* ShowPower() const { return f_.ShowPower; }
    QAction* SetSoundCard() const { return f_.SetSoundCard; }
    QAction* TestSoundCard() const { return f_.TestSoundCard; }
    QAction* About1() const { return f_.About1; }
    QAction* ColorCode1() const { return f_.ColorCode1; }

private:
    TMainForm& f_;
};
