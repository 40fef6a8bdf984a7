#include "platform/win32/Win32CuePlayer.h"

#include "platform/win32/WindowsApi.h"

#include <mmsystem.h>

namespace {

void Append(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Without a sound, PlaySound stops the one playing and returns once it has stopped.
void StopCue() {
    PlaySoundA(nullptr, nullptr, 0);
}

}  // namespace

std::string WaveImage(const CueSound& sound) {
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto data = static_cast<std::uint32_t>(sound.Samples.size() * kBytesPerSample);
    const auto rate = static_cast<std::uint32_t>(sound.SampleRate);
    std::string bytes = "RIFF";
    Append(bytes, 36 + data, 4);
    bytes += "WAVEfmt ";
    Append(bytes, 16, 4);  // the PCM format block's size
    Append(bytes, WAVE_FORMAT_PCM, 2);
    Append(bytes, 1, 2);  // channels
    Append(bytes, rate, 4);
    Append(bytes, rate * kBytesPerSample, 4);  // bytes a second
    Append(bytes, kBytesPerSample, 2);         // block alignment
    Append(bytes, 16, 2);                      // bits a sample
    bytes += "data";
    Append(bytes, data, 4);
    for (const std::int16_t sample : sound.Samples)
        Append(bytes, static_cast<std::uint16_t>(sample), 2);
    return bytes;
}

Win32CuePlayer::~Win32CuePlayer() {
    StopCue();
}

void Win32CuePlayer::Play(const CueSound& sound) {
    // The image of a cue still sounding is in use until it has stopped.
    StopCue();
    image_ = WaveImage(sound);
    PlaySoundA(image_.data(), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}
