#pragma once
// TrayIcon: one icon in the notification area, kept in step with its properties, and
// the shell's reports of mouse buttons going down on it turned into mouse events.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/TrayShell.h"

class TrayIcon;

// A picture for the shell; the empty picture has handle 0.
class IconPicture {
public:
    explicit IconPicture(TrayIconHandle handle = 0) : handle_(handle) {}
    TrayIconHandle Handle() const { return handle_; }

private:
    TrayIconHandle handle_;
};

// Pictures by index. Tray icons that show from it forget it when it is destroyed.
class ImageList {
public:
    ImageList() = default;
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;
    ~ImageList();

    void Add(TrayIconHandle icon) { icons_.push_back(icon); }
    int Count() const { return static_cast<int>(icons_.size()); }
    // 0 outside the list.
    TrayIconHandle GetIcon(int index) const;

private:
    friend class TrayIcon;
    std::vector<TrayIconHandle> icons_;
    std::vector<TrayIcon*> users_;
};

enum class MouseButton { Left, Right, Middle };

// Keys and buttons held during a mouse event; Double marks the down event of a double click.
enum class ShiftKey : uint8_t { Shift, Alt, Ctrl, Left, Right, Middle, Double };

// A set of ShiftKey.
class ShiftState {
public:
    constexpr ShiftState() = default;
    constexpr bool Contains(ShiftKey m) const { return (bits_ & Bit(m)) != 0; }
    constexpr ShiftState With(ShiftKey m) const {
        ShiftState s = *this;
        s.bits_ |= Bit(m);
        return s;
    }

private:
    static constexpr uint8_t Bit(ShiftKey m) {
        return static_cast<uint8_t>(1u << static_cast<int>(m));
    }
    uint8_t bits_ = 0;
};

// The key-state word of a mouse message (MK_* bits) as a shift state.
ShiftState KeysToShiftState(uint32_t keyState, bool altDown);

class TrayIcon final : private TrayWindow {
public:
    using MouseHandler =
        std::function<void(TrayIcon& Sender, MouseButton Button, ShiftState Shift, int X, int Y)>;
    using ExceptionReport = std::function<void(const std::string& message)>;

    // Fixed values of every shell call.
    static constexpr uint32_t kIconId = 1;
    static constexpr uint32_t kCallbackMessage = 0x400;

    explicit TrayIcon(TrayShell& shell);
    ~TrayIcon() override;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Between these two the property setters only store their values, as while a form
    // loads its stored description; Loaded then applies them all at once.
    void BeginLoading() { loading_ = true; }
    void Loaded();

    // The icon's own picture, shown while no picture of the list is picked.
    void SetIcon(const IconPicture& picture);
    void SetIcons(ImageList* list);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    void SetHint(const std::string& text);
    const std::string& Hint() const { return hint_; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // A button going down on the icon, a double click's second press included.
    MouseHandler OnMouseDown;
    // The application's report for an exception that a handler lets out; stderr when unset.
    ExceptionReport OnException;

private:
    friend class ImageList;
    void ImageListRemoved(ImageList* list);
    void UpdateShownIcon();
    void RefreshShownIcon();
    bool Notify(NotifyMessage message, uint32_t flags);
    template <class Body>
    void Guarded(Body&& body);

    void OnTrayNotification(const TrayNotification& notification) override;

    TrayShell& shell_;
    IconPicture icon_;
    TrayIconHandle shownIcon_ = 0;
    ImageList* icons_ = nullptr;
    int iconIndex_ = -1;
    std::string hint_;
    bool visible_ = false;
    bool loading_ = false;
    TrayWindowId windowHandle_ = 0;
};
