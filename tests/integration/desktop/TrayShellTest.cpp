// LedIcon on the Qt notification area: pictures, tooltip, and activations turned into
// mouse events.

#include <gtest/gtest.h>

#include <QPixmap>
#include <QSystemTrayIcon>
#include <memory>
#include <string>
#include <vector>

#include "desktop/LedIconImages.h"
#include "fakes/FakeTrayShell.h"
#include "platform/qt/QtTrayShell.h"

namespace {

bool Transparent(const QImage& image, int x, int y) {
    return image.pixelColor(x, y).alpha() == 0;
}

TEST(LedIconImagesTest, ColouredDotsAndARedTriangleOnATransparentGround) {
    const QColor expected[] = {Qt::white, Qt::black, Qt::blue, Qt::red};
    for (int i = 0; i < LedIconImages::kDotCount; ++i) {
        const QImage dot = LedIconImages::DotImage(i);
        EXPECT_EQ(dot.size(), QSize(16, 16));
        EXPECT_EQ(dot.pixelColor(8, 8).rgba(), expected[i].rgba()) << "dot " << i;
        EXPECT_TRUE(Transparent(dot, 0, 0) && Transparent(dot, 15, 15)) << "dot " << i;
    }
    // The program's own picture: pointing up, outlined, in the upper half.
    const QImage triangle = LedIconImages::TriangleImage();
    EXPECT_EQ(triangle.size(), QSize(32, 32));
    EXPECT_EQ(triangle.pixelColor(15, 10).rgba(), QColor(Qt::red).rgba());
    EXPECT_EQ(triangle.pixelColor(15, 15).rgba(), QColor(Qt::black).rgba());
    EXPECT_TRUE(Transparent(triangle, 2, 2) && Transparent(triangle, 29, 2));
    for (int y = 17; y < 32; ++y)
        for (int x = 0; x < 32; ++x) ASSERT_TRUE(Transparent(triangle, x, y)) << x << "," << y;
}

class LedIconTest : public ::testing::Test {
protected:
    LedIconTest() : images(shell), LedIcon(MakeLedIcon(shell, images)) {}

    // The shell's icons that are still shown.
    std::vector<QSystemTrayIcon*> Shown() const {
        std::vector<QSystemTrayIcon*> shown;
        for (QSystemTrayIcon* tray : shell.findChildren<QSystemTrayIcon*>())
            if (tray->isVisible()) shown.push_back(tray);
        return shown;
    }

    QtTrayShell shell;
    LedIconImages images;
    std::unique_ptr<TSpTrayIcon> LedIcon;
};

TEST_F(LedIconTest, StartsHiddenThenShowsTheTriangleAndTheDots) {
    EXPECT_EQ(LedIcon->Hint(), "Quorvane");
    EXPECT_EQ(LedIcon->Icons(), &images.IconList());
    EXPECT_EQ(LedIcon->Icons()->Count(), 4);
    EXPECT_EQ(LedIcon->IconIndex(), -1);
    EXPECT_FALSE(LedIcon->Visible());
    EXPECT_TRUE(Shown().empty());

    LedIcon->SetVisible(true);
    ASSERT_EQ(Shown().size(), 1u);
    QSystemTrayIcon* tray = Shown()[0];
    EXPECT_EQ(tray->toolTip(), QStringLiteral("Quorvane"));
    EXPECT_EQ(tray->icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
              LedIconImages::TriangleImage().convertToFormat(QImage::Format_ARGB32));

    LedIcon->SetIconIndex(3);
    EXPECT_EQ(tray->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
              LedIconImages::DotImage(3).convertToFormat(QImage::Format_ARGB32));

    LedIcon->SetVisible(false);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(LedIconTest, ActivationsArriveAsMouseMessages) {
    TrayEventLog log(*LedIcon);
    LedIcon->SetVisible(true);
    ASSERT_EQ(Shown().size(), 1u);
    QSystemTrayIcon* tray = Shown()[0];

    emit tray->activated(QSystemTrayIcon::Context);
    emit tray->activated(QSystemTrayIcon::Trigger);
    emit tray->activated(QSystemTrayIcon::DoubleClick);
    emit tray->activated(QSystemTrayIcon::MiddleClick);
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"down right", "click", "up right", "down left", "click",
                                        "up left", "dblclick", "down left double", "down middle",
                                        "click", "up middle"}));
    EXPECT_TRUE(log.shifts[0].Contains(ShiftKey::ssRight))
        << "the button is down while it goes down";
    EXPECT_FALSE(log.shifts[1].Contains(ShiftKey::ssRight));
}

TEST_F(LedIconTest, IconHiddenOnMouseDownGetsNoMoreMessages) {
    int ups = 0;
    LedIcon->OnMouseDown = [&](TSpTrayIcon& sender, MouseButton, ShiftState, int, int) {
        sender.SetVisible(false);
    };
    LedIcon->OnMouseUp = [&](TSpTrayIcon&, MouseButton, ShiftState, int, int) { ++ups; };
    LedIcon->SetVisible(true);
    ASSERT_EQ(Shown().size(), 1u);
    emit Shown()[0]->activated(QSystemTrayIcon::Context);
    EXPECT_EQ(ups, 0);
    EXPECT_TRUE(Shown().empty());
}

}  // namespace
