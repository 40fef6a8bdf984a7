#pragma once
// Named shared memory, shaped like a page-file-backed file mapping: create (or open)
// the named block, map a view of it, unmap, close. Every process that names the same
// block sees the same bytes.

#include <cstdint>
#include <string>

// 0 means none.
using SharedMappingHandle = std::uintptr_t;

class SharedMemory {
public:
    virtual ~SharedMemory() = default;
    // Creates the block, or opens it when another process already did. A block that no
    // live process holds starts zero-filled. 0 on failure, with LastError().
    virtual SharedMappingHandle CreateMapping(const std::string& name, int32_t size) = 0;
    // Maps the whole block for reading and writing; null on failure, with LastError().
    virtual void* MapView(SharedMappingHandle mapping, int32_t size) = 0;
    virtual void UnmapView(void* view, int32_t size) = 0;
    virtual void CloseMapping(SharedMappingHandle mapping) = 0;
    // Error code of the last failed call (errno on Linux).
    virtual int32_t LastError() const = 0;
};
