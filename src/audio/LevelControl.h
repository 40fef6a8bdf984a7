#pragma once
// The level control's actuator: turns signed level steps into new Master and Wave
// volumes, and combines the two volumes into the level the status line shows.

#include <cstdint>

class MixerInventory;

struct MixerVolumes {
    int Master = 0;
    int Wave = 0;
};

// Combined output level in percent: Wave x Master div 100, or Master alone where there is
// no Wave line or its volume reads 0.
int32_t MixerLevel(MixerInventory& volume);

// The volumes after one step. The lower volume takes a rise and the higher one a cut
// (Wave on a tie), so the two stay close; both end within audioFloor..100, the floor
// winning when it lies above 100.
MixerVolumes SteppedVolumes(MixerVolumes now, int32_t step, int32_t audioFloor);

// Moves the mixer by `step` percentage points while ALC is checked; otherwise the
// mixer is neither read nor written. Both volumes are written on every step, so one
// the operator set below the floor comes back up even for a step of 0.
void ChangeAudioLevel(MixerInventory& volume, bool alcChecked, int32_t audioFloor, int32_t step);
