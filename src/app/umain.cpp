#include "app/umain.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "app/Fonts.h"
#include "app/StatusPanel.h"
#include "audio/LevelControl.h"
#include "audio/usound.h"
#include "base/MessagePresenter.h"
#include "desktop/LedIconImages.h"
#include "desktop/SpTrayIc.h"
#include "measure/EnvelopeChart.h"
#include "measure/HarmonicTables.h"
#include "measure/TextCycle.h"
#include "meter/MeterProtocol.h"
#include "platform/SystemInfo.h"
#include "platform/qt/QtTrayShell.h"

namespace {
constexpr int kDesignedWidth = 447;
constexpr int kDesignedHeight = 328;
constexpr int kDesignedLeft = 402;
constexpr int kDesignedTop = 177;
constexpr int kDefaultIntervalMs = 1000;
constexpr int kReconnectIntervalMs = 2000;
constexpr const char* kLogFileName = "quorvane.log";
}  // namespace

TMainForm::TMainForm(MainFormServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      Link(services.Ports, LogFile_, linkMessages_, services.Sharing),
      services_(services),
      linkMessages_(services.Messages),
      settingsFile_(services.Profile, services.System.LocaleDecimalSeparator()),
      exchange_(this),
      decimalSeparator_(services.System.LocaleDecimalSeparator()) {
    setObjectName("MainForm");
    setGeometry(kDesignedLeft, kDesignedTop, kDesignedWidth, kDesignedHeight);
    BuildControls();
    BuildPopupMenu();
    BuildTrayIcon();
    BuildFldigiLink();
    // Created disabled at 1000 ms; start-up enables it once the port is open.
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(kDefaultIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    reconnectTimer_ = new QTimer(this);
    reconnectTimer_->setObjectName("ReconnectTimer");
    reconnectTimer_->setInterval(kReconnectIntervalMs);
    connect(reconnectTimer_, &QTimer::timeout, this, &TMainForm::ReconnectTimerTimer);
}

TMainForm::~TMainForm() {
    FormDestroy();
    // The tray icon leaves the notification area before its pictures and shell go.
    LedIcon.reset();
}

void TMainForm::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Chart = new EnvelopeChart(this);
    Panel1 = new StatusPanel(this);
    layout->addWidget(Chart, 1);
    layout->addWidget(Panel1);

    // The memo lies over the chart while text mode is on; it is not part of the layout.
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFont(FixedPitchFont(11, false));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setContextMenuPolicy(Qt::NoContextMenu);
    Memo1->hide();
}

QAction* TMainForm::AddMenuItem(QMenu* menu, const char* name, const char* caption, bool checkable,
                                void (TMainForm::*handler)()) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void TMainForm::BuildPopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    ComPort1 = AddMenuItem(PopupMenu1, "ComPort1", "Com Port", false, &TMainForm::ComPort1Click);
    PSK63 = AddMenuItem(PopupMenu1, "PSK63", "PSK63", true, &TMainForm::PSK63Click);
    FollowFldigi = AddMenuItem(PopupMenu1, "FollowFldigi", "Follow fldigi", true,
                               &TMainForm::FollowFldigiClick);
    RefreshRate1 = AddMenuItem(PopupMenu1, "RefreshRate1", "Refresh Rate", false,
                               &TMainForm::RefreshRate1Click);
    AlwaysonTop1 = AddMenuItem(PopupMenu1, "AlwaysonTop1", "Always on Top", true,
                               &TMainForm::AlwaysonTop1Click);
    AlwaysonTop1->setChecked(true);
    DataMode1 = AddMenuItem(PopupMenu1, "DataMode1", "Text Mode", true, &TMainForm::DataMode1Click);
    ALC = AddMenuItem(PopupMenu1, "ALC", "Automatic Level Control", true, &TMainForm::ALCClick);
    ALC->setChecked(true);
    Feedbackgain1 = AddMenuItem(PopupMenu1, "Feedbackgain1", "Feedback gain", false,
                                &TMainForm::Feedbackgain1Click);
    argetIMD1 =
        AddMenuItem(PopupMenu1, "argetIMD1", "Target IMD", false, &TMainForm::argetIMD1Click);
    NoiseThreshold1 = AddMenuItem(PopupMenu1, "NoiseThreshold1", "Noise Threshold", false,
                                  &TMainForm::NoiseThreshold1Click);
    PowerLimit = AddMenuItem(PopupMenu1, "PowerLimit", "Power Limit", true,
                             &TMainForm::PowerLimitClickClick);
    // The check mark mirrors PowerLimitEnabled; only the dialog changes it.
    connect(PowerLimit, &QAction::triggered, this,
            [this] { PowerLimit->setChecked(Settings_.PowerLimitEnabled); });
    ShowPower =
        AddMenuItem(PopupMenu1, "ShowPower", "Show Power", false, &TMainForm::ShowPowerClick);
    SetSoundCard = AddMenuItem(PopupMenu1, "SetSoundCard", "Set Sound Card", false,
                               &TMainForm::SetSoundCardClick);
    TestSoundCard = AddMenuItem(PopupMenu1, "TestSoundCard", "Test Sound Card", false,
                                &TMainForm::TestSoundCardClick);
    History1 = AddMenuItem(PopupMenu1, "History1", "History...", false, &TMainForm::History1Click);
    About1 = AddMenuItem(PopupMenu1, "About1", "About", false, &TMainForm::About1Click);

    LedIconPopupMenu = new QMenu(this);
    LedIconPopupMenu->setObjectName("LedIconPopupMenu");
    ColorCode1 = AddMenuItem(LedIconPopupMenu, "ColorCode1", "&Color Code Help", false,
                             &TMainForm::ColorCode1Click);
    asdf1 = AddMenuItem(LedIconPopupMenu, "asdf1", "Quorvane &Exit", false, &TMainForm::asdf1Click);
}

