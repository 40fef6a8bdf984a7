#include "app/MainWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

#include "app/AccessibleWidgets.h"
#include "app/DisplayPlatformSetup.h"
#include "app/Fonts.h"
#include "app/MeasurementDisplay.h"
#include "app/StatusPanel.h"
#include "audio/LevelControl.h"
#include "audio/MixerInventory.h"
#include "audio/SoundOutputChoice.h"
#include "base/MessagePresenter.h"
#include "desktop/LedIconImages.h"
#include "desktop/TrayIcon.h"
#include "measure/EnvelopeChart.h"
#include "measure/HarmonicTables.h"
#include "measure/TextCycle.h"
#include "meter/MeterProtocol.h"
#include "mqtt/MqttPublisher.h"
#include "platform/SystemInfo.h"
#include "platform/qt/QtTrayShell.h"
#include "settings/UserFilePlaces.h"

namespace {
constexpr int kDefaultWidth = 447;
constexpr int kDefaultHeight = 328;
constexpr int kDefaultLeft = 402;
constexpr int kDefaultTop = 177;
constexpr int kDefaultIntervalMs = 1000;
constexpr int kReconnectIntervalMs = 2000;
constexpr const char* kLogFileName = "quorvane.log";
}  // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      link_(services.Ports, log_, linkMessages_, services.Sharing),
      services_(services),
      linkMessages_(services.Messages),
      statusCues_(services.Cues),
      settingsFile_(services.Profile, services.System.LocaleDecimalSeparator()),
      exchange_(this),
      nativeWayland_(RunsNativelyOnWayland()),
      decimalSeparator_(services.System.LocaleDecimalSeparator()) {
    setObjectName("mainWindow");
    setGeometry(kDefaultLeft, kDefaultTop, kDefaultWidth, kDefaultHeight);
    BuildControls();
    BuildPopupMenu();
    BuildTrayIcon();
    BuildDisplay();
    BuildFldigiLink();
    BuildRigLink();
    BuildMqtt();
    // Created disabled at 1000 ms; start-up enables it once the port is open.
    pollTimer_ = new QTimer(this);
    pollTimer_->setObjectName("pollTimer");
    pollTimer_->setInterval(kDefaultIntervalMs);
    connect(pollTimer_, &QTimer::timeout, this, &MainWindow::PollTick);
    reconnectTimer_ = new QTimer(this);
    reconnectTimer_->setObjectName("reconnectTimer");
    reconnectTimer_->setInterval(kReconnectIntervalMs);
    connect(reconnectTimer_, &QTimer::timeout, this, &MainWindow::ReconnectTick);
}

MainWindow::~MainWindow() {
    ShutDown();
    // The tray icon leaves the notification area before its pictures and shell go.
    trayIcon_.reset();
}

void MainWindow::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    InstallAccessibleWidgets();
    chart_ = new EnvelopeChart(this);
    statusLine_ = new StatusPanel(this);
    layout->addWidget(chart_, 1);
    layout->addWidget(statusLine_);

    // The memo lies over the chart while text mode is on; it is not part of the layout.
    textView_ = new QPlainTextEdit(this);
    textView_->setObjectName("textView");
    textView_->setReadOnly(true);
    textView_->setFont(FixedPitchFont(11, false));
    textView_->setLineWrapMode(QPlainTextEdit::NoWrap);
    textView_->setContextMenuPolicy(Qt::NoContextMenu);
    textView_->hide();
}

