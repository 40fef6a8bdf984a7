#pragma once
// The program's texts, and Qt's own (standard buttons and dialogs), in the operator's
// language: the first of the desktop's preferred languages that the program has (English
// where English comes first), or the one --language names. The catalogues are embedded
// under :/i18n. The code below the display layer gets its texts through the same
// translators (base/Translation.h).

#include <QString>
#include <QTranslator>

class ProgramTranslations {
public:
    // `asked`: the code given with --language; empty for the desktop's languages.
    explicit ProgramTranslations(const QString& asked);
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    // The language the texts are in: "de", ... or "en".
    QString Language() const { return language_; }
    // --language named a language the program has no translation for.
    bool AskedUnknown() const { return askedUnknown_; }

private:
    bool Load(const QString& code);

    QTranslator program_;
    QTranslator qt_;
    QString language_ = "en";
    bool askedUnknown_ = false;
};
