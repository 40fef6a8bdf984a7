#pragma once
// The cues on the sound server (PulseAudio, or PipeWire through its PulseAudio service):
// each a short playback stream put by name on the sink that the server calls its default
// at that moment, so that neither a stream-restore rule nor the client's own default
// (PULSE_SINK) sends it to the radio's output, and pinned there while it plays. libpulse's
// own thread does the work: Play only hands the sound over, and a hung or missing server
// never holds up the caller.

#include <memory>

#include "platform/CuePlayer.h"

class PulseCuePlayer final : public CuePlayer {
public:
    PulseCuePlayer();
    ~PulseCuePlayer() override;
    PulseCuePlayer(const PulseCuePlayer&) = delete;
    PulseCuePlayer& operator=(const PulseCuePlayer&) = delete;

    void Play(const CueSound& sound) override;

    class Server;  // the connection and the stream, on libpulse's thread

private:
    std::unique_ptr<Server> server_;
};
