#include "desktop/SingleInstance.h"

#include <atomic>
#include <memory>

namespace {

constexpr int32_t kBlockSize = 4;

// The block of this process, opened by its first guard.
std::unique_ptr<SharedBlock> InstanceMemory;

}  // namespace

SharedBlock::SharedBlock(SharedMemory& system, const std::string& Name, int32_t Size)
    : system_(system), name_(Name), size_(Size) {
    mappingHandle_ = system_.CreateMapping(name_, size_);
    if (mappingHandle_ != 0) {
        buffer_ = system_.MapView(mappingHandle_, size_);
        if (buffer_ != nullptr) return;
    }
    const int32_t error = system_.LastError();
    if (mappingHandle_ != 0) system_.CloseMapping(mappingHandle_);
    throw SharedBlockError("Error creating shared memory " + name_ + " (" + std::to_string(error) +
                           ")");
}

SharedBlock::~SharedBlock() {
    if (buffer_ != nullptr) system_.UnmapView(buffer_, size_);
    if (mappingHandle_ != 0) system_.CloseMapping(mappingHandle_);
}

SingleInstance::SingleInstance(SharedMemory& memory, InstanceActivation& activation,
                               const std::string& title, uint32_t processId)
    : activation_(activation) {
    if (InstanceMemory) return;
    InstanceMemory = std::make_unique<SharedBlock>(memory, title, kBlockSize);
    ownsMemory_ = true;

    // One compare-and-swap, so of two instances started together exactly one wins.
    std::atomic_ref<uint32_t> owner(*static_cast<uint32_t*>(InstanceMemory->Buffer()));
    uint32_t expected = 0;
    if (owner.compare_exchange_strong(expected, processId)) {
        // Without requests the program still runs; a later start just cannot raise it.
        listening_ = activation_.Listen(title, [this] {
            if (OnBringForward) OnBringForward();
        });
        return;
    }
    // Whether the first instance answered or not, this one ends.
    activation_.RequestBringForward(title);
    mustEnd_ = true;
}

SingleInstance::~SingleInstance() {
    if (listening_) activation_.StopListening();
    // Only the guard that opened the block closes it: a second guard leaves the claim alone.
    if (ownsMemory_) InstanceMemory.reset();
}
