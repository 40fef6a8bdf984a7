// Why a port failed, by each system's error codes, and which codes mean the adapter went.

#include "meter/PortFailure.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(PortFailureTest, ReasonsByEachSystemsCodes) {
    const auto posix = ErrorCodeSet::Errno, windows = ErrorCodeSet::Win32;
    const PortDevice dialout{"/dev/ttyUSB0", "dialout", true};
    const PortDevice rootOnly{"/dev/ttyS4", "root", true}, closed{"/dev/ttyS4", "uucp", false};
    const PortDevice gone{"/dev/ttyUSB0", "", false};
    const char* askAdministrator =
        "COM5: no permission for /dev/ttyS4, ask the administrator for read and write access to "
        "it.";
    const struct {
        ErrorCodeSet codes;
        uint32_t code;
        PortDevice device;
        const char* reason;
    } cases[] = {
        {posix, EACCES, dialout,
         "COM5: no permission for /dev/ttyUSB0, add your user to the dialout group: sudo "
         "usermod -aG dialout $USER, then log in again."},
        // Root's group, or a group that may not open it either: only the administrator helps.
        {posix, EACCES, rootOnly, askAdministrator},
        {posix, EPERM, closed, askAdministrator},
        {posix, ENOENT, gone, "COM5: not present (no device at /dev/ttyUSB0)."},
        {posix, EBUSY, dialout, "COM5: in use by another program."},
        {posix, EINVAL, dialout, "COM5: - (error 22)."},
        {windows, 2, {}, "COM5: not present."},
        {windows, 5, {}, "COM5: in use by another program."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenFailureReason("COM5", c.codes, c.code, c.device, "-"), c.reason) << c.code;
    for (const uint32_t removed : {1617u, 995u, 6u, 433u})
        EXPECT_TRUE(IsHangUpError(windows, removed));
    EXPECT_TRUE(IsHangUpError(posix, EIO));
    // A time-out, and an I/O still pending (996), are no removal.
    EXPECT_FALSE(IsHangUpError(posix, EAGAIN) || IsHangUpError(windows, 121) ||
                 IsHangUpError(windows, 996));
}
