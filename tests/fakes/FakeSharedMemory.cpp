#include "fakes/FakeSharedMemory.h"

#include <cerrno>

std::shared_ptr<FakeSharedMemory::Block> FakeSharedMemory::block(const std::string& name,
                                                                 int32_t size) {
    auto& b = blocks_[name];
    const std::size_t words = (static_cast<std::size_t>(size) + 3) / 4;
    if (!b) b = std::make_shared<Block>(words, 0u);
    if (b->size() < words) b->resize(words, 0u);
    return b;
}

SharedMappingHandle FakeSharedMemory::createMapping(const std::string& name, int32_t size) {
    created.push_back(name);
    if (failCreateWith != 0) {
        lastError_ = failCreateWith;
        return 0;
    }
    const SharedMappingHandle handle = nextHandle_++;
    mappings_[handle] = block(name, size);
    return handle;
}

void* FakeSharedMemory::mapView(SharedMappingHandle mapping, int32_t) {
    const auto it = mappings_.find(mapping);
    if (failMapWith != 0 || it == mappings_.end()) {
        lastError_ = failMapWith != 0 ? failMapWith : EBADF;
        return nullptr;
    }
    ++openViews_;
    return it->second->data();
}

void FakeSharedMemory::unmapView(void*, int32_t) {
    --openViews_;
}

void FakeSharedMemory::closeMapping(SharedMappingHandle mapping) {
    mappings_.erase(mapping);
}

uint32_t& FakeSharedMemory::word(const std::string& name) {
    return block(name, 4)->front();
}

bool FakeInstanceActivation::listen(const std::string& name, std::function<void()> bringForward) {
    listeningOn = name;
    bringForward_ = std::move(bringForward);
    return true;
}

void FakeInstanceActivation::stopListening() {
    listeningOn.clear();
    bringForward_ = nullptr;
}

bool FakeInstanceActivation::requestBringForward(const std::string& name) {
    requests.push_back(name);
    return answer;
}

void FakeInstanceActivation::deliverRequest() {
    if (bringForward_) bringForward_();
}
