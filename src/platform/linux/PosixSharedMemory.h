#pragma once
// Shared memory as POSIX shared-memory objects private to the user.
//
// The block "<name>" is the object "/<name>-<scope>" (InstanceScope.h), mode 0600; one
// owned by another user or open to others is refused. Every process that holds the block
// keeps a shared flock on it for as long as it does, so a process that gets the exclusive
// lock knows that nobody else holds it and zeroes what a crashed or killed holder left
// behind.

#include <map>

#include "platform/SharedMemory.h"

class PosixSharedMemory final : public SharedMemory {
public:
    PosixSharedMemory() = default;
    ~PosixSharedMemory() override;
    PosixSharedMemory(const PosixSharedMemory&) = delete;
    PosixSharedMemory& operator=(const PosixSharedMemory&) = delete;

    // The shared-memory object that holds the block `name` for this user.
    static std::string objectName(const std::string& name);

    SharedMappingHandle createMapping(const std::string& name, int32_t size) override;
    void* mapView(SharedMappingHandle mapping, int32_t size) override;
    void unmapView(void* view, int32_t size) override;
    void closeMapping(SharedMappingHandle mapping) override;
    int32_t lastError() const override { return lastError_; }

private:
    SharedMappingHandle fail(int fd);

    std::map<SharedMappingHandle, int> fds_;
    SharedMappingHandle nextHandle_ = 1;
    int32_t lastError_ = 0;
};
