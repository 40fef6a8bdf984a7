#pragma once
// The main window's pictures for its status light `LedIcon`: the image list `IconList`
// (dots at 16, 20, 24 and 32 px: 0 white, 1 black, 2 blue, 3 red) and the icon's own 32 x 32
// picture, a red, black-outlined triangle pointing up in the upper half of a transparent ground.

#include <QColor>
#include <QImage>
#include <memory>

#include "desktop/TrayIcon.h"

class QtTrayShell;

class LedIconImages {
public:
    static constexpr int kDotCount = 4;
    static QColor DotColor(int index);
    // The dot at `size` pixels square (the tray shows 16, 20, 24 or 32 by the scaling).
    static QImage DotImage(int index, int size = 16);
    static QImage TriangleImage();

    // Registers the pictures with the shell that is to show them.
    explicit LedIconImages(QtTrayShell& shell);

    ImageList& IconList() { return IconList_; }
    const IconPicture& Picture() const { return Picture_; }

private:
    ImageList IconList_;
    IconPicture Picture_;
};

// LedIcon as the main window carries it: Icon = the triangle, Icons = IconList,
// IconIndex -1, Hint "Quorvane", hidden. The main window gives the shell its tray menu
// and the icon OnException, its error report. Destroy the icon before `images` and before
// the shell.
std::unique_ptr<TrayIcon> MakeLedIcon(TrayShell& shell, LedIconImages& images);
