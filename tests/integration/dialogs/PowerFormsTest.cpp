// The power limit, Show Power and About dialogs.

#include <QCheckBox>
#include <QRadioButton>

#include "dialogs/Commands.h"
#include "dialogs/about.h"
#include "dialogs/upower.h"
#include "dialogs/ushowpower.h"
#include "fakes/FakeProfileFile.h"
#include "integration/dialogs/DialogTestSupport.h"

namespace {
bool LimitControlsEnabled(const TPowerLimitForm& form, bool enabled) {
    return form.QRPRadioButton->isEnabled() == enabled &&
           form.QRORadioButton->isEnabled() == enabled && form.WattsLimit->isEnabled() == enabled;
}
}  // namespace

TEST(PowerLimitForm, CheckBoxEnablesTheJumperAndWattsTogether) {
    TPowerLimitForm form;
    RecordingPresenter messages;
    WhileOpen(form, [&] {
        EXPECT_TRUE(LimitControlsEnabled(form, false));
        QTest::mouseClick(form.PowerLimitCheckBox, Qt::LeftButton);
        EXPECT_TRUE(LimitControlsEnabled(form, true));
        QTest::mouseClick(form.PowerLimitCheckBox, Qt::LeftButton);
        EXPECT_TRUE(LimitControlsEnabled(form, false));
        QTest::mouseClick(form.PowerLimitCheckBox, Qt::LeftButton);
    });
    const PowerLimitSettings result = form.Run(nullptr, PowerLimitSettings{}, messages);
    EXPECT_TRUE(result.PowerLimitEnabled);

    // The next opening shows the setting it is given, with the controls to match.
    WhileOpen(form, [&] {
        EXPECT_FALSE(form.PowerLimitCheckBox->isChecked());
        EXPECT_TRUE(LimitControlsEnabled(form, false));
    });
    EXPECT_FALSE(form.Run(nullptr, PowerLimitSettings{}, messages).PowerLimitEnabled);
}

