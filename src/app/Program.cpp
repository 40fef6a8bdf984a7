#include "app/Program.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QSessionManager>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/CommandLine.h"
#include "app/DialogSet.h"
#include "app/DisplayPlatformSetup.h"
#include "app/MainWindow.h"
#include "app/TerminationSignals.h"
#include "app/Translations.h"
#include "audio/MixerInventory.h"
#include "desktop/QtSingleInstance.h"
#include "dialogs/MessageDialog.h"
#include "dialogs/NumberConversion.h"
#include "meter/PortSharingDriver.h"
#include "meter/SharedPortDecision.h"
#include "platform/NativePlatform.h"
#include "settings/Settings.h"
#include "settings/UserFilePlaces.h"

namespace {

// Once a signal has asked the program to end, no note waits for the operator any more.
class EndingAwarePresenter final : public MessagePresenter {
public:
    MessageAnswer ShowMessage(const std::string& caption, MessageKind kind,
                              const std::string& message) override {
        if (TerminationRequested()) return MessageAnswer::Closed;
        return dialogs_.ShowMessage(caption, kind, message);
    }

private:
    QtMessagePresenter dialogs_;
};

// The program's icon at every size it is drawn in, from the executable's resources.
QIcon ProgramIcon() {
    QIcon icon;
    QDirIterator files(":/icons", {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) icon.addFile(files.next());
    return icon;
}

// A settings file that could not be written loses the session's choices: say so, naming it.
void ReportFailedSave(MessagePresenter& messages, const std::string& path, bool mayAsk) {
    std::fprintf(stderr, "quorvane: Could not write the settings file %s.\n", path.c_str());
    const QString text =
        QCoreApplication::translate("Program", "Could not write the settings file %1.");
    if (mayAsk)
        messages.ShowMessage(QCoreApplication::translate("Program", "Error").toStdString(),
                             MessageKind::Error,
                             text.arg(QString::fromStdString(path)).toStdString());
}

void ShowMainWindow(MainWindow& form) {
    if (form.windowState() & Qt::WindowMinimized)
        form.showMinimized();
    else if (form.windowState() & Qt::WindowMaximized)
        form.showMaximized();
    else
        form.show();
}

}  // namespace

int RunQuorvane(int argc, char** argv) {
    // Answered before the single-instance guard too, so a running copy does not matter.
    if (const std::optional<int> answered = AnswerCommandLineQuestions(argc, argv))
        return *answered;
    // The settings file is known before Qt starts, which reads the platform to run on from
    // it. A first start per user copies the older file there; a second start finds it made.
    NativeUserFolders folders;
    const SettingsPlace settingsPlace = ChooseSettingsFile(folders);
    if (settingsPlace.seedFailed)
        std::fprintf(stderr, "quorvane: could not copy the older settings to %s\n",
                     settingsPlace.path.c_str());
    NativeProfileFile profile(settingsPlace.path);
#ifndef _WIN32
    if (!SelectDisplayPlatform(argc, argv,
                               profile.Read(IniKey::kMisc, IniKey::kPlatform).value_or("")))
        return 1;
#endif
    QApplication app(argc, argv);
#ifndef _WIN32
    ForgetSelectedPlatform();
#endif
    QApplication::setApplicationName("quorvane");
    if (const std::optional<int> refused = RefuseUnknownOptions(QApplication::arguments()))
        return *refused;
    // Before any window or text is made.
    const QString language = LanguageAsked(QApplication::arguments());
    const ProgramTranslations translations(language);
    const std::string languageNote =
        translations.AskedUnknown()
            ? "No translation for --language " + language.toStdString() + ": the texts stay English"
            : "Language: " + translations.Language().toStdString();
    if (translations.AskedUnknown()) std::fprintf(stderr, "quorvane: %s\n", languageNote.c_str());
    QApplication::setWindowIcon(ProgramIcon());
    // Ties the windows to the installed desktop entry (its icon and name in docks).
    QGuiApplication::setDesktopFileName("org.quorvane.Quorvane");
    // Closing the main window ends the program; hidden dialogs and the tray don't count.
    QApplication::setQuitOnLastWindowClosed(true);

    // The guard runs before the settings, the log or the port are touched, so that a
    // second start leaves the running instance's files and port alone.
    std::unique_ptr<QtSingleInstance> guard;
    try {
        guard = std::make_unique<QtSingleInstance>("quorvane");
    } catch (const SharedBlockError& error) {
        // Whatever another user put in the way, the operator's start goes on.
        std::fprintf(stderr, "quorvane: %s; running without the single-instance guard\n",
                     error.what());
    }
    if (guard && guard->MustEnd()) return 0;

    NativeSystemInfo system;
    InitNumberConversion(system.UserLanguageId());
    NativeSerialPorts ports;
    NativeSerialDevices devices;
    NativeMixer mixer;
    EndingAwarePresenter messages;
    NativeDriverServices driverServices;
    NativeCuePlayer cues;
    PortSharingDriver rigPort(driverServices, ports);
    SharedPortDecision sharing(driverServices, rigPort);

    int status = 0;
    {
        MainWindow mainForm(
            {ports, profile, system, mixer, messages, &sharing, &devices, &folders, &cues});
        if (guard) guard->BringForward(&mainForm);
        QuitOnTerminationSignals(&mainForm);
        // Start-up reads the settings file once, the dialogs' keys included; shutdown
        // writes it once, in one replace, the dialogs' keys included.
        std::optional<ProfileBatch> startup(std::in_place, profile);
        if (!mainForm.StartUp()) return 1;
        mainForm.Log(languageNote);
        DialogSet dialogs;
        startup.reset();
        mainForm.AttachDialogs(&dialogs);
        // The shutdown save, once: at the end of the event loop, or from the session
        // manager's commit request at a log-off or shutdown, since Windows may end the
        // process as soon as it has answered that (WM_QUERYENDSESSION, WM_ENDSESSION).
        bool finished = false;
        // A failed save is shown when the session allows it (asked only then: on X11 the
        // question goes to the session manager).
        const auto finish = [&](QSessionManager* session) {
            if (finished) return;
            finished = true;
            mainForm.PollTimer()->stop();
            mainForm.WaitForCycle();
            // The driver is unloaded before any window goes; the port it serves is
            // closed afterwards by the main window.
            rigPort.FinalizePortDriver();
            mainForm.AttachDialogs(nullptr);
            ProfileBatch shutdown(profile);
            mainForm.ShutDown();
            if (!shutdown.Commit())
                ReportFailedSave(
                    messages, settingsPlace.path,
                    !TerminationRequested() && (!session || session->allowsInteraction()));
        };
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainForm,
                         [&](QSessionManager& session) {
                             finish(&session);
                             QCoreApplication::exit(0);
                         });
        ShowMainWindow(mainForm);
        if (!TerminationRequested()) status = app.exec();
        finish(nullptr);
    }
    return status;
}
