#include "dialogs/AboutDialog.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "dialogs/Commands.h"

AboutDialog::AboutDialog(QWidget* parent) : FixedDialog(tr("About Quorvane"), 268, 129, parent) {
    versionLabel = AddCentredLabel("versionLabel", QString(), 6, 20);
    QFont heading = versionLabel->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    versionLabel->setFont(heading);

    firmwareLabel = AddCentredLabel("firmwareLabel", QString(), 32, 16);
    firmwareLabel->setCursor(Qt::PointingHandCursor);
    firmwareLabel->installEventFilter(this);
    osLabel = AddCentredLabel("osLabel", QString(), 69, 16);
    moreInfoLabel = AddCentredLabel(
        "moreInfoLabel", tr("For more information, software updates and ordering "), 89, 16);
    webLabel = AddCentredLabel("webLabel", QString::fromStdString(AboutWebText()), 107, 16);
    FitToFont();
}

QLabel* AboutDialog::AddCentredLabel(const QString& name, const QString& text, int top,
                                     int height) {
    QLabel* label = AddLabel(name, text, QRect(3, top, 262, height));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

void AboutDialog::Run(QWidget* mainWindow, const std::string& programVersion,
                      const std::string& osName, FirmwareQuery queryFirmware) {
    mainWindow_ = mainWindow;
    queryFirmware_ = std::move(queryFirmware);
    versionLabel->setText(QString::fromStdString(AboutVersionText(programVersion)));
    osLabel->setText(QString::fromStdString(AboutOsText(osName)));
    ExecBeside(mainWindow);
    mainWindow_ = nullptr;
    queryFirmware_ = nullptr;
}

void AboutDialog::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    ShowFirmware();
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == firmwareLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ShowFirmware();
        return true;
    }
    return FixedDialog::eventFilter(watched, event);
}

void AboutDialog::ShowFirmware() {
    if (queryFirmware_)
        firmwareLabel->setText(QString::fromStdString(AboutFirmwareText(queryFirmware_())));
    FitToFont();
    if (mainWindow_) {
        move(mainWindow_->pos());
        mainWindow_->lower();
    }
}
