// The pop-up menu's commands on the real main window, worked through their dialogs, with
// the effect checked where it shows and in the settings file written at shutdown.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <string>

#include "audio/usound.h"
#include "dialogs/Commands.h"
#include "dialogs/aoxmask.h"
#include "integration/app/AppTestSupport.h"
#include "integration/dialogs/DialogTestSupport.h"
#include "measure/EnvelopeChart.h"

namespace {

// Moves the list's selection to `text` with the arrow keys.
void PickEntry(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    for (int key = 0; key <= combo->count() && combo->currentIndex() != index; ++key)
        QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(combo->currentIndex(), index);
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// The next cycle goes to `active` and gets its clean frame; `idle` hears nothing.
void ExpectCycleTalksTo(MainWindowHarness& h, MeterSim& active, MeterSim& idle) {
    const int activeBefore = active.CommandCount('s');
    const int idleBefore = idle.CommandCount('s');
    h.Cycle();
    EXPECT_EQ(active.CommandCount('s'), activeBefore + 1);
    EXPECT_EQ(idle.CommandCount('s'), idleBefore);
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
}

TEST(PortCommand, ReopensUnchangedOpensCom12ForCom123AndKeepsTheOldPortOnFailure) {
    MainWindowHarness h({.settings = "[MISC]\r\nDebug=1\r\nRefresh Rate=500\r\n"});
    ASSERT_TRUE(h.Start());
    h.BreakPort(7);
    std::unique_ptr<MeterSim> com12 = h.StartMeterOn(12);
    TPortForm& form = *h.Dialogs().PortForm;
    QComboBox* list = form.ComPortComboBox;
    const std::string opened = "Comport COM1 successfully opened.";
    ASSERT_EQ(Occurrences(h.LogText(), opened), 1);

    // Closed unchanged, the port is reopened while the meter goes on being polled.
    h.Probe().Timer1()->start();
    QSignalSpy cycles(&h.Form(), &TMainForm::CycleFinished);
    ASSERT_TRUE(h.Operate(h.Probe().ComPort1(), form, [&] { EXPECT_TRUE(cycles.wait(5000)); }));
    h.Probe().Timer1()->stop();
    h.Form().WaitForCycle();
    EXPECT_EQ(Occurrences(h.LogText(), opened), 2) << h.LogText();
    EXPECT_TRUE(h.Probe().Link().IsOpen());

    struct Choice {
        bool typed;
        QString text;
        int port;
        bool fails;
    };
    for (const Choice& choice : {Choice{false, "COM7", 1, true}, Choice{true, "COMX", 1, true},
                                 Choice{true, "COM123", 12, false}, Choice{false, "COM1", 1, false},
                                 Choice{false, "COM12", 12, false}}) {
        SCOPED_TRACE(choice.text.toStdString());
        const int shownBefore = h.Probe().Link().ComPort;
        const size_t messagesBefore = h.Messages().size();
        ASSERT_TRUE(h.Operate(h.Probe().ComPort1(), form, [&] {
            EXPECT_EQ(list->currentText().toStdString(), "COM" + std::to_string(shownBefore));
            if (choice.typed)
                TypeInto(list, choice.text);
            else
                PickEntry(list, choice.text);
        }));
        ASSERT_EQ(h.Messages().size(), messagesBefore + choice.fails);
        if (choice.fails) {
            ExpectMessage(h.Messages().back(), "Error", "!",
                          "Could not open " + choice.text.toStdString());
            EXPECT_EQ(list->currentText(), "COM1");
        }
        EXPECT_EQ(h.Probe().Link().ComPort, choice.port);
        EXPECT_EQ(Title(h), "PSK31 RF Monitoring on COM" + std::to_string(choice.port));
        if (choice.port == 12)
            ExpectCycleTalksTo(h, *com12, h.Meter());
        else
            ExpectCycleTalksTo(h, h.Meter(), *com12);
    }
    h.Shutdown();
    EXPECT_EQ(h.Saved("COM PARMS", "Port"), "12");
}

TEST(RefreshRateCommand, ShowsTheStoredRateAndRunsTheTimerAtWhatWasLeft) {
    struct Case {
        int stored;
        int started;  // 0 or less would stop or race the timer: it runs at the default
        const char* shown;
        const char* picked;  // nullptr: closed unchanged
        int interval;
    };
    // 250 ms is not on the list: it runs as stored, shows no entry, and closing sets 1 s.
    for (const Case& c :
         {Case{250, 250, "", nullptr, 1000}, Case{0, 1000, "Every second", nullptr, 1000},
          Case{1000, 1000, "Every second", "Every 2 seconds", 2000}}) {
        SCOPED_TRACE(c.stored);
        MainWindowHarness h(
            {.settings = "[MISC]\r\nRefresh Rate=" + std::to_string(c.stored) + "\r\n"});
        ASSERT_TRUE(h.Start());
        EXPECT_EQ(h.Probe().Timer1()->interval(), c.started);
        h.Probe().Timer1()->start();  // the command changes the running timer
        TRefreshForm& form = *h.Dialogs().RefreshForm;
        ASSERT_TRUE(h.Operate(h.Probe().RefreshRate1(), form, [&] {
            EXPECT_EQ(form.RefreshRateComboBox->currentText().toStdString(), c.shown);
            if (c.picked) PickEntry(form.RefreshRateComboBox, c.picked);
        }));
        EXPECT_EQ(h.Probe().Timer1()->interval(), c.interval);
        EXPECT_TRUE(h.Probe().Timer1()->isActive());
        h.Shutdown();
        EXPECT_EQ(h.Saved("MISC", "Refresh Rate"), std::to_string(c.interval));
    }
}

TEST(ModeAndAlcCommands, Psk63TogglesBackAndTheLoopMovesTheMixerOnlyWhileAutoIsOn) {
    MainWindowHarness h({.meter = {.scenario = "underdriven"}});
    ASSERT_TRUE(h.Start());
    TMainForm& form = h.Form();
    for (const bool psk63 : {true, false}) {
        MainFormProbe(form).PSK63()->trigger();
        const char* mode = psk63 ? "PSK63" : "PSK31";
        EXPECT_EQ(MainFormProbe(form).PSK63()->isChecked(), psk63);
        EXPECT_EQ(h.Label("Mode"), mode);
        EXPECT_EQ(Title(h), std::string(mode) + " RF Monitoring on COM1");
        const size_t before = h.Meter().CommandsReceived().size();
        h.Cycle();
        EXPECT_EQ(h.Meter().CommandsReceived().substr(before), psk63 ? "S" : "s");
    }

    FakeMixer& mixer = h.Mixer();
    EXPECT_EQ(h.Splatter(), "UNDERDRIVING");
    EXPECT_EQ(mixer.ValueWrites, 0);

    for (const bool on : {true, false, true}) {
        MainFormProbe(form).ALC()->trigger();
        EXPECT_EQ(MainFormProbe(form).ALC()->isChecked(), on);
        EXPECT_EQ(h.Label("Auto"), on ? "AUTO" : "");
        const int writes = mixer.ValueWrites;
        h.Cycle();
        if (on)
            EXPECT_GT(mixer.ValueWrites, writes);
        else
            EXPECT_EQ(mixer.ValueWrites, writes);
    }
    h.Shutdown();
    EXPECT_EQ(h.Saved("MISC", "ALC"), "1");
}

TEST(GainAndTargetImdCommands, GainIsBoundedAndAnOddTargetOpensOnTheEntryAbove) {
    MainWindowHarness h({.settings = "[MISC]\r\nTarget IMD=-25\r\n"});
    ASSERT_TRUE(h.Start());
    TGainForm& gain = *h.Dialogs().GainForm;
    // Typed over the field from its first position; the caret steps over the point.
    ASSERT_TRUE(h.Operate(h.Probe().Feedbackgain1(), gain, [&] {
        EXPECT_EQ(gain.GainEdit->Text().toStdString(), " 5.0");
        gain.GainEdit->setFocus();
        QTest::keyClick(gain.GainEdit, Qt::Key_Home);
        QTest::keyClicks(gain.GainEdit, "99.9");
    }));
    EXPECT_DOUBLE_EQ(h.Probe().Settings_().Gain, 10.0);

    TIMDForm& form = *h.Dialogs().IMDForm;
    QComboBox* list = form.TargetIMDComboBox;

    ASSERT_TRUE(h.Operate(h.Probe().argetIMD1(), form, [&] {
        EXPECT_EQ(list->currentIndex(), 2);
        EXPECT_EQ(list->currentText(), "-24db");
    }));
    EXPECT_EQ(h.Probe().Settings_().TargetIMD, -24);

    ASSERT_TRUE(h.Operate(h.Probe().argetIMD1(), form, [&] { TypeInto(list, "-28DB"); }));
    EXPECT_EQ(h.Probe().Settings_().TargetIMD, -28);
    h.Shutdown();
    EXPECT_EQ(h.Saved("MISC", "Gain"), "10");
    EXPECT_EQ(h.Saved("MISC", "Target IMD"), "-28");
}

TEST(NoiseCommand, ChosenEntryBecomesTheFloorAndOtherTextKeepsIt) {
    MainWindowHarness h({.meter = {.scenario = "noise"}});
    ASSERT_TRUE(h.Start());
    TNoiseForm& form = *h.Dialogs().NoiseForm;
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "NOISE");

    ASSERT_TRUE(h.Operate(h.Probe().NoiseThreshold1(), form, [&] {
        EXPECT_EQ(form.Noise->currentText(), "200");
        PickEntry(form.Noise, "60");
    }));
    EXPECT_EQ(h.Probe().Settings_().NoiseFloor, 3);
    // A cycle whose reply comes too late (a loaded machine) leaves the label as it was, so
    // a few cycles may pass; with the old floor every one of them says NOISE.
    for (int cycle = 0; cycle < 5 && h.Splatter() == "NOISE"; ++cycle) h.Cycle();
    EXPECT_NE(h.Splatter(), "NOISE") << "the noise test still uses the old floor";

    ASSERT_TRUE(h.Operate(h.Probe().NoiseThreshold1(), form, [&] {
        EXPECT_EQ(form.Noise->currentText(), "60");
        TypeInto(form.Noise, "55");
    }));
    EXPECT_EQ(h.Probe().Settings_().NoiseFloor, 3);
    h.Shutdown();
    EXPECT_EQ(h.Saved("MISC", "Noise Floor"), "3");
}

TEST(PowerLimitCommand, LimitIsConvertedCappedWithANoteAndDrivesTheCheckMark) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    TMainForm& main = h.Form();
    TPowerLimitForm& form = *h.Dialogs().PowerLimitForm;
    const auto setLimit = [&](bool enable, const QString& watts) {
        return h.Operate(MainFormProbe(main).PowerLimit(), form, [&] {
            EXPECT_TRUE(form.QRPRadioButton->isChecked());
            if (form.PowerLimitCheckBox->isChecked() != enable)
                QTest::mouseClick(form.PowerLimitCheckBox, Qt::LeftButton);
            if (enable) TypeInto(form.WattsLimit, watts);
        });
    };

