// The single-instance guard's Windows parts: a named mapping and a message-only window.

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include "platform/win32/Win32SharedMemory.h"
#include "platform/win32/Win32WindowActivation.h"

static const std::string kName = "quorvane-test-" + std::to_string(GetCurrentProcessId());

TEST(SingleInstanceTest, TheSameNameMapsTheSameZeroFilledBlock) {
    Win32SharedMemory memory;
    SharedMappingHandle mappings[2] = {};
    uint32_t* views[2] = {};
    for (int i = 0; i < 2; ++i) {
        mappings[i] = memory.CreateMapping(kName, 4);
        views[i] = static_cast<uint32_t*>(memory.MapView(mappings[i], 4));
        ASSERT_NE(views[i], nullptr) << memory.LastError();
    }
    EXPECT_EQ(*views[1], 0u);
    *views[0] = 4711;
    EXPECT_EQ(*views[1], 4711u);
    for (int i = 0; i < 2; ++i) memory.UnmapView(views[i], 4), memory.CloseMapping(mappings[i]);
}

TEST(SingleInstanceTest, ALaterStartReachesOnlyTheWindowListeningOnItsName) {
    Win32WindowActivation running, later;
    int broughtForward = 0;
    EXPECT_FALSE(later.RequestBringForward(kName));
    ASSERT_TRUE(running.Listen(kName, [&] { ++broughtForward; }));
    EXPECT_TRUE(later.RequestBringForward(kName));
    EXPECT_FALSE(later.RequestBringForward(kName + "-other"));
    running.StopListening();
    EXPECT_FALSE(later.RequestBringForward(kName));
    EXPECT_EQ(broughtForward, 1);
}

TEST(SingleInstanceTest, RestoreAndActivateBringsAMinimizedWindowBack) {
    HWND window = CreateWindowExA(0, "STATIC", "quorvane", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window));
    RestoreAndActivate(reinterpret_cast<std::uintptr_t>(window));
    // The restore is posted: it lands once the message loop runs.
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(GetForegroundWindow(), window);
    DestroyWindow(window);
}
