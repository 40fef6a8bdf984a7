#include "desktop/SpTrayIc.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/FakeTrayShell.h"

namespace {

constexpr TrayIconHandle kOwnPicture = 50;
using Texts = std::vector<std::string>;

class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest() : dots{11, 12, 13, 14}, icon(std::make_unique<TSpTrayIcon>(shell)) {
        icon->SetIcon(IconPicture(kOwnPicture));
        icon->SetHint("Quorvane");
    }
    // Shown with the dot list; the calls so far are forgotten.
    void ShowWithDots() {
        icon->SetIcons(&dots);
        icon->SetVisible(true);
        shell.calls.clear();
    }
    bool QueryEndSession() { return shell.windows.at(icon->WindowHandle())->QueryEndSession(); }

    FakeTrayShell shell;
    ImageList dots;
    std::unique_ptr<TSpTrayIcon> icon;
};

TEST_F(TrayIconTest, ShowingHidingAndDestructionAddAndDeleteOnce) {
    for (const bool visible : {false, true, true, false, false}) icon->SetVisible(visible);
    EXPECT_EQ(shell.calls, (Texts{"Add msg icon 50 tip Quorvane", "Delete"}));
    const TrayWindowId window = icon->WindowHandle();
    const NotifyIconData& d = shell.last;
    EXPECT_EQ(std::tuple(d.cbSize, d.hWnd, d.uID, d.uCallbackMessage),
              std::tuple(88u, window, 1u, 0x400u));

    // Destruction removes a visible icon and nothing else.
    icon->SetVisible(true);
    icon.reset();
    EXPECT_EQ(shell.calls, (Texts{"Add msg icon 50 tip Quorvane", "Delete",
                                  "Add msg icon 50 "
                                  "tip Quorvane",
                                  "Delete"}));
    { TSpTrayIcon hidden(shell); }
    EXPECT_EQ(shell.calls.size(), 4u);
    EXPECT_EQ(shell.destroyedWindows, (std::vector<TrayWindowId>{window, window + 1}));
}

TEST_F(TrayIconTest, IconIndexAndImageListChangeThePictureOncePerRealChange) {
    icon->SetIconIndex(1);
    EXPECT_EQ(icon->IconIndex(), -1) << "no list to pick from";
    ShowWithDots();
    icon->SetIconIndex(2);
    icon->SetIconIndex(2);
    icon->SetIconIndex(4);  // past the four dots: the colour stays
    EXPECT_EQ(icon->IconIndex(), 2);
    icon->SetIconIndex(-1);
    // A new or destroyed list brings back the own picture.
    icon->SetIconIndex(3);
    auto other = std::make_unique<ImageList>(std::initializer_list<TrayIconHandle>{21, 22});
    icon->SetIcons(other.get());
    EXPECT_EQ(icon->IconIndex(), -1);
    icon->SetIconIndex(1);
    other.reset();
    EXPECT_EQ(icon->Icons(), nullptr);
    EXPECT_EQ(icon->IconIndex(), -1);
    EXPECT_EQ(shell.calls, (Texts{"Modify icon 13", "Modify icon 50", "Modify icon 14",
                                  "Modify icon 50", "Modify icon 22", "Modify icon 50"}));
}

TEST_F(TrayIconTest, HintGoesToTheTooltipCutAt63Characters) {
    icon->SetHint(std::string(70, 'h'));
    EXPECT_TRUE(shell.calls.empty()) << "hidden: nothing to tell the shell";
    icon->SetVisible(true);
    // A character that would not fit whole is left out, not split.
    icon->SetHint(std::string(62, 'a') + "\xC3\xA9");
    EXPECT_EQ(shell.calls, (Texts{"Add msg icon 50 tip " + std::string(63, 'h'),
                                  "Modify tip " + std::string(62, 'a')}));
}

TEST_F(TrayIconTest, OwnPictureChangesReachTheShellAndAnEmptyOneRemovesTheIcon) {
    icon->SetVisible(true);
    shell.calls.clear();
    // The copy's change notification refreshes, then the write refreshes again.
    icon->SetIcon(IconPicture(60));
    icon->Icon().SetHandle(61);
    EXPECT_EQ(shell.calls, (Texts{"Modify icon 60", "Modify icon 60", "Modify icon 61"}));

    TSpTrayIcon bare(shell);
    bare.SetIcons(&dots);
    bare.SetVisible(true);
    shell.calls.clear();
    bare.SetIconIndex(0);
    bare.SetIconIndex(-1);  // its own picture is empty
    EXPECT_EQ(shell.calls, (Texts{"Modify icon 11", "Delete"}));
}

