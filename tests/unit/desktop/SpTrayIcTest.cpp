#include "desktop/SpTrayIc.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/FakeTrayShell.h"

namespace {

constexpr TrayIconHandle OwnPicture = 50;
constexpr uint32_t AllFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest() : dots{11, 12, 13, 14}, icon(std::make_unique<TSpTrayIcon>(shell)) {
        icon->SetIcon(TIcon(OwnPicture));
        icon->SetHint("Quorvane");
        shell.calls.clear();
    }

    void ShowWithDots() {
        icon->SetIcons(&dots);
        icon->SetVisible(true);
        shell.calls.clear();
    }

    FakeTrayShell shell;
    TImageList dots;
    std::unique_ptr<TSpTrayIcon> icon;
};

TEST_F(TrayIconTest, ShowingAndHidingAddsAndDeletesOnce) {
    icon->SetVisible(false);
    EXPECT_TRUE(shell.calls.empty());

    icon->SetVisible(true);
    icon->SetVisible(true);
    ASSERT_EQ(shell.calls.size(), 1u);
    const ShellCall& add = shell.calls[0];
    EXPECT_EQ(add.message, NotifyMessage::Add);
    EXPECT_EQ(add.flags, AllFlags);
    EXPECT_EQ(add.size, 88u);
    EXPECT_EQ(add.window, icon->WindowHandle());
    EXPECT_NE(add.window, 0u);
    EXPECT_EQ(add.id, 1u);
    EXPECT_EQ(add.callbackMessage, 0x400u);
    EXPECT_EQ(add.tip, "Quorvane");
    EXPECT_EQ(add.icon, OwnPicture);

    icon->SetVisible(false);
    icon->SetVisible(false);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].message, NotifyMessage::Delete);
    EXPECT_EQ(shell.calls[1].flags, 0u);
    EXPECT_EQ(shell.calls[1].id, 1u);
}

TEST_F(TrayIconTest, IconIndexChangesThePictureOncePerRealChange) {
    ShowWithDots();
    icon->SetIconIndex(2);
    icon->SetIconIndex(2);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].message, NotifyMessage::Modify);
    EXPECT_EQ(shell.calls[0].flags, static_cast<uint32_t>(NIF_ICON));
    EXPECT_EQ(shell.calls[0].icon, 13u);

    // Past the four dots: ignored, the colour stays.
    icon->SetIconIndex(4);
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(icon->IconIndex(), 2);
    EXPECT_EQ(icon->ShownIcon(), 13u);

    // -1 brings back the icon's own picture.
    icon->SetIconIndex(-1);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].icon, OwnPicture);
}

TEST_F(TrayIconTest, IconIndexWithoutImageListStaysMinusOne) {
    icon->SetVisible(true);
    shell.calls.clear();
    icon->SetIconIndex(1);
    EXPECT_EQ(icon->IconIndex(), -1);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TrayIconTest, HintGoesToTheTooltipCutAt63Characters) {
    const std::string longHint(70, 'h');
    icon->SetHint(longHint);
    EXPECT_TRUE(shell.calls.empty()) << "hidden icon: nothing to tell the shell";
    EXPECT_EQ(icon->Hint(), longHint);

    icon->SetVisible(true);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].tip, std::string(63, 'h'));

    icon->SetHint("Quorvane");
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].message, NotifyMessage::Modify);
    EXPECT_EQ(shell.calls[1].flags, static_cast<uint32_t>(NIF_TIP));
    EXPECT_EQ(shell.calls[1].tip, "Quorvane");

    // A character that would not fit whole is left out, not split.
    icon->SetHint(std::string(62, 'a') + "\xC3\xA9");
    EXPECT_EQ(shell.calls.back().tip, std::string(62, 'a'));
}

TEST_F(TrayIconTest, ImageListChangesResetTheIndex) {
    ShowWithDots();
    icon->SetIconIndex(3);
    shell.calls.clear();

    TImageList other{21, 22};
    icon->SetIcons(&other);
    EXPECT_EQ(icon->IconIndex(), -1);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].icon, OwnPicture);

    icon->SetIconIndex(1);
    EXPECT_EQ(shell.calls.back().icon, 22u);
}

TEST_F(TrayIconTest, DestroyedImageListIsForgotten) {
    auto list = std::make_unique<TImageList>(std::initializer_list<TrayIconHandle>{31, 32});
    icon->SetIcons(list.get());
    icon->SetVisible(true);
    icon->SetIconIndex(1);
    shell.calls.clear();

    list.reset();
    EXPECT_EQ(icon->Icons(), nullptr);
    EXPECT_EQ(icon->IconIndex(), -1);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].icon, OwnPicture);
}

