// The single-instance claim on the real POSIX block, between real processes.

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "desktop/SpOnly1.h"
#include "fakes/FakeSharedMemory.h"
#include "platform/linux/PosixSharedMemory.h"

namespace {

// Claims the block as a start of the program does; 1 when this start must end, 0 when it
// runs (and then gives the claim up again).
int ClaimInAnotherProcess(const std::string& name) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int outcome = 2;
        try {
            PosixSharedMemory memory;
            FakeInstanceActivation activation;
            TSpOnlyOne guard(memory, activation, name, static_cast<uint32_t>(::getpid()));
            outcome = guard.MustEnd() ? 1 : 0;
        } catch (...) {
        }
        ::_exit(outcome);
    }
    int status = 0;
    EXPECT_EQ(::waitpid(pid, &status, 0), pid);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SingleInstanceTest, AnotherProcessMustEndWhileTheClaimIsHeld) {
    const std::string name = "quorvane-test-claim-" + std::to_string(::getpid());
    const std::string object = PosixSharedMemory::ObjectName(name);
    ::shm_unlink(object.c_str());
    {
        PosixSharedMemory memory;
        TSharedMem held(memory, name, 4);
        *static_cast<uint32_t*>(held.Buffer()) = 1234;  // a running instance's claim
        EXPECT_EQ(ClaimInAnotherProcess(name), 1);
    }
    EXPECT_EQ(ClaimInAnotherProcess(name), 0) << "the claim went with its holder";
    const int fd = ::shm_open(object.c_str(), O_RDONLY, 0);
    EXPECT_LT(fd, 0) << "the last holder removes the block";
    if (fd >= 0) ::close(fd);
    ::shm_unlink(object.c_str());
}

}  // namespace