TEST_F(TrayIconTest, LoadingAppliesEverythingAtTheEnd) {
    TSpTrayIcon loaded(shell);
    loaded.BeginLoading();
    loaded.SetIcon(IconPicture(kOwnPicture));
    loaded.SetIcons(&dots);
    loaded.SetIconIndex(7);
    loaded.SetHint("Quorvane");
    loaded.SetVisible(true);
    EXPECT_TRUE(shell.calls.empty());
    loaded.Loaded();
    EXPECT_EQ(loaded.IconIndex(), -1) << "past the list";
    EXPECT_EQ(shell.calls, Texts{"Add msg icon 50 tip Quorvane"});
}

TEST_F(TrayIconTest, MouseMessagesRaiseTheirEventsWithKeysAndPosition) {
    // clang-format off
    const std::pair<uint32_t, Texts> table[] = {{0x200, {"move"}}, {0x201, {"down left"}},
        {0x202, {"click", "up left"}}, {0x203, {"dblclick", "down left double"}},
        {0x204, {"down right"}}, {0x205, {"click", "up right"}},
        {0x206, {"dblclick", "down right double"}}, {0x207, {"down middle"}},
        {0x208, {"click", "up middle"}}, {0x209, {"dblclick", "down middle double"}},
        {0x20A, {}}, {0x1FF, {}}};
    // clang-format on
    for (const auto& [message, events] : table) {
        TrayEventLog log(*icon);
        shell.Mouse(icon->WindowHandle(), message, 120, 700);
        EXPECT_EQ(log.events, events) << std::hex << message;
        for (const auto& position : log.positions) EXPECT_EQ(position, std::make_pair(120, 700));
    }

    // Keys and a 16-bit position come with the message; another callback message is ignored.
    TrayEventLog log(*icon);
    const TrayWindowId w = icon->WindowHandle();
    shell.Mouse(w, 0x204, -40, 65536 + 300, kMkRButton | kMkShift | kMkControl, true);
    shell.Mouse(w, 0x203, 1, 2, kMkLButton | kMkMButton);
    shell.Mouse(w, 0x201, 1, 2, 0, false, 0x401);
    ASSERT_EQ(log.events.size(), 3u);
    EXPECT_EQ(log.shifts[0], (ShiftState{ShiftKey::ssRight, ShiftKey::ssShift, ShiftKey::ssCtrl,
                                         ShiftKey::ssAlt}));
    EXPECT_EQ(log.positions[0], std::make_pair(-40, 300));
    EXPECT_EQ(log.shifts[1],
              (ShiftState{ShiftKey::ssLeft, ShiftKey::ssMiddle, ShiftKey::ssDouble}));
}

TEST_F(TrayIconTest, ThrowingHandlersAreReportedAndTheIconGoesOn) {
    TrayEventLog log(*icon);
    std::vector<std::string> reports;
    icon->OnException = [&](const std::string& message) { reports.push_back(message); };
    icon->OnClick = [](TSpTrayIcon&) { throw std::runtime_error("menu failed"); };
    shell.Mouse(icon->WindowHandle(), 0x205);
    EXPECT_EQ(reports, Texts{"menu failed"});
    EXPECT_TRUE(log.events.empty()) << "the rest of that message is dropped";
    icon->OnMouseDown = [](TSpTrayIcon&, MouseButton, ShiftState, int, int) { throw 42; };
    shell.Mouse(icon->WindowHandle(), 0x204);
    shell.Mouse(icon->WindowHandle(), 0x200);
    EXPECT_EQ(reports.size(), 2u);
    EXPECT_EQ(log.events, Texts{"move"});

    // The end of the session asks OnCloseQuery, which starts out agreeing.
    EXPECT_TRUE(QueryEndSession()) << "agrees without a handler";
    bool startedTrue = false;
    icon->OnCloseQuery = [&](TSpTrayIcon&, bool& canClose) {
        startedTrue = canClose;
        canClose = false;
    };
    EXPECT_FALSE(QueryEndSession());
    EXPECT_TRUE(startedTrue);
    icon->OnCloseQuery = [](TSpTrayIcon&, bool&) { throw std::runtime_error("busy"); };
    EXPECT_TRUE(QueryEndSession());
    EXPECT_EQ(reports.back(), "busy");
}

}  // namespace
