// The session history's cost: memory per hour and for a full day at four cycles a second,
// the time a cycle spends adding its record, and a repaint's thinning of a full day.
// Targets: under 512 KiB an hour and 10 MiB a day; an append well under a microsecond; a
// full day thinned to a plot's width well under 50 ms (the window repaints once a second).
#include <benchmark/benchmark.h>

#include "measure/HistoryDecimation.h"

namespace {

constexpr int kCyclesPerSecond = 4;
constexpr std::int64_t kStartMillis = 1'796'657'522'000;

HistoryRecord Cycle(std::size_t i) {
    HistoryRecord r;
    const std::int64_t millis = kStartMillis + std::int64_t(i) * 1000 / kCyclesPerSecond;
    r.UtcSeconds = std::uint32_t(millis / 1000);
    r.Millis = std::uint16_t(millis % 1000);
    r.ImdDb = i % 2 ? -70.0f : -15.0f;
    r.Watts = 5.0f;
    return r;
}

void Fill(HistoryStore& store, std::size_t records) {
    for (std::size_t i = 0; i < records; ++i) store.Append(Cycle(i));
}

void BM_HistoryMemory(benchmark::State& state) {
    const std::size_t hour = 3600 * kCyclesPerSecond;
    std::size_t perHour = 0, perDay = 0;
    for (auto _ : state) {
        HistoryStore store;
        Fill(store, hour);
        perHour = store.BytesReserved();
        Fill(store, store.Capacity() + hour);  // past a day: the ring holds its size
        perDay = store.BytesReserved();
    }
    state.counters["record_bytes"] = double(sizeof(HistoryRecord));
    state.counters["KiB_per_hour"] = double(perHour) / 1024.0;
    state.counters["MiB_per_day"] = double(perDay) / (1024.0 * 1024.0);
    if (perHour > 512 * 1024 || perDay > 10 * 1024 * 1024)
        state.SkipWithError("history memory over its target");
}
BENCHMARK(BM_HistoryMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_HistoryAppend(benchmark::State& state) {
    HistoryStore store;
    Fill(store, store.Capacity());
    std::size_t i = store.Capacity();
    for (auto _ : state) store.Append(Cycle(i++));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HistoryAppend)->Unit(benchmark::kNanosecond);

void BM_HistoryDecimateDay(benchmark::State& state) {
    HistoryStore store;
    Fill(store, store.Capacity());
    const std::int64_t from = store.At(0).UtcMillis(), to = store.Newest().UtcMillis();
    for (auto _ : state) {
        auto spans = DecimateToColumns(store, &HistoryRecord::ImdDb, from, to, 600);
        benchmark::DoNotOptimize(spans);
    }
}
BENCHMARK(BM_HistoryDecimateDay)->Unit(benchmark::kMillisecond);

}  // namespace
