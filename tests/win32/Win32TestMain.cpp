// GoogleTest main of the Windows platform tests; the same program also plays the later
// instance that the single-instance tests start.

#include <gmock/gmock.h>

#include "win32/ChildProcess.h"

int main(int argc, char** argv) {
    if (const int childStatus = RunAsChild(argc, argv); childStatus != kNotAChild)
        return childStatus;
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
