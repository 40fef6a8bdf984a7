// Named shared memory on the real POSIX objects, between real processes.

#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop/SingleInstance.h"
#include "fakes/FakeSharedMemory.h"
#include "platform/linux/PosixSharedMemory.h"

namespace {

struct Block {
    Block() { ::shm_unlink(object.c_str()); }
    ~Block() { ::shm_unlink(object.c_str()); }
    struct stat Stat() const {
        struct stat st {};
        ::stat(("/dev/shm" + object).c_str(), &st);  // zeroed when there is none
        return st;
    }
    const std::string name = "quorvane-test-" + std::to_string(::getpid());
    const std::string object = PosixSharedMemory::ObjectName(name);
};

TEST(SharedMemoryTest, OfClaimsStartedTogetherOnlyOneWins) {
    Block block;
    int go[2], results[2];
    ASSERT_EQ(::pipe(go) | ::pipe(results), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < 8; ++i) {
        children.push_back(::fork());
        if (children.back() != 0) continue;
        ::close(go[1]);
        PosixSharedMemory memory;
        FakeInstanceActivation activation;
        char outcome = 'E';
        (void)!::read(go[0], &outcome, 1);  // returns once the parent closes its end
        std::optional<SingleInstance> guard;
        try {
            guard.emplace(memory, activation, block.name, static_cast<uint32_t>(::getpid()));
            outcome = guard->MustEnd() ? 'L' : 'W';
        } catch (const SharedBlockError&) {
        }
        (void)!::write(results[1], &outcome, 1);
        ::pause();  // holds the claim until killed
        ::_exit(1);
    }
    ::close(go[1]);
    std::string outcomes(children.size(), '?');
    for (char& outcome : outcomes)
        if (::read(results[0], &outcome, 1) != 1) break;
    for (const pid_t pid : children) ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0);
    std::sort(outcomes.begin(), outcomes.end());
    EXPECT_EQ(outcomes, "LLLLLLLW");
    for (const int fd : {go[0], results[0], results[1]}) ::close(fd);
    // Killed, the winner leaves its claim behind, and the next start takes it over. Every
    // opener, each with an open file of its own, shares the bytes of the block, which is
    // private to the user and goes with its last holder.
    ASSERT_EQ(block.Stat().st_size, 4) << "the dead owner's block is gone";
    PosixSharedMemory memory;
    FakeInstanceActivation activation;
    auto next = std::make_unique<SingleInstance>(memory, activation, block.name, 2222);
    EXPECT_FALSE(next->MustEnd());
    auto opener = std::make_unique<SharedBlock>(memory, block.name, 4);
    EXPECT_EQ(*static_cast<uint32_t*>(opener->Buffer()), 2222u) << "zeroed by a later opener";
    EXPECT_EQ(block.Stat().st_mode & 0777, 0600u);
    next.reset();
    EXPECT_EQ(block.Stat().st_size, 4) << "removed while still held";
    opener.reset();
    EXPECT_EQ(block.Stat().st_size, 0) << "the last holder left it behind";
}

}  // namespace
