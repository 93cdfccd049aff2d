// Where the game looks for its sound files on Linux: beside the executable,
// then in a relocated install's data directory, then in the installed one.
#include "audio/SoundsDirectory.h"

#include <gtest/gtest.h>

#include <errno.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "audio/BackgroundMusic.h"
#include "tests/support/TempHome.h"

namespace {

namespace fs = std::filesystem;

class SoundsDirectoryTest : public testing::Test {
  protected:
    void SetUp() override {
        root = makeTempDirectory("truceward-layout-");
        executable = root + "/prefix/bin";
        fs::create_directories(executable);
        installed = root + "/installed/sounds";
    }
    void TearDown() override { fs::remove_all(root); }

    std::string root;
    std::string executable;
    std::string installed;
};

TEST_F(SoundsDirectoryTest, FolderBesideTheExecutableComesFirst) {
    fs::create_directories(executable + "/sounds");
    fs::create_directories(root + "/prefix/share/truceward/sounds");
    fs::create_directories(installed);

    EXPECT_EQ(SoundsDirectory::locate(executable, installed), executable + "/sounds/");
}

TEST_F(SoundsDirectoryTest, RelocatedInstallComesBeforeTheInstalledPrefix) {
    fs::create_directories(root + "/prefix/share/truceward/sounds");
    fs::create_directories(installed);

    EXPECT_EQ(SoundsDirectory::locate(executable, installed),
              root + "/prefix/share/truceward/sounds/");
}

TEST_F(SoundsDirectoryTest, InstalledDirectoryGetsItsSlash) {
    fs::create_directories(installed);

    EXPECT_EQ(SoundsDirectory::locate(executable, installed), installed + "/");
    EXPECT_EQ(SoundsDirectory::locate(executable, installed + "/"), installed + "/");
    EXPECT_EQ(SoundsDirectory::locate("", installed), installed + "/");
}

TEST_F(SoundsDirectoryTest, NothingFoundGivesTheEmptyPath) {
    EXPECT_EQ(SoundsDirectory::locate(executable, installed), "");
    EXPECT_EQ(SoundsDirectory::locate("", ""), "");
    // A file of that name is no folder of sounds.
    fs::create_directories(root + "/installed");
    std::FILE* file = std::fopen(installed.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(SoundsDirectory::locate(executable, installed), "");
}

TEST(SoundsPathTest, ExecutableDirectoryHoldsTheRunningProgram) {
    const std::string directory = SoundsDirectory::executableDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_TRUE(fs::equivalent(directory + "/" + program_invocation_short_name, "/proc/self/exe"));
}

TEST(SoundsPathTest, GameLooksBesideItsExecutableFirst) {
    const std::string beside = SoundsDirectory::executableDirectory() + "/sounds/";
    const std::string path = BackgroundMusic::getSoundsPath();
    if (fs::is_directory(beside)) {
        EXPECT_EQ(path, beside);
    } else {
        EXPECT_TRUE(path.empty() || path.back() == '/') << path;
        EXPECT_NE(path, beside);
    }
}

}  // namespace
