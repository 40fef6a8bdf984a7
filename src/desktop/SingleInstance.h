#pragma once
// The single-instance guard: the first instance claims a small named block of shared
// memory; a later one finds it claimed, asks the first to come forward and ends.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/InstanceActivation.h"
#include "platform/SharedMemory.h"

class SharedBlockError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A named block of shared memory mapped into this process.
class SharedBlock {
public:
    // Throws SharedBlockError "Error creating shared memory <Name> (<error code>)".
    SharedBlock(SharedMemory& system, const std::string& Name, int32_t Size);
    ~SharedBlock();
    SharedBlock(const SharedBlock&) = delete;
    SharedBlock& operator=(const SharedBlock&) = delete;

    SharedMappingHandle MappingHandle() const { return mappingHandle_; }
    const std::string& Name() const { return name_; }
    int32_t Size() const { return size_; }
    void* Buffer() const { return buffer_; }

private:
    SharedMemory& system_;
    SharedMappingHandle mappingHandle_ = 0;
    std::string name_;
    int32_t size_;
    void* buffer_ = nullptr;
};

// Runs at program entry, before the settings, the log or the port are touched. Only the
// first guard of a process opens the block; later ones do nothing.
class SingleInstance {
public:
    // `title` names the block and the bring-forward requests; `processId` is what the
    // first instance stores in the block. Throws SharedBlockError.
    SingleInstance(SharedMemory& memory, InstanceActivation& activation, const std::string& title,
                   uint32_t processId);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Another instance runs and has been asked to come forward: this one must end.
    bool MustEnd() const { return mustEnd_; }

    // First instance: a later one asks this one to come forward (restore, raise, activate).
    std::function<void()> OnBringForward;

private:
    InstanceActivation& activation_;
    bool ownsMemory_ = false;
    bool listening_ = false;
    bool mustEnd_ = false;
};
