// Which Linux device a COM name opens.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/linux/LinuxSerialPorts.h"
#include "support/TempConfigHome.h"

namespace fs = std::filesystem;

namespace {

struct Mapping {
    const char* name;
    const char* device;
};
class DefaultMapTest : public ::testing::TestWithParam<Mapping> {
protected:
    TempConfigHome home;  // no dosdevices folder
};

TEST_P(DefaultMapTest, MapsToTheUsualDevice) {
    EXPECT_EQ(ComDevicePath(GetParam().name), GetParam().device);
}
INSTANTIATE_TEST_SUITE_P(
    Names, DefaultMapTest,
    ::testing::Values(Mapping{"COM1", "/dev/ttyS0"}, Mapping{"COM4", "/dev/ttyS3"},
                      Mapping{"COM5", "/dev/ttyUSB0"}, Mapping{"COM12", "/dev/ttyUSB7"},
                      Mapping{"\\\\.\\COM12", "/dev/ttyUSB7"}, Mapping{"COM13", "/dev/ttyACM0"},
                      Mapping{"COM16", "/dev/ttyACM3"}, Mapping{"COM17", "/dev/ttyS16"},
                      Mapping{"com2", "/dev/ttyS1"}, Mapping{"COM0", ""}, Mapping{"COM", ""},
                      Mapping{"COM1x", ""}, Mapping{"LPT1", ""}, Mapping{"COM-1", ""},
                      Mapping{"\\\\.\\RIGPORT", ""}, Mapping{"", ""}));

TEST(ComDevicePath, DosdevicesLinkWinsEvenWhenItsDeviceIsGone) {
    TempConfigHome home;
    const fs::path folder = fs::path(home.configDir()) / "dosdevices";
    fs::create_directories(folder);
    fs::create_symlink("/dev/null", folder / "com3");
    fs::create_symlink(folder / "unplugged", folder / "com14");

    EXPECT_EQ(ComDevicePath("COM3"), (folder / "com3").string());
    EXPECT_EQ(ComDevicePath("\\\\.\\COM14"), (folder / "com14").string());
    EXPECT_EQ(ComDevicePath("COM4"), "/dev/ttyS3");
}

TEST(LinuxSerialPorts, NamesThatAreNotPortsFailAsMissing) {
    TempConfigHome home;
    LinuxSerialPorts ports;
    uint32_t error = 0;
    EXPECT_EQ(ports.open("LPT1", error), nullptr);
    EXPECT_EQ(error, static_cast<uint32_t>(ENOENT));
    EXPECT_FALSE(ports.errorText(ENOENT).empty());

    // A link to something that is not a terminal is refused, not half-opened.
    const fs::path folder = fs::path(home.configDir()) / "dosdevices";
    fs::create_directories(folder);
    fs::create_symlink("/dev/null", folder / "com3");
    EXPECT_EQ(ports.open("COM3", error), nullptr);
    EXPECT_EQ(error, static_cast<uint32_t>(ENOTTY));
}

}  // namespace
