// MeterLink against scripted ports: what goes on the wire, in which order, and what is
// logged and returned.

#include "meter/MeterLink.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "fakes/FakeSerialPorts.h"
#include "fakes/RecordingLogger.h"
#include "fakes/RecordingPresenter.h"

using ::testing::ElementsAre;
using Transcript = std::vector<std::string>;

namespace {

class SharingStub final : public PortSharing {
public:
    SharingStub(SerialPorts& ports, bool share) : ports_(ports), share_(share) {}
    bool ShouldShare(Logger& log) override { return log.Log("decision"), share_; }
    std::unique_ptr<SerialPort> HookComPort(const std::string& openName, uint32_t& error) override {
        return ports_.Open("hooked " + openName, error);
    }

private:
    SerialPorts& ports_;
    bool share_;
};

const std::string kFrame = [] {
    std::string frame(64, '\0');
    for (int i = 0; i < 64; ++i) frame[i] = static_cast<char>(10 + i);
    return frame;
}();

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
        log.lines.clear();
        return line;
    }

    FakeSerialPorts ports;
    RecordingLogger log;
    RecordingPresenter presenter;
    MeterLink link{ports, log, presenter};
};

class MeterLinkTest : public ::testing::Test, public LinkRig {};

// From port 10 on the opened name carries the device prefix; logs and caption never do.
TEST(MeterLinkOpen, LogsEveryStepAndConfiguresTheMeterLine) {
    for (const auto& [port, openName] : {std::pair{9, "COM9"}, {10, "\\\\.\\COM10"}}) {
        SCOPED_TRACE(openName);
        LinkRig rig;
        FakePortLine& line = rig.Meter(port, "");
        line.state = {28, 9600, 4113, 7, 2, 2};
        line.timeouts = {50, 1, 2, 30, 40};
        ASSERT_TRUE(rig.link.OpenComPort());

        const std::string bare = "COM" + std::to_string(port);
        EXPECT_EQ(line.transcript, (Transcript{"open", "GetCommState", "SetCommState",
                                               "GetCommTimeouts", "SetCommTimeouts"}));
        EXPECT_THAT(rig.log.lines,
                    ElementsAre("CreateFile on port " + bare + " returned with valid handle.",
                                "dcb.Flags going in = 4113", "dcb.DCBLength = 28",
                                "dcb.Flags about to be set to 1",
                                "Comport " + bare + " successfully opened."));
        EXPECT_EQ(rig.link.Caption(), "PSK31 RF Monitoring on " + bare);
        EXPECT_TRUE(rig.link.IsOpen());
        const CommState& s = line.state;
        EXPECT_EQ(std::tuple(s.BaudRate, s.ByteSize, s.Parity, s.StopBits, s.Flags),
                  std::tuple(19200u, 8, 0, 0, 1u));
        // The write time-outs stay as the port had them.
        const CommTimeouts& t = line.timeouts;
        EXPECT_EQ(std::tuple(t.ReadIntervalTimeout, t.ReadTotalTimeoutMultiplier,
                             t.ReadTotalTimeoutConstant, t.WriteTotalTimeoutMultiplier,
                             t.WriteTotalTimeoutConstant),
                  std::tuple(0u, 5u, 0u, 30u, 40u));
    }
}

TEST(MeterLinkOpen, FailuresAreLoggedAndLeaveThePortClosed) {
    LinkRig refused;
    refused.link.ComPort = 4;
    refused.ports.Line("COM4").openError = 0x80070005;
    EXPECT_FALSE(refused.link.OpenComPort());
    EXPECT_THAT(refused.log.lines,
                ElementsAre("CreateFile on port COM4 failed with error 2147942405",
                            "error text 2147942405"));
    EXPECT_EQ(refused.link.Caption(), "PSK31 RF Monitoring on COM4");

    const std::pair<const char*, const char*> steps[] = {{"GetCommState", "GetCommState"},
                                                         {"SetCommState", "SetCommState"},
                                                         {"GetCommTimeouts", "GetCommTimeOuts"},
                                                         {"SetCommTimeouts", "SetCommTimeOuts"}};
    for (const auto& [step, call] : steps) {
        SCOPED_TRACE(call);
        LinkRig rig;
        FakePortLine& line = rig.Meter(7, "");
        line.failures[step] = 31;
        EXPECT_FALSE(rig.link.OpenComPort());
        EXPECT_EQ(rig.log.lines.back(), std::string(call) + " on port COM7 failed with error 31");
        EXPECT_FALSE(rig.link.IsOpen());
        // Closed at once, and nothing may reach it afterwards.
        rig.link.Send("s");
        EXPECT_TRUE(rig.link.Receive(64).empty());
        EXPECT_EQ(line.transcript.back(), "close");
    }
}

