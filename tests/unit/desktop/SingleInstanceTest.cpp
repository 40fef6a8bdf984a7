#include "desktop/SingleInstance.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeSharedMemory.h"

namespace {

using Names = std::vector<std::string>;

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

// The first guard claims the block and listens; a second one in the same process does
// nothing, one of a later instance asks the first forward and must end.
TEST(OnlyOneTest, FirstInstanceClaimsAndListensALaterOneAsksItForwardAndEnds) {
    FakeSharedMemory memory;
    FakeInstanceActivation activation;
    {
        SingleInstance guard(memory, activation, "quorvane", 1234);
        EXPECT_FALSE(guard.MustEnd());
        EXPECT_EQ(memory.Word("quorvane"), 1234u);
        int broughtForward = 0;
        guard.OnBringForward = [&] { ++broughtForward; };
        activation.DeliverRequest();
        EXPECT_EQ(broughtForward, 1);
        EXPECT_FALSE(SingleInstance(memory, activation, "quorvane", 1234).MustEnd());
        EXPECT_EQ(memory.created, Names{"quorvane"});
        EXPECT_TRUE(activation.requests.empty());
        EXPECT_EQ(memory.OpenMappings(), 1) << "the first guard's claim stays";
        EXPECT_EQ(activation.listeningOn, "quorvane");
    }
    EXPECT_EQ(activation.listeningOn, "");
    EXPECT_EQ(memory.OpenMappings() + memory.openViews, 0);

    memory.Word("quorvane") = 999;
    activation.answer = false;  // ends all the same
    SingleInstance later(memory, activation, "quorvane", 1234);
    EXPECT_TRUE(later.MustEnd());
    EXPECT_EQ(activation.requests, Names{"quorvane"});
    EXPECT_EQ(memory.Word("quorvane"), 999u) << "the later instance never writes";
    EXPECT_EQ(activation.listeningOn, "");
}

}  // namespace
