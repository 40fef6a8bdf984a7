#include "audio/LevelControl.h"

#include "audio/MixerInventory.h"

namespace {

// Ceiling first, then floor, so a floor above 100 wins.
int Clamp(int64_t value, int32_t audioFloor) {
    if (value > 100) value = 100;
    if (value < audioFloor) value = audioFloor;
    return static_cast<int>(value);
}

}  // namespace

int32_t MixerLevel(MixerInventory& volume) {
    const int32_t master = volume.GetMasterVolume();
    // An output with a single volume, as a sound server's outputs have, is at that volume:
    // the Wave reading would be Master again and square it.
    if (volume.FindWaveLine() < 0) return master;
    const int32_t wave = volume.GetWaveVolume();
    if (wave > 0) return wave * master / 100;
    return master;
}

MixerVolumes SteppedVolumes(MixerVolumes now, int32_t step, int32_t audioFloor) {
    // 64-bit so an absurd step cannot overflow before the clamp bounds it.
    int64_t master = now.Master;
    int64_t wave = now.Wave;
    const bool waveTakesStep = step > 0 ? wave <= master : wave >= master;
    (waveTakesStep ? wave : master) += step;
    return {Clamp(master, audioFloor), Clamp(wave, audioFloor)};
}

void ChangeAudioLevel(MixerInventory& volume, bool alcChecked, int32_t audioFloor, int32_t step) {
    if (!alcChecked) return;
    MixerVolumes now;
    now.Master = volume.GetMasterVolume();
    now.Wave = volume.GetWaveVolume();
    const MixerVolumes next = SteppedVolumes(now, step, audioFloor);
    // Master first: on a card without a Wave line the second write lands on Master too.
    volume.SetMasterVolume(next.Master);
    volume.SetWaveVolume(next.Wave);
}
