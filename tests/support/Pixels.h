#pragma once
// What a widget drew: its picture, and how many of its pixels show a colour.

#include <QImage>
#include <QWidget>
#include <cstdlib>

inline QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels in `box` whose red, green and blue together stray from `colour` by less than `slack`:
// 1 for the colour itself, more for the middle of an antialiased line.
inline int PixelsOf(const QImage& image, const QRect& box, const QColor& colour, int slack = 1) {
    const auto off = [&](QRgb p) {
        return std::abs(qRed(p) - colour.red()) + std::abs(qGreen(p) - colour.green()) +
               std::abs(qBlue(p) - colour.blue());
    };
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            count += image.valid(x, y) && off(image.pixel(x, y)) < slack;
    return count;
}
