#pragma once
// Bring-forward requests over a local socket in the user's private folder
// (InstanceFolder.h): the running instance listens on "<folder>/<name>.socket", a later one
// connects, says "raise" (with its Wayland activation token, when it was given one) and
// waits briefly for "ok". Only the user can reach the socket;
// even so, a client gets one short line, a few seconds and a place among a few others,
// and the socket survives running out of file descriptors.

#include <QString>
#include <functional>
#include <memory>

#include "platform/InstanceActivation.h"

class QLocalServer;
class QTimer;

class LocalSocketActivation final : public InstanceActivation {
public:
    LocalSocketActivation();
    ~LocalSocketActivation() override;
    LocalSocketActivation(const LocalSocketActivation&) = delete;
    LocalSocketActivation& operator=(const LocalSocketActivation&) = delete;

    // Where this process listens for `name`; "" without a private folder.
    static QString ServerPath(const std::string& name);

    // Needs the Qt event loop to take requests.
    bool Listen(const std::string& name, std::function<void()> bringForward) override;
    void StopListening() override;
    // Tries each folder a running instance may have chosen. Blocks for up to about three
    // times kWaitMs per folder whose listener does not answer.
    bool RequestBringForward(const std::string& name) override;

    static constexpr int kWaitMs = 1000;
    static constexpr qint64 kMaxLine = 256;     // longer requests are dropped
    static constexpr int kIdleMs = 3000;        // a client silent this long is dropped
    static constexpr int kMaxConnections = 16;  // beyond these, new clients are dropped
    static constexpr int kRelistenMs = 1000;    // how soon a socket lost to an error returns

private:
    void Accept();
    bool StartServer();

    QString path_;
    std::function<void()> bringForward_;
    std::unique_ptr<QLocalServer> server_;
    std::unique_ptr<QTimer> relisten_;
    int connections_ = 0;
};
