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

    MeterLink& Link() const { return f_.Link; }
    std::unique_ptr<TspVolumeControl>& VolumeControl() const { return f_.VolumeControl; }
    std::unique_ptr<TSpTrayIcon>& LedIcon() const { return f_.LedIcon; }
    QTimer* Timer1() const { return f_.Timer1; }
    EnvelopeChart* Chart() const { return f_.Chart; }
    StatusPanel* Panel1() const { return f_.Panel1; }
    QPlainTextEdit* Memo1() const { return f_.Memo1; }
    FldigiLink* Fldigi() const { return f_.fldigiLink_; }

private:
    TMainForm& f_;
};
