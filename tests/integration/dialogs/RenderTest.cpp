// Every dialog as the operator sees it with the platform's font: no text cut off, no
// controls on top of each other. Screenshots go to $QUORVANE_ARTIFACTS when it is set.

#include <QAbstractButton>
#include <QDir>
#include <QFontMetrics>
#include <QPixmap>
#include <cstdlib>
#include <memory>

#include "audio/usound.h"
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
#include "fakes/FakeMixer.h"
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
    const QRect box = dialog.rect();
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!ShowsText(label)) continue;
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, room.width(), 100000), flags, label->text());
        EXPECT_LE(needed.width(), room.width()) << label->objectName().toStdString();
        EXPECT_LE(needed.height(), room.height()) << label->objectName().toStdString();
        EXPECT_TRUE(box.contains(QRect(label->mapTo(&dialog, QPoint()), label->size())))
            << label->objectName().toStdString();
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        EXPECT_GE(button->width(), button->sizeHint().width())
            << button->objectName().toStdString();
        EXPECT_GE(button->height(), button->sizeHint().height())
            << button->objectName().toStdString();
        EXPECT_TRUE(box.contains(button->geometry())) << button->objectName().toStdString();
    }
}

void ExpectNoOverlaps(QDialog& dialog) {
    QList<QWidget*> shown;
    for (QWidget* w : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (ShowsText(w)) shown.append(w);
    for (int i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(dialog.rect().contains(shown[i]->geometry()))
            << shown[i]->objectName().toStdString();
        for (int j = i + 1; j < shown.size(); ++j) {
            EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                << shown[i]->objectName().toStdString() << " and "
                << shown[j]->objectName().toStdString();
        }
    }
}

// Opens a dialog through its command the way the main window does and inspects it open.
template <typename Form, typename RunIt>
void Inspect(Form& form, const QString& name, RunIt run) {
    WhileOpen(form, [&form, name] {
        SaveScreenshot(form, name);
        ExpectNothingClipped(form);
        ExpectNoOverlaps(form);
    });
    run();
}

FakeDevice Card(const std::string& name) {
    FakeDestination playback;
    playback.Line = FakeLineOf("Volume Control", component::DstSpeakers, {FakeVolume(32768)});
    playback.Sources.push_back(FakeLineOf("Wave", component::SrcWaveOut, {FakeVolume(16384)}));
    FakeDevice device;
    device.ProductName = name;
    device.Destinations.push_back(playback);
    return device;
}
}  // namespace

TEST(DialogRendering, PortForm) {
    for (bool ntFamily : {false, true}) {
        TPortForm form;
        Inspect(form, ntFamily ? "TPortForm-nt" : "TPortForm",
                [&] { form.Run(nullptr, 1, ntFamily); });
    }
}

TEST(DialogRendering, LevelControlForms) {
    TRefreshForm refresh;
    Inspect(refresh, "TRefreshForm", [&] { refresh.Run(nullptr, 1000); });
    TGainForm gain;
    Inspect(gain, "TGainForm", [&] { gain.Run(nullptr, 5.0); });
    TIMDForm imd;
    Inspect(imd, "TIMDForm", [&] { imd.Run(nullptr, -22); });
    TNoiseForm noise;
    Inspect(noise, "TNoiseForm", [&] { noise.Run(nullptr, 10); });
}

TEST(DialogRendering, PowerForms) {
    RecordingPresenter messages;
    TPowerLimitForm limit;
    PowerLimitSettings current;
    current.PowerLimitEnabled = true;
    Inspect(limit, "TPowerLimitForm", [&] { limit.Run(nullptr, current, messages); });
    FakeProfileFile file;
    TShowPowerForm show(file);
    Inspect(show, "TShowPowerForm", [&] { show.Run(nullptr, true); });
}

TEST(DialogRendering, SoundCardForms) {
    FakeMixer mixer({Card("Onboard Audio"), Card("USB Audio CODEC")});
    RecordingPresenter messages;
    TspVolumeControl volume(mixer, messages, 0, 1);
    TSoundCardForm card;
    Inspect(card, "TSoundCardForm", [&] { card.Run(nullptr, volume, 1, messages); });
    TTestSoundCardForm test;
    Inspect(test, "TTestSoundCardForm", [&] { test.Run(nullptr, volume); });
}

TEST(DialogRendering, AboutForm) {
    TAboutForm about;
    Inspect(about, "TAboutForm", [&] {
        about.Run(nullptr, "1.0.0.0", "Debian GNU/Linux 12 (bookworm)",
                  [] { return std::string("QUORVANE firmware not detected"); });
    });
}
