#include "measure/FakeData.h"

#include <algorithm>
#include <cmath>

#include "measure/HarmonicTables.h"

namespace {

// Up to 60 % the arch is clipped at 220 counts, above that one count lower per percent.
std::int64_t ClipLimit(int level) {
    return level > 60 ? 220 - (level - 60) : 220;
}

}  // namespace

std::string FakeData::Frame(int mixerLevel, double fakePeak, int noiseFloor) {
    const std::int64_t limit = ClipLimit(mixerLevel);
    const std::int64_t noise = std::max(noiseFloor, 0);
    std::uniform_int_distribution<std::int64_t> draw(0, std::max<std::int64_t>(2 * noise - 1, 0));

    std::string frame(kFrameSamples, '\0');
    for (int n = 1; n <= kFrameSamples; ++n) {
        const double arch = std::abs(fakePeak * std::sin(HarmonicAngle(1, n)));
        // Compared before truncating so that a huge or invalid peak cannot overflow.
        std::int64_t s =
            arch <= static_cast<double>(limit) ? static_cast<std::int64_t>(arch) : limit;
        if (mixerLevel > 0 && mixerLevel < 40) s /= 100 / mixerLevel;
        if (mixerLevel == 0) s = 1;
        if (noise > 0) s += draw(random_) - noise;
        frame[n - 1] = static_cast<char>(std::clamp<std::int64_t>(s, 0, 255));
    }
    return frame;
}