TEST(PowerLimitForm, WattsWithinRangeGiveTheirVolts) {
    MainWindowStandIn main;
    TPowerLimitForm form;
    RecordingPresenter messages;
    PowerLimitSettings current;
    current.PowerLimitEnabled = true;
    current.MaxWatts = 5.0;
    current.MaxVolts = 4.9;  // stale: recomputed on every close
    current.QRPJumpered = true;
    WhileOpen(form, [&] {
        ExpectCloseBoxOnly(form);
        EXPECT_EQ(form.pos(), main.DialogPosition());
        EXPECT_EQ(form.WattsLimit->text(), " 5.0");
        EXPECT_TRUE(form.QRPRadioButton->isChecked());
        EXPECT_TRUE(LimitControlsEnabled(form, true));
    });
    const PowerLimitSettings result = form.Run(&main.window, current, messages);
    EXPECT_TRUE(result.PowerLimitEnabled);
    EXPECT_TRUE(result.QRPJumpered);
    EXPECT_DOUBLE_EQ(result.MaxWatts, 5.0);
    EXPECT_NEAR(result.MaxVolts, 2.953, 1e-9);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(PowerLimitForm, WattsBeyondTheConverterAreCappedWithANote) {
    TPowerLimitForm form;
    RecordingPresenter messages;
    PowerLimitSettings current;
    current.PowerLimitEnabled = true;
    WhileOpen(form, [&] {
        QTest::mouseClick(form.QRORadioButton, Qt::LeftButton);
        TypeInto(form.WattsLimit, "200");
    });
    const PowerLimitSettings result = form.Run(nullptr, current, messages);
    EXPECT_FALSE(result.QRPJumpered);
    EXPECT_DOUBLE_EQ(result.MaxWatts, 168.0);
    EXPECT_DOUBLE_EQ(result.MaxVolts, 5.0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Power specified exceeds range");
    EXPECT_EQ(messages.shown[0].type, "i");
    EXPECT_EQ(messages.shown[0].message, PowerExceedsText(168.0, '.'));
}

TEST(PowerLimitForm, ClosingWithTheLimitOffStillRecomputesTheVolts) {
    TPowerLimitForm form;
    RecordingPresenter messages;
    PowerLimitSettings current;
    current.PowerLimitEnabled = false;
    current.MaxWatts = 0.5;
    current.MaxVolts = 5.0;
    WhileOpen(form, [] {});
    const PowerLimitSettings result = form.Run(nullptr, current, messages);
    EXPECT_FALSE(result.PowerLimitEnabled);
    EXPECT_DOUBLE_EQ(result.MaxWatts, 1.0);
    EXPECT_NEAR(result.MaxVolts, WattsToVolts(1.0, true), 1e-12);
}

TEST(ShowPowerForm, LoadsItsKeysAtCreationAndSavesThemAtDestruction) {
    FakeProfileFile file;
    file.set("SHOW POWER", "Show Power", "1");
    file.set("POWER LIMITS", "QRP jumpered", "0");
    MainWindowStandIn main;
    {
        TShowPowerForm form(file);
        EXPECT_TRUE(form.ShowPowerChecked());
        // QRO in the file: neither answer is selected until the dialog is used.
        EXPECT_FALSE(form.QRPRadioButton->isChecked());
        EXPECT_FALSE(form.QRORadioButton->isChecked());
        EXPECT_FALSE(form.QrpSelected());

        WhileOpen(form, [&] {
            ExpectCloseBoxOnly(form);
            EXPECT_EQ(form.pos(), main.DialogPosition());
            EXPECT_TRUE(form.QRPRadioButton->isChecked());
            QTest::mouseClick(form.QRORadioButton, Qt::LeftButton);
            QTest::mouseClick(form.ShowPowerCheckBox, Qt::LeftButton);
        });
        EXPECT_FALSE(form.Run(&main.window, true));
        EXPECT_FALSE(form.ShowPowerChecked());
        EXPECT_TRUE(file.writes.empty());
    }
    const std::vector<FakeProfileFile::Access> expected = {{"SHOW POWER", "Show Power", "0"},
                                                           {"POWER LIMITS", "QRP jumpered", "0"}};
    EXPECT_EQ(file.writes, expected);
}

TEST(ShowPowerForm, AnEmptySettingsFileMeansNoDisplayAndQrp) {
    FakeProfileFile file;
    {
        TShowPowerForm form(file);
        EXPECT_FALSE(form.ShowPowerChecked());
        EXPECT_TRUE(form.QrpSelected());
        WhileOpen(form, [&] { EXPECT_TRUE(form.QRORadioButton->isChecked()); });
        EXPECT_FALSE(form.Run(nullptr, false));
        WhileOpen(form, [&] { QTest::mouseClick(form.QRPRadioButton, Qt::LeftButton); });
        EXPECT_TRUE(form.Run(nullptr, false));
    }
    EXPECT_EQ(file.peek("POWER LIMITS", "QRP jumpered"), "1");
    EXPECT_EQ(file.peek("SHOW POWER", "Show Power"), "0");
}

TEST(AboutForm, ShowsTheTextsAndQueriesTheFirmwareOnShowAndOnClick) {
    MainWindowStandIn main;
    TAboutForm form;
    int queries = 0;
    auto firmware = [&queries] {
        ++queries;
        return queries == 1 ? std::string("QUORVANE firmware not detected")
                            : std::string("QUORVANE V1.10");
    };
    WhileOpen(form, [&] {
        ExpectCloseBoxOnly(form);
        EXPECT_EQ(form.windowTitle(), "About Quorvane");
        EXPECT_EQ(form.VersionNumber->text(), "Quorvane Version 1.0.0.0");
        EXPECT_EQ(form.OSVersion->text(), "Operating System: Debian GNU/Linux 12");
        EXPECT_EQ(form.Label4->text().toStdString(), "go to " + std::string(MakerWebAddress));
        EXPECT_EQ(queries, 1);
        EXPECT_EQ(form.FirmwareInfoLabel->text(), "Firmware: QUORVANE firmware not detected");
        // The box sits on the main window's corner, not beside it.
        EXPECT_EQ(form.pos(), main.window.pos());

        QTest::mouseClick(form.FirmwareInfoLabel, Qt::LeftButton);
        EXPECT_EQ(queries, 2);
        EXPECT_EQ(form.FirmwareInfoLabel->text(), "Firmware: QUORVANE V1.10");
    });
    form.Run(&main.window, "1.0.0.0", "Debian GNU/Linux 12", firmware);
    EXPECT_EQ(queries, 2);
}