TEST_F(TrayIconTest, EmptyPictureRemovesTheShellIcon) {
    TSpTrayIcon bare(shell);
    bare.SetIcons(&dots);
    bare.SetVisible(true);
    EXPECT_EQ(shell.calls.back().message, NotifyMessage::Add);
    EXPECT_EQ(shell.calls.back().icon, 0u);

    bare.SetIconIndex(0);
    EXPECT_EQ(shell.calls.back().message, NotifyMessage::Modify);
    EXPECT_EQ(shell.calls.back().icon, 11u);

    // Back to its own picture, which is empty.
    bare.SetIconIndex(-1);
    EXPECT_EQ(shell.calls.back().message, NotifyMessage::Delete);
}

TEST_F(TrayIconTest, NewOwnPictureReachesTheShell) {
    icon->SetVisible(true);
    shell.calls.clear();

    // The copy's change notification refreshes, then the write refreshes again.
    icon->SetIcon(TIcon(60));
    ASSERT_EQ(shell.calls.size(), 2u);
    for (const ShellCall& call : shell.calls) {
        EXPECT_EQ(call.flags, static_cast<uint32_t>(NIF_ICON));
        EXPECT_EQ(call.icon, 60u);
    }

    shell.calls.clear();
    icon->Icon().SetHandle(61);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].icon, 61u);

    // A copy of the picture is not tied to the component.
    shell.calls.clear();
    TIcon copy(icon->Icon());
    copy.SetHandle(62);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TrayIconTest, LoadingAppliesEverythingAtTheEnd) {
    TSpTrayIcon loaded(shell);
    loaded.BeginLoading();
    loaded.SetIcon(TIcon(OwnPicture));
    loaded.SetIcons(&dots);
    loaded.SetIconIndex(7);
    loaded.SetHint("Quorvane");
    loaded.SetVisible(true);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(loaded.IconIndex(), 7);

    loaded.Loaded();
    EXPECT_EQ(loaded.IconIndex(), -1) << "past the list";
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].message, NotifyMessage::Add);
    EXPECT_EQ(shell.calls[0].flags, AllFlags);
    EXPECT_EQ(shell.calls[0].icon, OwnPicture);
    EXPECT_EQ(shell.calls[0].tip, "Quorvane");

    TSpTrayIcon withDot(shell);
    withDot.BeginLoading();
    withDot.SetIcons(&dots);
    withDot.SetIconIndex(3);
    withDot.SetVisible(true);
    withDot.Loaded();
    EXPECT_EQ(shell.calls.back().icon, 14u);
}

TEST_F(TrayIconTest, DestructionRemovesAVisibleIcon) {
    const TrayWindowId window = icon->WindowHandle();
    icon->SetVisible(true);
    shell.calls.clear();
    icon.reset();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].message, NotifyMessage::Delete);
    EXPECT_EQ(shell.destroyedWindows, std::vector<TrayWindowId>{window});

    { TSpTrayIcon hidden(shell); }
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.destroyedWindows.size(), 2u);
}

// Every event as text: "down right" and so on, with the position once per message.
class TrayMouseTest : public TrayIconTest {
protected:
    TrayMouseTest() {
        icon->OnMouseDown = [this](TSpTrayIcon& sender, TMouseButton b, TShiftState s, int x,
                                   int y) {
            Record(sender, "down " + Name(b) + (s.Contains(TShift::ssDouble) ? " double" : ""), s,
                   x, y);
        };
        icon->OnMouseUp = [this](TSpTrayIcon& sender, TMouseButton b, TShiftState s, int x, int y) {
            Record(sender, "up " + Name(b), s, x, y);
        };
        icon->OnMouseMove = [this](TSpTrayIcon& sender, TShiftState s, int x, int y) {
            Record(sender, "move", s, x, y);
        };
        icon->OnClick = [this](TSpTrayIcon& sender) { Record(sender, "click"); };
        icon->OnDblClick = [this](TSpTrayIcon& sender) { Record(sender, "dblclick"); };
    }

    static std::string Name(TMouseButton b) {
        return b == TMouseButton::mbLeft ? "left" : b == TMouseButton::mbRight ? "right" : "middle";
    }

    void Record(TSpTrayIcon& sender, const std::string& what, TShiftState s = {}, int x = 0,
                int y = 0) {
        EXPECT_EQ(&sender, icon.get());
        events.push_back(what);
        shifts.push_back(s);
        positions.emplace_back(x, y);
    }

