// The sound card selection and test dialogs over a table-built mixer.

#include <QSlider>
#include <optional>

#include "audio/usound.h"
#include "dialogs/Commands.h"
#include "dialogs/ucard.h"
#include "dialogs/utestcard.h"
#include "fakes/FakeMixer.h"
#include "integration/dialogs/DialogTestSupport.h"

namespace {
FakeDevice Card(const std::string& name, bool withWaveLine) {
    FakeDestination playback;
    playback.Line = FakeLineOf("Volume Control", component::DstSpeakers, {FakeVolume()});
    if (withWaveLine)
        playback.Sources.push_back(FakeLineOf("Wave", component::SrcWaveOut, {FakeVolume()}));
    FakeDevice device;
    device.ProductName = name;
    device.Destinations.push_back(playback);
    return device;
}

// The card's mixer object as the program holds it, with the messages it shows.
struct SoundSystem {
    explicit SoundSystem(std::vector<FakeDevice> devices, int soundCard = 0)
        : mixer(std::move(devices)), volume(mixer, messages, 0, soundCard) {}
    FakeMixer mixer;
    RecordingPresenter messages;
    TspVolumeControl volume;
};
}  // namespace

TEST(SoundCardForm, OneCardIsOnlyNamed) {
    SoundSystem sound({Card("Onboard", true)});
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

TEST(SoundCardForm, ListsTheCardsAndReturnsTheOnePicked) {
    SoundSystem sound({Card("Onboard", true), Card("USB Audio", true), Card("HDMI", false)}, 2);
    MainWindowStandIn main;
    TSoundCardForm form;
    WhileOpen(form, [&] {
        ExpectCloseBoxOnly(form);
        EXPECT_EQ(form.pos(), main.DialogPosition());
        ASSERT_EQ(form.ComboBox1->count(), 3);
        EXPECT_EQ(form.ComboBox1->itemText(1), "USB Audio");
        // The card in use is shown, not picked.
        EXPECT_EQ(form.ComboBox1->currentText(), "HDMI");
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
    });
    EXPECT_EQ(form.Run(&main.window, sound.volume, 2, sound.messages), 1);
    EXPECT_TRUE(sound.messages.shown.empty());

    // Rebuilt each time: a second opening lists the cards once and has nothing picked.
    WhileOpen(form, [&] { EXPECT_EQ(form.ComboBox1->count(), 3); });
    EXPECT_EQ(form.Run(&main.window, sound.volume, 1, sound.messages), 0);
}

TEST(SoundCardForm, TypingUnpicksTheCard) {
    SoundSystem sound({Card("Onboard", true), Card("USB Audio", true)});
    TSoundCardForm form;
    WhileOpen(form, [&] {
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
        TypeInto(form.ComboBox1, "USB Audio");
    });
    EXPECT_EQ(form.Run(nullptr, sound.volume, 0, sound.messages), 0);
}

TEST(SoundCardForm, NoCardAtAllStillOpensAnEmptyList) {
    SoundSystem sound({});
    const std::size_t errorsAtCreation = sound.messages.shown.size();
    TSoundCardForm form;
    WhileOpen(form, [&] {
        EXPECT_EQ(form.ComboBox1->count(), 0);
        EXPECT_EQ(form.ComboBox1->currentText(), "");
    });
    EXPECT_EQ(form.Run(nullptr, sound.volume, 0, sound.messages), 0);
    // The failed name query reported itself.
    ASSERT_GT(sound.messages.shown.size(), errorsAtCreation);
    EXPECT_EQ(sound.messages.shown.back().caption, "Sound Card error");
}

TEST(TestSoundCardForm, ShowsTheVolumesWithoutWritingAndWritesBothOnAMove) {
    SoundSystem sound({Card("Onboard", true)});
    sound.mixer.Value(0, 0) = PercentToRaw(30);
    sound.mixer.Value(0, 0, 0) = PercentToRaw(70);
    MainWindowStandIn main;
    TTestSoundCardForm form;
    WhileOpen(form, [&] {
        ExpectCloseBoxOnly(form);
        EXPECT_EQ(form.pos(), main.DialogPosition());
        EXPECT_EQ(form.tbMaster->value(), 30);
        EXPECT_EQ(form.tbWave->value(), 70);
        EXPECT_EQ(sound.mixer.ValueWrites, 0);
        QTest::keyClick(form.tbWave, Qt::Key_Right);
        EXPECT_EQ(sound.mixer.ValueWrites, 2);
    });
    form.Run(&main.window, sound.volume);
    EXPECT_EQ(sound.mixer.Value(0, 0), PercentToRaw(30));
    EXPECT_EQ(sound.mixer.Value(0, 0, 0), PercentToRaw(71));

    // Reloaded at the next showing, again without a write.
    sound.mixer.Value(0, 0) = PercentToRaw(55);
    WhileOpen(form, [&] { EXPECT_EQ(form.tbMaster->value(), 55); });
    form.Run(&main.window, sound.volume);
    EXPECT_EQ(sound.mixer.ValueWrites, 2);
}

TEST(TestSoundCardForm, WithoutAWaveLineTheWaveSliderHasTheLastWord) {
    SoundSystem sound({Card("Onboard", false)});
    sound.mixer.Value(0, 0) = PercentToRaw(40);
    TTestSoundCardForm form;
    WhileOpen(form, [&] {
        EXPECT_EQ(form.tbWave->value(), 40);
        QTest::keyClick(form.tbMaster, Qt::Key_Right);
    });
    form.Run(nullptr, sound.volume);
    EXPECT_EQ(sound.mixer.Value(0, 0), PercentToRaw(40));
}
