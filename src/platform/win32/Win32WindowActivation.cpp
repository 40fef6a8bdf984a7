#include "platform/win32/Win32WindowActivation.h"

#include "platform/win32/WindowsApi.h"

#include <utility>

namespace {

constexpr const char* kWindowClass = "QuorvaneBringForward";
constexpr LRESULT kAnswered = 1;

UINT BringForwardMessage() {
    static const UINT message = RegisterWindowMessageA("QuorvaneBringForwardRequest");
    return message;
}

LRESULT CALLBACK ActivationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BringForwardMessage() && message != 0) {
        auto* bringForward =
            reinterpret_cast<std::function<void()>*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (bringForward != nullptr && *bringForward) (*bringForward)();
        return kAnswered;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterActivationClass() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ActivationWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

Win32WindowActivation::~Win32WindowActivation() {
    StopListening();
}

bool Win32WindowActivation::Listen(const std::string& name, std::function<void()> bringForward) {
    StopListening();
    if (!RegisterActivationClass()) return false;
    bringForward_ = std::move(bringForward);
    HWND window = CreateWindowExA(0, kWindowClass, name.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) return false;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&bringForward_));
    window_ = window;
    return true;
}

void Win32WindowActivation::StopListening() {
    if (window_ == nullptr) return;
    ::DestroyWindow(static_cast<HWND>(window_));
    window_ = nullptr;
}

bool Win32WindowActivation::RequestBringForward(const std::string& name) {
    HWND window = FindWindowExA(HWND_MESSAGE, nullptr, kWindowClass, name.c_str());
    if (window == nullptr) return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    AllowSetForegroundWindow(processId);
    DWORD_PTR answer = 0;
    const LRESULT sent = SendMessageTimeoutA(window, BringForwardMessage(), 0, 0, SMTO_ABORTIFHUNG,
                                             kWaitMs, &answer);
    return sent != 0 && answer == static_cast<DWORD_PTR>(kAnswered);
}

void RestoreAndActivate(std::uintptr_t window) {
    HWND handle = reinterpret_cast<HWND>(window);
    if (IsIconic(handle)) PostMessageA(handle, WM_SYSCOMMAND, SC_RESTORE, 0);
    SetForegroundWindow(handle);
}
