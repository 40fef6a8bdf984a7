#pragma once
// TSpTrayIcon: one icon in the notification area, kept in step with its properties, and
// the shell's mouse reports turned into ordinary mouse events.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/TrayShell.h"

class TSpTrayIcon;

// A picture for the shell. Copies share the picture; changing one in place tells its owner.
class TIcon {
public:
    explicit TIcon(TrayIconHandle handle = 0) : handle_(handle) {}
    // A copy carries the picture only, never the original's change notification.
    TIcon(const TIcon& other) : handle_(other.handle_) {}
    TIcon& operator=(const TIcon&) = delete;  // use Assign, which notifies

    TrayIconHandle Handle() const { return handle_; }
    bool Empty() const { return handle_ == 0; }
    void SetHandle(TrayIconHandle handle);
    void Assign(const TIcon& picture) { SetHandle(picture.handle_); }

    std::function<void()> OnChange;

private:
    TrayIconHandle handle_;
};

// Pictures by index. Tray icons that show from it forget it when it is destroyed.
class TImageList {
public:
    TImageList() = default;
    TImageList(std::initializer_list<TrayIconHandle> icons) : icons_(icons) {}
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;
    ~TImageList();

    void Add(TrayIconHandle icon) { icons_.push_back(icon); }
    int Count() const { return static_cast<int>(icons_.size()); }
    // 0 outside the list.
    TrayIconHandle GetIcon(int index) const;

private:
    friend class TSpTrayIcon;
    std::vector<TrayIconHandle> icons_;
    std::vector<TSpTrayIcon*> users_;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TShift : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

// A set of TShift.
class TShiftState {
public:
    constexpr TShiftState() = default;
    constexpr TShiftState(std::initializer_list<TShift> members) {
        for (TShift m : members) bits_ |= Bit(m);
    }
    constexpr bool Contains(TShift m) const { return (bits_ & Bit(m)) != 0; }
    constexpr TShiftState With(TShift m) const {
        TShiftState s = *this;
        s.bits_ |= Bit(m);
        return s;
    }
    friend constexpr bool operator==(TShiftState, TShiftState) = default;

private:
    static constexpr uint8_t Bit(TShift m) {
        return static_cast<uint8_t>(1u << static_cast<int>(m));
    }
    uint8_t bits_ = 0;
};

// The key-state word of a mouse message (MK_* bits) as a shift state.
TShiftState KeysToShiftState(uint32_t keyState, bool altDown);

class TSpTrayIcon final : private TrayWindow {
public:
    using TMouseEvent = std::function<void(TSpTrayIcon& Sender, TMouseButton Button,
                                           TShiftState Shift, int X, int Y)>;
    using TMouseMoveEvent =
        std::function<void(TSpTrayIcon& Sender, TShiftState Shift, int X, int Y)>;
    using TNotifyEvent = std::function<void(TSpTrayIcon& Sender)>;
    using TCloseQueryEvent = std::function<void(TSpTrayIcon& Sender, bool& CanClose)>;
    using TExceptionReport = std::function<void(const std::string& message)>;

    // Fixed values of every shell call.
    static constexpr uint32_t IconId = 1;
    static constexpr uint32_t CallbackMessage = 0x400;

    explicit TSpTrayIcon(TrayShell& shell);
    ~TSpTrayIcon() override;
    TSpTrayIcon(const TSpTrayIcon&) = delete;
    TSpTrayIcon& operator=(const TSpTrayIcon&) = delete;

    // Between these two the property setters only store their values, as while a form
    // loads its stored description; Loaded then applies them all at once.
    void BeginLoading() { loading_ = true; }
    void Loaded();

    // Changing the picture in place refreshes the shell's icon too.
    TIcon& Icon() { return icon_; }
    const TIcon& Icon() const { return icon_; }
    void SetIcon(const TIcon& picture);
    TImageList* Icons() const { return icons_; }
    void SetIcons(TImageList* list);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& text);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // The picture handed to the shell.
    TrayIconHandle ShownIcon() const { return shownIcon_; }
    TrayWindowId WindowHandle() const { return windowHandle_; }

    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TCloseQueryEvent OnCloseQuery;
    // The application's report for an exception that a handler lets out; stderr when unset.
    TExceptionReport OnException;

private:
    friend class TImageList;
    void ImageListRemoved(TImageList* list);
    void IconChanged();
    void UpdateShownIcon();
    void RefreshShownIcon();
    bool Notify(NotifyMessage message, uint32_t flags);
    void MouseMessage(uint32_t message, TShiftState shift, int x, int y);
    template <class Body>
    void Guarded(Body&& body);

    void trayNotification(const TrayNotification& notification) override;
    bool queryEndSession() override;

    TrayShell& shell_;
    TIcon icon_;
    TrayIconHandle shownIcon_ = 0;
    TImageList* icons_ = nullptr;
    int iconIndex_ = -1;
    std::string hint_;
    bool visible_ = false;
    bool loading_ = false;
    TrayWindowId windowHandle_ = 0;
};