    std::vector<std::string> events;
    std::vector<TShiftState> shifts;
    std::vector<std::pair<int, int>> positions;
};

struct MouseCase {
    uint32_t message;
    std::vector<std::string> events;
};

class MouseTableTest : public TrayMouseTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(MouseTableTest, RaisesTheEventsInOrder) {
    shell.mouse(icon->WindowHandle(), GetParam().message, 120, 700);
    EXPECT_EQ(events, GetParam().events);
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i] == "click" || events[i] == "dblclick") continue;
        EXPECT_EQ(positions[i], std::make_pair(120, 700)) << events[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    MouseMessages, MouseTableTest,
    ::testing::Values(MouseCase{0x200, {"move"}}, MouseCase{0x201, {"down left"}},
                      MouseCase{0x202, {"click", "up left"}},
                      MouseCase{0x203, {"dblclick", "down left double"}},
                      MouseCase{0x204, {"down right"}}, MouseCase{0x205, {"click", "up right"}},
                      MouseCase{0x206, {"dblclick", "down right double"}},
                      MouseCase{0x207, {"down middle"}}, MouseCase{0x208, {"click", "up middle"}},
                      MouseCase{0x209, {"dblclick", "down middle double"}}, MouseCase{0x20A, {}},
                      MouseCase{0x1FF, {}}, MouseCase{0x20B, {}}));

TEST_F(TrayMouseTest, KeyStateBecomesTheShiftState) {
    shell.mouse(icon->WindowHandle(), 0x204, 1, 2, MK_RBUTTON | MK_SHIFT | MK_CONTROL, true);
    shell.mouse(icon->WindowHandle(), 0x203, 1, 2, MK_LBUTTON | MK_MBUTTON);
    shell.mouse(icon->WindowHandle(), 0x200, 1, 2);
    ASSERT_EQ(shifts.size(), 4u);
    EXPECT_EQ(shifts[0],
              (TShiftState{TShift::ssRight, TShift::ssShift, TShift::ssCtrl, TShift::ssAlt}));
    EXPECT_EQ(shifts[2], (TShiftState{TShift::ssLeft, TShift::ssMiddle, TShift::ssDouble}));
    EXPECT_EQ(shifts[3], TShiftState{});
}

TEST_F(TrayMouseTest, PositionTravelsAsSigned16BitValues) {
    shell.mouse(icon->WindowHandle(), 0x201, -40, 65536 + 300);
    ASSERT_EQ(positions.size(), 1u);
    EXPECT_EQ(positions[0], std::make_pair(-40, 300));
}

TEST_F(TrayMouseTest, OtherCallbackMessagesAreNotMouseReports) {
    shell.mouse(icon->WindowHandle(), 0x201, 0, 0, 0, false, 0x401);
    EXPECT_TRUE(events.empty());
}

TEST_F(TrayMouseTest, ThrowingHandlerIsReportedAndTheIconGoesOn) {
    std::vector<std::string> reports;
    icon->OnException = [&](const std::string& message) { reports.push_back(message); };
    icon->OnClick = [](TSpTrayIcon&) { throw std::runtime_error("menu failed"); };

    shell.mouse(icon->WindowHandle(), 0x205);
    EXPECT_EQ(reports, std::vector<std::string>{"menu failed"});
    EXPECT_TRUE(events.empty()) << "the rest of that message is dropped";

    icon->OnMouseDown = [](TSpTrayIcon&, TMouseButton, TShiftState, int, int) { throw 42; };
    shell.mouse(icon->WindowHandle(), 0x204);
    shell.mouse(icon->WindowHandle(), 0x200);
    EXPECT_EQ(reports.size(), 2u);
    EXPECT_EQ(events, std::vector<std::string>{"move"});
}

TEST_F(TrayIconTest, EndOfSessionAsksOnCloseQuery) {
    const TrayWindowId window = icon->WindowHandle();
    EXPECT_TRUE(shell.queryEndSession(window)) << "agrees without a handler";

    bool startedTrue = false;
    icon->OnCloseQuery = [&](TSpTrayIcon&, bool& canClose) {
        startedTrue = canClose;
        canClose = false;
    };
    EXPECT_FALSE(shell.queryEndSession(window));
    EXPECT_TRUE(startedTrue);

    std::string report;
    icon->OnException = [&](const std::string& message) { report = message; };
    icon->OnCloseQuery = [](TSpTrayIcon&, bool&) { throw std::runtime_error("busy"); };
    EXPECT_TRUE(shell.queryEndSession(window));
    EXPECT_EQ(report, "busy");
}

}  // namespace
