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
    }

    // Shown with the dot list; the calls so far are forgotten.
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
}

TEST_F(TrayIconTest, IconIndexChangesThePictureOncePerRealChange) {
    icon->SetIconIndex(1);
    EXPECT_EQ(icon->IconIndex(), -1) << "no list to pick from";

    ShowWithDots();
    icon->SetIconIndex(2);
    icon->SetIconIndex(2);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].message, NotifyMessage::Modify);
    EXPECT_EQ(shell.calls[0].flags, static_cast<uint32_t>(NIF_ICON));
    EXPECT_EQ(shell.calls[0].icon, 13u);

    icon->SetIconIndex(4);  // past the four dots: the colour stays
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(icon->IconIndex(), 2);

    icon->SetIconIndex(-1);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].icon, OwnPicture);
}

TEST_F(TrayIconTest, HintGoesToTheTooltipCutAt63Characters) {
    icon->SetHint(std::string(70, 'h'));
    EXPECT_TRUE(shell.calls.empty()) << "hidden: nothing to tell the shell";

    icon->SetVisible(true);
    EXPECT_EQ(shell.calls.back().tip, std::string(63, 'h'));

    icon->SetHint("Quorvane");
    EXPECT_EQ(shell.calls.back().message, NotifyMessage::Modify);
    EXPECT_EQ(shell.calls.back().flags, static_cast<uint32_t>(NIF_TIP));
    EXPECT_EQ(shell.calls.back().tip, "Quorvane");

    // A character that would not fit whole is left out, not split.
    icon->SetHint(std::string(62, 'a') + "\xC3\xA9");
    EXPECT_EQ(shell.calls.back().tip, std::string(62, 'a'));
}

TEST_F(TrayIconTest, NewOrDestroyedImageListBringsBackTheOwnPicture) {
    ShowWithDots();
    icon->SetIconIndex(3);
    auto other = std::make_unique<TImageList>(std::initializer_list<TrayIconHandle>{21, 22});
    icon->SetIcons(other.get());
    EXPECT_EQ(icon->IconIndex(), -1);
    EXPECT_EQ(shell.calls.back().icon, OwnPicture);

    icon->SetIconIndex(1);
    EXPECT_EQ(shell.calls.back().icon, 22u);
    other.reset();
    EXPECT_EQ(icon->Icons(), nullptr);
    EXPECT_EQ(icon->IconIndex(), -1);
    EXPECT_EQ(shell.calls.back().icon, OwnPicture);
}

TEST_F(TrayIconTest, EmptyPictureRemovesTheShellIcon) {
    TSpTrayIcon bare(shell);
    bare.SetIcons(&dots);
    bare.SetVisible(true);
    bare.SetIconIndex(0);
    EXPECT_EQ(shell.calls.back().icon, 11u);
    bare.SetIconIndex(-1);  // its own picture is empty
    EXPECT_EQ(shell.calls.back().message, NotifyMessage::Delete);
}

TEST_F(TrayIconTest, NewOwnPictureReachesTheShell) {
    icon->SetVisible(true);
    shell.calls.clear();
    // The copy's change notification refreshes, then the write refreshes again.
    icon->SetIcon(TIcon(60));
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].icon, 60u);
    EXPECT_EQ(shell.calls[1].icon, 60u);

    icon->Icon().SetHandle(61);
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(shell.calls[2].icon, 61u);
}

TEST_F(TrayIconTest, LoadingAppliesEverythingAtTheEnd) {
    shell.calls.clear();
    TSpTrayIcon loaded(shell);
    loaded.BeginLoading();
    loaded.SetIcon(TIcon(OwnPicture));
    loaded.SetIcons(&dots);
    loaded.SetIconIndex(7);
    loaded.SetHint("Quorvane");
    loaded.SetVisible(true);
    EXPECT_TRUE(shell.calls.empty());

    loaded.Loaded();
    EXPECT_EQ(loaded.IconIndex(), -1) << "past the list";
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].message, NotifyMessage::Add);
    EXPECT_EQ(shell.calls[0].flags, AllFlags);
    EXPECT_EQ(shell.calls[0].icon, OwnPicture);
    EXPECT_EQ(shell.calls[0].tip, "Quorvane");
}

TEST_F(TrayIconTest, DestructionRemovesAVisibleIcon) {
    const TrayWindowId window = icon->WindowHandle();
    icon->SetVisible(true);
    icon.reset();
    EXPECT_EQ(shell.calls.back().message, NotifyMessage::Delete);
    EXPECT_EQ(shell.destroyedWindows, std::vector<TrayWindowId>{window});

    const std::size_t calls = shell.calls.size();
    { TSpTrayIcon hidden(shell); }
    EXPECT_EQ(shell.calls.size(), calls);
    EXPECT_EQ(shell.destroyedWindows.size(), 2u);
}

struct MouseCase {
    uint32_t message;
    std::vector<std::string> events;
};

class MouseTableTest : public TrayIconTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(MouseTableTest, RaisesTheEventsInOrder) {
    TrayEventLog log(*icon);
    shell.mouse(icon->WindowHandle(), GetParam().message, 120, 700);
    EXPECT_EQ(log.events, GetParam().events);
    for (const auto& position : log.positions) EXPECT_EQ(position, std::make_pair(120, 700));
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

TEST_F(TrayIconTest, MouseMessageCarriesKeysAndA16BitPosition) {
    TrayEventLog log(*icon);
    const TrayWindowId w = icon->WindowHandle();
    shell.mouse(w, 0x204, -40, 65536 + 300, MK_RBUTTON | MK_SHIFT | MK_CONTROL, true);
    shell.mouse(w, 0x203, 1, 2, MK_LBUTTON | MK_MBUTTON);
    shell.mouse(w, 0x201, 1, 2, 0, false, 0x401);  // not the icon's callback message
    ASSERT_EQ(log.events.size(), 3u);
    EXPECT_EQ(log.shifts[0],
              (TShiftState{TShift::ssRight, TShift::ssShift, TShift::ssCtrl, TShift::ssAlt}));
    EXPECT_EQ(log.positions[0], std::make_pair(-40, 300));
    EXPECT_EQ(log.shifts[1], (TShiftState{TShift::ssLeft, TShift::ssMiddle, TShift::ssDouble}));
}

TEST_F(TrayIconTest, ThrowingHandlerIsReportedAndTheIconGoesOn) {
    TrayEventLog log(*icon);
    std::vector<std::string> reports;
    icon->OnException = [&](const std::string& message) { reports.push_back(message); };
    icon->OnClick = [](TSpTrayIcon&) { throw std::runtime_error("menu failed"); };
    shell.mouse(icon->WindowHandle(), 0x205);
    EXPECT_EQ(reports, std::vector<std::string>{"menu failed"});
    EXPECT_TRUE(log.events.empty()) << "the rest of that message is dropped";

    icon->OnMouseDown = [](TSpTrayIcon&, TMouseButton, TShiftState, int, int) { throw 42; };
    shell.mouse(icon->WindowHandle(), 0x204);
    shell.mouse(icon->WindowHandle(), 0x200);
    EXPECT_EQ(reports.size(), 2u);
    EXPECT_EQ(log.events, std::vector<std::string>{"move"});
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
