// The built program under Xvfb against the emulator's clean signal: the screenshot, kept as
// a test artefact, must show the mirrored lime envelope under the yellow ideal arch and a
// status line with text on it; SIGTERM then ends the program with its normal shutdown.

#include <signal.h>

#include <gtest/gtest.h>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "e2e/DesktopProgram.h"

namespace {

bool Is(QRgb pixel, int r, int g, int b) {
    return qRed(pixel) == r && qGreen(pixel) == g && qBlue(pixel) == b;
}

// Counts of the chart's and the status line's colours on the screen.
struct Census {
    Census() = default;
    explicit Census(const QImage& screen) {
        QRect greyBox;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                const QRgb p = screen.pixel(x, y);
                if (Is(p, 0, 255, 0)) {
                    ++lime;
                    limeBox |= QRect(x, y, 1, 1);
                } else if (Is(p, 255, 255, 0)) {
                    ++yellow;
                } else if (Is(p, 128, 128, 128)) {
                    ++grey;
                    greyBox |= QRect(x, y, 1, 1);
                }
            }
        }
        // Bars mirrored about zero: as much lime above the middle row as below it.
        const int middle = limeBox.center().y();
        for (int y = limeBox.top(); y <= limeBox.bottom(); ++y)
            for (int x = limeBox.left(); x <= limeBox.right(); ++x)
                if (Is(screen.pixel(x, y), 0, 255, 0)) (y < middle ? limeAbove : limeBelow) += 1;
        for (int y = greyBox.top(); y <= greyBox.bottom(); ++y)
            for (int x = greyBox.left(); x <= greyBox.right(); ++x)
                if (Is(screen.pixel(x, y), 255, 255, 255)) ++textOnGrey;
    }

    // A clean frame: two full arches of bars, the ideal arch traced along all four of their
    // edges at full width (a line hidden under the bars leaves a one-pixel rim at most), and
    // the status line with words on it.
    bool LooksRight() const {
        return lime > 5000 && limeBelow > 0 && std::abs(limeAbove - limeBelow) * 10 < limeBelow &&
               yellow > 3.5 * limeBox.width() && grey > 5000 && textOnGrey > 100;
    }

    int lime = 0, yellow = 0, grey = 0, textOnGrey = 0, limeAbove = 0, limeBelow = 0;
    QRect limeBox;
};

TEST(DisplayScreenshotTest, CleanSignalUnderXvfb) {
    XServer screen(false);
    if (!screen.Ready()) GTEST_SKIP() << screen.Failure();
    ProgramSandbox sandbox;
    ProgramProcess program(sandbox, "xcb");
    const char* dir = std::getenv("QUORVANE_ARTIFACTS");
    const QString shot = QString::fromStdString(
        std::filesystem::absolute(dir && *dir ? dir : QUORVANE_DEFAULT_ARTIFACTS) /
        "display-clean.png");
    // Two frames asked for means the first one has been shown; the picture may still lag.
    Census census;
    const bool looksRight = WaitUntil([&] {
        if (sandbox.Meter().CommandCount('s') < 2) return false;
        KeepScreenshot("display-clean");
        census = Census(QImage(shot));
        return census.LooksRight();
    });
    EXPECT_TRUE(looksRight) << shot.toStdString() << ": lime " << census.lime << " ("
                            << census.limeAbove << " above, " << census.limeBelow
                            << " below), yellow " << census.yellow << " over "
                            << census.limeBox.width() << " px, grey " << census.grey << ", text "
                            << census.textOnGrey;
    EXPECT_EQ(program.Stop(SIGTERM), 0) << program.Output();
    EXPECT_TRUE(sandbox.Home().settingsExist()) << "the shutdown save did not run";
}

}  // namespace
