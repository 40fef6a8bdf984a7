#pragma once
// TrayIcon: one icon in the notification area, kept in step with its properties, and
// the shell's mouse reports turned into ordinary mouse events.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/TrayShell.h"

class TrayIcon;

// A picture for the shell. Copies share the picture; changing one in place tells its owner.
class IconPicture {
public:
    explicit IconPicture(TrayIconHandle handle = 0) : handle_(handle) {}
    // A copy carries the picture only, never the original's change notification.
    IconPicture(const IconPicture& other) : handle_(other.handle_) {}
    IconPicture& operator=(const IconPicture&) = delete;  // use Assign, which notifies

    TrayIconHandle Handle() const { return handle_; }
    bool Empty() const { return handle_ == 0; }
    void SetHandle(TrayIconHandle handle);
    void Assign(const IconPicture& picture) { SetHandle(picture.handle_); }

    std::function<void()> OnChange;

private:
    TrayIconHandle handle_;
};

// Pictures by index. Tray icons that show from it forget it when it is destroyed.
class ImageList {
public:
    ImageList() = default;
    ImageList(std::initializer_list<TrayIconHandle> icons) : icons_(icons) {}
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

enum class MouseButton { mbLeft, mbRight, mbMiddle };

enum class ShiftKey : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

// A set of ShiftKey.
class ShiftState {
public:
    constexpr ShiftState() = default;
    constexpr ShiftState(std::initializer_list<ShiftKey> members) {
        for (ShiftKey m : members) bits_ |= Bit(m);
    }
    constexpr bool Contains(ShiftKey m) const { return (bits_ & Bit(m)) != 0; }
    constexpr ShiftState With(ShiftKey m) const {
        ShiftState s = *this;
        s.bits_ |= Bit(m);
        return s;
    }
    friend constexpr bool operator==(ShiftState, ShiftState) = default;

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
    using MouseMoveHandler = std::function<void(TrayIcon& Sender, ShiftState Shift, int X, int Y)>;
    using NotifyHandler = std::function<void(TrayIcon& Sender)>;
    using CloseQueryHandler = std::function<void(TrayIcon& Sender, bool& CanClose)>;
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

    // Changing the picture in place refreshes the shell's icon too.
    IconPicture& Icon() { return icon_; }
    const IconPicture& Icon() const { return icon_; }
    void SetIcon(const IconPicture& picture);
    ImageList* Icons() const { return icons_; }
    void SetIcons(ImageList* list);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& text);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // The picture handed to the shell.
    TrayIconHandle ShownIcon() const { return shownIcon_; }
    TrayWindowId WindowHandle() const { return windowHandle_; }

    MouseHandler OnMouseDown;
    MouseMoveHandler OnMouseMove;
    MouseHandler OnMouseUp;
    NotifyHandler OnClick;
    NotifyHandler OnDblClick;
    CloseQueryHandler OnCloseQuery;
    // The application's report for an exception that a handler lets out; stderr when unset.
    ExceptionReport OnException;

private:
    friend class ImageList;
    void ImageListRemoved(ImageList* list);
    void IconChanged();
    void UpdateShownIcon();
    void RefreshShownIcon();
    bool Notify(NotifyMessage message, uint32_t flags);
    void MouseMessage(uint32_t message, ShiftState shift, int x, int y);
    template <class Body>
    void Guarded(Body&& body);

    void OnTrayNotification(const TrayNotification& notification) override;
    bool QueryEndSession() override;

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
