#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "dialogs/Commands.h"
#include "platform/NativePlatform.h"
#include "platform/ParentConsole.h"

namespace {

class QuorvaneOptions {
public:
    QuorvaneOptions() {
        parser_.setApplicationDescription(
            "Monitors a PSK31/PSK63 transmitter's RF envelope with the Quorvane meter on a "
            "serial port.");
        // Qt's options are single-dash words (-platform, -reverse); read as bundles of
        // letters they would look like -v or -h.
        parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser_.addOption(help_);
        parser_.addOption(version_);
        parser_.addOption(language_);
    }

    bool Parse(const QStringList& arguments) { return parser_.parse(arguments); }
    bool HelpAsked() const { return parser_.isSet(help_); }
    bool VersionAsked() const { return parser_.isSet(version_); }
    QString Error() const { return parser_.errorText(); }
    QString Usage() const { return parser_.helpText(); }
    QString Language() const { return parser_.value(language_); }

private:
    QCommandLineParser parser_;
    QCommandLineOption help_{{"h", "help"}, "Shows this help and ends."};
    QCommandLineOption version_{{"v", "version"}, "Shows the program's version and ends."};
    QCommandLineOption language_{
        "language",
        "Shows the program in the language CODE (de, es, fr, it, ja; en for English) instead of "
        "the desktop's.",
        "CODE"};
};

void Print(std::FILE* stream, const QString& text) {
    AttachParentConsole();
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

std::optional<int> AnswerCommandLineQuestions(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QuorvaneOptions options;
    // Unknown options are judged after QApplication, which knows which of them are Qt's.
    options.Parse(arguments);
    if (options.VersionAsked() && !options.HelpAsked()) {
        NativeSystemInfo system;
        Print(stdout, QString::fromStdString(AboutVersionText(system.ProgramVersion())) + "\n");
        return 0;
    }
    if (!options.HelpAsked()) return std::nullopt;
    // The usage names the program as it was called, which it reads from the application.
    QCoreApplication core(argc, argv);
    Print(stdout, options.Usage());
    return 0;
}

QString LanguageAsked(const QStringList& arguments) {
    QuorvaneOptions options;
    options.Parse(arguments);
    return options.Language();
}

std::optional<int> RefuseUnknownOptions(const QStringList& arguments) {
    QuorvaneOptions options;
    if (options.Parse(arguments)) return std::nullopt;
    Print(stderr, "quorvane: " + options.Error() + "\n" + options.Usage());
    return 2;
}
