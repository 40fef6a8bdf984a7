// The port, refresh-rate, gain, target IMD and noise dialogs, driven through their Run calls.

#include <QLocale>

#include "dialogs/Commands.h"
#include "dialogs/NumberConversion.h"
#include "dialogs/aoxmask.h"
#include "dialogs/noisform.h"
#include "dialogs/ucomport.h"
#include "dialogs/ugain.h"
#include "dialogs/uimd.h"
#include "dialogs/urefresh.h"
#include "integration/dialogs/DialogTestSupport.h"

TEST(PortForm, ShowsThePortBesideTheMainWindowAndReturnsTheTypedText) {
    MainWindowStandIn main;
    TPortForm form;
    WhileOpen(form, [&] {
        ExpectCloseBoxOnly(form);
        EXPECT_EQ(form.windowTitle(), "Com Port Selection");
        EXPECT_EQ(form.pos(), main.DialogPosition());
        EXPECT_EQ(form.ComPortComboBox->currentText(), "COM3");
        EXPECT_EQ(form.ComPortComboBox->count(), 16);
        EXPECT_EQ(form.ComPortComboBox->itemText(15), "COM16");
        EXPECT_TRUE(form.Label2->text().endsWith(QString::fromUtf8(MakerWebAddress.data()) + "."));
        TypeInto(form.ComPortComboBox, "COM123");
    });
    const PortChoice choice = form.Run(&main.window, 3, false);
    EXPECT_EQ(choice.ListText, "COM123");
    EXPECT_EQ(choice.ComPort, 12);
}

TEST(PortForm, NotesFollowTheWindowsFamilyAndAnUnchangedCloseKeepsThePort) {
    TPortForm form;
    QString otherFamilyNote;
    WhileOpen(form, [&] { otherFamilyNote = form.Label1->text(); });
    EXPECT_EQ(form.Run(nullptr, 7, false).ComPort, 7);

    WhileOpen(form, [&] {
        EXPECT_NE(form.Label1->text(), otherFamilyNote);
        EXPECT_EQ(form.Label1->text().toStdString(), PortFormTexts(true).Label1);
        // Picking the next entry from the list.
        QTest::keyClick(form.ComPortComboBox, Qt::Key_Down);
    });
    const PortChoice picked = form.Run(nullptr, 7, true);
    EXPECT_EQ(picked.ListText, "COM8");
    EXPECT_EQ(picked.ComPort, 8);

    form.ShowPort(2);
    EXPECT_EQ(form.ComPortComboBox->currentText(), "COM2");
}

TEST(RefreshForm, ShowsTheCurrentRateAndAppliesWhatItShows) {
    MainWindowStandIn main;
    TRefreshForm form;
    WhileOpen(form, [&] {
        ExpectCloseBoxOnly(form);
        EXPECT_EQ(form.pos(), main.DialogPosition());
        EXPECT_EQ(form.RefreshRateComboBox->currentText(), "Every 0.5 seconds");
    });
    EXPECT_EQ(form.Run(&main.window, 500), 500);

    WhileOpen(form, [&] { EXPECT_EQ(form.RefreshRateComboBox->currentText(), ""); });
    EXPECT_EQ(form.Run(&main.window, 250), 1000);

    WhileOpen(form, [&] { TypeInto(form.RefreshRateComboBox, "EVERY 2 SECONDS"); });
    EXPECT_EQ(form.Run(&main.window, 1000), 2000);
    // Typing did not add an entry.
    EXPECT_EQ(form.RefreshRateComboBox->count(), 3);
}

TEST(GainForm, ShowsTheGainAndClampsWhatTheOperatorTypes) {
    MainWindowStandIn main;
    TGainForm form;
    WhileOpen(form, [&] {
        ExpectCloseBoxOnly(form);
        EXPECT_EQ(form.pos(), main.DialogPosition());
        EXPECT_EQ(form.GainEdit->Text(), " 5.0");
    });
    EXPECT_DOUBLE_EQ(form.Run(&main.window, 5.0), 5.0);

    auto typeGain = [&](const QString& keys) {
        WhileOpen(form, [&form, keys] {
            form.GainEdit->setFocus();
            form.GainEdit->home(false);
            QTest::keyClicks(form.GainEdit, keys);
        });
    };
    typeGain("999");
    EXPECT_DOUBLE_EQ(form.Run(&main.window, 1.0), 10.0);
    typeGain("000");
    EXPECT_DOUBLE_EQ(form.Run(&main.window, 1.0), 0.1);
    typeGain("025");
    EXPECT_DOUBLE_EQ(form.Run(&main.window, 7.5), 2.5);
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
    MainWindowStandIn main;
    TIMDForm form;
    WhileOpen(form, [&] {
        ExpectCloseBoxOnly(form);
        EXPECT_EQ(form.windowTitle(), "Setting the Targe IMD Value");
        EXPECT_EQ(form.pos(), main.DialogPosition());
        EXPECT_EQ(form.TargetIMDComboBox->currentIndex(), 2);
        EXPECT_EQ(form.TargetIMDComboBox->currentText(), "-24db");
    });
    EXPECT_EQ(form.Run(&main.window, -25), -24);

    WhileOpen(form, [&] { EXPECT_EQ(form.TargetIMDComboBox->currentText(), "-30db"); });
    EXPECT_EQ(form.Run(&main.window, -40), -30);

    WhileOpen(form, [&] { TypeInto(form.TargetIMDComboBox, "-28DB"); });
    EXPECT_EQ(form.Run(&main.window, -22), -28);

    // Typed text that names no entry leaves nothing selected: the target stays.
    WhileOpen(form, [&] { TypeInto(form.TargetIMDComboBox, "-18db"); });
    EXPECT_EQ(form.Run(&main.window, -26), -26);

    WhileOpen(form, [&] { QTest::keyClick(form.TargetIMDComboBox, Qt::Key_Down); });
    EXPECT_EQ(form.Run(&main.window, -10), -22);
}

TEST(NoiseForm, ShowsTheFloorInMillivoltsAndStoresTheEntryIndex) {
    MainWindowStandIn main;
    TNoiseForm form;
    WhileOpen(form, [&] {
        ExpectCloseBoxOnly(form);
        EXPECT_EQ(form.pos(), main.DialogPosition());
        EXPECT_EQ(form.Noise->currentText(), "200");
    });
    EXPECT_EQ(form.Run(&main.window, 10), 10);

    WhileOpen(form, [&] { TypeInto(form.Noise, "60"); });
    EXPECT_EQ(form.Run(&main.window, 10), 3);

    WhileOpen(form, [&] { TypeInto(form.Noise, "61"); });
    EXPECT_EQ(form.Run(&main.window, 4), 4);
}

TEST(NoiseForm, AStoredFloorOutsideTheListOpensEmptyAndIsKept) {
    TNoiseForm form;
    WhileOpen(form, [&] {
        EXPECT_EQ(form.Noise->currentText(), "");
        EXPECT_EQ(form.Noise->currentIndex(), -1);
    });
    EXPECT_EQ(form.Run(nullptr, 25), 25);

    WhileOpen(form, [&] { QTest::keyClick(form.Noise, Qt::Key_Down); });
    EXPECT_EQ(form.Run(nullptr, -1), 0);
}
