#include "desktop/SpTrayIc.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/FakeTrayShell.h"

namespace {

using Texts = std::vector<std::string>;

// Every event of a tray icon as text ("down right double", "click", ...); the last mouse
// event's shift state and position.
struct TrayEventLog {
    explicit TrayEventLog(TSpTrayIcon& icon) {
        static const char* const names[] = {"left", "right", "middle"};
        icon.OnMouseDown = [this](TSpTrayIcon&, MouseButton b, ShiftState s, int x, int y) {
            Mouse(std::string("down ") + names[int(b)], s, x, y);
        };
        icon.OnMouseUp = [this](TSpTrayIcon&, MouseButton b, ShiftState s, int x, int y) {
            Mouse(std::string("up ") + names[int(b)], s, x, y);
        };
        icon.OnMouseMove = [this](TSpTrayIcon&, ShiftState s, int x, int y) {
            Mouse("move", s, x, y);
        };
        icon.OnClick = [this](TSpTrayIcon&) { events.push_back("click"); };
        icon.OnDblClick = [this](TSpTrayIcon&) { events.push_back("dblclick"); };
    }
    void Mouse(const std::string& what, ShiftState s, int x, int y) {
        events.push_back(what + (s.Contains(ShiftKey::ssDouble) ? " double" : ""));
        shift = s;
        at = {x, y};
    }
    Texts events;
    ShiftState shift;
    std::pair<int, int> at;
};

class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest() : dots{11, 12, 13, 14}, icon(std::make_unique<TSpTrayIcon>(shell)) {
        icon->SetIcon(IconPicture(50));
        icon->SetHint("Quorvane");
    }
    void Mouse(uint32_t message, int x = 0, int y = 0, uint32_t keys = 0, bool alt = false,
               uint32_t callback = 0x400) {
        shell.Mouse(icon->WindowHandle(), message, x, y, keys, alt, callback);
    }
    bool QueryEndSession() { return shell.windows.at(icon->WindowHandle())->QueryEndSession(); }

    FakeTrayShell shell;
    ImageList dots;
    std::unique_ptr<TSpTrayIcon> icon;
};

// Hidden, nothing reaches the shell; shown, each change does once, and destruction removes
// the icon and its window.
TEST_F(TrayIconTest, ShowingHintPictureAndDestructionReachTheShellOncePerChange) {
    icon->SetHint(std::string(70, 'h'));
    for (const bool visible : {false, true, true, false, false, true}) icon->SetVisible(visible);
    // The tip is cut at 63 bytes; a character that would not fit whole is left out.
    icon->SetHint(std::string(62, 'a') + "\xC3\xA9");
    // The copy's change notification refreshes, then the write refreshes again.
    icon->SetIcon(IconPicture(60));
    icon->Icon().SetHandle(61);
    icon.reset();
    { TSpTrayIcon hidden(shell); }
    const std::string added = "Add msg icon 50 tip " + std::string(63, 'h');
    EXPECT_EQ(shell.calls, (Texts{added, "Delete", added, "Modify tip " + std::string(62, 'a'),
                                  "Modify icon 60", "Modify icon 60", "Modify icon 61", "Delete"}));
    EXPECT_TRUE(shell.windows.empty());
}

TEST_F(TrayIconTest, IconIndexAndImageListChangeThePictureOncePerRealChange) {
    icon->SetIconIndex(1);
    EXPECT_EQ(icon->IconIndex(), -1) << "no list to pick from";
    icon->SetIcons(&dots);
    icon->SetVisible(true);
    shell.calls.clear();
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

    // Loading applies everything at the end; an index past the list is dropped. Its own
    // picture empty, the icon leaves the shell when the index goes back to it.
    shell.calls.clear();
    TSpTrayIcon bare(shell);
    bare.BeginLoading();
    bare.SetIcons(&dots);
    bare.SetIconIndex(7);
    bare.SetVisible(true);
    EXPECT_TRUE(shell.calls.empty());
    bare.Loaded();
    EXPECT_EQ(bare.IconIndex(), -1);
    bare.SetIconIndex(0);
    bare.SetIconIndex(-1);
    EXPECT_EQ(shell.calls, (Texts{"Add msg icon 0 tip ", "Modify icon 11", "Delete"}));
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
        Mouse(message, 120, 700);
        EXPECT_EQ(log.events, events) << std::hex << message;
        EXPECT_EQ(log.at, events.empty() ? std::pair(0, 0) : std::pair(120, 700));
    }

    // Keys and a 16-bit position come with the message; another callback message is ignored.
    TrayEventLog log(*icon);
    Mouse(0x204, -40, 65536 + 300, kMkRButton | kMkShift | kMkControl, true);
    EXPECT_EQ(log.shift, (ShiftState{ShiftKey::ssRight, ShiftKey::ssShift, ShiftKey::ssCtrl,
                                     ShiftKey::ssAlt}));
    EXPECT_EQ(log.at, std::make_pair(-40, 300));
    Mouse(0x203, 1, 2, kMkLButton | kMkMButton);
    EXPECT_EQ(log.shift, (ShiftState{ShiftKey::ssLeft, ShiftKey::ssMiddle, ShiftKey::ssDouble}));
    Mouse(0x201, 1, 2, 0, false, 0x401);
    EXPECT_EQ(log.events.size(), 3u);
}

TEST_F(TrayIconTest, ThrowingHandlersAreReportedAndTheIconGoesOn) {
    TrayEventLog log(*icon);
    Texts reports;
    icon->OnException = [&](const std::string& message) { reports.push_back(message); };
    icon->OnClick = [](TSpTrayIcon&) { throw std::runtime_error("menu failed"); };
    Mouse(0x205);  // the rest of that message is dropped
    icon->OnMouseDown = [](TSpTrayIcon&, MouseButton, ShiftState, int, int) { throw 42; };
    Mouse(0x204);
    Mouse(0x200);
    EXPECT_EQ(log.events, Texts{"move"});

    // The end of the session asks OnCloseQuery, which starts out agreeing.
    EXPECT_TRUE(QueryEndSession()) << "agrees without a handler";
    icon->OnCloseQuery = [&](TSpTrayIcon&, bool& canClose) { canClose = !canClose; };
    EXPECT_FALSE(QueryEndSession());
    icon->OnCloseQuery = [](TSpTrayIcon&, bool&) { throw std::runtime_error("busy"); };
    EXPECT_TRUE(QueryEndSession());
    EXPECT_EQ(reports, (Texts{"menu failed", "Unknown exception", "busy"}));
}

}  // namespace
