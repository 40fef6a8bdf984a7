// The meter's naming and text rules.

#include "meter/MeterProtocol.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(MeterProtocol, IdentificationIsItsFirstEightBytesAndVersionsCompareOnlyAsNumbers) {
    EXPECT_TRUE(IsIdentificationText(std::string("QUORVANE\0\x01", 10)));
    for (const char* reply : {"QUORVAN", "quorvane RF Meter", " QUORVANE"})
        EXPECT_FALSE(IsIdentificationText(reply)) << reply;
    for (const char* version : {"", "1.00", "09.9", "1.", "\xFF\xFE", "1.0a", "1..1", "A.00"})
        EXPECT_FALSE(FirmwareSupportsPsk63(version)) << version;
    for (const char* version : {"1.01", "10", "2", "1.1"})
        EXPECT_TRUE(FirmwareSupportsPsk63(version)) << version;
    EXPECT_EQ(PrintableText(std::string("QUORVANE\0\x01 V\r\n\x7F\x80\xFF~ 1", 20)),
              "QUORVANE V~ 1");
}

TEST(MeterProtocol, ModeDisplayAfterAFirmwareQuery) {
    const PskModeDisplay psk63 = PskModeAfterFirmwareQuery("1.10", true, 12);
    EXPECT_TRUE(psk63.Psk63Enabled);
    EXPECT_EQ(psk63.ModeLabel, "PSK63");
    EXPECT_TRUE(psk63.CaptionChanges);
    EXPECT_EQ(psk63.Caption, "PSK63 RF Monitoring on COM12");
    const PskModeDisplay psk31 = PskModeAfterFirmwareQuery("1.10", false, 2);
    EXPECT_EQ(psk31.ModeLabel + " " + psk31.Caption, "PSK31 PSK31 RF Monitoring on COM2");
    // Old firmware: item off, label empty, caption left as it is, check mark ignored.
    const PskModeDisplay old = PskModeAfterFirmwareQuery("1.00", true, 2);
    EXPECT_EQ(std::tuple(old.Psk63Enabled, old.ModeLabel, old.CaptionChanges),
              std::tuple(false, "", false));
}

}  // namespace