TEST_F(MeterLinkTest, SharingDecidesBetweenTheDriverAndTheDirectPort) {
    SharingStub sharing(ports, true);
    MeterLink shared(ports, log, presenter, &sharing);
    shared.ComPort = 11;
    ASSERT_TRUE(shared.OpenComPort());
    EXPECT_EQ(ports.Line("hooked \\\\.\\COM11").transcript[0], "open");  // under its open name
    EXPECT_EQ(Transcript(log.lines.begin(), log.lines.begin() + 4),
              (Transcript{"decision", "Calling HookComPort for COM11", "Returned from HookComPort",
                          "CreateFile on port COM11 returned with valid handle."}));

    SharingStub notSharing(ports, false);
    MeterLink direct(ports, log, presenter, &notSharing);
    direct.ComPort = 2;
    ASSERT_TRUE(direct.OpenComPort());
    EXPECT_EQ(ports.Line("COM2").transcript[0], "open");
}

TEST_F(MeterLinkTest, ReceiveStaysInsideItsBufferAndFailsQuietlyUnlessTheReadThrows) {
    EXPECT_TRUE(link.Receive(64).empty());  // no port yet
    FakePortLine& line = OpenMeter();
    line.QueueReplies(std::string(300, 'x'));
    EXPECT_TRUE(link.Receive(0).empty());
    EXPECT_TRUE(link.Receive(-5).empty());
    EXPECT_EQ(link.Receive(1000).size(), 255u);
    EXPECT_EQ(link.Receive(20).size(), 20u);
    EXPECT_EQ(line.transcript, (Transcript{"read 255", "read 20"}));

    line.QueueReplies("abc");
    line.failures["read"] = 5;
    EXPECT_TRUE(link.Receive(64).empty());
    EXPECT_TRUE(presenter.shown.empty());

    line.failures.clear();
    line.readThrows = true;
    EXPECT_TRUE(link.Receive(64).empty());
    ASSERT_EQ(presenter.shown.size(), 1u);
    const ShownMessage& note = presenter.shown[0];
    EXPECT_EQ(note.caption + "|" + note.type + "|" + note.message + "|" + note.buttons,
              "Error|!|An exception was raised attempting to read from the com port.|");
}

TEST_F(MeterLinkTest, FlushDrainsUntilAReadBringsNothingUpToFourKilobytes) {
    FakePortLine& line = OpenMeter();
    // Drains of 83 per flush: the queued replies, one empty read; a meter that keeps
    // talking is cut off after 4096 bytes (50 reads of 83).
    for (const auto& [junk, size, flushReads] : {std::tuple{6, 83, 7}, {60, 83, 50}}) {
        line.transcript.clear();
        line.replies.clear();
        line.QueueReplies(std::string(size, 'j'), junk);
        link.GetFirmwareInfo(false);
        Transcript expected(flushReads, "drain 83");
        expected.insert(expected.end(), {"write v", "read 31"});
        line.transcript.resize(expected.size());
        EXPECT_EQ(line.transcript, expected) << junk;
    }
}

