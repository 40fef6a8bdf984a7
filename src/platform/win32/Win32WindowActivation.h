#pragma once
// Bring-forward requests on Windows. The running instance keeps a hidden message-only
// window named after the block; a later instance finds it, lets that process take the
// foreground (only the foreground process may hand it on) and sends it the request.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/InstanceActivation.h"

class Win32WindowActivation final : public InstanceActivation {
public:
    Win32WindowActivation() = default;
    ~Win32WindowActivation() override;
    Win32WindowActivation(const Win32WindowActivation&) = delete;
    Win32WindowActivation& operator=(const Win32WindowActivation&) = delete;

    // Requests arrive through the calling thread's message loop.
    bool Listen(const std::string& name, std::function<void()> bringForward) override;
    void StopListening() override;
    // Waits up to kWaitMs for the running instance to answer.
    bool RequestBringForward(const std::string& name) override;

    static constexpr unsigned kWaitMs = 3000;

private:
    void* window_ = nullptr;  // HWND
    std::function<void()> bringForward_;
};

// The running window comes forward: a minimized one is restored (WM_SYSCOMMAND with
// SC_RESTORE, posted), then it is made the foreground window.
void RestoreAndActivate(std::uintptr_t window);
