// The program's texts in the language chosen: the pop-up menus as the embedded catalogue
// translates them, and Qt's own texts (the standard buttons) from Qt's catalogue.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>
#include <QTranslator>
#include <map>

#include "app/Translations.h"
#include "support/app/MainWindowHarness.h"

namespace {

std::map<QString, QString> MenuEntries(MainWindow& form) {
    std::map<QString, QString> entries;
    for (const char* menu : {"contextMenu", "trayMenu"})
        for (const QAction* action : form.findChild<QMenu*>(menu)->actions())
            entries[action->objectName()] = action->text();
    return entries;
}

// English, then two translations; a language without a catalogue keeps English.
TEST(TranslationsTest, MenusAndQtsOwnTextsComeInTheLanguageChosen) {
    std::map<QString, QString> english;
    for (const QString code : {"en", "de", "ja"}) {
        const ProgramTranslations translations(code);
        EXPECT_EQ(translations.Language(), code);
        QTranslator catalogue;
        EXPECT_EQ(catalogue.load(":/i18n/quorvane_" + code), code != "en");
        MainWindowHarness h({});
        ASSERT_TRUE(h.Start());
        for (const auto& [name, text] : MenuEntries(h.Form())) {
            if (code == "en") english[name] = text;
            const QString translated = catalogue.translate("MainWindow", english[name].toUtf8());
            EXPECT_EQ(text.toStdString(),
                      (translated.isEmpty() ? english[name] : translated).toStdString());
        }
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel",
                  code == "en");
    }
    EXPECT_TRUE(ProgramTranslations("xx").AskedUnknown());
}

}  // namespace
