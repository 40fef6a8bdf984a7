#include "app/Translations.h"

#include <QCoreApplication>
#include <QLocale>

#include "base/Translation.h"

namespace {
const QString kCatalogues = QStringLiteral(":/i18n");

std::string TranslateForCore(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

// "de-DE", "de_DE" and "de" all name German.
QString LanguageOf(const QString& code) {
    return code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}
}  // namespace

ProgramTranslations::ProgramTranslations(const QString& asked) {
    const QStringList wanted =
        asked.isEmpty() ? QLocale::system().uiLanguages() : QStringList{asked};
    for (const QString& code : wanted) {
        // English is what the sources say; a later choice must not override it.
        if (LanguageOf(code) == QLatin1String("en") || Load(LanguageOf(code))) break;
    }
    askedUnknown_ =
        !asked.isEmpty() && LanguageOf(asked) != QLatin1String("en") && language_ == "en";
    InstallTextTranslator(&TranslateForCore);
}

ProgramTranslations::~ProgramTranslations() {
    InstallTextTranslator(nullptr);
}

bool ProgramTranslations::Load(const QString& code) {
    if (code.isEmpty() || !program_.load(QStringLiteral("quorvane_") + code, kCatalogues))
        return false;
    QCoreApplication::installTranslator(&program_);
    if (qt_.load(QStringLiteral("qtbase_") + code, kCatalogues))
        QCoreApplication::installTranslator(&qt_);
    language_ = code;
    return true;
}
