// Where the settings file lives, which Linux device a COM name opens and how its line is set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

#include "platform/linux/ConfigPaths.h"
#include "platform/linux/LinuxSerialPorts.h"
#include "support/ScopedEnv.h"
#include "support/TempConfigHome.h"

namespace {

namespace fs = std::filesystem;

TEST(ConfigPaths, FollowXdgConfigHomeElseHome) {
    TempConfigHome home;  // puts XDG_CONFIG_HOME back when done
    setenv("XDG_CONFIG_HOME", "/srv/config//", 1);
    EXPECT_EQ(SettingsFilePath(), "/srv/config/quorvane/quorvane.ini");

    const ScopedEnv user("HOME", "/home/op");
    for (const char* relative : {"", "relative/config"}) {  // both ignored, as XDG says
        setenv("XDG_CONFIG_HOME", relative, 1);
        EXPECT_EQ(SettingsFilePath(), "/home/op/.config/quorvane/quorvane.ini") << relative;
    }
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(QuorvaneConfigDir(), "/home/op/.config/quorvane");
    unsetenv("HOME");  // then the password database knows
    EXPECT_TRUE(QuorvaneConfigDir().ends_with("/.config/quorvane")) << QuorvaneConfigDir();
}

// A link in dosdevices names the port's device, even one that is gone; without one the
// default map holds.
TEST(ComDevicePath, DosdevicesLinkElseTheDefaultMap) {
    TempConfigHome home;
    // clang-format off
    const std::pair<const char*, const char*> names[] = {{"COM1", "/dev/ttyS0"},
        {"COM4", "/dev/ttyS3"}, {"COM5", "/dev/ttyUSB0"}, {"COM12", "/dev/ttyUSB7"},
        {"\\\\.\\COM12", "/dev/ttyUSB7"}, {"COM13", "/dev/ttyACM0"}, {"COM16", "/dev/ttyACM3"},
        {"COM17", "/dev/ttyS16"}, {"com2", "/dev/ttyS1"}, {"COM0", ""}, {"COM", ""},
        {"COM1x", ""}, {"LPT1", ""}, {"\\\\.\\RIGPORT", ""}};
    // clang-format on
    for (const auto& [name, device] : names) EXPECT_EQ(ComDevicePath(name), device) << name;

    const fs::path folder = fs::path(home.ConfigDir()) / "dosdevices";
    fs::create_directories(folder);
    fs::create_symlink("/dev/null", folder / "com3");
    fs::create_symlink(folder / "unplugged", folder / "com14");

    EXPECT_EQ(ComDevicePath("COM3"), (folder / "com3").string());
    EXPECT_EQ(ComDevicePath("\\\\.\\COM14"), (folder / "com14").string());
    EXPECT_EQ(ComDevicePath("COM4"), "/dev/ttyS3");

    // Names that are no port fail as missing; a link to something that is not a terminal is
    // refused, not half-opened.
    LinuxSerialPorts ports;
    uint32_t error = 0;
    EXPECT_EQ(ports.Open("LPT1", error), nullptr);
    EXPECT_EQ(error, static_cast<uint32_t>(ENOENT));
    EXPECT_EQ(ports.Open("COM3", error), nullptr);
    EXPECT_EQ(error, static_cast<uint32_t>(ENOTTY));
}

// A pseudo-terminal always reads back 8 data bits without parity, so the framing a comm
// state asks for is checked where it is made. What Linux cannot do is refused.
TEST(TermiosFromCommState, FramingReachesTheLineAndWhatLinuxLacksIsRefused) {
    constexpr tcflag_t kFraming = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;
    const struct {
        uint8_t size, parity, stopBits;
        tcflag_t framing;
    } rows[] = {{8, 0, 0, CS8},
                {7, 2, 2, CS7 | PARENB | CSTOPB},
                {5, 1, 0, CS5 | PARENB | PARODD},
                {6, 3, 0, CS6 | PARENB | PARODD | CMSPAR},
                {8, 4, 2, CS8 | PARENB | CMSPAR | CSTOPB}};
    for (const auto& row : rows) {
        termios tio{.c_cflag = kFraming};
        ASSERT_TRUE(TermiosFromCommState({.BaudRate = 9600,
                                          .ByteSize = row.size,
                                          .Parity = row.parity,
                                          .StopBits = row.stopBits},
                                         tio));
        EXPECT_EQ(std::tuple(tio.c_cflag & kFraming, cfgetospeed(&tio)),
                  std::tuple(row.framing, speed_t{B9600}));
    }
    termios tio{};
    for (const CommState& refused : {CommState{.BaudRate = 12345},
                                     {.BaudRate = 9600, .ByteSize = 9},
                                     {.BaudRate = 9600, .Parity = 5},
                                     {.BaudRate = 9600, .StopBits = 1}})
        EXPECT_FALSE(TermiosFromCommState(refused, tio)) << refused.BaudRate;
}

}  // namespace
