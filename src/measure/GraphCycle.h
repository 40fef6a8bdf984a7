#pragma once
// One graph-mode measurement cycle once the meter's reply is in: analyses the frame and
// shows it on the chart, the status line, the taskbar title and the tray light, handing level
// steps to the level control at fixed points.

#include <cstdint>
#include <string>
#include <string_view>

#include "measure/Analysis.h"

// What the cycle needs from the main window.
class GraphView {
public:
    virtual ~GraphView() = default;

    virtual void ClearChart() = 0;
    // The envelope bar at sample n, drawn up to b and down to -b.
    virtual void AppendEnvelope(int n, double b) = 0;
    // The ideal arch at sample n, drawn at v and its mirror image at -v.
    virtual void AppendIdeal(int n, double v) = 0;

    virtual void SetStatusWord(const std::string& text) = 0;
    virtual void SetRms(const std::string& text) = 0;
    virtual void SetImd(const std::string& text) = 0;
    virtual void SetMaxVoltage(const std::string& text) = 0;
    virtual void SetPowerEstimate(const std::string& text) = 0;
    virtual void SetLevel(const std::string& text) = 0;
    // Only called while minimized.
    virtual void SetTitle(const std::string& text) = 0;
    virtual void SetIconVisible(bool visible) = 0;
    virtual void SetIconIndex(int index) = 0;

    virtual void ChangeAudioLevel(std::int32_t step) = 0;
    virtual std::int32_t MixerLevel() = 0;
    virtual bool IsMinimized() = 0;
};

struct GraphSettings {
    AnalysisSettings Analysis;
    double Gain = 5.0;
    // The status line shows the estimated power, for the jumper setting given.
    bool ShowPower = false;
    bool QrpJumpered = true;
    char DecimalSeparator = '.';
};

// Status-line texts of the figures.
std::string RmsLabel(double errRms, char decimalSeparator);
std::string ImdLabel(double imdDb, char decimalSeparator);
std::string MaxVoltageLabel(double peakVolts, char decimalSeparator);
std::string PowerEstimateLabel(double powerWatts, char decimalSeparator);
std::string LevelLabel(std::int32_t mixerLevel);
// A status-line figure as a screen reader should say it: words, numbers and units apart,
// "db" as "dB" ("IMD:-27.4db" is "IMD -27.4 dB", " 12.3W" is "12.3 W").
std::string SpokenFigure(std::string_view shown);

// Size of the correction for a failed quality test: ErrRms x Gain x 100, truncated.
std::int32_t LevelStepSize(double errRms, double gain);

// Tray light colours, by image index.
enum IconIndex : int { kIconWhite = 0, kIconBlack = 1, kIconBlue = 2, kIconRed = 3 };

class GraphCycle {
public:
    // One cycle for a reply that is not identification text; returns the frame's figures.
    Measurement Run(GraphView& view, std::string_view reply, const GraphSettings& settings);

    // Two-tone cycles below the power limit since the last creep step.
    std::int32_t LevelCreepCounter() const { return levelCreepCounter_; }

private:
    void ShowQuality(GraphView& view, Measurement& m, const GraphSettings& settings);

    std::int32_t levelCreepCounter_ = 0;
};
