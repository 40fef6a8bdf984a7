#pragma once
// Operator-facing texts of the code below the display layer, which knows nothing of Qt.
// TRANSLATABLE(context, text) only marks a text for lupdate (read as QT_TRANSLATE_NOOP);
// the display layer translates it where it shows it. Translated(context, text) reads as
// QCoreApplication::translate to lupdate (scripts/update-translations passes both aliases):
// it asks the translator the display layer installs at start, so that texts put together
// from parts (FilledIn) can be translated whole. Without one (the tests, the tools) every
// text stays English.

#include <initializer_list>
#include <string>
#include <string_view>

#define TRANSLATABLE(context, text) text

// The text in the operator's language; the English text when there is none.
using TextTranslator = std::string (*)(const char* context, const char* text);

inline TextTranslator& InstalledTextTranslator() {
    static TextTranslator translator = nullptr;
    return translator;
}

inline void InstallTextTranslator(TextTranslator translator) {
    InstalledTextTranslator() = translator;
}

// `pattern` with %1 to %9 replaced by args, as QString::arg would.
inline std::string FilledIn(std::string_view pattern,
                            std::initializer_list<std::string_view> args = {}) {
    std::string result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = next >= '1' && next <= '9' ? std::size_t(next - '1') : args.size();
        if (pattern[i] == '%' && n < args.size()) {
            result += args.begin()[n];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

// The text in the operator's language; parts go in with FilledIn afterwards.
inline std::string Translated(const char* context, const char* text) {
    const TextTranslator translator = InstalledTextTranslator();
    return translator ? translator(context, text) : std::string(text);
}

// For texts the log gets too: `text` (marked TRANSLATABLE where it is written) in English
// when `english`, else translated; parts filled in.
inline std::string TextIn(bool english, const char* context, const char* text,
                          std::initializer_list<std::string_view> parts = {}) {
    return FilledIn(english ? std::string(text) : Translated(context, text), parts);
}
