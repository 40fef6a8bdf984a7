// The single-instance guard over the real named mapping and bring-forward window, with a
// second process started from this program; hence this program's main is here too.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "desktop/SpOnly1.h"
#include "platform/win32/Win32SharedMemory.h"
#include "platform/win32/Win32WindowActivation.h"

namespace {

constexpr int kNotAChild = -1;
constexpr int kFirstInstance = 10;
constexpr int kMustEnd = 11;
constexpr int kChildFailed = 12;
constexpr int32_t kBlockSize = 4;

// Child: the first word of the block as this process sees it.
int ReadBlock(const std::string& name) {
    Win32SharedMemory memory;
    try {
        TSharedMem block(memory, name, kBlockSize);
        uint32_t word = 0;
        std::memcpy(&word, block.Buffer(), sizeof word);
        return static_cast<int>(word);
    } catch (const ESharedMemError&) {
        return kChildFailed;
    }
}

// Child: a later start of the program, reduced to its guard.
int Claim(const std::string& name) {
    Win32SharedMemory memory;
    Win32WindowActivation activation;
    try {
        TSpOnlyOne guard(memory, activation, name, GetCurrentProcessId());
        return guard.MustEnd() ? kMustEnd : kFirstInstance;
    } catch (const ESharedMemError&) {
        return kChildFailed;
    }
}

// Starts this program again with `arguments`, keeps this thread's windows answering while
// it runs, and returns its exit status (kNotAChild when it did not run).
int RunChild(const std::string& arguments) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string commandLine = "\"" + std::string(program) + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return kNotAChild;
    CloseHandle(process.hThread);
    // The child's bring-forward request is answered by this thread's window.
    constexpr DWORD kChildTimeoutMs = 30000;
    const DWORD start = GetTickCount();
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, kChildTimeoutMs, QS_ALLINPUT) ==
           WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        if (GetTickCount() - start > kChildTimeoutMs) break;
    }
    DWORD status = static_cast<DWORD>(kNotAChild);
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &status);
    else
        TerminateProcess(process.hProcess, static_cast<UINT>(kChildFailed));
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

std::string BlockName() {
    return "quorvane-test-" + std::to_string(GetCurrentProcessId());
}

TEST(SingleInstanceTest, ASecondProcessSeesTheClaimAndAsksTheFirstForward) {
    const std::string name = BlockName();
    Win32SharedMemory memory;
    Win32WindowActivation activation;
    int broughtForward = 0;
    {
        TSpOnlyOne first(memory, activation, name, GetCurrentProcessId());
        first.OnBringForward = [&] { ++broughtForward; };
        ASSERT_FALSE(first.MustEnd());

        EXPECT_EQ(RunChild("--read " + name), static_cast<int>(GetCurrentProcessId()));
        EXPECT_EQ(RunChild("--claim " + name), kMustEnd);
        EXPECT_EQ(broughtForward, 1);
        // The later instance never writes the block.
        EXPECT_EQ(RunChild("--read " + name), static_cast<int>(GetCurrentProcessId()));
    }
    // Once the first instance has let go, the mapping is gone: the next start is first.
    EXPECT_EQ(RunChild("--read " + name), 0);
    EXPECT_EQ(RunChild("--claim " + name), kFirstInstance);
    EXPECT_EQ(broughtForward, 1);
}

TEST(SingleInstanceTest, NobodyListeningMeansNoAnswer) {
    Win32WindowActivation activation;
    EXPECT_FALSE(activation.requestBringForward(BlockName() + "-nobody"));

    int calls = 0;
    ASSERT_TRUE(activation.listen(BlockName() + "-own", [&] { ++calls; }));
    EXPECT_TRUE(activation.requestBringForward(BlockName() + "-own"));
    activation.stopListening();
    EXPECT_FALSE(activation.requestBringForward(BlockName() + "-own"));
    EXPECT_EQ(calls, 1);
}

TEST(SingleInstanceTest, RestoreAndActivateBringsAMinimizedWindowBack) {
    HWND window = CreateWindowExA(0, "STATIC", "quorvane", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window));

    RestoreAndActivate(reinterpret_cast<std::uintptr_t>(window));
    // The restore is posted; it lands once the message loop runs.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(GetForegroundWindow(), window);
    DestroyWindow(window);
}

TEST(SharedMemTest, AMappingThatCannotBeMadeNamesItselfAndTheError) {
    Win32SharedMemory memory;
    // Backslashes are not allowed in mapping names outside the namespace prefixes.
    try {
        TSharedMem block(memory, "no\\such\\namespace", kBlockSize);
        FAIL() << "created";
    } catch (const ESharedMemError& error) {
        EXPECT_NE(memory.lastError(), 0);
        EXPECT_EQ(std::string(error.what()), "Error creating shared memory no\\such\\namespace (" +
                                                 std::to_string(memory.lastError()) + ")");
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Started again by RunChild: the child's part only.
    if (argc == 3 && std::string(argv[1]) == "--read") return ReadBlock(argv[2]);
    if (argc == 3 && std::string(argv[1]) == "--claim") return Claim(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
