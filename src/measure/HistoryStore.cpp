#include "measure/HistoryStore.h"

#include <algorithm>

HistoryStore::HistoryStore(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

void HistoryStore::Append(const HistoryRecord& record) {
    HistoryRecord r = record;
    // A clock set back would break the time order the spans are found by: such a record
    // takes the time of the one before it.
    if (!Empty() && r.UtcMillis() < Newest().UtcMillis()) {
        r.UtcSeconds = Newest().UtcSeconds;
        r.Millis = Newest().Millis;
    }
    if (records_.size() < capacity_) {
        // Grown by doubling as usual, but never past the capacity: a full day holds exactly
        // its records.
        if (records_.size() == records_.capacity())
            records_.reserve(std::min(capacity_, std::max<std::size_t>(1024, 2 * records_.size())));
        records_.push_back(r);
        return;
    }
    records_[oldest_] = r;
    oldest_ = (oldest_ + 1) % capacity_;
}

void HistoryStore::Clear() {
    records_.clear();
    oldest_ = 0;
}

const HistoryRecord& HistoryStore::At(std::size_t i) const {
    return records_[(oldest_ + i) % records_.size()];
}

std::size_t HistoryStore::FirstAtOrAfter(std::int64_t utcMillis) const {
    std::size_t low = 0, high = Size();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (At(mid).UtcMillis() < utcMillis)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}
