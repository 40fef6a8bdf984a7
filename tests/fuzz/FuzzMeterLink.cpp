// The meter link on any answers: printable status, and PSK63 only for versions like 1.10.

#include "FuzzInput.h"
#include "fakes/FakeSerialPorts.h"
#include "fakes/RecordingPresenter.h"
#include "meter/MeterLink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    FakeSerialPorts ports;
    NullLogger log;
    RecordingPresenter presenter;
    MeterLink link(ports, log, presenter);
    FakePortLine& line = ports.Line("COM1");
    Check(link.OpenComPort());
    line.answers['v'] = input.Piece();
    line.answers['s'] = line.answers['S'] = input.Piece();
    while (!input.rest.empty()) {  // each step byte picks an exchange; stray bytes come first
        const std::uint8_t step = input.Byte();
        line.QueueReplies(input.Piece());
        const ExchangeRequest request{.Psk63Checked = bool(step & 4)};
        DataReply result{true, step % 3 ? "" : link.GetFirmwareInfo(false)};
        if (step % 3)
            result = step % 3 == 1 ? link.GraphExchange(request) : link.TextExchange(request);
        Check(!result.IdentificationText || PrintableText(result.Reply) == result.Reply);
        Check(link.FirmwareVersion.size() <= 4 &&
              (!FirmwareSupportsPsk63(link.FirmwareVersion) ||
               link.FirmwareVersion.find_first_not_of("0123456789.") == std::string::npos));
    }
    return 0;
}
