#pragma once
// Shared memory and bring-forward requests inside the test process. Blocks live in the
// fake by name, so a test can fill one as another instance would have.

#include <cerrno>
#include <functional>
#include <map>
#include <memory>
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
        ++openViews;
        return &Word(it->second);
    }
    void UnmapView(void*, int32_t) override { --openViews; }
    void CloseMapping(SharedMappingHandle mapping) override { mappings_.erase(mapping); }
    int32_t LastError() const override { return lastError_; }

    // The block's one 32-bit word, kept in a node that never moves: a view stays valid.
    uint32_t& Word(const std::string& name) { return blocks_[name]; }
    int OpenMappings() const { return static_cast<int>(mappings_.size()); }

    int32_t failCreateWith = 0;        // error code for CreateMapping, 0 = succeed
    int32_t failMapWith = 0;           // error code for MapView
    std::vector<std::string> created;  // names passed to CreateMapping
    int openViews = 0;                 // views not yet unmapped

private:
    std::map<std::string, uint32_t> blocks_;
    std::map<SharedMappingHandle, std::string> mappings_;
    SharedMappingHandle nextHandle_ = 1;
    int32_t lastError_ = 0;
};

class FakeInstanceActivation final : public InstanceActivation {
public:
    bool Listen(const std::string& name, std::function<void()> bringForward) override {
        listeningOn = name;
        bringForward_ = std::move(bringForward);
        return true;
    }
    void StopListening() override { listeningOn.clear(), bringForward_ = nullptr; }
    bool RequestBringForward(const std::string& name) override {
        requests.push_back(name);
        return answer;
    }
    // A later instance's request reaching this one.
    void DeliverRequest() { bringForward_(); }

    std::string listeningOn;  // empty while not listening
    std::vector<std::string> requests;
    bool answer = true;

private:
    std::function<void()> bringForward_;
};
