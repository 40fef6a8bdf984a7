// The port, level-control, power and About dialogs, driven through their Run calls.

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>

#include "dialogs/Commands.h"
#include "dialogs/NumberConversion.h"
#include "dialogs/about.h"
#include "dialogs/aoxmask.h"
#include "dialogs/noisform.h"
#include "dialogs/ucomport.h"
#include "dialogs/ugain.h"
#include "dialogs/uimd.h"
#include "dialogs/upower.h"
#include "dialogs/urefresh.h"
#include "dialogs/ushowpower.h"
#include "fakes/FakeProfileFile.h"
#include "integration/dialogs/DialogTestSupport.h"

TEST(PortForm, ReturnsTheTextAsLeftAndThePortItNames) {
    TPortForm form;
    WhileOpen(form, [&] {
        EXPECT_EQ(form.ComPortComboBox->currentText(), "COM3");
        TypeInto(form.ComPortComboBox, "COM123");
    });
    const PortChoice typed = form.Run(nullptr, 3, false);
    EXPECT_EQ(typed.ListText, "COM123");
    EXPECT_EQ(typed.ComPort, 12);

    // The arrow keys go on from the port shown.
    WhileOpen(form, [&] { QTest::keyClick(form.ComPortComboBox, Qt::Key_Down); });
    EXPECT_EQ(form.Run(nullptr, 7, true).ComPort, 8);
}

TEST(RefreshForm, ShowsTheCurrentRateAndAppliesWhatItShows) {
    TRefreshForm form;

    WhileOpen(form, [&] { EXPECT_EQ(form.RefreshRateComboBox->currentText(), ""); });
    EXPECT_EQ(form.Run(nullptr, 250), 1000);
    WhileOpen(form, [&] { TypeInto(form.RefreshRateComboBox, "EVERY 2 SECONDS"); });
    EXPECT_EQ(form.Run(nullptr, 1000), 2000);
    EXPECT_EQ(form.RefreshRateComboBox->count(), 3) << "typing must not add entries";
}

TEST(GainForm, ShowsTheGainAndClampsWhatTheOperatorTypes) {
    TGainForm form;
    WhileOpen(form, [&] {
        EXPECT_EQ(form.GainEdit->Text(), " 5.0");
        form.GainEdit->home(false);
        QTest::keyClicks(form.GainEdit, "999");
    });
    EXPECT_DOUBLE_EQ(form.Run(nullptr, 5.0), 10.0);
}

TEST(GainForm, UsesTheLocaleSeparatorBothWays) {
    const QLocale previousLocale;
    const char previousDecimal = DecimalChar;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DecimalChar = ',';
    {
        TGainForm form;
        WhileOpen(form, [&] { EXPECT_EQ(form.GainEdit->Text(), " 2,5"); });
        EXPECT_DOUBLE_EQ(form.Run(nullptr, 2.5), 2.5);
    }
    QLocale::setDefault(previousLocale);
    DecimalChar = previousDecimal;
}

TEST(IMDForm, OpensOnTheNearestEntryAndKeepsTheTargetForUnknownText) {
    TIMDForm form;
    WhileOpen(form, [&] {
        EXPECT_EQ(form.TargetIMDComboBox->currentIndex(), 2);
        EXPECT_EQ(form.TargetIMDComboBox->currentText(), "-24db");
    });
    EXPECT_EQ(form.Run(nullptr, -25), -24);

    WhileOpen(form, [&] { TypeInto(form.TargetIMDComboBox, "-18db"); });
    EXPECT_EQ(form.Run(nullptr, -26), -26);
}

TEST(NoiseForm, StoresTheEntryIndexAndKeepsAFloorOutsideTheList) {
    TNoiseForm form;
    WhileOpen(form, [&] {
        EXPECT_EQ(form.Noise->currentText(), "200");
        TypeInto(form.Noise, "60");
    });
    EXPECT_EQ(form.Run(nullptr, 10), 3);
    WhileOpen(form, [&] { EXPECT_EQ(form.Noise->currentText(), ""); });
    EXPECT_EQ(form.Run(nullptr, 25), 25);
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
    EXPECT_EQ(messages.shown[0].caption, "Power specified exceeds range");
    EXPECT_EQ(messages.shown[0].type, "i");
    EXPECT_EQ(messages.shown[0].message, PowerExceedsText(168.0, '.'));
}

TEST(ShowPowerForm, LoadsItsKeysAtCreationAndSavesThemAtDestruction) {
    FakeProfileFile file;
    file.set("SHOW POWER", "Show Power", "1");
    file.set("POWER LIMITS", "QRP jumpered", "0");
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

TEST(AboutForm, QueriesTheFirmwareWhenShownAndWhenItsLineIsClicked) {
    TAboutForm form;
    int queries = 0;
    auto firmware = [&queries] {
        return ++queries == 1 ? std::string("QUORVANE firmware not detected")
                              : std::string("QUORVANE V1.10");
    };
    WhileOpen(form, [&] {
        EXPECT_EQ(form.VersionNumber->text(), "Quorvane Version 1.0.0.0");
        EXPECT_EQ(form.OSVersion->text(), "Operating System: Debian GNU/Linux 12");
        EXPECT_EQ(form.FirmwareInfoLabel->text(), "Firmware: QUORVANE firmware not detected");
        QTest::mouseClick(form.FirmwareInfoLabel, Qt::LeftButton);
        EXPECT_EQ(form.FirmwareInfoLabel->text(), "Firmware: QUORVANE V1.10");
    });
    form.Run(nullptr, "1.0.0.0", "Debian GNU/Linux 12", firmware);
    EXPECT_EQ(queries, 2);
}
