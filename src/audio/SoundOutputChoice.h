#pragma once
// Which sound output the level control moves. quorvane.ini keeps it by the output's ID
// ("Sound Output": a Core Audio endpoint ID, a sound server output's name), so plugging
// another output in or out does not shift the choice; the older device number ("Sound
// Card") still names outputs without an ID and is read where the ID key is absent.

#include <optional>
#include <string>

class MessagePresenter;
class Mixer;

// The device whose ID is `id`; nothing when no device has it.
std::optional<int> DeviceWithId(Mixer& mixer, const std::string& id);
// The device's ID; empty when it has none or cannot be asked.
std::string IdOfDevice(Mixer& mixer, int device);

// The device to open at start-up. With a saved ID: the device that has it; an empty one
// (an output without an ID was chosen) or an absent key: `savedNumber`. Where the key is
// absent, `savedId` becomes that device's ID, so the number is mapped once. When the saved
// output is not connected the operator is told and the answer is -1: no device, so the
// level control moves no other output in its place.
int ChooseSoundOutput(Mixer& mixer, std::optional<std::string>& savedId, int savedNumber,
                      MessagePresenter& messages);
