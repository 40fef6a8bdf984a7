// rigctld's answers as any bytes the socket may deliver: an answer taken never reaches past
// the buffer or holds a line end, and whatever the values read as, what the program makes of
// them (band, mode field, meters) is made without a fault.

#include "FuzzInput.h"
#include "rig/RigFollow.h"
#include "rig/RigProtocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const int lines = input.Byte() % 4;
    std::string_view buffer = input.rest;
    RigReading reading;
    for (int answers = 0; answers < 8; ++answers) {
        const std::optional<RigReply> reply = TakeRigReply(buffer, lines);
        if (!reply) break;
        Check(reply->consumed <= buffer.size() && (reply->consumed > 0 || lines == 0));
        for (const std::string& line : reply->lines) {
            Check(line.find('\n') == std::string::npos);
            const std::string mode = ParseRigMode(line);
            Check(mode.size() <= 12 && mode.find(',') == std::string::npos);
            if (!mode.empty()) reading.mode = mode;
            if (const std::optional<double> value = ParseRigNumber(line)) {
                reading.frequencyHz = value;
                reading.swr = value;
                reading.alcPercent = *value * 100.0;
                reading.watts = value;
            }
            reading.ptt = ParsePtt(line).value_or(reading.ptt);
            for (const std::string& name : ParseLevelNames(line)) Check(!name.empty());
        }
        if (lines == 0) break;
        buffer.remove_prefix(reply->consumed);
    }
    RigFollow rig;
    rig.Answered(reading);
    (void)rig.MetersText(true);
    (void)rig.ModeField();
    (void)rig.BandModeKey();
    return 0;
}
