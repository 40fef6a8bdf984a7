// The meter link against a port that answers anything: what reaches the status line is
// printable, and only a version of digits and a point enables PSK63.

#include "FuzzInput.h"
#include "fakes/FakeSerialPorts.h"
#include "meter/MeterLink.h"

namespace {

class SilentPresenter final : public MessagePresenter {
    char MessageDialog(const std::string&, const std::string&, const std::string&,
                       const std::string&) override {
        return ' ';
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    FakeSerialPorts ports;
    NullLogger log;
    SilentPresenter presenter;
    MeterLink link(ports, log, presenter);
    FakePortLine& line = ports.Line("COM1");
    Check(link.OpenComPort());
    line.answers['v'] = input.Piece();
    line.answers['s'] = line.answers['S'] = input.Piece();
    // Each step byte picks an exchange; stray bytes may come before it.
    while (!input.Empty()) {
        const std::uint8_t step = input.Byte();
        line.QueueReplies(input.Piece());
        const ExchangeRequest request{.Psk63Checked = bool(step & 4)};
        std::string shown;
        if (step % 3 == 0) {
            shown = link.GetFirmwareInfo(false);
        } else if (step % 3 == 1) {
            if (const auto result = link.GraphExchange(request); result.IdentificationText)
                shown = result.Reply;
        } else if (const auto result = link.TextExchange(request); result.IdentificationText) {
            shown = result.Reply;
        }
        Check(PrintableText(shown) == shown && link.FirmwareVersion.size() <= 4);
        Check(!FirmwareSupportsPsk63(link.FirmwareVersion) ||
              link.FirmwareVersion.find_first_not_of("0123456789.") == std::string::npos);
    }
    return 0;
}
