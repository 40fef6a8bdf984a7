#include "desktop/SingleInstance.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeSharedMemory.h"

namespace {

TEST(OnlyOneTest, FailureNamesTheBlockAndTheCodeAndLeavesNoBlockBehind) {
    FakeSharedMemory memory;
    FakeInstanceActivation activation;
    memory.failMapWith = 8;
    EXPECT_THAT([&] { SharedBlock block(memory, "other", 4); },
                testing::ThrowsMessage<SharedBlockError>("Error creating shared memory other (8)"));
    EXPECT_EQ(memory.OpenMappings(), 0) << "a mapping that cannot be mapped is closed again";
    memory.failMapWith = 0;
    memory.failCreateWith = 13;
    EXPECT_THROW(SingleInstance(memory, activation, "quorvane", 1234), SharedBlockError);
    memory.failCreateWith = 0;
    SingleInstance guard(memory, activation, "quorvane", 1234);
    EXPECT_EQ(memory.created.size(), 3u) << "the failed guard did not count as the first";
}

}  // namespace
