// The sound card selection and test dialogs over a table-built mixer.

#include <QSlider>
#include <optional>

#include "dialogs/Commands.h"
#include "dialogs/ucard.h"
#include "dialogs/utestcard.h"
#include "integration/dialogs/DialogTestSupport.h"

TEST(SoundCardForm, OneCardIsOnlyNamed) {
    SoundSystem sound({Card("Onboard")});
    TSoundCardForm form;
    bool opened = false;
    WhileOpen(form, [&] { opened = true; });
    EXPECT_EQ(form.Run(nullptr, sound.volume, 3, sound.messages), std::nullopt);
    EXPECT_FALSE(opened);
    ASSERT_EQ(sound.messages.shown.size(), 1u);
    EXPECT_EQ(sound.messages.shown[0].caption, "Only one sound card");
    EXPECT_EQ(sound.messages.shown[0].type, "i");
    EXPECT_EQ(sound.messages.shown[0].message, OneSoundCardText("Onboard"));
}

TEST(SoundCardForm, OnlyACardPickedFromTheListCounts) {
    SoundSystem sound({Card("Onboard"), Card("USB Audio"), Card("HDMI")});
    TSoundCardForm form;
    WhileOpen(form, [&] {
        EXPECT_EQ(form.ComboBox1->count(), 3);
        EXPECT_EQ(form.ComboBox1->currentText(), "HDMI");
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
    });
    EXPECT_EQ(form.Run(nullptr, sound.volume, 2, sound.messages), 1);

    // The card in use is shown, not picked, also when its text had the focus.
    WhileOpen(form, [&] { EXPECT_EQ(form.ComboBox1->count(), 3); });
    EXPECT_EQ(form.Run(nullptr, sound.volume, 1, sound.messages), 0);

    WhileOpen(form, [&] {
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
        TypeInto(form.ComboBox1, "Onboard");
    });
    EXPECT_EQ(form.Run(nullptr, sound.volume, 1, sound.messages), 0);
    EXPECT_TRUE(sound.messages.shown.empty());
}

TEST(SoundCardForm, NoCardAtAllOpensAnEmptyList) {
    SoundSystem sound({});
    const std::size_t errorsAtCreation = sound.messages.shown.size();
    TSoundCardForm form;
    WhileOpen(form, [&] { EXPECT_EQ(form.ComboBox1->count(), 0); });
    EXPECT_EQ(form.Run(nullptr, sound.volume, 0, sound.messages), 0);
    ASSERT_GT(sound.messages.shown.size(), errorsAtCreation);
    EXPECT_EQ(sound.messages.shown.back().caption, "Sound Card error");
}

TEST(TestSoundCardForm, ShowsTheVolumesWithoutWritingAndWritesBothOnAMove) {
    SoundSystem sound({Card("Onboard")});
    sound.mixer.Value(0, 0) = PercentToRaw(30);
    sound.mixer.Value(0, 0, 0) = PercentToRaw(70);
    TTestSoundCardForm form;
    WhileOpen(form, [&] {
        EXPECT_EQ(form.tbMaster->value(), 30);
        EXPECT_EQ(form.tbWave->value(), 70);
        EXPECT_EQ(sound.mixer.ValueWrites, 0);
        QTest::keyClick(form.tbWave, Qt::Key_Right);
        EXPECT_EQ(sound.mixer.ValueWrites, 2);
    });
    form.Run(nullptr, sound.volume);
    EXPECT_EQ(sound.mixer.Value(0, 0), PercentToRaw(30));
    EXPECT_EQ(sound.mixer.Value(0, 0, 0), PercentToRaw(71));

    sound.mixer.Value(0, 0) = PercentToRaw(55);
    WhileOpen(form, [&] { EXPECT_EQ(form.tbMaster->value(), 55); });
    form.Run(nullptr, sound.volume);
    EXPECT_EQ(sound.mixer.ValueWrites, 2) << "reloading wrote to the mixer";
}

TEST(TestSoundCardForm, WithoutAWaveLineTheSecondWriteWins) {
    SoundSystem sound({Card("Onboard", false)});
    sound.mixer.Value(0, 0) = PercentToRaw(40);
    TTestSoundCardForm form;
    WhileOpen(form, [&] { QTest::keyClick(form.tbMaster, Qt::Key_Right); });
    form.Run(nullptr, sound.volume);
    EXPECT_EQ(sound.mixer.Value(0, 0), PercentToRaw(40));
}
