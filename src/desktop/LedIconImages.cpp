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

// The notification area's icon is 16 px at 100 % scaling, 20 at 125 %, 24 at 150 % and
// 32 at 200 %: each drawn at its own size stays sharp where a scaled one would blur.
constexpr int kDotSizes[] = {16, 20, 24, 32};

}  // namespace

QColor LedIconImages::DotColor(int index) {
    static const QColor colors[kDotCount] = {Qt::white, Qt::black, Qt::blue, Qt::red};
    return index >= 0 && index < kDotCount ? colors[index] : QColor(Qt::transparent);
}

QImage LedIconImages::DotImage(int index, int size) {
    QImage image = Transparent(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = DotColor(index);
    // A darker rim keeps the white dot visible on a light panel; the rim stays one pixel
    // wide at every size, on whole pixels, and the dot fills the same share of the square.
    painter.setPen(QPen(color.darker(160), 1));
    painter.setBrush(color);
    const int margin = size / 8;
    const int diameter = size - 2 * margin - 1;
    painter.drawEllipse(QRectF(margin + 0.5, margin + 0.5, diameter, diameter));
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
    for (int i = 0; i < kDotCount; ++i) {
        QIcon dot;
        for (const int size : kDotSizes) dot.addPixmap(QPixmap::fromImage(DotImage(i, size)));
        IconList_.Add(shell.AddIcon(dot));
    }
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
