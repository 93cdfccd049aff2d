// The per-user directory and the configuration file inside it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/ConfigLoader.h"
#include "app/Settings.h"
#include "scores/FilePath.h"
#include "tests/support/CaptureStdout.h"
#include "tests/support/TempHome.h"

namespace {

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool isDirectory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

struct stat statOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info;
}

mode_t permissions(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

class ConfigurationFileTest : public testing::Test {
  protected:
    // Writes the configuration file with the given contents.
    void writeConfig(const std::string& contents) {
        getFilePath();
        std::ofstream(configPath(), std::ios::binary) << contents;
    }
    std::string configPath() const { return home.userDirectory() + "/Truceward.conf"; }

    TempHome home;
};

TEST_F(ConfigurationFileTest, FirstUseCreatesTheWholeFolderChainOnceWithItsMessage) {
    CaptureStdout capture;
    const std::string path = getFilePath();
    EXPECT_EQ(path, home.path + "/Library/Application Support/Truceward");
    EXPECT_TRUE(isDirectory(path));
    EXPECT_EQ(permissions(home.path + "/Library"), 0755u);
    EXPECT_EQ(permissions(home.path + "/Library/Application Support"), 0755u);
    EXPECT_EQ(permissions(path), 0755u);
    EXPECT_EQ(getFilePath(), path);
    EXPECT_EQ(capture.text(), "Created directory " + path + "\n");
}

TEST_F(ConfigurationFileTest, AMissingHomeIsNotCreated) {
    const std::string missing = home.path + "/gone";
    setenv("HOME", missing.c_str(), 1);
    CaptureStdout capture;
    const std::string path = getFilePath();
    EXPECT_EQ(path, missing + "/Library/Application Support/Truceward");
    EXPECT_FALSE(isDirectory(missing));
    EXPECT_EQ(capture.text(), "Could not create directory " + path + "\n");
}

TEST_F(ConfigurationFileTest, AFileInTheWayIsReportedAndTheDefaultsStand) {
    std::ofstream(home.path + "/Library") << "not a folder";
    CaptureStdout capture;
    ConfigLoader config;
    const std::string path = home.path + "/Library/Application Support/Truceward";
    EXPECT_EQ(capture.text(), "Could not create directory " + path + "\nCould not create " + path +
                                  "/Truceward.conf\n");
    EXPECT_EQ(config.width, 800);
    EXPECT_EQ(config.height, 600);
    EXPECT_EQ(config.antialias, 6);
}

TEST_F(ConfigurationFileTest, FirstStartWritesExactlyTheSixDefaultLines) {
    CaptureStdout capture;
    ConfigLoader config;
    EXPECT_EQ(readWhole(configPath()), "w 800\nh 600\na 6\nf 0\nns 0\nnm 0\n");
    EXPECT_EQ(config.width, 800);
    EXPECT_EQ(config.height, 600);
    EXPECT_EQ(config.antialias, 6);
    EXPECT_FALSE(config.fullscreen);
    EXPECT_FALSE(config.noSound);
    EXPECT_FALSE(config.noMusic);

    const Settings settings = Settings::fromConfig(config);
    EXPECT_TRUE(settings.multisample);
    EXPECT_EQ(settings.samples, 6);
}

TEST_F(ConfigurationFileTest, AnExistingFileIsReadAndNeverRewritten) {
    const std::string contents = "w 1280\nh 720\na 0\nf 1\nns 1\nnm 1\n";
    writeConfig(contents);
    ConfigLoader config;
    EXPECT_EQ(config.width, 1280);
    EXPECT_EQ(config.height, 720);
    EXPECT_EQ(config.antialias, 0);
    EXPECT_TRUE(config.fullscreen);
    EXPECT_TRUE(config.noSound);
    EXPECT_TRUE(config.noMusic);
    EXPECT_EQ(readWhole(configPath()), contents);
    EXPECT_FALSE(Settings::fromConfig(config).multisample);
}

TEST_F(ConfigurationFileTest, KeysAreKnownByTheirFirstCharacters) {
    // "width 1024" is key w with the value text "dth 1024", which does not parse;
    // n alone and nx are no keys; ns and nm are.
    writeConfig("width 1024\nn 1\nnx 1\nns 1\nhx640\n");
    ConfigLoader config;
    EXPECT_EQ(config.width, 800);
    EXPECT_TRUE(config.noSound);
    EXPECT_FALSE(config.noMusic);
    // The one separating character may be anything.
    EXPECT_EQ(config.height, 640);
}

TEST_F(ConfigurationFileTest, FlagsAreZeroOrOneAndBadValuesKeepThePreviousOne) {
    writeConfig("f 1\nf 2\nns x\nnm -1\na 1\nw\nh \n\n");
    ConfigLoader config;
    EXPECT_TRUE(config.fullscreen);
    EXPECT_FALSE(config.noSound);
    EXPECT_FALSE(config.noMusic);
    // One sample from the file is taken as it is: the minimum of two is the option's.
    EXPECT_EQ(config.antialias, 1);
    EXPECT_EQ(Settings::fromConfig(config).samples, 1);
    EXPECT_TRUE(Settings::fromConfig(config).multisample);
    EXPECT_EQ(config.width, 800);
    EXPECT_EQ(config.height, 600);
}

TEST_F(ConfigurationFileTest, LaterLinesWinAndMissingKeysKeepTheirDefaults) {
    writeConfig("w 1024\nw 640\nh 480");
    ConfigLoader config;
    EXPECT_EQ(config.width, 640);
    EXPECT_EQ(config.height, 480);
    EXPECT_FALSE(config.noMusic);
    EXPECT_EQ(config.antialias, 6);
}

TEST_F(ConfigurationFileTest, LongBinaryAndOddLinesAreHarmless) {
    // A very long line counts once, by its first characters; its tail must not
    // be taken for a line of its own.
    std::string contents = "w 1111" + std::string(300, ' ') + "h 999\n";
    contents += std::string("a \0\x01\xff 3\n", 8);
    contents += "h 700\r\n";
    contents += std::string(5000, 'x') + "\n";
    contents += "ns 1";
    writeConfig(contents);
    ConfigLoader config;
    EXPECT_EQ(config.width, 1111);
    EXPECT_EQ(config.height, 700);
    EXPECT_EQ(config.antialias, 6);
    EXPECT_TRUE(config.noSound);
}

// A hand-written file: only the numbers of changed keys change, a file saved
// with nothing changed is left alone, and another game's edit meanwhile stays.
TEST_F(ConfigurationFileTest, SavingRewritesTheChangedKeysAlone) {
    writeConfig(
        "\xEF\xBB\xBF# mine\r\nw 640\nw 1024 # mine too\nw big\nh= 480px\nzoom 3\nsv 4\nf 1");
    chmod(configPath().c_str(), 0604);
    ConfigLoader config;
    EXPECT_EQ(config.width, 1024);
    EXPECT_EQ(config.effectsVolume, 4);
    EXPECT_EQ(config.musicVolume, ConfigLoader::kDefaultVolume);
    const struct stat untouched = statOf(configPath());
    config.antialias = 2;
    EXPECT_TRUE(config.save());
    EXPECT_EQ(statOf(configPath()).st_ino, untouched.st_ino);
    EXPECT_EQ(statOf(configPath()).st_mtim.tv_nsec, untouched.st_mtim.tv_nsec);

    std::ofstream(configPath(), std::ios::app) << "\nnm 1\n";
    config.width = 1280;
    config.height = 720;
    config.fullscreen = false;
    config.musicVolume = 3;
    EXPECT_TRUE(config.save());
    EXPECT_EQ(readWhole(configPath()),
              "\xEF\xBB\xBF# mine\r\nw 640\nw 1280 # mine too\nw big\nh= 720px\nzoom "
              "3\nsv 4\nf 0\nnm 1\nmv 3\n");
    EXPECT_EQ(permissions(configPath()), 0604u);
    const ino_t saved = statOf(configPath()).st_ino;
    EXPECT_TRUE(config.save());
    EXPECT_EQ(statOf(configPath()).st_ino, saved) << "a second save without a change wrote";
    ConfigLoader again;
    EXPECT_EQ(again.width, 1280);
    EXPECT_TRUE(again.noMusic);
    EXPECT_EQ(again.musicVolume, 3);
}

TEST_F(ConfigurationFileTest, AFileThatCouldNotBeReadIsNeverSaved) {
    getFilePath();
    ASSERT_EQ(mkfifo(configPath().c_str(), 0644), 0);
    CaptureStdout capture;
    ConfigLoader config;
    config.effectsVolume = 0;
    EXPECT_FALSE(config.save());
    EXPECT_EQ(capture.text(),
              "Could not read " + configPath() + "\nCould not save " + configPath() + "\n");
    EXPECT_TRUE(std::filesystem::is_fifo(configPath()));
}

}  // namespace
