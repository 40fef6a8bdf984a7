#include "meter-sim/SinkFollower.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr int kFrameBytes = 64;
// Counts of arch height per percent of drive while the final stage is linear, with the knee
// at its default; the gain scales inversely with the knee.
constexpr double kCountsPerPercent = 3.1;
// The final stage cannot go above this: a stronger drive flattens the arch's tops.
constexpr double kCeiling = 195.0;
// Below kSagPercent the flanks sag: the arch becomes |sin|^p, p growing as the drive falls.
constexpr double kSagPercent = 35.0;
constexpr double kSagAtSagPercent = 0.33;
constexpr double kMostSag = 3.0;

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

std::string TransmitterFrame(int volumePercent, int kneePercent) {
    std::string frame(kFrameBytes, '\0');
    if (volumePercent <= 0) return frame;  // no audio, no RF
    const double drive = volumePercent;
    const double gain = kCountsPerPercent * kDefaultKneePercent / std::max(kneePercent, 1);
    const double sag =
        std::min(kMostSag, 1.0 + kSagAtSagPercent * std::pow(kSagPercent / drive, 2));
    for (int n = 1; n <= kFrameBytes; ++n) {
        const double arch = std::abs(std::sin(std::numbers::pi * (2 * n - 1) / 64.0));
        const double sample = std::min(kCeiling, gain * drive * std::pow(arch, sag));
        frame[static_cast<std::size_t>(n - 1)] = static_cast<char>(std::lround(sample));
    }
    return frame;
}

std::optional<int> SinkVolumeFromPactl(std::string_view text) {
    // The percentage follows the raw value after a slash: "/  50%".
    for (std::size_t slash = text.find('/'); slash != std::string_view::npos;
         slash = text.find('/', slash + 1)) {
        std::size_t at = slash + 1;
        while (at < text.size() && text[at] == ' ') ++at;
        int value = 0;
        std::size_t digits = 0;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) &&
               digits < 6) {
            value = value * 10 + (text[at] - '0');
            ++at;
            ++digits;
        }
        if (digits > 0 && at < text.size() && text[at] == '%') return value;
    }
    return std::nullopt;
}

SinkFollower::SinkFollower(std::string sink, std::chrono::milliseconds interval)
    : sink_(std::move(sink)), interval_(interval) {
    Read();  // the first replies already follow the sink
    thread_ = std::thread([this] { Run(); });
}

SinkFollower::~SinkFollower() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

std::optional<int> SinkFollower::Volume() const {
    const int volume = volume_.load();
    return volume < 0 ? std::nullopt : std::optional<int>(volume);
}

void SinkFollower::Read() {
    std::string output;
    if (FILE* pipe =
            ::popen(("pactl get-sink-volume " + Quoted(sink_) + " 2>/dev/null").c_str(), "r")) {
        char buffer[256];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
        const int status = ::pclose(pipe);
        if (status != 0) output.clear();
    }
    volume_ = SinkVolumeFromPactl(output).value_or(-1);
}

void SinkFollower::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!wake_.wait_for(lock, interval_, [this] { return stopping_; })) {
        lock.unlock();
        Read();
        lock.lock();
    }
}
