#include "desktop/LedIconImages.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include "platform/qt/QtTrayShell.h"

namespace {

QImage Transparent(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

TrayIconHandle Register(QtTrayShell& shell, const QImage& image) {
    return shell.AddIcon(QIcon(QPixmap::fromImage(image)));
}

}  // namespace

QColor LedIconImages::DotColor(int index) {
    static const QColor colors[kDotCount] = {Qt::white, Qt::black, Qt::blue, Qt::red};
    return index >= 0 && index < kDotCount ? colors[index] : QColor(Qt::transparent);
}

QImage LedIconImages::DotImage(int index) {
    QImage image = Transparent(16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = DotColor(index);
    // A darker rim keeps the white dot visible on a light panel.
    painter.setPen(QPen(color.darker(160), 1));
    painter.setBrush(color);
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return image;
}

QImage LedIconImages::TriangleImage() {
    QImage image = Transparent(32);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::red);
    painter.drawPolygon(QPolygon({QPoint(15, 1), QPoint(29, 15), QPoint(1, 15)}));
    return image;
}

LedIconImages::LedIconImages(QtTrayShell& shell) : Picture_(Register(shell, TriangleImage())) {
    for (int i = 0; i < kDotCount; ++i) IconList_.Add(Register(shell, DotImage(i)));
}

std::unique_ptr<TrayIcon> MakeLedIcon(TrayShell& shell, LedIconImages& images) {
    auto icon = std::make_unique<TrayIcon>(shell);
    // As the main window's stored description would set it.
    icon->BeginLoading();
    icon->SetIcon(images.Picture());
    icon->SetIcons(&images.IconList());
    icon->SetIconIndex(-1);
    icon->SetHint("Quorvane");
    icon->SetVisible(false);
    icon->Loaded();
    return icon;
}
