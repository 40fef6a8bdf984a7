// rigctld's answers as any bytes the socket may deliver: an answer taken never reaches past
// the buffer or holds a line end, and what the program makes of its values (band, mode
// field, meters) is made without a fault.

#include "FuzzInput.h"
#include "rig/RigFollow.h"
#include "rig/RigProtocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const int lines = 1 + input.Byte() % 3;
    for (std::optional<RigReply> reply; (reply = TakeRigReply(input.rest, lines));) {
        Check(reply->consumed > 0 && reply->consumed <= input.rest.size());
        input.rest.remove_prefix(reply->consumed);
        for (const std::string& line : reply->lines) {
            Check(line.find('\n') == std::string::npos && ParseRigMode(line).size() <= 12);
            const double value = ParseRigNumber(line).value_or(0.0);
            const RigReading reading{.ptt = ParsePtt(line).value_or(true),
                                     .frequencyHz = value,
                                     .mode = ParseRigMode(line),
                                     .alcPercent = value * 100,
                                     .swr = value,
                                     .watts = value};
            RigFollow rig;
            rig.Answered(reading);
            Check(rig.MetersText(true).size() < 200 && rig.BandModeKey().size() < 20);
            (void)rig.ModeField();
        }
    }
    return 0;
}
