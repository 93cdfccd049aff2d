// The entry function: fatal start-up errors are printed and end with status 1;
// the help is no failure.
#include "app/EntryPoint.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scores/FilePath.h"
#include "tests/support/CaptureStdout.h"

namespace {

int runEntry(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(&arg[0]);
    }
    argv.push_back(nullptr);
    return SDL_main(static_cast<int>(args.size()), argv.data());
}

std::string lastLine(const std::string& text) {
    const size_t end = text.find_last_not_of('\n');
    const size_t start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - start);
}

TEST(EntryPoint, HelpIsFollowedByTwoEmptyLinesAndReturnsZero) {
    getFilePath();  // the first-start message is not what this test reads
    CaptureStdout capture;
    EXPECT_EQ(runEntry({"truceward", "-ns", "-nm", "--help"}), 0);
    const std::string text = capture.text();
    const std::string ending = "--help:\t\t\t\tDisplay this help.\n\n\n";
    ASSERT_GE(text.size(), ending.size());
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
    EXPECT_EQ(text.find("Using default"), std::string::npos);
    // Nothing of the video was set up.
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
}

TEST(EntryPoint, AnImpossibleVideoModeIsFatalAndReturnsOne) {
    getFilePath();
    CaptureStdout capture;
    EXPECT_EQ(runEntry({"truceward", "-w", "-5", "-h", "100", "-ns", "-nm"}), 1);
    EXPECT_EQ(lastLine(capture.text()).rfind("Could not set video mode: ", 0), 0u)
        << capture.text();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "SDL must be shut down after the failure";
}

}  // namespace