void TMainForm::BuildTrayIcon() {
    trayShell_ = std::make_unique<QtTrayShell>();
    ledImages_ = std::make_unique<LedIconImages>(*trayShell_);
    LedIcon = MakeLedIcon(*trayShell_, *ledImages_);
    LedIcon->OnMouseDown = [this](TSpTrayIcon&, MouseButton button, ShiftState, int x, int y) {
        if (button == MouseButton::mbRight) LedIconMouseDown(int(button), x, y);
    };
    LedIcon->OnException = [this](const std::string& message) {
        services_.Messages.MessageDialog("Error", "!", message);
    };
}

// ---------------------------------------------------------------- start-up

bool TMainForm::FormCreate() {
    // Step 1, the minimize and restore handlers, is changeEvent. Every key below comes
    // from one reading of the file.
    ProfileBatch startup(services_.Profile);
    Settings_.Debug = settingsFile_.ReadBool(IniKey::kMisc, IniKey::kDebug, false);
    if (Settings_.Debug && OpenLog()) Log("Starting Quorvane");

    if (!OpenStartupPort()) return false;

    PlaceWindow();

    Settings_.AlwaysOnTop = settingsFile_.ReadBool(IniKey::kMisc, IniKey::kAlwaysOnTop, true);
    AlwaysonTop1->setChecked(Settings_.AlwaysOnTop);
    ApplyStayOnTop(Settings_.AlwaysOnTop);

    Settings_.Alc = settingsFile_.ReadBool(IniKey::kMisc, IniKey::kAlc, false);
    ALC->setChecked(Settings_.Alc);
    Panel1->Auto->setText(Settings_.Alc ? "AUTO" : "");

    Settings_.Psk63 = settingsFile_.ReadBool(IniKey::kMisc, IniKey::kMode, false);
    PSK63->setChecked(Settings_.Psk63);

    // "Fake Data" is read only below, so this first exchange always goes to the port.
    const std::string firmware = Link.GetFirmwareInfo(Settings_.FakeDataEnabled);
    ShowFirmwareMode(Link.FirmwareVersion);
    SetSplatter(firmware);
    for (QLabel* label : {Panel1->rms, Panel1->IMD, Panel1->MaxVoltage, Panel1->PowerEstimate})
        label->clear();

    Timer1->start();
    BuildHarmonicTables();

    Settings_.SoundCard = settingsFile_.ReadInteger(IniKey::kMisc, IniKey::kSoundCard, 0);
    CreateVolumeControl();
    UpdateLevelLabel();

    ReadRemainingSettings(settingsFile_, Settings_);
    OpenHistoryLog();
    Timer1->setInterval(TimerInterval());
    PowerLimit->setChecked(Settings_.PowerLimitEnabled);
    FollowFldigi->setChecked(Settings_.FldigiFollow);
    FollowFldigiClick();
    return true;
}

bool TMainForm::OpenLog() {
    if (LogFile_.Open(kLogFileName)) return true;
    // Without a log the program still does its job; the operator should know why
    // the file asked for is missing.
    Settings_.Debug = false;
    services_.Messages.MessageDialog(
        "Error", "!", std::string("Could not create the log file ") + kLogFileName + ".");
    return false;
}

