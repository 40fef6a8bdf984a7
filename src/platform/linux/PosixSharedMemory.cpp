#include "platform/linux/PosixSharedMemory.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/linux/InstanceScope.h"

namespace {

constexpr mode_t BlockMode = 0600;

int RetryFlock(int fd, int operation) {
    int result;
    do {
        result = ::flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    return result;
}

// Opens the object, creating it private to the user when it does not exist yet.
int OpenOrCreate(const std::string& object) {
    int fd = ::shm_open(object.c_str(), O_RDWR | O_CREAT | O_EXCL, BlockMode);
    if (fd >= 0) {
        // The umask may have taken bits away that the owner needs.
        if (::fchmod(fd, BlockMode) != 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return -1;
        }
        return fd;
    }
    if (errno != EEXIST) return -1;
    return ::shm_open(object.c_str(), O_RDWR, 0);
}

// Holds a shared lock on the block for this process; zeroes the block first when no
// other process holds it.
bool JoinHolders(int fd, int32_t size) {
    if (RetryFlock(fd, LOCK_EX | LOCK_NB) == 0) {
        const std::vector<char> zeros(static_cast<std::size_t>(size), 0);
        if (::pwrite(fd, zeros.data(), zeros.size(), 0) != static_cast<ssize_t>(zeros.size()))
            return false;
    } else if (errno != EWOULDBLOCK) {
        return false;
    }
    // Waits while another process is zeroing the block.
    return RetryFlock(fd, LOCK_SH) == 0;
}

}  // namespace

PosixSharedMemory::~PosixSharedMemory() {
    for (const auto& entry : fds_) ::close(entry.second);
}

std::string PosixSharedMemory::objectName(const std::string& name) {
    std::string object = name;
    std::replace(object.begin(), object.end(), '/', '_');
    return "/" + object + "-" + InstanceScope();
}

SharedMappingHandle PosixSharedMemory::createMapping(const std::string& name, int32_t size) {
    if (size <= 0) {
        lastError_ = EINVAL;
        return 0;
    }
    const int fd = OpenOrCreate(objectName(name));
    if (fd < 0) return fail(-1);

    struct stat st {};
    if (::fstat(fd, &st) != 0) return fail(fd);
    // Never obey a block that someone else could have written.
    if (st.st_uid != ::geteuid() || (st.st_mode & 07777) != BlockMode) {
        errno = EACCES;
        return fail(fd);
    }
    // Only grow: shrinking would pull pages from under processes that map more.
    if (st.st_size < size && ::ftruncate(fd, size) != 0) return fail(fd);
    if (!JoinHolders(fd, size)) return fail(fd);

    const SharedMappingHandle handle = nextHandle_++;
    fds_[handle] = fd;
    return handle;
}

void* PosixSharedMemory::mapView(SharedMappingHandle mapping, int32_t size) {
    const auto it = fds_.find(mapping);
    if (it == fds_.end() || size <= 0) {
        lastError_ = EBADF;
        return nullptr;
    }
    void* view = ::mmap(nullptr, static_cast<std::size_t>(size), PROT_READ | PROT_WRITE, MAP_SHARED,
                        it->second, 0);
    if (view == MAP_FAILED) {
        lastError_ = errno;
        return nullptr;
    }
    return view;
}

void PosixSharedMemory::unmapView(void* view, int32_t size) {
    ::munmap(view, static_cast<std::size_t>(size));
}

void PosixSharedMemory::closeMapping(SharedMappingHandle mapping) {
    const auto it = fds_.find(mapping);
    if (it == fds_.end()) return;
    ::close(it->second);  // also lets go of this process's lock
    fds_.erase(it);
}

SharedMappingHandle PosixSharedMemory::fail(int fd) {
    lastError_ = errno;
    if (fd >= 0) ::close(fd);
    return 0;
}
