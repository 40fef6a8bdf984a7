// The single-instance guard's Windows parts: a named mapping and a message-only window.

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include "platform/win32/Win32SharedMemory.h"
#include "platform/win32/Win32WindowActivation.h"

static const std::string kName = "quorvane-test-" + std::to_string(GetCurrentProcessId());

// The first word of the named block, mapped through `mapping`.
static uint32_t* View(Win32SharedMemory& memory, SharedMappingHandle& mapping) {
    mapping = memory.CreateMapping(kName, 4);
    return static_cast<uint32_t*>(memory.MapView(mapping, 4));
}

TEST(SingleInstanceTest, TheNamedBlockIsSharedUntilItsLastHandleCloses) {
    Win32SharedMemory memory;
    SharedMappingHandle first = 0, second = 0;
    uint32_t* const a = View(memory, first);
    ASSERT_NE(a, nullptr) << memory.LastError();
    EXPECT_EQ(*a, 0u) << "a new block starts zero-filled";
    *a = 4711;
    uint32_t* const b = View(memory, second);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(*b, 4711u) << "the same name opens the same block";
    memory.UnmapView(a, 4), memory.UnmapView(b, 4), memory.CloseMapping(first);
    memory.CloseMapping(second);
    uint32_t* const c = View(memory, first);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(*c, 0u) << "with every handle closed the block was gone";
    memory.UnmapView(c, 4), memory.CloseMapping(first);
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
