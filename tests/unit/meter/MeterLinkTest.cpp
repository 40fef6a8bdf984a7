// MeterLink against scripted ports: what goes on the wire, in which order, and what is
// logged and returned.

#include "meter/MeterLink.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

#include "fakes/FakeSerialPorts.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class RecordingLogger final : public Logger {
public:
    void Log(const std::string& text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

class RecordingPresenter final : public MessagePresenter {
public:
    char MessageDialog(const std::string& caption, const std::string& type,
                       const std::string& message, const std::string& buttons) override {
        shown.push_back(caption + "|" + type + "|" + message + "|" + buttons);
        return ' ';
    }
    std::vector<std::string> shown;
};

class SharingStub final : public PortSharing {
public:
    SharingStub(SerialPorts& ports, bool share) : ports_(ports), share_(share) {}
    bool ShouldShare(Logger& log) override {
        log.Log("decision");
        return share_;
    }
    std::unique_ptr<SerialPort> HookComPort(const std::string& openName, uint32_t& error) override {
        hooked.push_back(openName);
        return ports_.open("hooked " + openName, error);
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

class MeterLinkTest : public ::testing::Test {
protected:
    // A port that opens and configures, with a meter that answers "v" and "s"/"S".
    FakePortLine& Meter(int comPort, const std::string& identification = "QUORVANE Version 1.10") {
        link.ComPort = comPort;
        FakePortLine& line = ports.Line(ComPortOpenName(comPort));
        if (!identification.empty()) line.answers['v'] = identification;
        line.answers['s'] = kFrame;
        line.answers['S'] = kFrame;
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

TEST_F(MeterLinkTest, OpenLogsEveryStepAndConfiguresTheMeterLine) {
    FakePortLine& line = Meter(3);
    line.state.Flags = 4113;
    line.state.BaudRate = 9600;
    line.state.ByteSize = 7;
    line.state.Parity = 2;
    line.state.StopBits = 2;
    line.timeouts = {50, 1, 2, 30, 40};

    ASSERT_TRUE(link.OpenComPort());

    EXPECT_THAT(log.lines,
                ElementsAre("CreateFile on port COM3 returned with valid handle.",
                            "dcb.Flags going in = 4113", "dcb.DCBLength = 28",
                            "dcb.Flags about to be set to 1", "Comport COM3 successfully opened."));
    EXPECT_EQ(link.Caption(), "PSK31 RF Monitoring on COM3");
    EXPECT_TRUE(link.IsOpen());
    ASSERT_EQ(line.statesSet.size(), 1u);
    const CommState& state = line.statesSet[0];
    EXPECT_EQ(state.BaudRate, 19200u);
    EXPECT_EQ(state.ByteSize, 8);
    EXPECT_EQ(state.Parity, 0);
    EXPECT_EQ(state.StopBits, 0);
    EXPECT_EQ(state.Flags, 1u);
    ASSERT_EQ(line.timeoutsSet.size(), 1u);
    const CommTimeouts& timeouts = line.timeoutsSet[0];
    EXPECT_EQ(timeouts.ReadIntervalTimeout, 0u);
    EXPECT_EQ(timeouts.ReadTotalTimeoutMultiplier, 5u);
    EXPECT_EQ(timeouts.ReadTotalTimeoutConstant, 0u);
    // The write time-outs stay as the port had them.
    EXPECT_EQ(timeouts.WriteTotalTimeoutMultiplier, 30u);
    EXPECT_EQ(timeouts.WriteTotalTimeoutConstant, 40u);
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

struct PortNames {
    int port;
    const char* openName;
};
void PrintTo(const PortNames& names, std::ostream* out) {
    *out << names.openName;
}
class PortNameTest : public MeterLinkTest, public ::testing::WithParamInterface<PortNames> {};

TEST_P(PortNameTest, DevicePrefixOnlyOnTheOpenedName) {
    const auto [port, openName] = GetParam();
    Meter(port);
    ASSERT_TRUE(link.OpenComPort());
    EXPECT_THAT(ports.OpenedNames(), ElementsAre(openName));
    const std::string bare = "COM" + std::to_string(port);
    EXPECT_EQ(log.lines.front(), "CreateFile on port " + bare + " returned with valid handle.");
    EXPECT_EQ(log.lines.back(), "Comport " + bare + " successfully opened.");
    EXPECT_EQ(link.Caption(), "PSK31 RF Monitoring on " + bare);
}
INSTANTIATE_TEST_SUITE_P(Ports, PortNameTest,
                         ::testing::Values(PortNames{1, "COM1"}, PortNames{9, "COM9"},
                                           PortNames{10, "\\\\.\\COM10"},
                                           PortNames{12, "\\\\.\\COM12"}));

struct ConfigFailure {
    uint32_t FakePortLine::*error;
    const char* logLine;
};
void PrintTo(const ConfigFailure& failure, std::ostream* out) {
    *out << failure.logLine;
}
class ConfigFailureTest : public MeterLinkTest,
                          public ::testing::WithParamInterface<ConfigFailure> {};

TEST_P(ConfigFailureTest, ClosesThePortAndLogsTheFailedCall) {
    FakePortLine& line = Meter(7);
    line.*(GetParam().error) = 31;

    EXPECT_FALSE(link.OpenComPort());

    EXPECT_EQ(log.lines.back(), GetParam().logLine);
    EXPECT_FALSE(line.isOpen);
    EXPECT_FALSE(link.IsOpen());
    // Nothing may reach the closed port afterwards.
    link.Send("s");
    EXPECT_TRUE(link.Receive(64).empty());
    EXPECT_THAT(line.writes, IsEmpty());
}
INSTANTIATE_TEST_SUITE_P(
    Steps, ConfigFailureTest,
    ::testing::Values(ConfigFailure{&FakePortLine::getCommStateError,
                                    "GetCommState on port COM7 failed with error 31"},
                      ConfigFailure{&FakePortLine::setCommStateError,
                                    "SetCommState on port COM7 failed with error 31"},
                      ConfigFailure{&FakePortLine::getCommTimeoutsError,
                                    "GetCommTimeOuts on port COM7 failed with error 31"},
                      ConfigFailure{&FakePortLine::setCommTimeoutsError,
                                    "SetCommTimeOuts on port COM7 failed with error 31"}));

TEST_F(MeterLinkTest, SharedPortGoesThroughTheDriverUnderItsOpenName) {
    SharingStub sharing(ports, true);
    MeterLink shared(ports, log, presenter, &sharing);
    shared.ComPort = 11;
    ports.Line("hooked \\\\.\\COM11");

    ASSERT_TRUE(shared.OpenComPort());

    EXPECT_THAT(sharing.hooked, ElementsAre("\\\\.\\COM11"));
    ASSERT_GE(log.lines.size(), 4u);
    EXPECT_EQ(log.lines[0], "decision");
    EXPECT_EQ(log.lines[1], "Calling HookComPort for COM11");
    EXPECT_EQ(log.lines[2], "Returned from HookComPort");
    EXPECT_EQ(log.lines[3], "CreateFile on port COM11 returned with valid handle.");
}

TEST_F(MeterLinkTest, UnsharedPortIsOpenedDirectly) {
    SharingStub sharing(ports, false);
    MeterLink direct(ports, log, presenter, &sharing);
    direct.ComPort = 2;
    ASSERT_TRUE(direct.OpenComPort());
    EXPECT_THAT(sharing.hooked, IsEmpty());
    EXPECT_THAT(ports.OpenedNames(), ElementsAre("COM2"));
    EXPECT_EQ(log.lines[0], "decision");
    EXPECT_EQ(log.lines[1], "CreateFile on port COM2 returned with valid handle.");
}

TEST_F(MeterLinkTest, ReceiveStaysInsideItsBuffer) {
    FakePortLine& line = OpenMeter();
    line.QueueReplies(std::string(300, 'x'));

    EXPECT_TRUE(link.Receive(0).empty());
    EXPECT_TRUE(link.Receive(-5).empty());
    EXPECT_EQ(link.Receive(1000).size(), 255u);
    EXPECT_EQ(link.Receive(20).size(), 20u);
    EXPECT_THAT(line.readCounts, ElementsAre(255u, 20u));
}

TEST_F(MeterLinkTest, ReceiveWithoutPortOrAfterAFailedReadIsEmpty) {
    EXPECT_TRUE(link.Receive(64).empty());
    link.Send("v");  // no port: nothing happens

    FakePortLine& line = OpenMeter();
    line.QueueReplies("abc");
    line.readError = 5;
    EXPECT_TRUE(link.Receive(64).empty());
    EXPECT_THAT(presenter.shown, IsEmpty());
}

TEST_F(MeterLinkTest, ReadThatThrowsIsReportedAndGivesNothing) {
    FakePortLine& line = OpenMeter();
    line.readThrows = true;

    EXPECT_TRUE(link.Receive(64).empty());

    EXPECT_THAT(presenter.shown,
                ElementsAre("Error|!|An exception was raised attempting to read from the com "
                            "port.|"));
}

TEST_F(MeterLinkTest, FirmwareQueryFlushesAsksAndDrains) {
    FakePortLine& line = OpenMeter(3, "QUORVANE RF Meter Version 1.10");

    EXPECT_EQ(link.GetFirmwareInfo(false), "QUORVANE RF Meter Version 1.10");

    EXPECT_EQ(link.FirmwareVersion, "1.10");
    EXPECT_THAT(line.transcript, ElementsAre("read 83", "write v", "read 31", "read 83"));
}

TEST_F(MeterLinkTest, SilentMeterIsNotDetectedAndClearsTheVersion) {
    OpenMeter(3, "");
    link.FirmwareVersion = "1.10";

    EXPECT_EQ(link.GetFirmwareInfo(false), "QUORVANE firmware not detected");
    EXPECT_EQ(link.FirmwareVersion, "");
}

TEST_F(MeterLinkTest, FlushBeforeTheQueryStopsAtTheFirstEmptyReadOrAfterFour) {
    FakePortLine& line = OpenMeter();
    line.QueueReplies("junk", 2);
    link.GetFirmwareInfo(false);
    EXPECT_THAT(line.transcript,
                ElementsAre("read 83", "read 83", "read 83", "write v", "read 31", "read 83"));

    line.transcript.clear();
    line.QueueReplies("junk", 6);
    link.GetFirmwareInfo(false);
    EXPECT_THAT(line.transcript, ElementsAre("read 83", "read 83", "read 83", "read 83", "write v",
                                             "read 31", "read 83"));
}

TEST_F(MeterLinkTest, SimulatedModeLeavesPortAndVersionAlone) {
    FakePortLine& line = OpenMeter();
    link.FirmwareVersion = "0.99";

    EXPECT_EQ(link.GetFirmwareInfo(true), "Simulated Mode");

    EXPECT_EQ(link.FirmwareVersion, "0.99");
    EXPECT_THAT(line.transcript, IsEmpty());
}

struct FirmwareCase {
    const char* identification;
    const char* version;
    bool psk63;
};
void PrintTo(const FirmwareCase& reply, std::ostream* out) {
    *out << reply.identification;
}
class FirmwareVersionTest : public MeterLinkTest,
                            public ::testing::WithParamInterface<FirmwareCase> {};

TEST_P(FirmwareVersionTest, VersionAndPsk63AvailabilityFollowTheReply) {
    OpenMeter(3, GetParam().identification);
    link.GetFirmwareInfo(false);
    EXPECT_EQ(link.FirmwareVersion, GetParam().version);
    EXPECT_EQ(PskModeAfterFirmwareQuery(link.FirmwareVersion, false, 3).Psk63Enabled,
              GetParam().psk63);
}
INSTANTIATE_TEST_SUITE_P(Replies, FirmwareVersionTest,
                         ::testing::Values(FirmwareCase{"QUORVANE Version 1.00", "1.00", false},
                                           FirmwareCase{"QUORVANE Version 1.01", "1.01", true},
                                           FirmwareCase{"QUORVANE Version 0.99", "0.99", false},
                                           FirmwareCase{"QUORVANE Version 2", "2", true},
                                           FirmwareCase{"QUORVANE Version 1.", "1.", false},
                                           FirmwareCase{"QUORVANE Version 1.10b Version 0.5",
                                                        "1.10", true},
                                           FirmwareCase{"QUORVANE RF Meter", "", false},
                                           FirmwareCase{"QUORVANE Version", "", false}));

TEST_F(MeterLinkTest, GraphExchangeIdentifiesFirstThenAsksForAFrame) {
    FakePortLine& line = OpenMeter();

    const GraphExchangeResult result = link.GraphExchange({});

    EXPECT_TRUE(result.FirmwareQueried);
    EXPECT_FALSE(result.NoFirmware);
    EXPECT_FALSE(result.IdentificationText);
    EXPECT_EQ(result.Reply, kFrame);
    EXPECT_THAT(line.transcript, ElementsAre("read 83", "write v", "read 31", "read 83", "read 83",
                                             "write s", "read 64"));

    // Once the version is known the cycle goes straight to the data query.
    line.transcript.clear();
    EXPECT_FALSE(link.GraphExchange({}).FirmwareQueried);
    EXPECT_THAT(line.transcript, ElementsAre("read 83", "write s", "read 64"));
}

TEST_F(MeterLinkTest, GraphExchangeEndsWhileTheMeterHasNotIdentifiedItself) {
    FakePortLine& line = OpenMeter(3, "");

    const GraphExchangeResult result = link.GraphExchange({});

    EXPECT_TRUE(result.FirmwareQueried);
    EXPECT_TRUE(result.NoFirmware);
    EXPECT_THAT(line.writes, ElementsAre("v"));
}

TEST_F(MeterLinkTest, Psk63CommandFollowsTheCheckMarkEvenWhenTheItemIsDisabled) {
    FakePortLine& line = OpenMeter(3, "QUORVANE Version 1.00");
    ExchangeRequest request;
    request.Psk63Checked = true;

    link.GraphExchange(request);
    ASSERT_FALSE(PskModeAfterFirmwareQuery(link.FirmwareVersion, true, 3).Psk63Enabled);
    link.TextExchange(request);

    EXPECT_THAT(line.writes, ElementsAre("v", "S", "S"));
}

TEST_F(MeterLinkTest, SimulatedFrameStillSendsTheCommand) {
    FakePortLine& line = OpenMeter(3, "");
    ExchangeRequest request;
    request.FakeDataEnabled = true;
    int made = 0;
    request.FakeData = [&] {
        ++made;
        return std::string(64, 'f');
    };

    const GraphExchangeResult result = link.GraphExchange(request);

    EXPECT_FALSE(result.FirmwareQueried);
    EXPECT_FALSE(result.NoFirmware);
    EXPECT_EQ(result.Reply, std::string(64, 'f'));
    EXPECT_EQ(made, 1);
    EXPECT_THAT(line.transcript, ElementsAre("read 83", "write s"));
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
    EXPECT_THAT(line.transcript, ElementsAre("read 83", "write s", "read 64", "read 83"));

    line.transcript.clear();
    const TextExchangeResult shown = link.TextExchange({});
    EXPECT_TRUE(shown.IdentificationText);
    EXPECT_EQ(shown.Reply, text.substr(0, 31));
    EXPECT_THAT(line.transcript, ElementsAre("write s", "read 64", "read 83"));
}

}  // namespace
