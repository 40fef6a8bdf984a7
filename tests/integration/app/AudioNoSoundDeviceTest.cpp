// The main window without any sound device: start-up reports the missing mixer twice, then
// everything runs at level 0 without touching a mixer.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QSlider>
#include <QtTest/QTest>

#include "audio/usound.h"
#include "support/app/MainWindowHarness.h"

namespace {

constexpr const char* kNoDevice =
    "A problem was encountered with the sound card:;;Specified device identifier is out of "
    "range.";

// The messages from `first` on are all the missing-device error.
void ExpectOnlyNoDeviceErrors(const MainWindowHarness& h, size_t first, size_t count) {
    ASSERT_EQ(h.Messages().size(), first + count);
    for (size_t i = first; i < h.Messages().size(); ++i) {
        EXPECT_EQ(h.Messages()[i].caption, "Sound Card error");
        EXPECT_EQ(h.Messages()[i].type, "!");
        EXPECT_EQ(h.Messages()[i].message, kNoDevice);
    }
}

TEST(NoSoundDeviceTest, StartReportsTwiceThenTheProgramRunsAtLevelZero) {
    MainWindowHarness h(
        {.meter = {.scenario = "splatter"}, .mixer = {}, .settings = "[MISC]\r\nALC=1\r\n"});
    ASSERT_TRUE(h.Start());
    ExpectOnlyNoDeviceErrors(h, 0, 2);
    EXPECT_EQ(h.Label("Level"), "LEVEL:0%");

    h.Cycle(3);
    EXPECT_EQ(h.Splatter(), "SPLATTER!");
    EXPECT_EQ(h.Label("Level"), "LEVEL:0%");
    EXPECT_EQ(h.Messages().size(), 2u) << "level steps on no mixer stay silent";

    TTestSoundCardForm& test = *h.Dialogs().TestSoundCardForm;
    ASSERT_TRUE(h.Operate(h.Form().TestSoundCard, test, [&] {
        EXPECT_EQ(test.tbMaster->value(), 0);
        EXPECT_EQ(test.tbWave->value(), 0);
        QTest::keyClick(test.tbMaster, Qt::Key_Right);
    }));
    EXPECT_EQ(h.Messages().size(), 2u);

    // The list is empty; the name of the card in use fails once, and the mixer object
    // rebuilt on closing reports its own two errors.
    TSoundCardForm& card = *h.Dialogs().SoundCardForm;
    ASSERT_TRUE(
        h.Operate(h.Form().SetSoundCard, card, [&] { EXPECT_EQ(card.ComboBox1->count(), 0); }));
    EXPECT_EQ(h.Form().Settings_.SoundCard, 0);
    ExpectOnlyNoDeviceErrors(h, 2, 3);

    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SPLATTER!");
    EXPECT_EQ(h.Label("Level"), "LEVEL:0%");
}

}  // namespace