QAction* MainWindow::AddMenuItem(QMenu* menu, const char* name, const char* caption, bool checkable,
                                 void (MainWindow::*handler)()) {
    QAction* action = menu->addAction(tr(caption));
    action->setObjectName(name);
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void MainWindow::BuildPopupMenu() {
    contextMenu_ = new QMenu(this);
    contextMenu_->setObjectName("contextMenu");
    portAction_ = AddMenuItem(contextMenu_, "choosePort", QT_TR_NOOP("Com Port"), false,
                              &MainWindow::ChoosePort);
    psk63Action_ =
        AddMenuItem(contextMenu_, "psk63", QT_TR_NOOP("PSK63"), true, &MainWindow::TogglePsk63);
    followFldigiAction_ = AddMenuItem(contextMenu_, "followFldigi", QT_TR_NOOP("Follow fldigi"),
                                      true, &MainWindow::ToggleFollowFldigi);
    followRigAction_ =
        AddMenuItem(contextMenu_, "followRig", QT_TR_NOOP("Follow the rig (rigctld)"), true,
                    &MainWindow::ToggleFollowRig);
    refreshRateAction_ = AddMenuItem(contextMenu_, "chooseRefreshRate", QT_TR_NOOP("Refresh Rate"),
                                     false, &MainWindow::ChooseRefreshRate);
    alwaysOnTopAction_ = AddMenuItem(contextMenu_, "alwaysOnTop", QT_TR_NOOP("Always on Top"), true,
                                     &MainWindow::ToggleAlwaysOnTop);
    alwaysOnTopAction_->setChecked(true);
    textModeAction_ = AddMenuItem(contextMenu_, "textMode", QT_TR_NOOP("Text Mode"), true,
                                  &MainWindow::ToggleTextMode);
    levelControlAction_ =
        AddMenuItem(contextMenu_, "levelControl", QT_TR_NOOP("Automatic Level Control"), true,
                    &MainWindow::ToggleLevelControl);
    levelControlAction_->setChecked(true);
    gainAction_ = AddMenuItem(contextMenu_, "chooseGain", QT_TR_NOOP("Feedback gain"), false,
                              &MainWindow::ChooseGain);
    targetImdAction_ = AddMenuItem(contextMenu_, "chooseTargetImd", QT_TR_NOOP("Target IMD"), false,
                                   &MainWindow::ChooseTargetImd);
    noiseThresholdAction_ =
        AddMenuItem(contextMenu_, "chooseNoiseThreshold", QT_TR_NOOP("Noise Threshold"), false,
                    &MainWindow::ChooseNoiseThreshold);
    bestLevelAction_ = AddMenuItem(contextMenu_, "findBestLevel", QT_TR_NOOP("Find Best Level..."),
                                   false, &MainWindow::OpenBestLevel);
    powerLimitAction_ = AddMenuItem(contextMenu_, "choosePowerLimit", QT_TR_NOOP("Power Limit"),
                                    true, &MainWindow::ChoosePowerLimit);
    // The check mark mirrors PowerLimitEnabled; only the dialog changes it.
    connect(powerLimitAction_, &QAction::triggered, this,
            [this] { powerLimitAction_->setChecked(settings_.PowerLimitEnabled); });
    showPowerAction_ = AddMenuItem(contextMenu_, "chooseShowPower", QT_TR_NOOP("Show Power"), false,
                                   &MainWindow::ChooseShowPower);
    // Read where it matters: at each change of the status word and at shutdown.
    soundCuesAction_ = contextMenu_->addAction(tr("Sound Cues"));
    soundCuesAction_->setObjectName("soundCues");
    soundCuesAction_->setCheckable(true);
    // Out of the way of the demo's and the Wine test's key walks through the menu.
    mqttAction_ = AddMenuItem(contextMenu_, "chooseMqtt", QT_TR_NOOP("MQTT..."), false,
                              &MainWindow::ChooseMqtt);
    soundCardAction_ = AddMenuItem(contextMenu_, "chooseSoundCard", QT_TR_NOOP("Set Sound Card"),
                                   false, &MainWindow::ChooseSoundCard);
    testSoundCardAction_ = AddMenuItem(contextMenu_, "testSoundCard", QT_TR_NOOP("Test Sound Card"),
                                       false, &MainWindow::OpenSoundCardTest);
    historyAction_ = AddMenuItem(contextMenu_, "openHistory", QT_TR_NOOP("History..."), false,
                                 &MainWindow::OpenHistory);
    aboutAction_ =
        AddMenuItem(contextMenu_, "showAbout", QT_TR_NOOP("About"), false, &MainWindow::ShowAbout);

    trayMenu_ = new QMenu(this);
    trayMenu_->setObjectName("trayMenu");
    colorCodeAction_ = AddMenuItem(trayMenu_, "colorCodeHelp", QT_TR_NOOP("&Color Code Help"),
                                   false, &MainWindow::ShowColorCode);
    exitAction_ = AddMenuItem(trayMenu_, "exitFromTray", QT_TR_NOOP("Quorvane &Exit"), false,
                              &MainWindow::ExitFromTray);
}

void MainWindow::BuildTrayIcon() {
    trayShell_ = std::make_unique<QtTrayShell>(&QSystemTrayIcon::isSystemTrayAvailable, [this] {
        Log("No notification area on this desktop: the tray light is not shown");
    });
    // The light opens its menu itself, on a right click, where the desktop puts it.
    trayShell_->SetContextMenu(trayMenu_);
    ledImages_ = std::make_unique<LedIconImages>(*trayShell_);
    trayIcon_ = MakeLedIcon(*trayShell_, *ledImages_);
    trayIcon_->OnException = [this](const std::string& message) {
        services_.Messages.ShowMessage(tr("Error").toStdString(), MessageKind::Error, message);
    };
}

void MainWindow::BuildDisplay() {
    MeasurementDisplay::Window window;
    window.minimized = [this] { return minimized_ != 0 || nativeWayland_; };
    window.showTitle = [this](const std::string& title) { ShowTitle(title); };
    window.changeLevel = [this](std::int32_t step) { StepLevel(step); };
    window.level = [this] { return CurrentMixerLevel(); };
    window.statusChanged = [this](const std::string& word) {
        statusCues_.StatusChanged(word, soundCuesAction_->isChecked());
    };
    display_ = std::make_unique<MeasurementDisplay>(*chart_, *statusLine_, *trayIcon_, window);
}

// ---------------------------------------------------------------- start-up

bool MainWindow::StartUp() {
    // Every key below comes from one reading of the file.
    ProfileBatch startup(services_.Profile);
    settings_.Debug = settingsFile_.ReadBool(IniKey::kMisc, IniKey::kDebug, false);
    if (settings_.Debug && OpenLog()) Log("Starting Quorvane");

    if (!OpenStartupPort()) return false;

    PlaceWindow();

    settings_.AlwaysOnTop = settingsFile_.ReadBool(IniKey::kMisc, IniKey::kAlwaysOnTop, true);
    alwaysOnTopAction_->setChecked(settings_.AlwaysOnTop);
    ApplyStayOnTop(settings_.AlwaysOnTop);
    if (nativeWayland_) {
        // The setting is kept for the next X11 session; here it could only pretend.
        alwaysOnTopAction_->setEnabled(false);
        alwaysOnTopAction_->setToolTip(
            tr("Not available on this Wayland desktop: only the desktop can keep a window on "
               "top. With Platform=xcb under [MISC] in quorvane.ini, Quorvane runs through "
               "XWayland and stays on top."));
        contextMenu_->setToolTipsVisible(true);
    }

    settings_.Alc = settingsFile_.ReadBool(IniKey::kMisc, IniKey::kAlc, false);
    levelControlAction_->setChecked(settings_.Alc);
    display_->ShowLevelControl(settings_.Alc);

    settings_.Psk63 = settingsFile_.ReadBool(IniKey::kMisc, IniKey::kMode, false);
    psk63Action_->setChecked(settings_.Psk63);

    // "Fake Data" is read only below, so this first exchange always goes to the port.
    const std::string firmware = link_.GetFirmwareInfo(settings_.FakeDataEnabled);
    ShowFirmwareMode(link_.FirmwareVersion);
    display_->SetStatusWord(firmware);
    display_->ClearFigures();

    pollTimer_->start();
    BuildHarmonicTables();

    settings_.SoundOutput = ReadSoundOutput(settingsFile_);
    settings_.SoundCard = ChooseSoundOutput(
        services_.MixerDevices, settings_.SoundOutput,
        settingsFile_.ReadInteger(IniKey::kMisc, IniKey::kSoundCard, 0), services_.Messages);
    CreateVolumeControl();
    display_->ShowMixerLevel();

    ReadRemainingSettings(settingsFile_, settings_);
    OpenHistoryLog();
    pollTimer_->setInterval(TimerInterval());
    powerLimitAction_->setChecked(settings_.PowerLimitEnabled);
    soundCuesAction_->setChecked(settings_.SoundCues);
    followFldigiAction_->setChecked(settings_.FldigiFollow);
    ToggleFollowFldigi();
    followRigAction_->setChecked(settings_.RigFollow);
    ToggleFollowRig();
    StartMqtt();
    return true;
}

bool MainWindow::OpenLog() {
    const std::string path = PlaceUserFile(services_.Folders, kLogFileName);
    if (log_.Open(path)) return true;
    // Without a log the program still does its job; the operator should know why
    // the file asked for is missing.
    settings_.Debug = false;
    services_.Messages.ShowMessage(
        tr("Error").toStdString(), MessageKind::Error,
        tr("Could not create the log file %1.").arg(QString::fromStdString(path)).toStdString());
    return false;
}

bool MainWindow::OpenStartupPort() {
    const int stored = settingsFile_.ReadInteger(IniKey::kComParms, IniKey::kPort, 1);
    Log("COM PORT found in quorvane.ini: " + std::to_string(stored));
    std::string tried = ComPortName(stored);

    link_.ComPort = stored;
    const bool opened = link_.OpenComPort();
    SetCaption(link_.Caption());
    if (opened) return true;
    std::string reasons = "\n" + link_.OpenFailure();

    Log("OpenComPort failed on port " + std::to_string(stored));
    const int alternative = stored == 1 ? 2 : 1;
    tried =
        tr("%1 or %2")
            .arg(QString::fromStdString(tried), QString::fromStdString(ComPortName(alternative)))
            .toStdString();
    link_.ComPort = alternative;
    const bool openedAlternative = link_.OpenComPort();
    SetCaption(link_.Caption());
    if (openedAlternative) return true;

    reasons += "\n" + link_.OpenFailure();
    services_.Messages.ShowMessage(
        tr("Error").toStdString(), MessageKind::Error,
        tr("Could not open serial ports %1.").arg(QString::fromStdString(tried)).toStdString() +
            reasons);
    Log("OpenComPort failed on port " + std::to_string(alternative));
    link_.ComPort = stored;
    Log("Restoring port found in ini file (" + std::to_string(stored) + ")");
    Log("Terminating quorvane.exe");
    log_.Close();
    destroyed_ = true;  // no shutdown save on this path
    return false;
}

void MainWindow::PlaceWindow() {
    QScreen* primary = QGuiApplication::primaryScreen();
    const int screenWidth = primary ? primary->geometry().width() : kDefaultWidth;
    using namespace IniKey;
    // Each value is applied at once: the default of "Left" sees the default width. On
    // Wayland the desktop places the window.
    if (!nativeWayland_) {
        move(settingsFile_.ReadInteger(kScreenParms, kLeft, screenWidth - width()), y());
        move(x(), settingsFile_.ReadInteger(kScreenParms, kTop, 0));
    }
    // A size of 0 or less means nothing; it would leave a window too narrow to use.
    const auto size = [this](const char* key, int fallback) {
        const int stored = settingsFile_.ReadInteger(kScreenParms, key, fallback);
        return stored > 0 ? stored : fallback;
    };
    resize(size(kWidth, 300), height());
    resize(width(), size(kHeight, 200));
    const int state = settingsFile_.ReadInteger(kScreenParms, kWindowState, 0);

    // A hand-edited size larger than the screen, or a window saved on a monitor that has
    // gone, would be out of reach: bring it onto the primary screen.
    if (primary) {
        const QRect area = primary->availableGeometry();
        resize(std::min(width(), area.width()), std::min(height(), area.height()));
        if (!QGuiApplication::screenAt(frameGeometry().center()))
            move(std::clamp(x(), area.left(), std::max(area.left(), area.right() - width())),
                 std::clamp(y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    // A window minimized on Wayland could never be found again by the program.
    if (state == 1 && !nativeWayland_)
        setWindowState(Qt::WindowMinimized);
    else if (state == 2)
        setWindowState(Qt::WindowMaximized);
}

void MainWindow::ApplyStayOnTop(bool onTop) {
    if (nativeWayland_ || bool(windowFlags() & Qt::WindowStaysOnTopHint) == onTop) return;
    // Changing the flag re-creates the native window: keep its place and state.
    const QRect frame = geometry();
    const bool wasVisible = isVisible();
    const Qt::WindowStates state = windowState();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    setGeometry(frame);
    setWindowState(state);
    if (wasVisible) show();
}

void MainWindow::ShowFirmwareMode(const std::string& firmwareVersion) {
    const PskModeDisplay mode =
        PskModeAfterFirmwareQuery(firmwareVersion, psk63Action_->isChecked(), link_.ComPort);
    psk63Action_->setEnabled(mode.Psk63Enabled);
    display_->ShowMode(mode.ModeLabel);
    if (mode.CaptionChanges) SetCaption(mode.Caption);
}

void MainWindow::CreateVolumeControl() {
    mixer_.reset();
    mixer_ = std::make_unique<MixerInventory>(services_.MixerDevices, services_.Messages,
                                              uintptr_t(winId()), settings_.SoundCard);
}

int MainWindow::TimerInterval() const {
    return settings_.RefreshRate > 0 ? settings_.RefreshRate : kDefaultIntervalMs;
}

// ---------------------------------------------------------------- shutdown

void MainWindow::ShutDown() {
    if (destroyed_) return;
    destroyed_ = true;
    pollTimer_->stop();
    reconnectTimer_->stop();
    WaitForCycle();
    // "offline" goes to the broker before the program does.
    mqtt_.reset();
    // A sweep under way or unanswered leaves the output as it found it.
    EndSweep(SweepStop::Cancelled);

    settings_.ComPort = link_.ComPort;
    settings_.AlwaysOnTop = alwaysOnTopAction_->isChecked();
    settings_.Alc = levelControlAction_->isChecked();
    settings_.Psk63 = psk63Action_->isChecked();
    settings_.SoundCues = soundCuesAction_->isChecked();
    // "Refresh Rate" keeps the value read from the file unless the operator chose one.
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    // Left and Top place the frame, as move() does at start-up.
    const QPoint frameOffset = geometry().topLeft() - pos();
    WindowPlacement placement;
    placement.left = isMaximized() ? normal.x() - frameOffset.x() : pos().x();
    placement.top = isMaximized() ? normal.y() - frameOffset.y() : pos().y();
    placement.width = normal.width();
    placement.height = normal.height();
    placement.minimized = minimized_;
    placement.hasPosition = !nativeWayland_;
    if (!SaveSettings(settingsFile_, settings_, placement))
        Log("Could not write the settings file");

    link_.ClosePort();
    log_.Close();
}

// ---------------------------------------------------------------- window events

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    // X11 turns the Menu key into this event at the mouse pointer, Windows both the Menu key
    // and Shift+F10 (at the pointer or nowhere): from the keyboard the menu opens on the chart.
    if (event->reason() == QContextMenuEvent::Keyboard)
        OpenMenuFromKeyboard();
    else
        contextMenu_->popup(event->globalPos());
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (shiftF10 || event->key() == Qt::Key_Menu)
        OpenMenuFromKeyboard();
    else
        QWidget::keyPressEvent(event);
}

void MainWindow::OpenMenuFromKeyboard() {
    // A key the platform also reports as a context-menu event must not open it twice.
    if (contextMenu_->isVisible()) return;
    contextMenu_->popup(chart_->mapToGlobal(QPoint(0, 0)));
    // The first entry is current, so a screen reader says where the keyboard is.
    const QList<QAction*> entries = contextMenu_->actions();
    const auto first = std::find_if(entries.begin(), entries.end(),
                                    [](const QAction* a) { return a->isEnabled(); });
    if (first != entries.end()) contextMenu_->setActiveAction(*first);
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || nativeWayland_) return;
    if (windowState() & Qt::WindowMinimized) {
        minimized_ = 1;
    } else if (minimized_) {
        minimized_ = 0;
        setWindowTitle(QString::fromStdString(caption_));
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (textView_->isVisible()) textView_->setGeometry(chart_->geometry());
}

void MainWindow::SetCaption(const std::string& caption) {
    caption_ = caption;
    // While minimized the taskbar text carries status words; the caption returns on restore.
    if (nativeWayland_)
        ShowTitle(nativeTitle_);
    else if (!minimized_)
        setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::ShowTitle(const std::string& title) {
    if (!nativeWayland_) {
        setWindowTitle(QString::fromStdString(title));
        return;
    }
    nativeTitle_ = title;
    setWindowTitle(QString::fromStdString(title.empty() ? caption_ : title + " - " + caption_));
}

void MainWindow::BringForward() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}
