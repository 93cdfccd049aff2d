// How the command line options decide the settings, pass by pass.
#include "app/Settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/FatalError.h"
#include "tests/support/CaptureStdout.h"

namespace {

using Args = std::vector<std::string>;

struct Parsed {
    Settings settings;
    std::string output;
};

Parsed parse(const Args& args) {
    CaptureStdout capture;
    Parsed parsed{Settings::fromOptions(args), ""};
    parsed.output = capture.text();
    return parsed;
}

TEST(SettingsFromOptions, AnyUnrecognisedArgumentGivesTheDefaultsWithBothMessages) {
    const Parsed parsed = parse({"-x"});
    EXPECT_EQ(parsed.settings.width, 800);
    EXPECT_EQ(parsed.settings.height, 600);
    EXPECT_FALSE(parsed.settings.multisample);
    EXPECT_FALSE(parsed.settings.fullscreen);
    EXPECT_FALSE(parsed.settings.noSound);
    EXPECT_FALSE(parsed.settings.noMusic);
    EXPECT_EQ(parsed.output, "Using default width = 800\nUsing default height = 600\n");
}

TEST(SettingsFromOptions, LongAndShortFormsAndLaterValuesWin) {
    const Parsed parsed =
        parse({"-w", "1024", "--height", "700", "-w", "640", "--fullscreen", "-ns", "--nomusic"});
    EXPECT_EQ(parsed.settings.width, 640);
    EXPECT_EQ(parsed.settings.height, 700);
    EXPECT_TRUE(parsed.settings.fullscreen);
    EXPECT_TRUE(parsed.settings.noSound);
    EXPECT_TRUE(parsed.settings.noMusic);
    EXPECT_EQ(parsed.output, "");

    const Parsed other = parse({"--width", "900", "-h", "500", "-f", "--nosound", "-nm"});
    EXPECT_EQ(other.settings.width, 900);
    EXPECT_EQ(other.settings.height, 500);
    EXPECT_TRUE(other.settings.fullscreen);
    EXPECT_TRUE(other.settings.noSound);
    EXPECT_TRUE(other.settings.noMusic);
}

TEST(SettingsFromOptions, OptionsAreCaseSensitiveAndWhole) {
    const Parsed parsed = parse({"-W", "1024", "--Fullscreen", "-fs", "--nosounds"});
    EXPECT_EQ(parsed.settings.width, 800);
    EXPECT_FALSE(parsed.settings.fullscreen);
    EXPECT_FALSE(parsed.settings.noSound);
}

TEST(SettingsFromOptions, AntialiasingMinimumAndMissingValue) {
    const Parsed eight = parse({"-w", "320", "-h", "200", "-a", "8"});
    EXPECT_TRUE(eight.settings.multisample);
    EXPECT_EQ(eight.settings.samples, 8);
    EXPECT_EQ(eight.output, "");

    const Parsed one = parse({"-w", "320", "-h", "200", "--antialias", "1"});
    EXPECT_TRUE(one.settings.multisample);
    EXPECT_EQ(one.settings.samples, 2);
    EXPECT_EQ(one.output, "Using 2x antialiasing.\n");

    // The option as the last argument turns multisampling on without a value.
    const Parsed last = parse({"-w", "320", "-h", "200", "-a"});
    EXPECT_TRUE(last.settings.multisample);
    EXPECT_EQ(last.settings.samples, 2);
    EXPECT_EQ(last.output, "Using 2x antialiasing.\n");

    // No upper limit, and no check against the levels the help names.
    EXPECT_EQ(parse({"-a", "64"}).settings.samples, 64);
}

TEST(SettingsFromOptions, EveryPassSeesValueArgumentsToo) {
    // "-f" is the width's value (no number: default) and still selects full screen.
    const Parsed parsed = parse({"-w", "-f"});
    EXPECT_EQ(parsed.settings.width, 800);
    EXPECT_TRUE(parsed.settings.fullscreen);
    EXPECT_EQ(parsed.output, "Using default width = 800\nUsing default height = 600\n");

    // A value option as the last argument leaves its value unset.
    EXPECT_EQ(parse({"-h", "480", "-w"}).settings.width, 800);
    // Within a pass the value is skipped: "-w -w 300" reads "-w" as the value.
    EXPECT_EQ(parse({"-w", "-w", "300"}).settings.width, 800);
}

TEST(SettingsFromOptions, NumberTextIsReadUpToTheFirstNonDigit) {
    EXPECT_EQ(parse({"-w", "1024x", "-h", "  768"}).settings.width, 1024);
    EXPECT_EQ(parse({"-w", "1024x", "-h", "  768"}).settings.height, 768);
    EXPECT_EQ(parse({"-w", "+640"}).settings.width, 640);
    // Negative sizes are passed on; the video mode then fails.
    EXPECT_EQ(parse({"-w", "-5"}).settings.width, -5);
    // Text that is no number, or a number an int cannot hold, leaves the default.
    EXPECT_EQ(parse({"-w", "wide"}).settings.width, 800);
    EXPECT_EQ(parse({"-w", "99999999999"}).settings.width, 800);
    EXPECT_EQ(parse({"-w", "0"}).settings.width, 800);
}

TEST(SettingsFromOptions, HelpAnywherePrintsOnlyTheHelpAndThrowsALineFeed) {
    CaptureStdout capture;
    try {
        Settings::fromOptions({"-w", "1024", "-a", "1", "--help", "-h"});
        FAIL() << "--help must end the start-up";
    } catch (const FatalError& error) {
        EXPECT_EQ(error.message, "\n");
    }
    const std::string expected =
        "\n"
        "Truceward!\n"
        "\n"
        "Usage:\n"
        "Truceward -w [width] -h [height] -a [val] -f -ns -nm\n"
        "Truceward --replay [file] | --verify [file]\n"
        "\n"
        "Flags:\n"
        "--width [val] | -w [val]:\tSet the width of the window.\n"
        "--height [val] | -h [val]:\tSet the height of the window.\n"
        "--antialias [val] | -a [val]:\tSets the antialiasing level (2, 4, or 6).\n"
        "--fullscreen | -f:\t\tSets whether to go fullscreen or not.\n"
        "--nosound | -ns:\t\tSwitches off the sound output.\n"
        "--nomusic | -nm:\t\tSwitches off the background music.\n"
        "--replay [file]:\t\tPlays a replay file in the window; Escape ends.\n"
        "--verify [file]:\t\tPlays a replay file without a window and checks\n"
        "\t\t\t\tits score: exit status 0 when it is as recorded.\n"
        "--help:\t\t\t\tDisplay this help.\n";
    EXPECT_EQ(capture.text(), expected);
}

}  // namespace
