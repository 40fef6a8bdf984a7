#pragma once
// Shared memory as a named file mapping backed by the page file. The system drops the
// mapping when its last holder closes it, so a block nobody holds starts zeroed again.

#include "platform/SharedMemory.h"

class Win32SharedMemory final : public SharedMemory {
public:
    SharedMappingHandle CreateMapping(const std::string& name, int32_t size) override;
    void* MapView(SharedMappingHandle mapping, int32_t size) override;
    void UnmapView(void* view, int32_t size) override;
    void CloseMapping(SharedMappingHandle mapping) override;
    int32_t LastError() const override { return lastError_; }

private:
    int32_t lastError_ = 0;
};
