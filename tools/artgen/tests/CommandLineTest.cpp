#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, RootAloneGenerates) {
    const CommandLine line = CommandLine::parse({"/repo"});
    EXPECT_TRUE(line.error.empty());
    EXPECT_EQ(line.action, CommandLine::Action::Generate);
    EXPECT_EQ(line.root, "/repo");
}

TEST(CommandLine, CheckAndMockTakeTheRootToo) {
    const CommandLine check = CommandLine::parse({"--check", "/repo"});
    EXPECT_EQ(check.action, CommandLine::Action::Check);
    EXPECT_EQ(check.root, "/repo");
    const CommandLine mock = CommandLine::parse({"--mock", "/tmp/look", "/repo"});
    EXPECT_EQ(mock.action, CommandLine::Action::Mock);
    EXPECT_EQ(mock.mockFolder, "/tmp/look");
    EXPECT_EQ(mock.root, "/repo");
}

TEST(CommandLine, MistakesAreReported) {
    EXPECT_FALSE(CommandLine::parse({}).error.empty());
    EXPECT_FALSE(CommandLine::parse({"/a", "/b"}).error.empty());
    EXPECT_FALSE(CommandLine::parse({"--mock"}).error.empty());
    EXPECT_FALSE(CommandLine::parse({"--frobnicate", "/repo"}).error.empty());
    EXPECT_EQ(CommandLine::parse({"--help"}).action, CommandLine::Action::Help);
}

}  // namespace
