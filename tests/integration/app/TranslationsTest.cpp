// The program's texts in the language chosen.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <map>

#include "app/StatusPanel.h"
#include "app/Translations.h"
#include "support/app/MainWindowHarness.h"

namespace {

// Every text of `window` whole: each control, as far as the window shows it, as wide and
// high as its text needs (a wrapped label as high as its width needs).
void ExpectTextsWhole(QWidget* window, const QString& code) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty() || !w->isVisibleTo(window)) continue;
        const QSize needed = label && label->wordWrap()
                                 ? QSize(w->width(), label->heightForWidth(w->width()))
                                 : w->sizeHint();
        // What the window shows of the control: a control may reach past the window's edge.
        const QRect shown = QRect(w->mapTo(window, QPoint(0, 0)), w->size()) & window->rect();
        const std::string where =
            (code + " " + window->objectName() + "/" + w->objectName() + ": " + text).toStdString();
        EXPECT_LE(needed.width(), shown.width()) << where;
        EXPECT_LE(needed.height(), shown.height()) << where;
    }
}

// In English and in every language shipped: the pop-up menus as the embedded catalogue
// translates them, Qt's own texts (the standard buttons) from Qt's catalogue, and each
// window the pop-up menu opens, and the status line with a frame's figures, with their texts
// whole. A language without a catalogue keeps English.
TEST(TranslationsTest, EveryWindowShowsItsTextsWholeInEachLanguage) {
    std::map<QString, QString> english;
    for (const QString code : {"en", "de", "es", "fr", "it", "ja"}) {
        const ProgramTranslations translations(code);
        EXPECT_EQ(translations.Language(), code);
        QTranslator catalogue;
        EXPECT_EQ(catalogue.load(":/i18n/quorvane_" + code), code != "en");
        MainWindowHarness::Options twoCards;  // the sound card dialog opens for a choice
        twoCards.mixer.push_back(OneCardMixer()[0]);
        MainWindowHarness h(twoCards);
        ASSERT_TRUE(h.Start());
        for (const char* menu : {"contextMenu", "trayMenu"}) {
            for (const QAction* action : h.Form().findChild<QMenu*>(menu)->actions()) {
                QString& inEnglish = english[action->objectName()];
                if (code == "en") inEnglish = action->text();
                const QString translated = catalogue.translate("MainWindow", inEnglish.toUtf8());
                EXPECT_EQ(action->text().toStdString(),
                          (translated.isEmpty() ? inEnglish : translated).toStdString());
            }
        }
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel",
                  code == "en");
        // Wide enough for the whole status line, which a narrower window cuts at its edge.
        h.Form().resize(640, h.Form().height());
        h.Cycle();
        ExpectTextsWhole(h.Probe().StatusLine(), code);
        for (const char* command :
             {"choosePort", "chooseRefreshRate", "chooseGain", "chooseTargetImd",
              "chooseNoiseThreshold", "choosePowerLimit", "chooseShowPower", "chooseMqtt",
              "chooseSoundCard", "testSoundCard", "showAbout", "openHistory", "findBestLevel"}) {
            int seen = 0;
            QTimer look;
            QObject::connect(&look, &QTimer::timeout, [&] {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (!w->isVisible() || w == &h.Form() || qobject_cast<QMenu*>(w)) continue;
                    ExpectTextsWhole(w, code);
                    ++seen;
                    w->close();
                }
            });
            look.start(20);
            h.Command(command)->trigger();
            for (int i = 0; i < 100 && seen == 0; ++i) QTest::qWait(20);
            EXPECT_GT(seen, 0) << command << " opened no window";
        }
    }
    EXPECT_TRUE(ProgramTranslations("xx").AskedUnknown());
}

}  // namespace
