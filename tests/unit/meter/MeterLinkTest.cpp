// MeterLink against scripted ports: what goes on the wire, in which order, and what is
// logged and returned.

#include "meter/MeterLink.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "fakes/FakeSerialPorts.h"
#include "fakes/RecordingLogger.h"
#include "fakes/RecordingPresenter.h"

using namespace std::string_literals;
using ::testing::ElementsAre;
using Transcript = std::vector<std::string>;

namespace {

struct SharingStub final : PortSharing {
    SharingStub(SerialPorts& hookPorts, bool shares) : ports(hookPorts), share(shares) {}
    bool ShouldShare(Logger&) override { return share; }
    std::unique_ptr<SerialPort> HookComPort(const std::string& name, uint32_t& error) override {
        return ports.Open("hooked " + name, error);
    }
    SerialPorts& ports;
    bool share;
};

const std::string kFrame(64, '\x10');

// A link over scripted ports, with a meter on `comPort` that answers "v" and "s"/"S".
struct LinkRig {
    FakePortLine& Meter(int comPort, const std::string& identification) {
        link.ComPort = comPort;
        FakePortLine& line = ports.Line(ComPortOpenName(comPort));
        if (!identification.empty()) line.answers['v'] = identification;
        line.answers['s'] = line.answers['S'] = kFrame;
        return line;
    }
    FakePortLine& OpenMeter(const std::string& identification = "QUORVANE Version 1.10") {
        FakePortLine& line = Meter(3, identification);
        EXPECT_TRUE(link.OpenComPort());
        line.transcript.clear();
        return line;
    }

