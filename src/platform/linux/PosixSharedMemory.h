#pragma once
// Shared memory as POSIX shared-memory objects private to the user.
//
// The block "<name>" is the object "/<name>-<uid>", mode 0600: one per user, whatever the
// session's runtime folder. Shared-memory names are open to every user, so someone else
// may have created that object first; then the block is the file "<name>.block" in the
// user's private folder (InstanceFolder.h) instead, with a line on standard error, and an
// object owned by another user or open to others is never obeyed.
//
// Every process that holds the block keeps a shared flock on it for as long as it does,
// so a process that gets the exclusive lock knows that nobody else holds it: it zeroes
// what a crashed or killed holder left behind, and the last holder to leave removes it.

#include <map>
#include <string>

#include "platform/SharedMemory.h"

class PosixSharedMemory final : public SharedMemory {
public:
    PosixSharedMemory() = default;
    ~PosixSharedMemory() override;
    PosixSharedMemory(const PosixSharedMemory&) = delete;
    PosixSharedMemory& operator=(const PosixSharedMemory&) = delete;

    // The shared-memory object that holds the block `name` for this user, and the file
    // that holds it when that object is someone else's ("" without a private folder).
    static std::string ObjectName(const std::string& name);
    static std::string FallbackPath(const std::string& name);

    SharedMappingHandle CreateMapping(const std::string& name, int32_t size) override;
    void* MapView(SharedMappingHandle mapping, int32_t size) override;
    void UnmapView(void* view, int32_t size) override;
    void CloseMapping(SharedMappingHandle mapping) override;
    int32_t LastError() const override { return lastError_; }

private:
    struct Block {
        int fd;
        std::string name;  // the object's name, or the file's path
        bool isFile;
    };
    void Release(const Block& block);

    std::map<SharedMappingHandle, Block> blocks_;
    SharedMappingHandle nextHandle_ = 1;
    int32_t lastError_ = 0;
};