    ASSERT_TRUE(setLimit(true, "20"));
    EXPECT_TRUE(MainFormProbe(main).PowerLimit()->isChecked());
    EXPECT_DOUBLE_EQ(MainFormProbe(main).Settings_().MaxWatts, 13.3);
    ASSERT_EQ(h.Messages().size(), 1u);
    ExpectMessage(h.Messages()[0], "Power specified exceeds range", "i",
                  PowerExceedsText(13.3, '.'));

    // The emulator's clean frame peaks at about 3.9 V: within 5 V, above the 5 W limit.
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    ASSERT_TRUE(setLimit(true, "5"));
    EXPECT_EQ(h.Messages().size(), 1u);
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "OVER POWER");

    ASSERT_TRUE(setLimit(false, ""));
    EXPECT_FALSE(MainFormProbe(main).PowerLimit()->isChecked());
    EXPECT_FALSE(MainFormProbe(main).Settings_().PowerLimitEnabled);
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    h.Shutdown();
    EXPECT_EQ(h.Saved("POWER LIMITS", "Power Limit Enabled"), "0");
    EXPECT_EQ(h.Saved("POWER LIMITS", "Maximum Watts"), "5");
}

TEST(RestartCommands, ShowPowerSurvivesARestartAndTextModeDoesNot) {
    std::string saved;
    {
        MainWindowHarness h;
        ASSERT_TRUE(h.Start());
        TMainForm& form = h.Form();
        TShowPowerForm& showPower = *h.Dialogs().ShowPowerForm;
        h.Cycle();
        EXPECT_EQ(h.Label("PowerEstimate"), "");
        ASSERT_TRUE(h.Operate(MainFormProbe(form).ShowPower(), showPower, [&] {
            EXPECT_FALSE(showPower.ShowPowerCheckBox->isChecked());
            QTest::mouseClick(showPower.ShowPowerCheckBox, Qt::LeftButton);
        }));
        MainFormProbe(form).DataMode1()->trigger();
        EXPECT_TRUE(MainFormProbe(form).DataMode1()->isChecked());
        h.Shutdown();
        saved = h.Home().ReadSettings();
    }
    MainWindowHarness h({.settings = saved});
    ASSERT_TRUE(h.Start());
    EXPECT_TRUE(h.Dialogs().ShowPowerForm->ShowPowerCheckBox->isChecked());
    EXPECT_FALSE(h.Probe().DataMode1()->isChecked());
    EXPECT_FALSE(h.Probe().Memo1()->isVisible());
    h.Cycle();
    EXPECT_EQ(h.Splatter(), "SIGNAL OK");
    EXPECT_NE(h.Label("PowerEstimate").find('W'), std::string::npos) << h.Label("PowerEstimate");
}

