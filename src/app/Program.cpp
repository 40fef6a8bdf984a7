#include "app/Program.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/DialogSet.h"
#include "app/TerminationSignals.h"
#include "app/umain.h"
#include "audio/usound.h"
#include "desktop/QtOnlyOne.h"
#include "dialogs/NumberConversion.h"
#include "dialogs/oxdialog.h"
#include "meter/SharedPortDecision.h"
#include "meter/rig_port.h"
#include "platform/NativePlatform.h"

namespace {

// Once a signal has asked the program to end, no note waits for the operator any more.
class EndingAwarePresenter final : public MessagePresenter {
public:
    char MessageDialog(const std::string& caption, const std::string& type,
                       const std::string& message, const std::string& buttons) override {
        if (TerminationRequested()) return ' ';
        return dialogs_.MessageDialog(caption, type, message, buttons);
    }

private:
    QtMessagePresenter dialogs_;
};

void ShowMainWindow(TMainForm& form) {
    if (form.windowState() & Qt::WindowMinimized)
        form.showMinimized();
    else if (form.windowState() & Qt::WindowMaximized)
        form.showMaximized();
    else
        form.show();
}

}  // namespace

int RunQuorvane(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("quorvane");
    // Closing the main window ends the program; hidden dialogs and the tray don't count.
    QApplication::setQuitOnLastWindowClosed(true);

    // The guard runs before the settings, the log or the port are touched, so that a
    // second start leaves the running instance's files and port alone.
    std::unique_ptr<QtOnlyOne> guard;
    try {
        guard = std::make_unique<QtOnlyOne>("quorvane");
    } catch (const ESharedMemError& error) {
        QMessageBox::critical(nullptr, "quorvane", QString::fromStdString(error.what()));
        return 1;
    }
    if (guard->MustEnd()) return 0;

    NativeSystemInfo system;
    InitNumberConversion(system.userLanguageId());
    NativeSerialPorts ports;
    NativeProfileFile profile;
    NativeMixer mixer;
    EndingAwarePresenter messages;
    NativeDriverServices driverServices;
    RigPort rigPort(driverServices, ports);
    SharedPortDecision sharing(driverServices, rigPort);

    int status = 0;
    {
        TMainForm mainForm({ports, profile, system, mixer, messages, &sharing});
        guard->BringForward(&mainForm);
        QuitOnTerminationSignals(&mainForm);
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainForm,
                         [] { QCoreApplication::exit(0); });
        // Start-up reads the settings file once, the dialogs' keys included; shutdown
        // writes it once, in one replace, the dialogs' keys included.
        std::optional<ProfileBatch> startup(std::in_place, profile);
        std::optional<ProfileBatch> shutdown;
        if (!mainForm.FormCreate()) return 1;
        {
            DialogSet dialogs(profile);
            startup.reset();
            mainForm.AttachDialogs(dialogs.View());
            ShowMainWindow(mainForm);
            if (!TerminationRequested()) status = app.exec();
            mainForm.Timer1->stop();
            mainForm.WaitForCycle();
            // The driver is unloaded before any window goes; the port it serves is
            // closed afterwards by the main window.
            rigPort.FinalizePortDriver();
            mainForm.AttachDialogs({});
            shutdown.emplace(profile);
        }
        mainForm.FormDestroy();
        // The log is closed by now; the terminal or the session's journal still hears it.
        if (!shutdown->Commit())
            std::fputs("quorvane: could not write the settings file\n", stderr);
    }
    VolumeControl.reset();
    return status;
}
