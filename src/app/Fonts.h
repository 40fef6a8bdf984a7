#pragma once
// "Fixedsys", "Courier New" and "System" all become the platform's fixed-pitch font.

#include <QFont>
#include <QFontDatabase>

inline QFont FixedPitchFont(int pixelSize, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
