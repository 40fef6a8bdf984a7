#include "app/StatusPanel.h"

#include <QAccessible>
#include <QTimer>
#include <utility>

#include "app/Fonts.h"

StatusPanel::StatusPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("statusLine");
    setFixedHeight(kHeight);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    grey.setColor(QPalette::WindowText, Qt::white);
    setPalette(grey);

    // Each label reaches to the next one on its row, so a longer text is cut
    // at its neighbour instead of being drawn over it.
    statusWord = MakeLabel("statusWord", 0, 0, 288);
    alc = MakeLabel("alc", 288, 0, 48);
    // Wide enough for the rig's frequency and mode after the PSK mode ("PSK31  14.070 USB").
    mode = MakeLabel("mode", 336, 0, 160);
    rms = MakeLabel("rms", 0, 22, 88);
    imd = MakeLabel("imd", 88, 22, 104);
    level = MakeLabel("level", 192, 22, 96);
    peakVolts = MakeLabel("peakVolts", 288, 22, 104);
    power = MakeLabel("power", 392, 22, 80);
    rigMeters = MakeLabel("rigMeters", 0, 37, 480);
    rigMeters->hide();
    DescribeLabels();
    announceTimer_ = new QTimer(this);
    announceTimer_->setSingleShot(true);
    announceTimer_->setInterval(0);
    connect(announceTimer_, &QTimer::timeout, this, &StatusPanel::AnnounceStatus);
}

void StatusPanel::DescribeLabels() {
    setAccessibleName(tr("Status line"));
    const std::pair<QLabel*, QString> described[] = {{statusWord, tr("Signal status")},
                                                     {alc, tr("Automatic level control")},
                                                     {mode, tr("PSK mode and rig frequency")},
                                                     {rms, tr("RMS deviation from the ideal arch")},
                                                     {imd, tr("Intermodulation distortion")},
                                                     {level, tr("Sound card level")},
                                                     {peakVolts, tr("Peak voltage")},
                                                     {power, tr("Estimated average power")},
                                                     {rigMeters, tr("Rig meters")}};
    for (const auto& [label, what] : described) label->setAccessibleDescription(what);
    // With a name of its own the label raises no event for each text it is given; screen
    // readers hear the word from AnnounceStatus.
    statusWord->setAccessibleName(tr("Status"));
}

void StatusPanel::ShowStatusWord(const QString& word) {
    statusWord->setText(word);
    announceTimer_->start();
}

void StatusPanel::AnnounceStatus() {
    if (statusWord->text() == announced_) return;
    announced_ = statusWord->text();
    QAccessibleEvent changed(statusWord, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void StatusPanel::ShowRigRow(bool shown) {
    rigMeters->setVisible(shown);
    setFixedHeight(shown ? kHeight + kRigRowHeight : kHeight);
}

QLabel* StatusPanel::MakeLabel(const char* name, int left, int top, int width) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setFont(FixedPitchFont(11, true));
    label->setGeometry(left, top, width, 15);
    label->setTextFormat(Qt::PlainText);
    // Clicks go through to the main window, whose pop-up menu covers the panel too.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}