TEST(SoundCardCommand, OneCardIsNamedWithoutOpeningTheDialog) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    const TspVolumeControl* before = h.Probe().VolumeControl().get();
    EXPECT_FALSE(h.Operate(h.Probe().SetSoundCard(), *h.Dialogs().SoundCardForm));
    ASSERT_EQ(h.Messages().size(), 1u);
    ExpectMessage(h.Messages()[0], "Only one sound card", "i",
                  "Your computer has only one sound card:;;Test Card;;which is the device quorvane "
                  "is using to control audio to your rig.");
    EXPECT_EQ(h.Probe().VolumeControl().get(), before);
}

TEST(SoundCardCommand, WithTwoCardsThePickedOneGetsANewMixerObject) {
    MainWindowHarness::Options options;
    options.mixer.push_back(OneCardMixer()[0]);
    options.mixer[1].ProductName = "USB Audio CODEC";
    MainWindowHarness h(options);
    ASSERT_TRUE(h.Start());
    TSoundCardForm& form = *h.Dialogs().SoundCardForm;
    ASSERT_EQ(h.Probe().VolumeControl()->DeviceIndex(), 0);
    const HMixer firstHandle = h.Probe().VolumeControl()->MixerHandle();

    ASSERT_TRUE(h.Operate(h.Probe().SetSoundCard(), form, [&] {
        ASSERT_EQ(form.ComboBox1->count(), 2);
        EXPECT_EQ(form.ComboBox1->itemText(0), "Test Card");
        EXPECT_EQ(form.ComboBox1->itemText(1), "USB Audio CODEC");
        EXPECT_EQ(form.ComboBox1->currentText(), "Test Card");
        PickEntry(form.ComboBox1, "USB Audio CODEC");
    }));
    EXPECT_EQ(h.Probe().Settings_().SoundCard, 1);
    EXPECT_EQ(h.Probe().VolumeControl()->DeviceIndex(), 1);
    EXPECT_EQ(h.Mixer().ClosedHandles, std::vector<HMixer>{firstHandle})
        << "the old mixer object was not released";
    EXPECT_EQ(h.Mixer().OpenHandles.count(h.Probe().VolumeControl()->MixerHandle()), 1u);

    // Choosing the same card again still rebuilds the object.
    const HMixer secondHandle = h.Probe().VolumeControl()->MixerHandle();
    ASSERT_TRUE(h.Operate(h.Probe().SetSoundCard(), form,
                          [&] { PickEntry(form.ComboBox1, "USB Audio CODEC"); }));
    EXPECT_EQ(h.Mixer().ClosedHandles, (std::vector<HMixer>{firstHandle, secondHandle}));
    EXPECT_TRUE(h.Messages().empty());
    h.Shutdown();
    EXPECT_EQ(h.Saved("MISC", "Sound Card"), "1");
}

}  // namespace
