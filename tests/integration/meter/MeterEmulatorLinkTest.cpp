// The serial layer and the meter link against the meter emulator on a real
// pseudo-terminal, reached the way the program reaches a port: through a dosdevices link.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

#include "fakes/RecordingLogger.h"
#include "meter/MeterLink.h"
#include "platform/linux/LinuxSerialPorts.h"
#include "support/MeterSim.h"
#include "support/TempConfigHome.h"

namespace {

class SilentPresenter final : public MessagePresenter {
public:
    char MessageDialog(const std::string&, const std::string&, const std::string& message,
                       const std::string&) override {
        ADD_FAILURE() << "unexpected message: " << message;
        return ' ';
    }
};

constexpr int kPort = 5;

class MeterEmulatorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("QUORVANE_METER_SIM", QUORVANE_BUILT_METER_SIM, 0); }
    std::string LinkPath() const { return home.ConfigDir() + "/dosdevices/com5"; }
    // Starts the emulator and opens the link to it.
    void Start(const MeterSim::Options& options = {}, bool open = true) {
        sim = std::make_unique<MeterSim>(LinkPath(), options);
        link.ComPort = kPort;
        if (open) {
            ASSERT_TRUE(link.OpenComPort()) << ::testing::PrintToString(log.lines);
        }
    }
    // A port set up as the link sets it up: 19200 8N1, 5 ms a byte.
    std::unique_ptr<SerialPort> OpenConfigured() {
        uint32_t error = 0;
        auto port = ports.Open("COM5", error);
        EXPECT_NE(port, nullptr) << ports.ErrorText(error);
        if (!port) return nullptr;
        CommTimeouts timeouts;
        timeouts.ReadTotalTimeoutMultiplier = 5;
        EXPECT_TRUE(port->SetCommTimeouts(timeouts));
        return port;
    }
    static std::string Read(SerialPort& port, std::size_t count, bool expectOk = true) {
        std::string buffer(count, '\0');
        std::size_t received = 0;
        EXPECT_EQ(port.Read(reinterpret_cast<uint8_t*>(buffer.data()), count, received), expectOk);
        return buffer.substr(0, received);
    }
    static void Write(SerialPort& port, const std::string& bytes) {
        std::size_t written = 0;
        EXPECT_TRUE(
            port.Write(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), written));
        EXPECT_EQ(written, bytes.size());
    }

    TempConfigHome home;
    std::unique_ptr<MeterSim> sim;
    LinuxSerialPorts ports;
    RecordingLogger log;
    SilentPresenter presenter;
    MeterLink link{ports, log, presenter};
};

TEST_F(MeterEmulatorTest, OpensAndIdentifiesCurrentOldUnversionedAndMuteMeters) {
    const struct {
        MeterSim::Options options;
        const char *info, *version;
    } meters[] = {{{}, "QUORVANE RF Meter Version 1.10", "1.10"},
                  {{.version = "1.00"}, "QUORVANE RF Meter Version 1.00", "1.00"},
                  {{.version = "none"}, "QUORVANE RF Meter", ""},
                  {{.answerIdentification = false}, "QUORVANE firmware not detected", ""}};
    for (const auto& meter : meters) {
        SCOPED_TRACE(meter.info);
        link.ClosePort();
        Start(meter.options);
        EXPECT_EQ(log.lines.back(), "Comport COM5 successfully opened.");
        EXPECT_EQ(link.GetFirmwareInfo(false), meter.info);
        EXPECT_EQ(link.FirmwareVersion, meter.version);
        EXPECT_EQ(sim->CommandsReceived(), "v");
    }
}

TEST_F(MeterEmulatorTest, ReadTimeOutReturnsWhatArrived) {
    Start({.scenario = "short"}, false);
    auto port = OpenConfigured();
    ASSERT_TRUE(port);

    Write(*port, "s");
    EXPECT_EQ(Read(*port, 64).size(), 40u);

    sim->SetScenario("silent");
    Write(*port, "s");
    EXPECT_EQ(Read(*port, 64), "");

    // The next reply is not mixed up with the earlier ones.
    sim->SetScenario("clean");
    Write(*port, "s");
    EXPECT_EQ(Read(*port, 64).size(), 64u);
}

// A flush takes what has arrived and never waits for more, whatever the time-outs say.
TEST_F(MeterEmulatorTest, PendingReadTakesWhatArrivedWithoutWaiting) {
    Start({.scenario = "short"}, false);
    auto port = OpenConfigured();
    ASSERT_TRUE(port);
    ASSERT_TRUE(port->SetCommTimeouts(CommTimeouts{}));  // all zero: reads wait for every byte
    const auto pending = [&] {
        std::string buffer(83, '\0');
        std::size_t received = 0;
        EXPECT_TRUE(port->ReadPending(reinterpret_cast<uint8_t*>(buffer.data()), 83, received));
        return buffer.substr(0, received);
    };
    EXPECT_EQ(pending(), "");

    Write(*port, "s");
    EXPECT_EQ(Read(*port, 10).size(), 10u);
    std::string rest;
    while (rest.size() < 30) rest += pending();  // the 40-byte reply's other 30, as they come
    EXPECT_EQ(rest.size(), 30u);
    EXPECT_EQ(pending(), "");
}

TEST_F(MeterEmulatorTest, SecondOpenOfTheSamePortIsRefused) {
    Start({}, false);
    auto first = OpenConfigured();
    ASSERT_TRUE(first);

    uint32_t error = 0;
    EXPECT_EQ(ports.Open("COM5", error), nullptr);
    EXPECT_EQ(error, static_cast<uint32_t>(EBUSY));
    // The link through its device name is the same port.
    EXPECT_EQ(ports.Open("\\\\.\\COM5", error), nullptr);

    first.reset();
    EXPECT_NE(ports.Open("COM5", error), nullptr) << ports.ErrorText(error);
}

TEST_F(MeterEmulatorTest, VanishedMeterFailsReadsInsteadOfHanging) {
    Start({}, false);
    auto port = OpenConfigured();
    ASSERT_TRUE(port);
    CommTimeouts forever;  // all zero: wait for every byte
    ASSERT_TRUE(port->SetCommTimeouts(forever));

    sim->Kill();

    Read(*port, 64, false);
    EXPECT_EQ(port->LastError(), static_cast<uint32_t>(EIO));
    std::size_t written = 0;
    const uint8_t command = 's';
    EXPECT_FALSE(port->Write(&command, 1, written));
}

}  // namespace
