#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <tuple>

#include "dialogs/GainDialog.h"
#include "dialogs/NoiseThresholdDialog.h"
#include "dialogs/NumberConversion.h"
#include "dialogs/PortDialog.h"
#include "dialogs/PowerLimitDialog.h"
#include "dialogs/RefreshRateDialog.h"
#include "dialogs/SoundCardDialog.h"
#include "dialogs/TargetImdDialog.h"
#include "support/MixerRig.h"

namespace {

// Runs `act` once the dialog's modal loop runs, then closes it with its close box.
void WhileOpen(QDialog& dialog, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act = std::move(act)] {
        act();
        dialog.close();
    });
}

void TypeInto(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
}

// Each form is built under the locale it runs with, as the program builds them; the
// language table's separator may differ from the locale's.
TEST(FormsTest, ClosingGivesBackTheShownSettingOrWhatWasTyped) {
    const char previousDecimal = DecimalChar;
    for (const auto& [language, decimal] :
         {std::pair{QLocale::German, '.'}, {QLocale::German, ','}, {QLocale::C, '.'}}) {
        QLocale::setDefault(QLocale(language));
        DecimalChar = decimal;
        RefreshRateDialog refresh;
        TargetImdDialog imd;
        NoiseThresholdDialog noise;
        GainDialog gain;
        PortDialog port;
        // A form with the one text field the operator types into, how it closes, what it gives
        // back untouched, a typed text and what that gives.
        const std::tuple<QDialog&, std::function<double()>, double, QString, double> cases[] = {
            {refresh, [&] { return refresh.Run(nullptr, 2000); }, 2000, "every 0.5 SECONDS", 500},
            {imd, [&] { return imd.Run(nullptr, -26); }, -26, "-25db", -26},
            {noise, [&] { return noise.Run(nullptr, 3); }, 3, "65", 3},
            {gain, [&] { return gain.Run(nullptr, 2.5); }, 2.5, "075", 7.5},
            {port, [&] { return port.Run(nullptr, 7, true, PlainPortEntries(16)).ComPort; }, 7,
             "COM12", 12},
        };
        for (const auto& [form, close, untouched, typed, result] : cases) {
            WhileOpen(form, [] {});
            EXPECT_DOUBLE_EQ(close(), untouched) << form.windowTitle().toStdString();
            WhileOpen(form, [&] { TypeInto(form.findChild<QLineEdit*>(), typed); });
            EXPECT_DOUBLE_EQ(close(), result) << typed.toStdString();
            // Esc takes the typing back (Cancel), Enter keeps it (OK). The masked edit takes a
            // first Esc for itself, to undo what was typed since it got the focus.
            for (const auto& [key, expected] :
                 {std::pair{Qt::Key_Escape, untouched}, {Qt::Key_Enter, result}}) {
                WhileOpen(form, [&] {
                    QLineEdit* field = form.findChild<QLineEdit*>();
                    TypeInto(field, typed);
                    QTest::keyClick(field, key);
                    if (&form == &gain && key == Qt::Key_Escape) QTest::keyClick(field, key);
                    EXPECT_FALSE(form.isVisible()) << form.windowTitle().toStdString() << key;
                });
                EXPECT_DOUBLE_EQ(close(), expected) << typed.toStdString() << key;
            }
        }
    }
    DecimalChar = previousDecimal;
}

TEST(FormsTest, PowerLimitFieldsFollowItsCheckBoxAndTooMuchIsCappedWithANote) {
    PowerLimitDialog form;
    RecordingPresenter messages;
    WhileOpen(form, [&] {
        EXPECT_FALSE(form.wattsEdit->isEnabled());
        QTest::mouseClick(form.limitCheckBox, Qt::LeftButton);
        QTest::mouseClick(form.qroButton, Qt::LeftButton);
        TypeInto(form.wattsEdit, "200");
    });
    const PowerLimitSettings result = form.Run(nullptr, PowerLimitSettings{}, messages);
    EXPECT_EQ(std::tuple(result.PowerLimitEnabled, result.QRPJumpered, result.MaxWatts),
              std::tuple(true, false, MaxWattsInRange(false)));
    EXPECT_EQ(messages.Messages(), std::vector{PowerExceedsText(result.MaxWatts, '.')});
}

TEST(FormsTest, SoundCardPicksNoneUntilTheOperatorDoesAndNamesALoneOne) {
    Rig sound({{"Onboard"}, {"USB Audio"}, {"HDMI"}});
    SoundCardDialog form;
    WhileOpen(form, [] {});
    EXPECT_EQ(form.Run(nullptr, sound.volume, 2, sound.presenter), 0);

    Rig lone({{"Onboard"}});
    WhileOpen(form, [] {});  // closes the list should it be shown after all
    EXPECT_EQ(form.Run(nullptr, lone.volume, 0, lone.presenter), std::nullopt);
    EXPECT_EQ(lone.presenter.Messages(), std::vector{OneSoundCardText("Onboard")});
}

}  // namespace
