// Every dialog as the operator sees it with the platform's font: no text cut off, no
// controls on top of each other. Screenshots go to $QUORVANE_ARTIFACTS when it is set.

#include <QAbstractButton>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <cstdlib>

#include "dialogs/about.h"
#include "dialogs/noisform.h"
#include "dialogs/ucard.h"
#include "dialogs/ucomport.h"
#include "dialogs/ugain.h"
#include "dialogs/uimd.h"
#include "dialogs/upower.h"
#include "dialogs/urefresh.h"
#include "dialogs/ushowpower.h"
#include "dialogs/utestcard.h"
#include "fakes/FakeProfileFile.h"
#include "integration/dialogs/DialogTestSupport.h"

namespace {
void SaveScreenshot(QDialog& dialog, const QString& name) {
    const char* folder = std::getenv("QUORVANE_ARTIFACTS");
    if (!folder || !*folder) return;
    QDir dir(QString::fromLocal8Bit(folder));
    ASSERT_TRUE(dir.mkpath("."));
    EXPECT_TRUE(dialog.grab().save(dir.filePath(name + ".png"))) << name.toStdString();
}

bool ShowsText(const QWidget* w) {
    if (!w->isVisible()) return false;
    if (const auto* label = qobject_cast<const QLabel*>(w)) return !label->text().isEmpty();
    return true;
}

void ExpectNothingClipped(QDialog& dialog) {
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!ShowsText(label)) continue;
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, room.width(), 100000), flags, label->text());
        EXPECT_TRUE(room.size().expandedTo(needed.size()) == room.size())
            << label->objectName().toStdString();
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        EXPECT_TRUE(button->size().expandedTo(button->sizeHint()) == button->size())
            << button->objectName().toStdString();
    }
}

// Also keeps every control inside the box.
void ExpectNoOverlaps(QDialog& dialog) {
    QList<QWidget*> shown;
    for (QWidget* w : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (ShowsText(w)) shown.append(w);
    for (int i = 0; i < shown.size(); ++i) {
        const std::string name = shown[i]->objectName().toStdString();
        EXPECT_TRUE(dialog.rect().contains(shown[i]->geometry())) << name;
        for (int j = i + 1; j < shown.size(); ++j) {
            EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                << name << " and " << shown[j]->objectName().toStdString();
        }
    }
}

// Opens a dialog through its command as the main window does and inspects it while open:
// a modal box with only a close button at `where`, all text readable.
template <typename Form, typename RunIt>
void Inspect(Form& form, const QString& name, QPoint where, RunIt run) {
    WhileOpen(form, [&form, name, where] {
        EXPECT_TRUE(form.isModal());
        const Qt::WindowFlags flags = form.windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint) ||
                     flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_TRUE(form.template findChildren<QPushButton*>().isEmpty()) << "no OK or Cancel";
        EXPECT_EQ(form.pos(), where);
        SaveScreenshot(form, name);
        ExpectNothingClipped(form);
        ExpectNoOverlaps(form);
    });
    run();
}

}  // namespace

TEST(DialogRendering, EveryFormAsItOpens) {
    MainWindowStandIn main;
    QWidget* mainWindow = &main.window;
    const QPoint beside = main.window.pos() + QPoint(10, 10);
    for (bool ntFamily : {false, true}) {
        TPortForm form;
        Inspect(form, ntFamily ? "TPortForm-nt" : "TPortForm", beside,
                [&] { form.Run(mainWindow, 1, ntFamily); });
    }
    TRefreshForm refresh;
    Inspect(refresh, "TRefreshForm", beside, [&] { refresh.Run(mainWindow, 1000); });
    TGainForm gain;
    Inspect(gain, "TGainForm", beside, [&] { gain.Run(mainWindow, 5.0); });
    TIMDForm imd;
    Inspect(imd, "TIMDForm", beside, [&] { imd.Run(mainWindow, -22); });
    TNoiseForm noise;
    Inspect(noise, "TNoiseForm", beside, [&] { noise.Run(mainWindow, 10); });

    RecordingPresenter messages;
    TPowerLimitForm limit;
    Inspect(limit, "TPowerLimitForm", beside, [&] { limit.Run(mainWindow, {}, messages); });
    FakeProfileFile file;
    TShowPowerForm show(file);
    Inspect(show, "TShowPowerForm", beside, [&] { show.Run(mainWindow, true); });

    Rig sound({Card("Onboard Audio"), Card("USB Audio CODEC")});
    TSoundCardForm card;
    Inspect(card, "TSoundCardForm", beside,
            [&] { card.Run(mainWindow, sound.volume, 1, sound.presenter); });
    TTestSoundCardForm test;
    Inspect(test, "TTestSoundCardForm", beside, [&] { test.Run(mainWindow, sound.volume); });

    // The About box sits on the main window's corner.
    TAboutForm about;
    Inspect(about, "TAboutForm", main.window.pos(), [&] {
        about.Run(mainWindow, "1.0.0.0", "Debian GNU/Linux 12 (bookworm)",
                  [] { return std::string("QUORVANE firmware not detected"); });
    });
    EXPECT_EQ(about.Label4->text().toStdString(), "go to " + std::string(kMakerWebAddress));
}
