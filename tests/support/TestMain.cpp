// Runs the tests of one process with a fresh, empty HOME, so that no test can
// read or write the real user's files, in English.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/TempHome.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The tests read the game's English words, whatever the desktop speaks.
    setenv("LANGUAGE", "en", 1);
    TempHome home;
    return RUN_ALL_TESTS();
}
