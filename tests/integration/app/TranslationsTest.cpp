// The program's texts in another language: the pop-up menus as the embedded catalogue
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

TEST(TranslationsTest, MenusAndQtsOwnTextsComeInTheLanguageChosen) {
    std::map<QString, QString> english;
    {
        MainWindowHarness h({});
        ASSERT_TRUE(h.Start());
        english = MenuEntries(h.Form());
    }
    for (const char* code : {"de", "ja"}) {
        const ProgramTranslations translations(code);
        ASSERT_EQ(translations.Language(), code);
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QString(":/i18n/quorvane_") + code));
        MainWindowHarness h({});
        ASSERT_TRUE(h.Start());
        for (const auto& [name, text] : MenuEntries(h.Form())) {
            const QString translated = catalogue.translate("MainWindow", english[name].toUtf8());
            EXPECT_EQ(text.toStdString(),
                      (translated.isEmpty() ? english[name] : translated).toStdString())
                << code;
        }
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel") << code;
    }
    EXPECT_TRUE(ProgramTranslations("xx").AskedUnknown());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

}  // namespace