bool TMainForm::OpenStartupPort() {
    const int stored = settingsFile_.ReadInteger(IniKey::kComParms, IniKey::kPort, 1);
    Log("COM PORT found in quorvane.ini: " + std::to_string(stored));
    std::string tried = ComPortName(stored);

    Link.ComPort = stored;
    const bool opened = Link.OpenComPort();
    SetCaption(Link.Caption());
    if (opened) return true;
    std::string reasons = "\n" + Link.OpenFailure();

    Log("OpenComPort failed on port " + std::to_string(stored));
    const int alternative = stored == 1 ? 2 : 1;
    tried += " or " + ComPortName(alternative);
    Link.ComPort = alternative;
    const bool openedAlternative = Link.OpenComPort();
    SetCaption(Link.Caption());
    if (openedAlternative) return true;

    reasons += "\n" + Link.OpenFailure();
    services_.Messages.MessageDialog("Error", "!",
                                     "Could not open serial ports " + tried + "." + reasons);
    Log("OpenComPort failed on port " + std::to_string(alternative));
    Link.ComPort = stored;
    Log("Restoring port found in ini file (" + std::to_string(stored) + ")");
    Log("Terminating quorvane.exe");
    LogFile_.Close();
    destroyed_ = true;  // no shutdown save on this path
    return false;
}

void TMainForm::PlaceWindow() {
    QScreen* primary = QGuiApplication::primaryScreen();
    const int screenWidth = primary ? primary->geometry().width() : kDesignedWidth;
    using namespace IniKey;
    // Each value is applied at once: the default of "Left" sees the designed width.
    move(settingsFile_.ReadInteger(kScreenParms, kLeft, screenWidth - width()), y());
    move(x(), settingsFile_.ReadInteger(kScreenParms, kTop, 0));
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
    if (state == 1)
        setWindowState(Qt::WindowMinimized);
    else if (state == 2)
        setWindowState(Qt::WindowMaximized);
}

void TMainForm::ApplyStayOnTop(bool onTop) {
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) == onTop) return;
    // Changing the flag re-creates the native window: keep its place and state.
    const QRect frame = geometry();
    const bool wasVisible = isVisible();
    const Qt::WindowStates state = windowState();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    setGeometry(frame);
    setWindowState(state);
    if (wasVisible) show();
}

void TMainForm::ShowFirmwareMode(const std::string& firmwareVersion) {
    const PskModeDisplay mode =
        PskModeAfterFirmwareQuery(firmwareVersion, PSK63->isChecked(), Link.ComPort);
    PSK63->setEnabled(mode.Psk63Enabled);
    Panel1->Mode->setText(QString::fromStdString(mode.ModeLabel));
    if (mode.CaptionChanges) SetCaption(mode.Caption);
}

void TMainForm::CreateVolumeControl() {
    VolumeControl.reset();
    VolumeControl = std::make_unique<TspVolumeControl>(services_.MixerDevices, services_.Messages,
                                                       uintptr_t(winId()), Settings_.SoundCard);
}

void TMainForm::UpdateLevelLabel() {
    Panel1->Level->setText(QString::fromStdString(LevelLabel(MixerLevel())));
}

int TMainForm::TimerInterval() const {
    return Settings_.RefreshRate > 0 ? Settings_.RefreshRate : kDefaultIntervalMs;
}

// ---------------------------------------------------------------- shutdown

void TMainForm::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    Timer1->stop();
    reconnectTimer_->stop();
    WaitForCycle();

    Settings_.ComPort = Link.ComPort;
    Settings_.AlwaysOnTop = AlwaysonTop1->isChecked();
    Settings_.Alc = ALC->isChecked();
    Settings_.Psk63 = PSK63->isChecked();
    // "Refresh Rate" keeps the value read from the file unless the operator chose one.
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    // Left and Top place the frame, as move() does at start-up.
    const QPoint frameOffset = geometry().topLeft() - pos();
    WindowPlacement placement;
    placement.left = isMaximized() ? normal.x() - frameOffset.x() : pos().x();
    placement.top = isMaximized() ? normal.y() - frameOffset.y() : pos().y();
    placement.width = normal.width();
    placement.height = normal.height();
    placement.minimized = Minimized;
    if (!SaveSettings(settingsFile_, Settings_, placement))
        Log("Could not write the settings file");

    Link.ClosePort();
    LogFile_.Close();
}

// ---------------------------------------------------------------- window events

void TMainForm::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu1->popup(event->globalPos());
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    if (windowState() & Qt::WindowMinimized) {
        Minimized = 1;
    } else if (Minimized) {
        Minimized = 0;
        setWindowTitle(QString::fromStdString(caption_));
    }
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (Memo1->isVisible()) Memo1->setGeometry(Chart->geometry());
}

void TMainForm::SetCaption(const std::string& caption) {
    caption_ = caption;
    // While minimized the taskbar text carries status words; the caption returns on restore.
    if (!Minimized) setWindowTitle(QString::fromStdString(caption));
}

void TMainForm::ShowTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

void TMainForm::BringForward() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}