    FakeSerialPorts ports;
    RecordingLogger log;
    RecordingPresenter presenter;
    MeterLink link{ports, log, presenter};
};

class MeterLinkTest : public ::testing::Test, public LinkRig {};

// A port that fails to open or to configure is logged, closed at once and not used.
TEST(MeterLinkOpen, FailuresAreLoggedAndLeaveThePortClosed) {
    // clang-format off
    const std::pair<const char*, const char*> steps[] = {
        {"open", "CreateFile"}, {"GetCommState", "GetCommState"}, {"SetCommState", "SetCommState"},
        {"GetCommTimeouts", "GetCommTimeOuts"}, {"SetCommTimeouts", "SetCommTimeOuts"}};
    // clang-format on
    for (const auto& [step, call] : steps) {
        LinkRig rig;
        FakePortLine& line = rig.Meter(7, "");
        line.failures[step] = 0x80070005;
        EXPECT_FALSE(rig.link.OpenComPort());
        EXPECT_FALSE(rig.link.IsOpen());
        rig.link.Send("s");  // nothing may reach it afterwards, nor be read
        EXPECT_TRUE(rig.link.Receive(64).empty());
        EXPECT_EQ(rig.link.Caption(), "PSK31 RF Monitoring on COM7");
        EXPECT_EQ(line.transcript.back(), step == "open"s ? "open" : "close");
        const std::string logged = std::string(call) + " on port COM7 failed with error 2147942405";
        EXPECT_EQ(rig.link.OpenFailure(), "COM7: error text 2147942405 (error 2147942405).");
        if (step == "open"s)
            EXPECT_THAT(rig.log.lines,
                        ElementsAre(logged, "error text 2147942405", rig.link.OpenFailure()));
        else
            EXPECT_EQ(rig.log.lines.back(), logged);
    }
}

// The sharing driver's port, or else the port itself, set to 19200 8N1 in binary mode without
// flow control; the write time-outs stay as the port had them. From port 10 on the opened
// name carries the device prefix; logs and caption never do.
TEST_F(MeterLinkTest, OpenConfiguresTheSharedOrTheDirectPort) {
    SharingStub sharing(ports, true), notSharing(ports, false);
    MeterLink shared(ports, log, presenter, &sharing), direct(ports, log, presenter, &notSharing);
    FakePortLine& line = ports.Line("hooked \\\\.\\COM11");
    line.state = {28, 9600, 4113, 7, 2, 2};
    line.timeouts = {50, 1, 2, 30, 40};
    shared.ComPort = 11;
    ASSERT_TRUE(shared.OpenComPort());
    EXPECT_EQ(log.lines.back(), "Comport COM11 successfully opened.");
    EXPECT_EQ(shared.Caption(), "PSK31 RF Monitoring on COM11");
    const CommState& s = line.state;
    const CommTimeouts& t = line.timeouts;
    EXPECT_EQ(
        std::tuple(s.BaudRate, s.ByteSize, s.Parity, s.StopBits, s.Flags, t.ReadIntervalTimeout,
                   t.ReadTotalTimeoutMultiplier, t.ReadTotalTimeoutConstant,
                   t.WriteTotalTimeoutMultiplier, t.WriteTotalTimeoutConstant),
        std::tuple(19200u, 8, 0, 0, 1u, 0u, 5u, 0u, 30u, 40u));
    direct.ComPort = 12;
    ASSERT_TRUE(direct.OpenComPort());
    EXPECT_EQ(ports.Line("\\\\.\\COM12").transcript[0], "open");
}

// Drains of 83 per flush until a read brings nothing; a meter that keeps talking is cut
// off after 4096 bytes (50 reads of 83).
TEST_F(MeterLinkTest, FlushDrainsUntilAReadBringsNothingUpToFourKilobytes) {
    FakePortLine& line = OpenMeter();
    for (const auto& [junk, flushReads] : {std::pair{6, 7}, {60, 50}}) {
        line.transcript.clear();
        line.replies.clear();
        line.QueueReplies(std::string(83, 'j'), junk);
        link.GetFirmwareInfo(false);
        const auto query = std::find(line.transcript.begin(), line.transcript.end(), "write v");
        EXPECT_EQ(query - line.transcript.begin(), flushReads) << junk;  // drains only before it
    }
}

// The reply is read as 31 bytes at most and shown as printable text; the version is up to
// four characters after the first "Version ".
TEST(MeterLinkFirmware, ShownTextAndVersionFromTheIdentification) {
    const std::tuple<std::string, std::string, std::string> replies[] = {
        {"QUORVANE Version 1.10b Version 0.5", "QUORVANE Version 1.10b Version ", "1.10"},
        {"QUORVANE Version", "QUORVANE Version", ""},
        {"QUORVANE\x07 Version \xFF\xFE\r\n", "QUORVANE Version ", "\xFF\xFE\r\n"},
        {"\x80\x81\x00", "QUORVANE firmware not detected", ""}};
    for (const auto& [reply, shown, version] : replies) {
        LinkRig rig;
        rig.OpenMeter(reply);
        rig.link.FirmwareVersion = "0.99";
        EXPECT_EQ(rig.link.GetFirmwareInfo(false), shown) << reply;
        EXPECT_EQ(rig.link.FirmwareVersion, version) << reply;
    }
}

TEST_F(MeterLinkTest, GraphExchangeIdentifiesTheMeterBeforeAskingForFrames) {
    FakePortLine& line = OpenMeter("");
    GraphExchangeResult result = link.GraphExchange({});
    EXPECT_TRUE(result.FirmwareQueried && result.NoFirmware);  // the cycle ends there
    EXPECT_EQ(line.transcript, (Transcript{"drain 83", "write v", "read 31", "drain 83"}));

    line.answers['v'] = "QUORVANE Version 1.10";
    line.transcript.clear();
    result = link.GraphExchange({});
    EXPECT_EQ(std::tuple(result.FirmwareQueried, result.NoFirmware, result.IdentificationText),
              std::tuple(true, false, false));
    EXPECT_EQ(result.Reply, kFrame);
    EXPECT_EQ(line.transcript, (Transcript{"drain 83", "write v", "read 31", "drain 83", "drain 83",
                                           "write s", "read 64"}));

    // Once the version is known the cycle goes straight to the data query; PSK63 follows the
    // check mark, even where the firmware cannot do it.
    line.transcript.clear();
    link.FirmwareVersion = "1.00";
    EXPECT_FALSE(link.GraphExchange({.Psk63Checked = true}).FirmwareQueried);
    EXPECT_EQ(line.transcript, (Transcript{"drain 83", "write S", "read 64"}));

    // Identification text in a data reply is cut to its printable first 31 bytes and drained.
    const std::string text = "QUORVANE RF Meter\x07 Version 1.10 ready and waiting for more!";
    line.answers['s'] = text;
    line.transcript.clear();
    for (const DataReply& reply : {DataReply(link.GraphExchange({})), link.TextExchange({})})
        EXPECT_EQ(std::pair(reply.IdentificationText, reply.Reply),
                  std::pair(true, "QUORVANE RF Meter Version 1.10"s));
    EXPECT_EQ(Transcript(line.transcript.end() - 3, line.transcript.end()),
              (Transcript{"write s", "read 64", "drain 83"}));

    // The simulated meter's frames replace the port's, which is still sent the data command.
    line.transcript.clear();
    ExchangeRequest simulated{.FakeDataEnabled = true};
    simulated.FakeData = [] { return std::string(64, 'f'); };
    EXPECT_EQ(link.GraphExchange(simulated).Reply, std::string(64, 'f'));
    EXPECT_EQ(line.transcript, (Transcript{"drain 83", "write s"}));
}

}  // namespace
