#pragma once
// The emulator's sink-following transmitter as the program's analysis reads it, for tests that
// check a best-level sweep's answer against the model's own.

// The highest drive level, percent, at which the transmitter with its knee at kneePercent
// meets targetImd, judged as the sweep judges a step (the analysis at that target, then
// MeetsTarget); 0 when no level from 1 to 100 does.
int HighestCleanLevel(int kneePercent, int targetImd);

// The peak volts the analysis reads from the transmitter driven at levelPercent.
double ModelPeakVolts(int levelPercent, int kneePercent);
