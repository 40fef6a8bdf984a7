#include "platform/linux/PosixSharedMemory.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/linux/InstanceFolder.h"

namespace {

constexpr mode_t kBlockMode = 0600;

int RetryFlock(int fd, int operation) {
    int result;
    do {
        result = ::flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    return result;
}

int OpenBlock(const std::string& name, bool isFile, int flags, mode_t mode) {
    if (isFile) return ::open(name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC, mode);
    return ::shm_open(name.c_str(), flags, mode);
}

void RemoveBlock(const std::string& name, bool isFile) {
    if (isFile)
        ::unlink(name.c_str());
    else
        ::shm_unlink(name.c_str());
}

// Fails with errno; closes fd.
int Fail(int fd, int error) {
    if (fd >= 0) ::close(fd);
    errno = error;
    return -1;
}

// Opens the block, creating it private to the user when it does not exist yet, and
// refuses one that someone else could have written.
int OpenPrivate(const std::string& name, bool isFile) {
    int fd = OpenBlock(name, isFile, O_RDWR | O_CREAT | O_EXCL, kBlockMode);
    // The umask may have taken bits away that the owner needs.
    if (fd >= 0 && ::fchmod(fd, kBlockMode) != 0) return Fail(fd, errno);
    if (fd < 0 && errno == EEXIST) fd = OpenBlock(name, isFile, O_RDWR, 0);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0) return Fail(fd, errno);
    if (st.st_uid != ::geteuid() || (st.st_mode & 07777) != kBlockMode ||
        (isFile && !S_ISREG(st.st_mode)))
        return Fail(fd, EACCES);
    return fd;
}

// Whether the name still leads to the block open on fd: the last holder of a block
// removes it, and whoever opened it just before that must start again.
bool StillNamed(int fd, const std::string& name, bool isFile) {
    const int current = OpenBlock(name, isFile, O_RDONLY, 0);
    if (current < 0) return false;
    struct stat held {
    }, named{};
    const bool same = ::fstat(fd, &held) == 0 && ::fstat(current, &named) == 0 &&
                      held.st_dev == named.st_dev && held.st_ino == named.st_ino;
    ::close(current);
    return same;
}

// Opens the block and holds a shared lock on it for this process, zeroing it first when
// no other process holds it. -1 with errno on failure.
int JoinHolders(const std::string& name, bool isFile, int32_t size) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = OpenPrivate(name, isFile);
        if (fd < 0) return -1;
        struct stat st {};
        if (::fstat(fd, &st) != 0) return Fail(fd, errno);
        // Only grow: shrinking would pull pages from under processes that map more.
        if (st.st_size < size && ::ftruncate(fd, size) != 0) return Fail(fd, errno);
        if (RetryFlock(fd, LOCK_EX | LOCK_NB) == 0) {
            const std::vector<char> zeros(static_cast<std::size_t>(size), 0);
            if (::pwrite(fd, zeros.data(), zeros.size(), 0) != static_cast<ssize_t>(zeros.size()))
                return Fail(fd, errno);
        } else if (errno != EWOULDBLOCK) {
            return Fail(fd, errno);
        }
        // Waits while another process is zeroing or removing the block.
        if (RetryFlock(fd, LOCK_SH) != 0) return Fail(fd, errno);
        if (StillNamed(fd, name, isFile)) return fd;
        ::close(fd);
    }
    errno = EAGAIN;
    return -1;
}

}  // namespace

PosixSharedMemory::~PosixSharedMemory() {
    for (const auto& entry : blocks_) Release(entry.second);
}

std::string PosixSharedMemory::ObjectName(const std::string& name) {
    std::string object = name;
    std::replace(object.begin(), object.end(), '/', '_');
    return "/" + object + "-" + std::to_string(::geteuid());
}

std::string PosixSharedMemory::FallbackPath(const std::string& name) {
    const std::string folder = PrivateInstanceFolder();
    return folder.empty() ? "" : folder + ObjectName(name) + ".block";
}

SharedMappingHandle PosixSharedMemory::CreateMapping(const std::string& name, int32_t size) {
    if (size <= 0) {
        lastError_ = EINVAL;
        return 0;
    }
    Block block{-1, ObjectName(name), false};
    block.fd = JoinHolders(block.name, false, size);
    if (block.fd < 0) {
        lastError_ = errno;
        const std::string path = FallbackPath(name);
        if (!path.empty()) block = {JoinHolders(path, true, size), path, true};
        if (block.fd < 0) return 0;
        std::fprintf(stderr, "quorvane: shared memory %s is not usable (%s); using %s\n",
                     ObjectName(name).c_str(), std::strerror(lastError_), path.c_str());
    }
    const SharedMappingHandle handle = nextHandle_++;
    blocks_[handle] = block;
    return handle;
}

void* PosixSharedMemory::MapView(SharedMappingHandle mapping, int32_t size) {
    const auto it = blocks_.find(mapping);
    if (it == blocks_.end() || size <= 0) {
        lastError_ = EBADF;
        return nullptr;
    }
    void* view = ::mmap(nullptr, static_cast<std::size_t>(size), PROT_READ | PROT_WRITE, MAP_SHARED,
                        it->second.fd, 0);
    if (view == MAP_FAILED) {
        lastError_ = errno;
        return nullptr;
    }
    return view;
}

void PosixSharedMemory::UnmapView(void* view, int32_t size) {
    ::munmap(view, static_cast<std::size_t>(size));
}

void PosixSharedMemory::CloseMapping(SharedMappingHandle mapping) {
    const auto it = blocks_.find(mapping);
    if (it == blocks_.end()) return;
    Release(it->second);
    blocks_.erase(it);
}

void PosixSharedMemory::Release(const Block& block) {
    // The last holder removes the block, so that none is left behind once all have ended.
    if (RetryFlock(block.fd, LOCK_EX | LOCK_NB) == 0 &&
        StillNamed(block.fd, block.name, block.isFile))
        RemoveBlock(block.name, block.isFile);
    ::close(block.fd);  // also lets go of this process's lock
}
