// Runs the tests of one process with a fresh, empty HOME, so that no test can
// read or write the real user's files.
#include <gtest/gtest.h>

#include "tests/support/TempHome.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    TempHome home;
    return RUN_ALL_TESTS();
}
