#pragma once
// The history as comma-separated text: a header line, then one line per cycle, always with
// '.' as the decimal point (the comma separates fields) and times in UTC, ISO 8601. A
// figure the cycle did not reach is an empty field.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "measure/HistoryStore.h"
#include "measure/LevelSweep.h"

inline constexpr char kHistoryCsvHeader[] =
    "utc,status,peak_volts,watts,imd_db,rms_error_percent,level_percent,"
    "rig_mhz,rig_mode,rig_alc_percent,rig_swr,rig_watts";

// The rig's own figures at the cycle while the program follows it; empty fields otherwise.
struct RigColumns {
    std::optional<double> frequencyHz;
    std::string mode;
    std::optional<double> alcPercent;
    std::optional<double> swr;
    std::optional<double> watts;
};

// "2026-12-07T15:32:02.250Z"
std::string UtcText(std::int64_t utcMillis);
// One line without its line end.
std::string HistoryCsvLine(const HistoryRecord& record, const RigColumns& rig = {});
// A best-level sweep's step at `utcMillis`, its status marked "SWEEP " ("SWEEP SIGNAL OK"),
// the level the sweep set; no RMS error.
std::string SweepCsvLine(std::int64_t utcMillis, const SweepStep& step, const RigColumns& rig = {});

// Writes the header and every record kept to `path`, replacing the file; false when it
// could not be written whole.
bool SaveHistoryCsv(const HistoryStore& store, const std::string& path);

// The running log: each record is appended as it is made and flushed at once, so that a
// crash loses at most the line being written. The header starts a new or empty file only.
class HistoryCsvLog {
public:
    HistoryCsvLog() = default;
    ~HistoryCsvLog();
    HistoryCsvLog(const HistoryCsvLog&) = delete;
    HistoryCsvLog& operator=(const HistoryCsvLog&) = delete;

    bool Open(const std::string& path);
    void Append(const HistoryRecord& record, const RigColumns& rig = {}) {
        AppendLine(HistoryCsvLine(record, rig));
    }
    void AppendLine(const std::string& line);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

private:
    std::FILE* file_ = nullptr;
};
