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
    SharedMappingHandle CreateMapping(const std::string& name, int32_t size) override {
        created.push_back(name);
        if (failCreateWith != 0) return lastError_ = failCreateWith, 0;
        mappings_[nextHandle_] = BlockNamed(name, size);
        return nextHandle_++;
    }
    void* MapView(SharedMappingHandle mapping, int32_t) override {
        const auto it = mappings_.find(mapping);
        if (failMapWith != 0 || it == mappings_.end())
            return lastError_ = failMapWith != 0 ? failMapWith : EBADF, nullptr;
        ++openViews_;
        return it->second->data();
    }
    void UnmapView(void*, int32_t) override { --openViews_; }
    void CloseMapping(SharedMappingHandle mapping) override { mappings_.erase(mapping); }
    int32_t LastError() const override { return lastError_; }

    // The first 32-bit word of the block; creates the block when missing.
    uint32_t& Word(const std::string& name) { return BlockNamed(name, 4)->front(); }
    // Mappings and views not yet closed or unmapped.
    int OpenMappings() const { return static_cast<int>(mappings_.size()); }
    int OpenViews() const { return openViews_; }

    int32_t failCreateWith = 0;        // error code for CreateMapping, 0 = succeed
    int32_t failMapWith = 0;           // error code for MapView
    std::vector<std::string> created;  // names passed to CreateMapping

private:
    using Block = std::vector<uint32_t>;  // uint32_t keeps the views aligned for atomics
    std::shared_ptr<Block> BlockNamed(const std::string& name, int32_t size) {
        auto& b = blocks_[name];
        const std::size_t words = (static_cast<std::size_t>(size) + 3) / 4;
        if (!b) b = std::make_shared<Block>(words, 0u);
        if (b->size() < words) b->resize(words, 0u);
        return b;
    }

    std::map<std::string, std::shared_ptr<Block>> blocks_;
    std::map<SharedMappingHandle, std::shared_ptr<Block>> mappings_;
    SharedMappingHandle nextHandle_ = 1;
    int openViews_ = 0;
    int32_t lastError_ = 0;
};

class FakeInstanceActivation final : public InstanceActivation {
public:
    bool Listen(const std::string& name, std::function<void()> bringForward) override {
        listeningOn = name;
        bringForward_ = std::move(bringForward);
        return true;
    }
    void StopListening() override {
        listeningOn.clear();
        bringForward_ = nullptr;
    }
    bool RequestBringForward(const std::string& name) override {
        requests.push_back(name);
        return answer;
    }
    // A later instance's request reaching this one.
    void DeliverRequest() {
        if (bringForward_) bringForward_();
    }

    std::string listeningOn;  // empty while not listening
    std::vector<std::string> requests;
    bool answer = true;

private:
    std::function<void()> bringForward_;
};
