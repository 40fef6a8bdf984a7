#pragma once
// How a later instance of the program asks the running one to come to the front.

#include <functional>
#include <string>

class InstanceActivation {
public:
    virtual ~InstanceActivation() = default;
    // Running instance: take requests addressed to `name`; each one calls `bringForward`
    // on the GUI thread. False when requests cannot be taken.
    virtual bool Listen(const std::string& name, std::function<void()> bringForward) = 0;
    virtual void StopListening() = 0;
    // Later instance: ask the instance listening on `name` to come forward and wait
    // briefly for its answer. True when it answered.
    virtual bool RequestBringForward(const std::string& name) = 0;
};
