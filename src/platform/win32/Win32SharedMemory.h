#pragma once
// Shared memory as a named file mapping backed by the page file. The system drops the
// mapping when its last holder closes it, so a block nobody holds starts zeroed again.

#include "platform/SharedMemory.h"

class Win32SharedMemory final : public SharedMemory {
public:
    SharedMappingHandle createMapping(const std::string& name, int32_t size) override;
    void* mapView(SharedMappingHandle mapping, int32_t size) override;
    void unmapView(void* view, int32_t size) override;
    void closeMapping(SharedMappingHandle mapping) override;
    int32_t lastError() const override { return lastError_; }

private:
    int32_t lastError_ = 0;
};
