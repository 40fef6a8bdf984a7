// The single-instance guard over the real named mapping and bring-forward window; later
// starts are this program run again, hence its main is here.

#include <gtest/gtest.h>
#include "platform/win32/WindowsApi.h"

#include <string>

#include "desktop/SpOnly1.h"
#include "platform/win32/Win32SharedMemory.h"
#include "platform/win32/Win32WindowActivation.h"

namespace {

constexpr int kFirst = 10, kMustEnd = 11, kFailed = 12;

// The child: a later start reduced to its guard.
int Claim(const std::string& name) {
    Win32SharedMemory memory;
    Win32WindowActivation activation;
    try {
        return TSpOnlyOne(memory, activation, name, GetCurrentProcessId()).MustEnd() ? kMustEnd
                                                                                     : kFirst;
    } catch (const ESharedMemError&) {
        return kFailed;
    }
}

// Runs the child and its exit status; this thread's windows answer meanwhile, since the
// child's bring-forward request comes to one of them.
int RunChild(const std::string& name) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string commandLine = "\"" + std::string(program) + "\" --claim " + name;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    CloseHandle(process.hThread);
    const DWORD start = GetTickCount();
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 30000, QS_ALLINPUT) ==
               WAIT_OBJECT_0 + 1 &&
           GetTickCount() - start < 30000)
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&message);
    DWORD status = kFailed;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &status);
    else
        TerminateProcess(process.hProcess, kFailed);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

TEST(SingleInstanceTest, ASecondProcessSeesTheClaimAndAsksTheFirstForward) {
    const std::string name = "quorvane-test-" + std::to_string(GetCurrentProcessId());
    Win32SharedMemory memory;
    Win32WindowActivation activation;
    int broughtForward = 0;
    {
        TSpOnlyOne first(memory, activation, name, GetCurrentProcessId());
        first.OnBringForward = [&] { ++broughtForward; };
        ASSERT_FALSE(first.MustEnd());
        EXPECT_EQ(RunChild(name), kMustEnd);
        EXPECT_EQ(RunChild(name), kMustEnd) << "a later instance undid the claim";
        EXPECT_EQ(broughtForward, 2);
    }
    // Let go: the mapping is gone and the next start is first; nobody listens any more.
    EXPECT_EQ(RunChild(name), kFirst);
    EXPECT_EQ(broughtForward, 2);
    EXPECT_FALSE(activation.RequestBringForward(name));

    // Backslashes are not allowed in mapping names outside the namespace prefixes.
    EXPECT_THROW(TSharedMem(memory, "no\\such\\namespace", 4), ESharedMemError);
    EXPECT_NE(memory.LastError(), 0);
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

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--claim") return Claim(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
