// The meter link against a scripted port that answers anything: what reaches the status
// line is printable, and only a version of digits and a point enables PSK63.

#include <cstdlib>

#include "FuzzInput.h"
#include "fakes/FakeSerialPorts.h"
#include "meter/MeterLink.h"

namespace {

class SilentPresenter final : public MessagePresenter {
public:
    char MessageDialog(const std::string&, const std::string&, const std::string&,
                       const std::string&) override {
        return ' ';
    }
};

void CheckShown(const std::string& text) {
    if (PrintableText(text) != text) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    FakeSerialPorts ports;
    NullLogger log;
    SilentPresenter presenter;
    MeterLink link(ports, log, presenter);
    FakePortLine& line = ports.Line("COM1");
    if (!link.OpenComPort()) std::abort();
    line.answers['v'] = input.Piece();
    line.answers['s'] = line.answers['S'] = input.Piece();
    // Each remaining byte picks a step; stray bytes may arrive before any of them.
    while (!input.Empty()) {
        const std::uint8_t step = input.Byte();
        line.QueueReplies(input.Piece());
        const ExchangeRequest request{.Psk63Checked = bool(step & 4)};
        switch (step % 3) {
            case 0:
                CheckShown(link.GetFirmwareInfo(false));
                break;
            case 1:
                if (const auto result = link.GraphExchange(request); result.IdentificationText)
                    CheckShown(result.Reply);
                break;
            default:
                if (const auto result = link.TextExchange(request); result.IdentificationText)
                    CheckShown(result.Reply);
        }
        if (link.FirmwareVersion.size() > 4) std::abort();
        if (FirmwareSupportsPsk63(link.FirmwareVersion) &&
            link.FirmwareVersion.find_first_not_of("0123456789.") != std::string::npos)
            std::abort();
    }
    return 0;
}
