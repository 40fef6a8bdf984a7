#pragma once
// The notification area, shaped like Shell_NotifyIcon: the tray icon component fills one
// record and asks the shell to add, modify or delete its icon; the shell reports mouse
// activity on the icon back to a window of the component's own.

#include <cstdint>

// Opaque to the core: the UI maps it to a picture. 0 means no picture.
using TrayIconHandle = std::uintptr_t;
// The hidden window that the shell reports to. 0 means none.
using TrayWindowId = std::uintptr_t;

enum class NotifyMessage : uint32_t { Add = 0, Modify = 1, Delete = 2 };

// Flags of NotifyIconData: which of its fields the call sets.
inline constexpr uint32_t kNifMessage = 1;
inline constexpr uint32_t kNifIcon = 2;
inline constexpr uint32_t kNifTip = 4;

struct NotifyIconData {
    uint32_t cbSize = 88;  // size of the Win32 record; kept for the Windows shell
    TrayWindowId hWnd = 0;
    uint32_t uID = 0;
    uint32_t uFlags = 0;
    uint32_t uCallbackMessage = 0;
    TrayIconHandle hIcon = 0;
    char szTip[64] = {};  // zero-terminated, so at most 63 characters
};

// Key-state word of a mouse message.
inline constexpr uint32_t kMkLButton = 1;
inline constexpr uint32_t kMkRButton = 2;
inline constexpr uint32_t kMkShift = 4;
inline constexpr uint32_t kMkControl = 8;
inline constexpr uint32_t kMkMButton = 16;

// One callback message from the shell about an icon, with the cursor and keys as they
// were when it arrived.
struct TrayNotification {
    uint32_t callbackMessage = 0;  // the icon's uCallbackMessage
    uint32_t iconId = 0;           // the icon's uID
    uint32_t mouseMessage = 0;     // 0x200 (move) .. 0x20A
    int32_t x = 0;                 // cursor position on the screen
    int32_t y = 0;
    uint32_t keyState = 0;  // MK_* bits
    bool altDown = false;
};

// What the shell calls on the owner window.
class TrayWindow {
public:
    virtual ~TrayWindow() = default;
    virtual void OnTrayNotification(const TrayNotification& notification) = 0;
};

class TrayShell {
public:
    virtual ~TrayShell() = default;
    // A hidden window for the shell's reports to `owner`; never shown.
    virtual TrayWindowId CreateWindow(TrayWindow& owner) = 0;
    // Also removes the icons the window still owns.
    virtual void DestroyWindow(TrayWindowId window) = 0;
    // True when the shell accepted the call.
    virtual bool NotifyIcon(NotifyMessage message, const NotifyIconData& data) = 0;
};
