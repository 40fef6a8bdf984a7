#pragma once
// Bring-forward requests over a local socket private to the user: the running instance
// listens on "<name>-<scope>" (InstanceScope.h), a later one connects, says "raise" and
// waits briefly for "ok".

#include <QString>
#include <memory>

#include "platform/InstanceActivation.h"

class QLocalServer;

class LocalSocketActivation final : public InstanceActivation {
public:
    LocalSocketActivation();
    ~LocalSocketActivation() override;
    LocalSocketActivation(const LocalSocketActivation&) = delete;
    LocalSocketActivation& operator=(const LocalSocketActivation&) = delete;

    static QString serverName(const std::string& name);

    // Needs the Qt event loop to take requests.
    bool listen(const std::string& name, std::function<void()> bringForward) override;
    void stopListening() override;
    // Blocks for up to about three times WaitMs when the other side does not answer.
    bool requestBringForward(const std::string& name) override;

    static constexpr int WaitMs = 1000;

private:
    std::unique_ptr<QLocalServer> server_;
};
