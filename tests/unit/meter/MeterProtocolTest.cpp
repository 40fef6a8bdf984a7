// The meter's naming and text rules.

#include "meter/MeterProtocol.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// PSK63 needs firmware above 1.00, versions compared only as numbers. With old firmware the
// item is off, the label empty, the caption left as it is and the check mark ignored.
TEST(MeterProtocol, Psk63AfterAFirmwareQuery) {
    for (const char* version : {"", "1.00", "09.9", "1.", "\xFF\xFE", "1.0a", "1..1", "A.00"})
        EXPECT_FALSE(FirmwareSupportsPsk63(version)) << version;
    for (const char* version : {"1.01", "10", "2", "1.1"})
        EXPECT_TRUE(FirmwareSupportsPsk63(version)) << version;
    using Shown = std::tuple<bool, std::string, bool, std::string>;
    for (const auto& [version, checked, port, shown] :
         {std::tuple{"1.10", true, 12, Shown{true, "PSK63", true, "PSK63 RF Monitoring on COM12"}},
          {"1.10", false, 2, Shown{true, "PSK31", true, "PSK31 RF Monitoring on COM2"}},
          {"1.00", true, 2, Shown{false, "", false, ""}}}) {
        const PskModeDisplay d = PskModeAfterFirmwareQuery(version, checked, port);
        EXPECT_EQ(Shown(d.Psk63Enabled, d.ModeLabel, d.CaptionChanges, d.Caption), shown);
    }
}

}  // namespace
