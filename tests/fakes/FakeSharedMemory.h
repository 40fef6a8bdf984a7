#pragma once
// Shared memory inside the test process, its blocks kept by name, whose calls can be made
// to fail; and bring-forward requests with no other instance to reach.

#include <cerrno>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/InstanceActivation.h"
#include "platform/SharedMemory.h"

class FakeSharedMemory final : public SharedMemory {
public:
    SharedMappingHandle CreateMapping(const std::string& name, int32_t) override {
        created.push_back(name);
        if (failCreateWith != 0) return lastError_ = failCreateWith, 0;
        mappings_[nextHandle_] = name;
        return nextHandle_++;
    }
    void* MapView(SharedMappingHandle mapping, int32_t) override {
        const auto it = mappings_.find(mapping);
        if (failMapWith != 0 || it == mappings_.end())
            return lastError_ = failMapWith != 0 ? failMapWith : EBADF, nullptr;
        return &blocks_[it->second];
    }
    void UnmapView(void*, int32_t) override {}
    void CloseMapping(SharedMappingHandle mapping) override { mappings_.erase(mapping); }
    int32_t LastError() const override { return lastError_; }

    int OpenMappings() const { return static_cast<int>(mappings_.size()); }

    int32_t failCreateWith = 0;        // error code for CreateMapping, 0 = succeed
    int32_t failMapWith = 0;           // error code for MapView
    std::vector<std::string> created;  // names passed to CreateMapping

private:
    // Each block's one 32-bit word, kept in a node that never moves: a view stays valid.
    std::map<std::string, uint32_t> blocks_;
    std::map<SharedMappingHandle, std::string> mappings_;
    SharedMappingHandle nextHandle_ = 1;
    int32_t lastError_ = 0;
};

// Listens and asks without another instance to reach.
class FakeInstanceActivation final : public InstanceActivation {
public:
    bool Listen(const std::string&, std::function<void()>) override { return true; }
    void StopListening() override {}
    bool RequestBringForward(const std::string&) override { return true; }
};
