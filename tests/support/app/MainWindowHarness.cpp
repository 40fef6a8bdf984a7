#include "support/app/MainWindowHarness.h"

#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <filesystem>
#include <stdexcept>

#include "app/StatusPanel.h"
#include "audio/MixerInventory.h"
#include "fldigi/FldigiLink.h"
#include "rig/RigLink.h"

namespace fs = std::filesystem;

std::vector<FakeDevice> OneCardMixer() {
    FakeDevice card;
    card.ProductName = "Test Card";
    card.Destinations = {{FakeLineOf("Volume Control", {FakeVolume(PercentToRaw(75)), FakeMute()}),
                          {FakeLineOf("Wave", {FakeVolume(PercentToRaw(80)), FakeMute()})}},
                         {FakeLineOf("Recording Control", {FakeVolume()}),
                          {FakeLineOf("Microphone", {FakeVolume()})}}};
    return {card};
}

MainWindowHarness::MainWindowHarness(Options options)
    : mixer_(options.mixer), realMixer_(options.realMixer), cues_(options.cues) {
    fs::create_directories(home_.ConfigDir() + "/dosdevices");
    if (!options.settings.empty()) home_.WriteSettings(options.settings);
    meter_ = std::make_unique<MeterSim>(LinkPath(1), options.meter);
    profile_ = std::make_unique<LinuxProfileFile>(home_.SettingsPath());
    // quorvane.log is written to the working directory: give each test its own. Last, so
    // that a failure above leaves the working directory alone.
    workDir_ = home_.Root() + "/work";
    fs::create_directories(workDir_);
    previousDir_ = fs::current_path().string();
    fs::current_path(workDir_);
}

MainWindowHarness::~MainWindowHarness() {
    Shutdown();
    form_.reset();
    meter_.reset();
    std::error_code ignored;
    fs::current_path(previousDir_, ignored);
}

bool MainWindowHarness::Start() {
    form_ = std::make_unique<MainWindow>(
        MainWindowServices{ports_, *profile_, system_, realMixer_ ? *realMixer_ : mixer_, messages_,
                           &sharing_, &devices_, nullptr, cues_});
    if (!form_->StartUp()) {
        shutDown_ = true;
        return false;
    }
    dialogs_ = std::make_unique<DialogSet>();
    form_->AttachDialogs(dialogs_.get());
    form_->show();
    form_->PollTimer()->stop();
    return true;
}

void MainWindowHarness::Cycle() {
    form_->PollTick();
    form_->WaitForCycle();
}

void MainWindowHarness::FollowingCycles(int count) {
    for (int i = 0; i < count; ++i) {
        Cycle();
        for (int waits = 0;
             waits < 5000 && (Probe().Fldigi()->InFlight() || Probe().Rig()->InFlight()); ++waits) {
            QCoreApplication::processEvents();
            ::usleep(1000);
        }
    }
}

void MainWindowHarness::Shutdown() {
    if (shutDown_ || !form_) return;
    shutDown_ = true;
    form_->PollTimer()->stop();
    form_->WaitForCycle();
    form_->AttachDialogs(nullptr);
    dialogs_.reset();
    sharingDriver_.FinalizePortDriver();
    form_->ShutDown();
}

QAction* MainWindowHarness::Command(const char* name) const {
    auto* action = form_->findChild<QAction*>(name);
    if (!action) throw std::logic_error(std::string("no command ") + name);
    return action;
}

bool MainWindowHarness::Operate(QAction* command, QDialog& dialog,
                                const std::function<void()>& act) {
    bool opened = false;
    // Polls rather than firing once: the command may run other event loops (a message, the
    // wait for a cycle) before its dialog opens. Destroyed with this frame, so a command that
    // opens nothing leaves no timer behind to close some later dialog.
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (!dialog.isVisible() || QApplication::activeModalWidget() != &dialog) return;
        poll.stop();
        opened = true;
        if (act) act();
        dialog.close();
    });
    poll.start();
    command->trigger();
    return opened;
}

void MainWindowHarness::BreakPort(int comPort) {
    std::error_code ignored;
    fs::remove(LinkPath(comPort), ignored);
    fs::create_symlink(home_.Root() + "/no-such-device", LinkPath(comPort));
}

std::string MainWindowHarness::Label(const char* name) const {
    auto* label = Probe().StatusLine()->findChild<QLabel*>(name);
    if (!label) throw std::logic_error(std::string("no status label ") + name);
    return label->text().toStdString();
}
