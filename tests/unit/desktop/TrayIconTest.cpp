#include "desktop/TrayIcon.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/FakeTrayShell.h"

namespace {

using Texts = std::vector<std::string>;

class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest() : icon(std::make_unique<TrayIcon>(shell)) {
        for (const TrayIconHandle dot : {11, 12, 13, 14}) dots.Add(dot);
        icon->SetIcon(IconPicture(50));
        icon->SetHint("Quorvane");
        icon->OnMouseDown = [this](TrayIcon&, MouseButton b, ShiftState s, int x, int y) {
            static const char* const names[] = {"left", "right", "middle"};
            downs.push_back(std::string(names[int(b)]) +
                            (s.Contains(ShiftKey::Double) ? " double" : "") + " at " +
                            std::to_string(x) + "," + std::to_string(y));
        };
    }
    void Mouse(uint32_t message, int x = 0, int y = 0, uint32_t callback = 0x400) {
        shell.Mouse(shell.windows.begin()->first, message, x, y, callback);
    }

    FakeTrayShell shell;
    ImageList dots;
    std::unique_ptr<TrayIcon> icon;
    Texts downs;  // each button-down event: "right at 120,700", "left double at 0,0"
};

// Hidden, nothing reaches the shell; shown, each change does once, and destruction removes
// the icon and its window.
TEST_F(TrayIconTest, ShowingHintPictureAndDestructionReachTheShellOncePerChange) {
    icon->SetHint(std::string(70, 'h'));
    for (const bool visible : {false, true, true, false, false, true}) icon->SetVisible(visible);
    // The tip is cut at 63 bytes; a character that would not fit whole is left out.
    icon->SetHint(std::string(62, 'a') + "\xC3\xA9");
    icon->SetIcon(IconPicture(60));
    icon.reset();
    { TrayIcon hidden(shell); }
    const std::string added = "Add msg icon 50 tip " + std::string(63, 'h');
    EXPECT_EQ(shell.calls, (Texts{added, "Delete", added, "Modify tip " + std::string(62, 'a'),
                                  "Modify icon 60", "Delete"}));
    EXPECT_TRUE(shell.windows.empty());
}

TEST_F(TrayIconTest, IconIndexAndImageListChangeThePictureOncePerRealChange) {
    icon->SetIconIndex(1);  // no list to pick from
    icon->SetIcons(&dots);
    icon->SetVisible(true);
    icon->SetIconIndex(2);
    icon->SetIconIndex(2);
    icon->SetIconIndex(4);  // past the four dots: the colour stays
    icon->SetIconIndex(-1);
    // A new or destroyed list brings back the own picture.
    icon->SetIconIndex(3);
    auto other = std::make_unique<ImageList>();
    for (const TrayIconHandle picture : {21, 22}) other->Add(picture);
    icon->SetIcons(other.get());
    icon->SetIconIndex(1);
    other.reset();
    EXPECT_EQ(shell.calls,
              (Texts{"Add msg icon 50 tip Quorvane", "Modify icon 13", "Modify icon 50",
                     "Modify icon 14", "Modify icon 50", "Modify icon 22", "Modify icon 50"}));

    // Loading applies everything at the end; an index past the list is dropped. Its own
    // picture empty, the icon leaves the shell when the index goes back to it.
    shell.calls.clear();
    TrayIcon bare(shell);
    bare.BeginLoading();
    bare.SetIcons(&dots);
    bare.SetIconIndex(7);
    bare.SetVisible(true);
    EXPECT_TRUE(shell.calls.empty());
    bare.Loaded();
    bare.SetIconIndex(0);
    bare.SetIconIndex(-1);
    EXPECT_EQ(shell.calls, (Texts{"Add msg icon 0 tip ", "Modify icon 11", "Delete"}));
}

// The program opens its menu where the right button goes down. A double click is a down
// event of its own, marked so; other mouse messages, and those of another callback
// message, raise none.
TEST_F(TrayIconTest, ButtonDownsArriveWithTheButtonAndTheSignedPosition) {
    // clang-format off
    const std::pair<uint32_t, Texts> table[] = {{0x204, {"right at -40,300"}},
        {0x201, {"left at -40,300"}}, {0x209, {"middle double at -40,300"}}, {0x205, {}}};
    // clang-format on
    for (const auto& [message, expected] : table) {
        downs.clear();
        Mouse(message, -40, 65536 + 300);
        EXPECT_EQ(downs, expected) << std::hex << message;
    }
    Mouse(0x204, 1, 2, 0x401);
    EXPECT_EQ(downs, Texts{});
}

// A handler that throws is reported and the icon goes on.
TEST_F(TrayIconTest, ThrowingHandlersAreReportedAndTheIconGoesOn) {
    Texts reports;
    icon->OnException = [&](const std::string& message) { reports.push_back(message); };
    const auto record = icon->OnMouseDown;
    icon->OnMouseDown = [](TrayIcon&, MouseButton, ShiftState, int, int) {
        throw std::runtime_error("menu failed");
    };
    Mouse(0x204);
    icon->OnMouseDown = record;
    Mouse(0x204);
    EXPECT_EQ(downs, Texts{"right at 0,0"});
    EXPECT_EQ(reports, Texts{"menu failed"});
}

}  // namespace
