// The single-instance claim on the real POSIX block, between real processes.

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "desktop/SpOnly1.h"
#include "fakes/FakeSharedMemory.h"
#include "platform/linux/PosixSharedMemory.h"

namespace {

// A block of its own per test, removed afterwards.
class BlockName {
public:
    explicit BlockName(const std::string& what)
        : name_("quorvane-test-" + what + "-" + std::to_string(::getpid())) {
        ::shm_unlink(Object().c_str());
    }
    ~BlockName() { ::shm_unlink(Object().c_str()); }
    const std::string& Name() const { return name_; }
    std::string Object() const { return PosixSharedMemory::ObjectName(name_); }

    // What the block holds, read without joining its holders.
    uint32_t Word() const {
        const int fd = ::shm_open(Object().c_str(), O_RDONLY, 0);
        uint32_t value = 0;
        EXPECT_GE(fd, 0);
        EXPECT_EQ(::pread(fd, &value, sizeof value, 0), static_cast<ssize_t>(sizeof value));
        ::close(fd);
        return value;
    }

private:
    std::string name_;
};

struct Claim {
    char outcome;  // 'W' won, 'L' lost, 'E' error
    pid_t pid;
};

struct Pipe {
    Pipe() { EXPECT_EQ(::pipe(fds), 0); }
    ~Pipe() {
        Close(fds[0]);
        Close(fds[1]);
    }
    static void Close(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    int fds[2] = {-1, -1};
};

// A process that waits for `go` to close, claims the block, reports on `results` and
// holds its claim until `release` closes.
pid_t StartInstance(const std::string& name, Pipe& go, Pipe& results, Pipe& release) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    Pipe::Close(go.fds[1]);
    Pipe::Close(release.fds[1]);
    Pipe::Close(results.fds[0]);
    char byte;
    (void)!::read(go.fds[0], &byte, 1);
    Claim claim{'E', ::getpid()};
    try {
        PosixSharedMemory memory;
        FakeInstanceActivation activation;
        TSpOnlyOne guard(memory, activation, name, static_cast<uint32_t>(::getpid()));
        claim.outcome = guard.MustEnd() ? 'L' : 'W';
        (void)!::write(results.fds[1], &claim, sizeof claim);
        (void)!::read(release.fds[0], &byte, 1);
    } catch (...) {
        (void)!::write(results.fds[1], &claim, sizeof claim);
    }
    ::_exit(0);
}

Claim ReadClaim(Pipe& results) {
    Claim claim{'?', 0};
    EXPECT_EQ(::read(results.fds[0], &claim, sizeof claim), static_cast<ssize_t>(sizeof claim));
    return claim;
}

TEST(SharedMemoryRaceTest, TwentySimultaneousClaimsLeaveOneWinner) {
    BlockName block("race");
    Pipe go, results, release;
    std::vector<pid_t> pids;
    for (int i = 0; i < 20; ++i) pids.push_back(StartInstance(block.Name(), go, results, release));
    Pipe::Close(go.fds[1]);  // all start together

    std::vector<pid_t> winners;
    int losers = 0;
    for (std::size_t i = 0; i < pids.size(); ++i) {
        const Claim claim = ReadClaim(results);
        if (claim.outcome == 'W') winners.push_back(claim.pid);
        if (claim.outcome == 'L') ++losers;
    }
    ASSERT_EQ(winners.size(), 1u);
    EXPECT_EQ(losers, 19);
    EXPECT_EQ(block.Word(), static_cast<uint32_t>(winners[0]));

    Pipe::Close(release.fds[1]);
    for (pid_t pid : pids) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
    EXPECT_LT(::shm_open(block.Object().c_str(), O_RDONLY, 0), 0) << "the last holder removes it";
}

TEST(SharedMemoryRaceTest, BlockIsPrivateToTheUserWhateverTheUmask) {
    for (const mode_t mask : {mode_t{0}, mode_t{022}, mode_t{0277}}) {
        BlockName block("mode");
        const mode_t previous = ::umask(mask);
        PosixSharedMemory memory;
        {
            TSharedMem shared(memory, block.Name(), 4);
            ::umask(previous);
            struct stat st {};
            const int fd = ::shm_open(block.Object().c_str(), O_RDONLY, 0);
            ASSERT_GE(fd, 0);
            ASSERT_EQ(::fstat(fd, &st), 0);
            ::close(fd);
            EXPECT_EQ(st.st_mode & 07777, 0600u) << "umask " << mask;
            EXPECT_EQ(st.st_uid, ::geteuid());
            EXPECT_EQ(st.st_size, 4);
        }
        ::umask(previous);
    }
}

// Someone else created the user's object first: the block moves to the private folder,
// and what the squatter wrote is neither obeyed nor touched.
TEST(SharedMemoryRaceTest, AForeignOrOpenObjectIsNeverObeyedNorFatal) {
    for (const bool foreign : {false, true}) {
        if (foreign && ::geteuid() != 0) continue;  // only root can give an object away
        SCOPED_TRACE(foreign ? "another user's object" : "an object open to others");
        BlockName block("squat");
        const int fd = ::shm_open(block.Object().c_str(), O_RDWR | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::fchmod(fd, foreign ? 0600 : 0644), 0);
        ASSERT_EQ(::fchown(fd, foreign ? 12345 : ::geteuid(), foreign ? 12345 : ::getegid()), 0);
        const uint32_t planted = 4321;
        ASSERT_EQ(::pwrite(fd, &planted, sizeof planted, 0), static_cast<ssize_t>(sizeof planted));
        {
            PosixSharedMemory memory;
            FakeInstanceActivation activation;
            TSpOnlyOne guard(memory, activation, block.Name(), 1234);
            EXPECT_FALSE(guard.MustEnd());
            EXPECT_EQ(block.Word(), planted);
            EXPECT_TRUE(std::filesystem::exists(PosixSharedMemory::FallbackPath(block.Name())));
        }
        EXPECT_FALSE(std::filesystem::exists(PosixSharedMemory::FallbackPath(block.Name())));
        ::close(fd);
    }
}

}  // namespace
