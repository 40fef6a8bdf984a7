#include "dialogs/about.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "dialogs/Commands.h"

TAboutForm::TAboutForm(QWidget* parent) : FixedDialog("About Quorvane", 268, 129, parent) {
    VersionNumber = AddCentredLabel("VersionNumber", QString(), 6, 20);
    QFont heading = VersionNumber->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    VersionNumber->setFont(heading);

    FirmwareInfoLabel = AddCentredLabel("FirmwareInfoLabel", QString(), 32, 16);
    FirmwareInfoLabel->setCursor(Qt::PointingHandCursor);
    FirmwareInfoLabel->installEventFilter(this);
    OSVersion = AddCentredLabel("OSVersion", QString(), 69, 16);
    Label3 =
        AddCentredLabel("Label3", "For more information, software updates and ordering ", 89, 16);
    Label4 = AddCentredLabel("Label4", QString::fromStdString(AboutWebText()), 107, 16);
    FitToFont();
}

QLabel* TAboutForm::AddCentredLabel(const QString& name, const QString& text, int top, int height) {
    QLabel* label = AddLabel(name, text, QRect(3, top, 262, height));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

void TAboutForm::Run(QWidget* mainWindow, const std::string& programVersion,
                     const std::string& osName, FirmwareQuery queryFirmware) {
    mainWindow_ = mainWindow;
    queryFirmware_ = std::move(queryFirmware);
    VersionNumber->setText(QString::fromStdString(AboutVersionText(programVersion)));
    OSVersion->setText(QString::fromStdString(AboutOsText(osName)));
    ExecBeside(mainWindow);
    mainWindow_ = nullptr;
    queryFirmware_ = nullptr;
}

void TAboutForm::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    FormShow();
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FirmwareInfoLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        FormShow();
        return true;
    }
    return FixedDialog::eventFilter(watched, event);
}

void TAboutForm::FormShow() {
    if (queryFirmware_)
        FirmwareInfoLabel->setText(QString::fromStdString(AboutFirmwareText(queryFirmware_())));
    FitToFont();
    if (mainWindow_) {
        move(mainWindow_->pos());
        mainWindow_->lower();
    }
}
