// rigctld's answers as any bytes the socket may deliver: an answer taken never reaches past
// the buffer or holds a line end, and what the program makes of its values is made without
// a fault.

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
            const std::optional<double> value = ParseRigNumber(line);
            RigFollow rig;  // sending, the value as frequency, ALC, SWR and watts
            rig.Answered({true, value, ParseRigMode(line), value, value, value});
            Check(line.find('\n') == std::string::npos && rig.MetersText(true).size() < 100 &&
                  rig.ModeField().size() < 400);
        }
    }
    return 0;
}
