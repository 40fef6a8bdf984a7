#pragma once
// The session's cycle records, oldest first, in a ring of fixed capacity: once full, each
// new record replaces the oldest. Memory grows with the records up to the capacity and no
// further, so a session of any length costs at most Capacity() x sizeof(HistoryRecord).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "measure/HistoryRecord.h"

// A day at the fastest refresh the menu offers, with room for four cycles a second.
inline constexpr std::size_t kHistoryCapacity = 24 * 3600 * 4;

class HistoryStore {
public:
    explicit HistoryStore(std::size_t capacity = kHistoryCapacity);

    void Append(const HistoryRecord& record);
    void Clear();

    std::size_t Size() const { return records_.size(); }
    std::size_t Capacity() const { return capacity_; }
    // What the records take in memory now, room for the next ones included.
    std::size_t BytesReserved() const { return records_.capacity() * sizeof(HistoryRecord); }
    bool Empty() const { return records_.empty(); }
    // i = 0 is the oldest record kept.
    const HistoryRecord& At(std::size_t i) const;
    const HistoryRecord& Newest() const { return At(Size() - 1); }
    // Index of the first record at or after `utcMillis` (Size() when there is none). The
    // records are in time order: a clock set back does not reorder them (see Append).
    std::size_t FirstAtOrAfter(std::int64_t utcMillis) const;

private:
    std::size_t capacity_;
    std::vector<HistoryRecord> records_;
    std::size_t oldest_ = 0;  // where the oldest lies once the ring is full
};