// The reply is read as 31 bytes at most and shown as printable text; the version is up to
// four characters after the first "Version".
TEST(MeterLinkFirmware, ShownTextAndVersionFromTheIdentification) {
    const std::string absent = "QUORVANE firmware not detected";
    const std::tuple<std::string, std::string, std::string> replies[] = {
        {"QUORVANE Version 1.00", "QUORVANE Version 1.00", "1.00"},
        {"QUORVANE Version 1.10b Version 0.5", "QUORVANE Version 1.10b Version ", "1.10"},
        {"QUORVANE Version 2", "QUORVANE Version 2", "2"},
        {"QUORVANE Version", "QUORVANE Version", ""},
        {"QUORVANE RF Meter", "QUORVANE RF Meter", ""},
        {"QUORVANE\x07 Version \xFF\xFE\r\n", "QUORVANE Version ", "\xFF\xFE\r\n"},
        {"\x80\x81\x00", absent, ""},
        {"", absent, ""}};  // a silent meter
    for (const auto& [reply, shown, version] : replies) {
        SCOPED_TRACE(reply);
        LinkRig rig;
        rig.OpenMeter(reply);
        rig.link.FirmwareVersion = "0.99";
        EXPECT_EQ(rig.link.GetFirmwareInfo(false), shown);
        EXPECT_EQ(rig.link.FirmwareVersion, version);
    }
}

TEST_F(MeterLinkTest, GraphExchangeIdentifiesTheMeterBeforeAskingForFrames) {
    FakePortLine& line = OpenMeter("");
    GraphExchangeResult result = link.GraphExchange({});
    EXPECT_TRUE(result.FirmwareQueried);
    EXPECT_TRUE(result.NoFirmware);  // the cycle ends there
    EXPECT_EQ(line.transcript, (Transcript{"drain 83", "write v", "read 31", "drain 83"}));

    line.answers['v'] = "QUORVANE Version 1.10";
    line.transcript.clear();
    result = link.GraphExchange({});
    EXPECT_TRUE(result.FirmwareQueried);
    EXPECT_FALSE(result.NoFirmware);
    EXPECT_FALSE(result.IdentificationText);
    EXPECT_EQ(result.Reply, kFrame);
    EXPECT_EQ(line.transcript, (Transcript{"drain 83", "write v", "read 31", "drain 83", "drain 83",
                                           "write s", "read 64"}));

    // Once the version is known the cycle goes straight to the data query; PSK63 follows the
    // check mark, even where the firmware cannot do it.
    line.transcript.clear();
    link.FirmwareVersion = "1.00";
    EXPECT_FALSE(link.GraphExchange({.Psk63Checked = true}).FirmwareQueried);
    link.TextExchange({.Psk63Checked = true});
    EXPECT_EQ(line.transcript,
              (Transcript{"drain 83", "write S", "read 64", "write S", "read 64"}));
}

TEST_F(MeterLinkTest, SimulatedModeAsksNoFirmwareButStillSendsTheDataCommand) {
    FakePortLine& line = OpenMeter("");
    ExchangeRequest request{.FakeDataEnabled = true};
    request.FakeData = [] { return std::string(64, 'f'); };
    const GraphExchangeResult result = link.GraphExchange(request);
    EXPECT_FALSE(result.FirmwareQueried);
    EXPECT_FALSE(result.NoFirmware);
    EXPECT_EQ(result.Reply, std::string(64, 'f'));
    EXPECT_EQ(line.transcript, (Transcript{"drain 83", "write s"}));

    link.FirmwareVersion = "0.99";
    EXPECT_EQ(link.GetFirmwareInfo(true), "Simulated Mode");
    EXPECT_EQ(link.FirmwareVersion, "0.99");
    EXPECT_EQ(line.transcript.size(), 2u);
}

TEST_F(MeterLinkTest, IdentificationTextInADataReplyIsCutAndDrained) {
    FakePortLine& line = OpenMeter();
    link.FirmwareVersion = "1.10";
    const std::string text = "QUORVANE RF Meter Version 1.10 ready and waiting for more text!!";
    line.answers['s'] = text;

    const GraphExchangeResult graph = link.GraphExchange({});
    EXPECT_TRUE(graph.IdentificationText);
    EXPECT_EQ(graph.Reply, text.substr(0, 31));
    line.transcript.clear();
    const TextExchangeResult shown = link.TextExchange({});
    EXPECT_TRUE(shown.IdentificationText);
    EXPECT_EQ(shown.Reply, text.substr(0, 31));
    EXPECT_EQ(line.transcript, (Transcript{"write s", "read 64", "drain 83"}));
}

}  // namespace
