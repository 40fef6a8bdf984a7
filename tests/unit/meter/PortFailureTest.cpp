// Why a port failed, where the end-to-end tests cannot reach (Windows, root's group).

#include "meter/PortFailure.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(PortFailureTest, ReasonsAndHangUpsByEachSystemsCodes) {
    const auto posix = ErrorCodeSet::Errno, windows = ErrorCodeSet::Win32;
    EXPECT_EQ(OpenFailureReason("COM5", posix, EACCES, {"/dev/ttyS4", "root", true}, "-"),
              "COM5: no permission for /dev/ttyS4, ask the administrator for read and write "
              "access to it.");
    EXPECT_EQ(OpenFailureReason("COM5", windows, 5, {}, "-"), "COM5: in use by another program.");
    EXPECT_TRUE(IsHangUpError(posix, EIO) && IsHangUpError(windows, 1617));
    EXPECT_FALSE(IsHangUpError(posix, EAGAIN) || IsHangUpError(windows, 121));
}
