#pragma once
// What the main window shows of the measurements: the envelope chart, the status line, the
// taskbar title while minimized and the tray light, with the status word in its tip. It is
// the graph cycle's view; the level steps a cycle hands on go back to the window, which
// owns the level control.

#include <cstdint>
#include <functional>
#include <string>

#include "measure/GraphCycle.h"

class EnvelopeChart;
class QString;

// A status word of the code below (marked there with TRANSLATABLE("StatusWord", ...)) in the
// operator's language; any other text, such as the meter's identification, as it came.
QString TranslatedStatusWord(const std::string& word);

class StatusPanel;
class TrayIcon;

class MeasurementDisplay final : public GraphView {
public:
    // What the display asks of the window around it.
    struct Window {
        std::function<bool()> minimized;
        std::function<void(const std::string&)> showTitle;
        std::function<void(std::int32_t)> changeLevel;
        std::function<std::int32_t()> level;
        // The status word has changed to this one (byte for byte as shown); optional.
        std::function<void(const std::string&)> statusChanged;
    };

    MeasurementDisplay(EnvelopeChart& chart, StatusPanel& statusLine, TrayIcon& tray,
                       Window window);

    // A status word that stands for the whole signal, so the minimized window's taskbar
    // title carries it too.
    void ShowNote(const std::string& note);
    // The meter is gone: an empty chart, no figures, no light, and `note` as status word.
    void ShowNoMeter(const std::string& note);
    // The figures of the last frame go; the status word stays.
    void ClearFigures();
    void ShowLevelControl(bool on);
    // The meter's PSK mode in the mode field; the rig's frequency and mode follow it there
    // while the program follows the rig.
    void ShowMode(const std::string& label);
    void ShowRigMode(const std::string& frequencyAndMode);
    const std::string& PskMode() const { return pskMode_; }
    // The status word as the program says it in English, for peers that read it.
    const std::string& StatusWord() const { return statusWord_; }
    // The rig's meters on the status line's third row.
    void ShowRigMeters(const std::string& text);
    // A second line in the tray light's tip (the MQTT link's state); empty for none.
    void ShowLinkNote(const std::string& note);
    // The level label, read from the mixer now.
    void ShowMixerLevel();
    // A finished graph cycle's chart goes on screen.
    void CommitChart();

    // The graph cycle's view.
    void ClearChart() override;
    void AppendEnvelope(int n, double b) override;
    void AppendIdeal(int n, double v) override;
    void SetStatusWord(const std::string& text) override;
    void SetRms(const std::string& text) override;
    void SetImd(const std::string& text) override;
    void SetMaxVoltage(const std::string& text) override;
    void SetPowerEstimate(const std::string& text) override;
    void SetLevel(const std::string& text) override;
    void SetTitle(const std::string& text) override;
    void SetIconVisible(bool visible) override;
    void SetIconIndex(int index) override;
    void ChangeAudioLevel(std::int32_t step) override;
    std::int32_t MixerLevel() override;
    bool IsMinimized() override;

private:
    void UpdateTip();

    EnvelopeChart& chart_;
    StatusPanel& statusLine_;
    TrayIcon& tray_;
    Window window_;
    std::string pskMode_;
    std::string rigMode_;
    std::string tip_ = "Quorvane";
    std::string statusWord_;
    std::string statusTip_ = "Quorvane";
    std::string linkNote_;
};
