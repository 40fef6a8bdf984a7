#include "desktop/TrayIcon.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>

namespace {

constexpr uint32_t kWmLButtonDown = 0x201;
constexpr uint32_t kWmMButtonDblClk = 0x209;

constexpr std::size_t kTipLength = sizeof(NotifyIconData::szTip) - 1;

// At most `limit` bytes of `text`, never ending inside a UTF-8 character.
std::size_t CutLength(const std::string& text, std::size_t limit) {
    std::size_t n = std::min(text.size(), limit);
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    return n;
}

}  // namespace

ImageList::~ImageList() {
    std::vector<TrayIcon*> users;
    users.swap(users_);
    for (TrayIcon* user : users) user->ImageListRemoved(this);
}

TrayIconHandle ImageList::GetIcon(int index) const {
    if (index < 0 || index >= Count()) return 0;
    return icons_[static_cast<std::size_t>(index)];
}

ShiftState KeysToShiftState(uint32_t keyState, bool altDown) {
    ShiftState shift;
    if (keyState & kMkShift) shift = shift.With(ShiftKey::Shift);
    if (keyState & kMkControl) shift = shift.With(ShiftKey::Ctrl);
    if (keyState & kMkLButton) shift = shift.With(ShiftKey::Left);
    if (keyState & kMkRButton) shift = shift.With(ShiftKey::Right);
    if (keyState & kMkMButton) shift = shift.With(ShiftKey::Middle);
    if (altDown) shift = shift.With(ShiftKey::Alt);
    return shift;
}

TrayIcon::TrayIcon(TrayShell& shell) : shell_(shell) {
    windowHandle_ = shell_.CreateWindow(*this);
}

TrayIcon::~TrayIcon() {
    if (visible_) Notify(NotifyMessage::Delete, 0);
    shell_.DestroyWindow(windowHandle_);
    if (icons_) std::erase(icons_->users_, this);
}

void TrayIcon::Loaded() {
    loading_ = false;
    if (icons_ && iconIndex_ != -1 && iconIndex_ >= icons_->Count()) iconIndex_ = -1;
    UpdateShownIcon();
    if (visible_) Notify(NotifyMessage::Add, kNifMessage | kNifIcon | kNifTip);
}

void TrayIcon::SetIcon(const IconPicture& picture) {
    icon_ = picture;
    if (!loading_) RefreshShownIcon();
}

void TrayIcon::SetIcons(ImageList* list) {
    if (icons_) std::erase(icons_->users_, this);
    icons_ = list;
    if (icons_) icons_->users_.push_back(this);
    if (loading_) return;
    iconIndex_ = -1;
    RefreshShownIcon();
}

void TrayIcon::SetIconIndex(int index) {
    if (loading_) {
        iconIndex_ = index;
        return;
    }
    if (index == iconIndex_) return;
    if (!icons_) {
        iconIndex_ = -1;
        return;
    }
    // Indices past the list (and negatives other than -1) are ignored.
    if (index == -1 || (index >= 0 && index < icons_->Count())) {
        iconIndex_ = index;
        RefreshShownIcon();
    }
}

void TrayIcon::SetHint(const std::string& text) {
    hint_ = text;
    if (!loading_ && visible_) Notify(NotifyMessage::Modify, kNifTip);
}

void TrayIcon::SetVisible(bool visible) {
    if (loading_) {
        visible_ = visible;
        return;
    }
    if (visible == visible_) return;
    UpdateShownIcon();
    if (visible)
        Notify(NotifyMessage::Add, kNifMessage | kNifIcon | kNifTip);
    else
        Notify(NotifyMessage::Delete, 0);
    visible_ = visible;
}

void TrayIcon::ImageListRemoved(ImageList* list) {
    if (list == icons_) SetIcons(nullptr);
}

void TrayIcon::UpdateShownIcon() {
    if (!icons_) {
        shownIcon_ = icon_.Handle();
        return;
    }
    const int count = icons_->Count();
    if (count > 0 && iconIndex_ != -1 && iconIndex_ >= count) iconIndex_ = -1;
    shownIcon_ = (count > 0 && iconIndex_ != -1) ? icons_->GetIcon(iconIndex_) : icon_.Handle();
}

void TrayIcon::RefreshShownIcon() {
    UpdateShownIcon();
    if (!visible_) return;
    if (shownIcon_ == 0)
        Notify(NotifyMessage::Delete, 0);
    else
        Notify(NotifyMessage::Modify, kNifIcon);
}

bool TrayIcon::Notify(NotifyMessage message, uint32_t flags) {
    NotifyIconData data;
    data.hWnd = windowHandle_;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = shownIcon_;
    std::memcpy(data.szTip, hint_.data(), CutLength(hint_, kTipLength));
    // A refusal leaves the icon missing; there is nobody to tell.
    return shell_.NotifyIcon(message, data);
}

template <class Body>
void TrayIcon::Guarded(Body&& body) {
    std::string error;
    try {
        body();
        return;
    } catch (const std::exception& e) {
        error = e.what();
    } catch (...) {
        error = "Unknown exception";
    }
    if (OnException)
        OnException(error);
    else
        std::cerr << error << '\n';
}

void TrayIcon::OnTrayNotification(const TrayNotification& n) {
    if (n.callbackMessage != kCallbackMessage) return;
    if (n.mouseMessage < kWmLButtonDown || n.mouseMessage > kWmMButtonDblClk) return;
    // Down, up and double-click for the left, right and middle button, in that order; a
    // button going up raises nothing.
    const uint32_t kind = (n.mouseMessage - kWmLButtonDown) % 3;
    if (kind == 1) return;
    static constexpr MouseButton buttons[] = {MouseButton::Left, MouseButton::Right,
                                              MouseButton::Middle};
    const MouseButton button = buttons[(n.mouseMessage - kWmLButtonDown) / 3];
    ShiftState shift = KeysToShiftState(n.keyState, n.altDown);
    if (kind == 2) shift = shift.With(ShiftKey::Double);
    // A mouse message carries the position as two signed 16-bit values.
    const int x = static_cast<int16_t>(n.x);
    const int y = static_cast<int16_t>(n.y);
    Guarded([&] {
        if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
    });
}
