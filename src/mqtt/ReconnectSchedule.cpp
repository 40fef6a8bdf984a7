#include "mqtt/ReconnectSchedule.h"

#include <algorithm>

int ReconnectSchedule::NextDelayMs() {
    const int delay = nextMs_;
    nextMs_ = std::min(nextMs_ * 2, kLongestMs);
    return delay;
}
