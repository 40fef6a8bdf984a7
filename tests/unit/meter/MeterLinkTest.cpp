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
using ::testing::IsEmpty;

namespace {

class SharingStub final : public PortSharing {
public:
    SharingStub(SerialPorts& ports, bool share) : ports_(ports), share_(share) {}
    bool ShouldShare(Logger& log) override {
        log.Log("decision");
        return share_;
    }
    std::unique_ptr<SerialPort> HookComPort(const std::string& openName, uint32_t& error) override {
        hooked.push_back(openName);
        return ports_.Open("hooked " + openName, error);
    }
    std::vector<std::string> hooked;

private:
    SerialPorts& ports_;
    bool share_;
};

const std::string kFrame = [] {
    std::string frame(64, '\0');
    for (int i = 0; i < 64; ++i) frame[i] = static_cast<char>(10 + i);
    return frame;
}();

// A link over scripted ports; also used on its own where a table needs a fresh one per case.
struct LinkRig {
    // A port that opens and configures, with a meter that answers "v" and "s"/"S".
    FakePortLine& Meter(int comPort, const std::string& identification = "QUORVANE Version 1.10") {
        link.ComPort = comPort;
        FakePortLine& line = ports.Line(ComPortOpenName(comPort));
        if (!identification.empty()) line.answers['v'] = identification;
        line.answers['s'] = line.answers['S'] = kFrame;
        return line;
    }
    FakePortLine& OpenMeter(int comPort = 3,
                            const std::string& identification = "QUORVANE Version 1.10") {
        FakePortLine& line = Meter(comPort, identification);
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
    for (const auto& [port, openName] :
         {std::pair{1, "COM1"}, {9, "COM9"}, {10, "\\\\.\\COM10"}, {12, "\\\\.\\COM12"}}) {
        SCOPED_TRACE(openName);
        LinkRig rig;
        FakePortLine& line = rig.Meter(port);
        line.state = {28, 9600, 4113, 7, 2, 2};
        line.timeouts = {50, 1, 2, 30, 40};
        ASSERT_TRUE(rig.link.OpenComPort());

        const std::string bare = "COM" + std::to_string(port);
        EXPECT_THAT(rig.ports.OpenedNames(), ElementsAre(openName));
        EXPECT_THAT(rig.log.lines,
                    ElementsAre("CreateFile on port " + bare + " returned with valid handle.",
                                "dcb.Flags going in = 4113", "dcb.DCBLength = 28",
                                "dcb.Flags about to be set to 1",
                                "Comport " + bare + " successfully opened."));
        EXPECT_EQ(rig.link.Caption(), "PSK31 RF Monitoring on " + bare);
        EXPECT_TRUE(rig.link.IsOpen());
        ASSERT_EQ(line.statesSet.size(), 1u);
        const CommState& s = line.statesSet[0];
        EXPECT_EQ(std::tuple(s.BaudRate, s.ByteSize, s.Parity, s.StopBits, s.Flags),
                  std::tuple(19200u, 8, 0, 0, 1u));
        ASSERT_EQ(line.timeoutsSet.size(), 1u);
        const CommTimeouts& t = line.timeoutsSet[0];
        // The write time-outs stay as the port had them.
        EXPECT_EQ(std::tuple(t.ReadIntervalTimeout, t.ReadTotalTimeoutMultiplier,
                             t.ReadTotalTimeoutConstant, t.WriteTotalTimeoutMultiplier,
                             t.WriteTotalTimeoutConstant),
                  std::tuple(0u, 5u, 0u, 30u, 40u));
    }
}

TEST_F(MeterLinkTest, FailedOpenLogsTheCodeUnsignedAndTheSystemText) {
    link.ComPort = 4;
    ports.Line("COM4").openError = 0x80070005;

    EXPECT_FALSE(link.OpenComPort());

    EXPECT_THAT(log.lines, ElementsAre("CreateFile on port COM4 failed with error 2147942405",
                                       "error text 2147942405"));
    EXPECT_EQ(link.Caption(), "PSK31 RF Monitoring on COM4");
    EXPECT_FALSE(link.IsOpen());
}

TEST(MeterLinkOpen, FailedConfigurationClosesThePortAndLogsTheCall) {
    const std::pair<const char*, const char*> steps[] = {{"GetCommState", "GetCommState"},
                                                         {"SetCommState", "SetCommState"},
                                                         {"GetCommTimeouts", "GetCommTimeOuts"},
                                                         {"SetCommTimeouts", "SetCommTimeOuts"}};
    for (const auto& [step, call] : steps) {
        SCOPED_TRACE(call);
        LinkRig rig;
        FakePortLine& line = rig.Meter(7);
        line.failures[step] = 31;
        EXPECT_FALSE(rig.link.OpenComPort());
        EXPECT_EQ(rig.log.lines.back(), std::string(call) + " on port COM7 failed with error 31");
        EXPECT_FALSE(line.isOpen);
        EXPECT_FALSE(rig.link.IsOpen());
        // Nothing may reach the closed port afterwards.
        rig.link.Send("s");
        EXPECT_TRUE(rig.link.Receive(64).empty());
        EXPECT_THAT(line.writes, IsEmpty());
    }
}

TEST_F(MeterLinkTest, SharingDecidesBetweenTheDriverAndTheDirectPort) {
    SharingStub sharing(ports, true);
    MeterLink shared(ports, log, presenter, &sharing);
    shared.ComPort = 11;
    ports.Line("hooked \\\\.\\COM11");
    ASSERT_TRUE(shared.OpenComPort());
    EXPECT_THAT(sharing.hooked, ElementsAre("\\\\.\\COM11"));  // under its open name
    ASSERT_GE(log.lines.size(), 4u);
    EXPECT_THAT(
        std::vector(log.lines.begin(), log.lines.begin() + 4),
        ElementsAre("decision", "Calling HookComPort for COM11", "Returned from HookComPort",
                    "CreateFile on port COM11 returned with valid handle."));

    log.lines.clear();
    SharingStub notSharing(ports, false);
    MeterLink direct(ports, log, presenter, &notSharing);
    direct.ComPort = 2;
    ASSERT_TRUE(direct.OpenComPort());
    EXPECT_THAT(notSharing.hooked, IsEmpty());
    EXPECT_THAT(ports.OpenedNames(), ElementsAre("hooked \\\\.\\COM11", "COM2"));
    EXPECT_EQ(log.lines[0], "decision");
    EXPECT_EQ(log.lines[1], "CreateFile on port COM2 returned with valid handle.");
}

TEST_F(MeterLinkTest, ReceiveStaysInsideItsBufferAndFailsQuietlyUnlessTheReadThrows) {
    EXPECT_TRUE(link.Receive(64).empty());
    link.Send("v");  // no port: nothing happens

    FakePortLine& line = OpenMeter();
    line.QueueReplies(std::string(300, 'x'));
    EXPECT_TRUE(link.Receive(0).empty());
    EXPECT_TRUE(link.Receive(-5).empty());
    EXPECT_EQ(link.Receive(1000).size(), 255u);
    EXPECT_EQ(link.Receive(20).size(), 20u);
    EXPECT_THAT(line.transcript, ElementsAre("read 255", "read 20"));

    line.QueueReplies("abc");
    line.failures["read"] = 5;
    EXPECT_TRUE(link.Receive(64).empty());
    EXPECT_THAT(presenter.shown, IsEmpty());

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
    for (const auto& [junk, size, flushReads] : {std::tuple{2, 4, 3}, {6, 83, 7}, {60, 83, 50}}) {
        line.transcript.clear();
        line.replies.clear();
        line.QueueReplies(std::string(size, 'j'), junk);
        link.GetFirmwareInfo(false);
        std::vector<std::string> expected(flushReads, "drain 83");
        expected.insert(expected.end(), {"write v", "read 31"});
        ASSERT_GE(line.transcript.size(), expected.size());
        line.transcript.resize(expected.size());
        EXPECT_EQ(line.transcript, expected) << junk;
    }

    // A burst of stray bytes is gone before the next command: the cycle reads a fresh frame.
    line.replies.clear();
    link.FirmwareVersion = "1.10";
    line.QueueReplies(std::string(1000, 'x'));
    EXPECT_EQ(link.GraphExchange({}).Reply, kFrame);
}

// The reply is read as 31 bytes at most and shown as printable text; the version is up to
// four characters after the first "Version".
TEST(MeterLinkFirmware, ShownTextAndVersionFromTheIdentification) {
    const std::string absent = "QUORVANE firmware not detected";
    const std::tuple<std::string, std::string, std::string> replies[] = {
        {"QUORVANE Version 1.00", "QUORVANE Version 1.00", "1.00"},
        {"QUORVANE Version 2", "QUORVANE Version 2", "2"},
        {"QUORVANE Version 1.", "QUORVANE Version 1.", "1."},
        {"QUORVANE Version 1.10b Version 0.5", "QUORVANE Version 1.10b Version ", "1.10"},
        {"QUORVANE RF Meter", "QUORVANE RF Meter", ""},
        {"QUORVANE Version", "QUORVANE Version", ""},
        {"QUORVANE\x07 Version \xFF\xFE\r\n", "QUORVANE Version ", "\xFF\xFE\r\n"},
        {"\x80\x81\x00", absent, ""},
        {"", absent, ""}};  // a silent meter
    for (const auto& [reply, shown, version] : replies) {
        SCOPED_TRACE(reply);
        LinkRig rig;
        rig.OpenMeter(3, reply);
        rig.link.FirmwareVersion = "0.99";
        EXPECT_EQ(rig.link.GetFirmwareInfo(false), shown);
        EXPECT_EQ(rig.link.FirmwareVersion, version);
    }
}

TEST_F(MeterLinkTest, GraphExchangeIdentifiesTheMeterBeforeAskingForFrames) {
    FakePortLine& line = OpenMeter(3, "");
    GraphExchangeResult result = link.GraphExchange({});
    EXPECT_TRUE(result.FirmwareQueried);
    EXPECT_TRUE(result.NoFirmware);  // the cycle ends there
    EXPECT_THAT(line.writes, ElementsAre("v"));

    line.answers['v'] = "QUORVANE Version 1.10";
    line.transcript.clear();
    result = link.GraphExchange({});
    EXPECT_TRUE(result.FirmwareQueried);
    EXPECT_FALSE(result.NoFirmware);
    EXPECT_FALSE(result.IdentificationText);
    EXPECT_EQ(result.Reply, kFrame);
    EXPECT_THAT(line.transcript, ElementsAre("drain 83", "write v", "read 31", "drain 83",
                                             "drain 83", "write s", "read 64"));

    // Once the version is known the cycle goes straight to the data query.
    line.transcript.clear();
    EXPECT_FALSE(link.GraphExchange({}).FirmwareQueried);
    EXPECT_THAT(line.transcript, ElementsAre("drain 83", "write s", "read 64"));
}

TEST_F(MeterLinkTest, Psk63CommandFollowsTheCheckMarkEvenWhenTheItemIsDisabled) {
    FakePortLine& line = OpenMeter(3, "QUORVANE Version 1.00");
    const ExchangeRequest request{.Psk63Checked = true};
    link.GraphExchange(request);
    ASSERT_FALSE(PskModeAfterFirmwareQuery(link.FirmwareVersion, true, 3).Psk63Enabled);
    link.TextExchange(request);

    EXPECT_THAT(line.writes, ElementsAre("v", "S", "S"));
}

TEST_F(MeterLinkTest, SimulatedModeAsksNoFirmwareButStillSendsTheDataCommand) {
    FakePortLine& line = OpenMeter(3, "");
    int made = 0;
    ExchangeRequest request{.FakeDataEnabled = true};
    request.FakeData = [&] {
        ++made;
        return std::string(64, 'f');
    };
    const GraphExchangeResult result = link.GraphExchange(request);

    EXPECT_FALSE(result.FirmwareQueried);
    EXPECT_FALSE(result.NoFirmware);
    EXPECT_EQ(result.Reply, std::string(64, 'f'));
    EXPECT_EQ(made, 1);
    EXPECT_THAT(line.transcript, ElementsAre("drain 83", "write s"));

    line.transcript.clear();
    link.FirmwareVersion = "0.99";
    EXPECT_EQ(link.GetFirmwareInfo(true), "Simulated Mode");
    EXPECT_EQ(link.FirmwareVersion, "0.99");
    EXPECT_THAT(line.transcript, IsEmpty());
}

TEST_F(MeterLinkTest, IdentificationTextInADataReplyIsCutAndDrained) {
    FakePortLine& line = OpenMeter();
    link.FirmwareVersion = "1.10";
    const std::string text = "QUORVANE RF Meter Version 1.10 ready and waiting for more text!!";
    ASSERT_EQ(text.size(), 64u);
    line.answers['s'] = text;

    const GraphExchangeResult graph = link.GraphExchange({});
    EXPECT_TRUE(graph.IdentificationText);
    EXPECT_EQ(graph.Reply, text.substr(0, 31));
    EXPECT_THAT(line.transcript, ElementsAre("drain 83", "write s", "read 64", "drain 83"));

    line.transcript.clear();
    const TextExchangeResult shown = link.TextExchange({});
    EXPECT_TRUE(shown.IdentificationText);
    EXPECT_EQ(shown.Reply, text.substr(0, 31));
    EXPECT_THAT(line.transcript, ElementsAre("write s", "read 64", "drain 83"));
}

}  // namespace
