// What the dialogs do beyond what the main window's commands show: the gain field under
// another locale, the power limit's controls and jumper answer, the Show Power keys, and
// the sound card dialogs over a table-built mixer.

#include <QCheckBox>
#include <QLocale>
#include <QRadioButton>
#include <QSlider>

#include "dialogs/Commands.h"
#include "dialogs/NumberConversion.h"
#include "dialogs/aoxmask.h"
#include "dialogs/ucard.h"
#include "dialogs/ugain.h"
#include "dialogs/upower.h"
#include "dialogs/ushowpower.h"
#include "dialogs/utestcard.h"
#include "fakes/FakeProfileFile.h"
#include "integration/dialogs/DialogTestSupport.h"

// The language table's separator may differ from the locale's (Dutch: ',' and '.'):
// a field closed untouched must give back the value it showed.
TEST(NumberForms, ReadTheLocaleSeparatorTheyWroteWhateverTheLanguageTable) {
    const QLocale previousLocale;
    const char previousDecimal = DecimalChar;
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    for (const char languageDecimal : {'.', ','}) {
        DecimalChar = languageDecimal;
        TGainForm gain;
        WhileOpen(gain, [&] { EXPECT_EQ(gain.GainEdit->Text(), " 2,5"); });
        EXPECT_DOUBLE_EQ(gain.Run(nullptr, 2.5), 2.5) << languageDecimal;

        TPowerLimitForm power;
        RecordingPresenter messages;
        PowerLimitSettings current;
        current.MaxWatts = 5.0;
        WhileOpen(power, [] {});
        EXPECT_DOUBLE_EQ(power.Run(nullptr, current, messages).MaxWatts, 5.0) << languageDecimal;
        EXPECT_TRUE(messages.shown.empty());
    }
    QLocale::setDefault(previousLocale);
    DecimalChar = previousDecimal;
}

TEST(PowerLimitForm, CheckBoxEnablesTheControlsAndEveryCloseRecomputesAndCapsTheLimit) {
    TPowerLimitForm form;
    RecordingPresenter messages;
    auto enabled = [&](bool on) {
        return form.QRPRadioButton->isEnabled() == on && form.QRORadioButton->isEnabled() == on &&
               form.WattsLimit->isEnabled() == on;
    };
    WhileOpen(form, [&] {
        EXPECT_TRUE(enabled(false));
        QTest::mouseClick(form.PowerLimitCheckBox, Qt::LeftButton);
        EXPECT_TRUE(enabled(true));
        QTest::mouseClick(form.PowerLimitCheckBox, Qt::LeftButton);
        EXPECT_TRUE(enabled(false));
        QTest::mouseClick(form.PowerLimitCheckBox, Qt::LeftButton);
    });
    EXPECT_TRUE(form.Run(nullptr, PowerLimitSettings{}, messages).PowerLimitEnabled);

    PowerLimitSettings current;
    current.MaxWatts = 0.5;
    current.MaxVolts = 4.9;
    WhileOpen(form, [&] { EXPECT_EQ(form.WattsLimit->text(), " 0.5"); });
    PowerLimitSettings result = form.Run(nullptr, current, messages);
    EXPECT_FALSE(result.PowerLimitEnabled);
    EXPECT_DOUBLE_EQ(result.MaxWatts, 1.0);
    EXPECT_DOUBLE_EQ(result.MaxVolts, WattsToVolts(1.0, true));
    EXPECT_TRUE(messages.shown.empty());

    current.PowerLimitEnabled = true;
    WhileOpen(form, [&] {
        QTest::mouseClick(form.QRORadioButton, Qt::LeftButton);
        TypeInto(form.WattsLimit, "200");
    });
    result = form.Run(nullptr, current, messages);
    EXPECT_FALSE(result.QRPJumpered);
    EXPECT_DOUBLE_EQ(result.MaxWatts, 168.0);
    EXPECT_DOUBLE_EQ(result.MaxVolts, 5.0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, PowerExceedsText(168.0, '.'));
}

TEST(ShowPowerForm, LoadsItsKeysAtCreationAndSavesThemAtDestruction) {
    FakeProfileFile file;
    file.Set("SHOW POWER", "Show Power", "1");
    file.Set("POWER LIMITS", "QRP jumpered", "0");
    {
        TShowPowerForm form(file);
        EXPECT_TRUE(form.ShowPowerChecked());
        // QRO in the file: no answer is selected until the dialog is used.
        EXPECT_FALSE(form.QRPRadioButton->isChecked() || form.QRORadioButton->isChecked());
        WhileOpen(form, [&] {
            EXPECT_TRUE(form.QRPRadioButton->isChecked());
            QTest::mouseClick(form.QRORadioButton, Qt::LeftButton);
            QTest::mouseClick(form.ShowPowerCheckBox, Qt::LeftButton);
        });
        EXPECT_FALSE(form.Run(nullptr, true));
        EXPECT_FALSE(form.ShowPowerChecked());
        EXPECT_TRUE(file.writes.empty());
    }
    const std::vector<FakeProfileFile::Access> saved = {{"SHOW POWER", "Show Power", "0"},
                                                        {"POWER LIMITS", "QRP jumpered", "0"}};
    EXPECT_EQ(file.writes, saved);

    FakeProfileFile empty;
    TShowPowerForm defaults(empty);
    EXPECT_FALSE(defaults.ShowPowerChecked());
    EXPECT_TRUE(defaults.QrpSelected());
}

TEST(SoundCardForm, OnlyACardPickedFromTheListCounts) {
    Rig sound({Card("Onboard"), Card("USB Audio"), Card("HDMI")});
    TSoundCardForm form;
    WhileOpen(form, [&] {
        EXPECT_EQ(form.ComboBox1->count(), 3);
        EXPECT_EQ(form.ComboBox1->currentText(), "HDMI");
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
    });
    EXPECT_EQ(form.Run(nullptr, sound.volume, 2, sound.presenter), 1);

    // The card in use is shown, not picked, also when its text had the focus.
    WhileOpen(form, [&] { EXPECT_EQ(form.ComboBox1->count(), 3); });
    EXPECT_EQ(form.Run(nullptr, sound.volume, 1, sound.presenter), 0);

    WhileOpen(form, [&] {
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
        TypeInto(form.ComboBox1, "Onboard");
    });
    EXPECT_EQ(form.Run(nullptr, sound.volume, 1, sound.presenter), 0);
    EXPECT_TRUE(sound.presenter.shown.empty());
}

TEST(TestSoundCardForm, ShowsTheVolumesWithoutWritingAndWritesBothOnAMove) {
    Rig sound({Card("Onboard")});
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

    // Without a Wave line both writes go to Master, and the second one wins.
    Rig noWave({Card("Onboard", false)});
    noWave.mixer.Value(0, 0) = PercentToRaw(40);
    WhileOpen(form, [&] { QTest::keyClick(form.tbMaster, Qt::Key_Right); });
    form.Run(nullptr, noWave.volume);
    EXPECT_EQ(noWave.mixer.Value(0, 0), PercentToRaw(40));
}
