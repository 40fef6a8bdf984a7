#include "measure/HistoryCsv.h"

#include <cmath>

#include "base/Utf8File.h"
#include "measure/FixedFormat.h"

namespace {
// Days since 1970-01-01 to a civil date (proleptic Gregorian), in whole-era arithmetic.
struct CivilDate {
    std::int64_t year;
    unsigned month, day;
};
CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;  // March is 0
    const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {std::int64_t(yearOfEra) + era * 400 + (month <= 2), month, day};
}

std::string Padded(std::int64_t value, int digits) {
    std::string text = std::to_string(value);
    if (int(text.size()) < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

std::string Decimal(double value, int decimals) {
    return std::isfinite(value) ? FormatFixed(value, 0, decimals, '.') : std::string();
}

std::string Figure(float value, int decimals) {
    return Decimal(value, decimals);
}

std::string Figure(const std::optional<double>& value, int decimals) {
    return value ? Decimal(*value, decimals) : std::string();
}

// The mode comes from another program: nothing in it may break the line into fields.
std::string Field(const std::string& text) {
    return text.find_first_of(",\"\r\n") == std::string::npos ? text : std::string();
}

std::string RigFields(const RigColumns& rig) {
    const std::string mhz = rig.frequencyHz ? Decimal(*rig.frequencyHz / 1e6, 6) : std::string();
    return "," + mhz + "," + Field(rig.mode) + "," + Figure(rig.alcPercent, 0) + "," +
           Figure(rig.swr, 2) + "," + Figure(rig.watts, 1);
}
}  // namespace

std::string UtcText(std::int64_t utcMillis) {
    const std::int64_t seconds = utcMillis / 1000;
    const std::int64_t days = seconds / 86400;
    const std::int64_t ofDay = seconds % 86400;
    const CivilDate date = CivilFromDays(days);
    return Padded(date.year, 4) + "-" + Padded(date.month, 2) + "-" + Padded(date.day, 2) + "T" +
           Padded(ofDay / 3600, 2) + ":" + Padded(ofDay / 60 % 60, 2) + ":" +
           Padded(ofDay % 60, 2) + "." + Padded(utcMillis % 1000, 3) + "Z";
}

std::string HistoryCsvLine(const HistoryRecord& r, const RigColumns& rig) {
    return UtcText(r.UtcMillis()) + "," + std::string(StatusWord(SignalState(r.State))) + "," +
           Figure(r.PeakVolts, 3) + "," + Figure(r.Watts, 2) + "," + Figure(r.ImdDb, 2) + "," +
           Figure(r.ErrRmsPercent, 3) + "," + std::to_string(r.LevelPercent) + RigFields(rig);
}

std::string SweepCsvLine(std::int64_t utcMillis, const SweepStep& step, const RigColumns& rig) {
    return UtcText(utcMillis) + ",SWEEP " + std::string(StatusWord(step.state)) + "," +
           Figure(float(step.peakVolts), 3) + "," + Figure(float(step.watts), 2) + "," +
           Figure(float(step.imdDb), 2) + ",," + std::to_string(step.level) + RigFields(rig);
}

bool SaveHistoryCsv(const HistoryStore& store, const std::string& path) {
    std::FILE* file = OpenUtf8File(path, "wb");
    if (!file) return false;
    bool ok = std::fprintf(file, "%s\n", kHistoryCsvHeader) > 0;
    for (std::size_t i = 0; ok && i < store.Size(); ++i)
        ok = std::fprintf(file, "%s\n", HistoryCsvLine(store.At(i)).c_str()) > 0;
    // A full disk may only show when the buffer goes out.
    return std::fclose(file) == 0 && ok;
}

HistoryCsvLog::~HistoryCsvLog() {
    Close();
}

bool HistoryCsvLog::Open(const std::string& path) {
    Close();
    file_ = OpenUtf8File(path, "ab");
    if (!file_) return false;
    std::fseek(file_, 0, SEEK_END);
    if (std::ftell(file_) == 0) {
        std::fprintf(file_, "%s\n", kHistoryCsvHeader);
        std::fflush(file_);
    }
    return true;
}

void HistoryCsvLog::AppendLine(const std::string& line) {
    if (!file_) return;
    std::fprintf(file_, "%s\n", line.c_str());
    std::fflush(file_);
}

void HistoryCsvLog::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}
