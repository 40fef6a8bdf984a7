#include <gtest/gtest.h>

#include "measure/HarmonicTables.h"

// The tables are built once at start-up in the program, and likewise here.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    BuildHarmonicTables();
    return RUN_ALL_TESTS();
}
