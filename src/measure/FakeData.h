#pragma once
// Simulated meter: a two-arch frame whose size and shape follow the mixer level, for trying
// the program without a meter.

#include <cstdint>
#include <random>
#include <string>

class FakeData {
public:
    FakeData() : FakeData(std::random_device{}()) {}
    // A fixed seed repeats the noise, for tests.
    explicit FakeData(std::uint32_t seed) : random_(seed) {}

    // 64 raw sample bytes. mixerLevel is MixerLevel() in percent; fakePeak the arch height in
    // counts; noiseFloor the half-width of the added noise (a negative one adds none).
    std::string Frame(int mixerLevel, double fakePeak, int noiseFloor);

private:
    std::mt19937 random_;
};
