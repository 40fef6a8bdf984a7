#pragma once
// The program's command line. Qt's own options (-platform, -style, ...) belong to
// QApplication, which takes them out of the arguments when it is made; the questions
// answered here (--help, --version) need no display, so they are answered before it.

#include <QStringList>
#include <optional>

// Before QApplication: answers --help or --version on standard output and returns 0;
// nothing when the program is to start.
std::optional<int> AnswerCommandLineQuestions(int argc, char** argv);

// After QApplication, with what Qt's options left: names an unknown option and shows the
// usage on standard error and returns 2; nothing when all options are known.
std::optional<int> RefuseUnknownOptions(const QStringList& arguments);

// The code --language names ("de"), or empty for the desktop's language.
QString LanguageAsked(const QStringList& arguments);
