#include "app/Settings.h"

#include <iostream>

#include "app/ConfigLoader.h"
#include "app/FatalError.h"
#include "app/NumberText.h"

namespace {

constexpr int kMinimumSamples = 2;
// No display or driver makes a window wider or taller than this.
constexpr int kMaximumWindowSide = 16384;

// Puts the default in place of a side that is not usable, and says so.
void defaultUnless(bool usable, int& side, int fallback, const char* name) {
    if (!usable) {
        side = fallback;
        std::cout << "Using default " << name << " = " << fallback << std::endl;
    }
}

// The version is kept in one place, the project's CMake file, which passes it in.
const char* const kVersionLine = "Truceward " TRUCEWARD_VERSION;

bool hasFlag(const std::vector<std::string>& args, const char* longName, const char* shortName) {
    for (const std::string& arg : args) {
        if (arg == longName || arg == shortName) {
            return true;
        }
    }
    return false;
}

// One pass for an option with a value: every occurrence reads the argument
// after it (a later one overrides an earlier one), and that argument is not
// looked at again as an option within this pass. Returns whether the option
// occurred at all.
bool readValuePass(const std::vector<std::string>& args, const char* longName,
                   const char* shortName, int& value) {
    bool found = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != longName && args[i] != shortName) {
            continue;
        }
        found = true;
        if (i + 1 >= args.size()) {
            break;
        }
        readLeadingInt(args[i + 1], value);
        ++i;
    }
    return found;
}

}  // namespace

bool Settings::showableSide(int side) {
    return side > 0 && side <= kMaximumWindowSide;
}

Settings Settings::fromConfig(const ConfigLoader& config) {
    Settings settings;
    settings.width = config.width;
    settings.height = config.height;
    defaultUnless(showableSide(settings.width), settings.width, ConfigLoader::kDefaultWidth,
                  "width");
    defaultUnless(showableSide(settings.height), settings.height, ConfigLoader::kDefaultHeight,
                  "height");
    settings.multisample = config.antialias > 0;
    settings.samples = config.antialias;
    settings.fullscreen = config.fullscreen;
    settings.noSound = config.noSound;
    settings.noMusic = config.noMusic;
    settings.effectsVolume = config.effectsVolume;
    settings.musicVolume = config.musicVolume;
    return settings;
}

Settings Settings::fromOptions(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help") {
            printHelp();
            throw FatalError("\n", FatalError::kSuccessStatus);
        }
    }
    Settings settings;
    readValuePass(args, "--width", "-w", settings.width);
    defaultUnless(settings.width != 0, settings.width, ConfigLoader::kDefaultWidth, "width");
    readValuePass(args, "--height", "-h", settings.height);
    defaultUnless(settings.height != 0, settings.height, ConfigLoader::kDefaultHeight, "height");
    settings.fullscreen = hasFlag(args, "--fullscreen", "-f");
    settings.noSound = hasFlag(args, "--nosound", "-ns");
    settings.noMusic = hasFlag(args, "--nomusic", "-nm");
    settings.multisample = readValuePass(args, "--antialias", "-a", settings.samples);
    if (settings.multisample && settings.samples < kMinimumSamples) {
        settings.samples = kMinimumSamples;
        std::cout << "Using 2x antialiasing." << std::endl;
    }
    return settings;
}

void Settings::printHelp() {
    std::cout << "\n"
              << "Truceward!\n"
              << "\n"
              << "Usage:\n"
              << "Truceward -w [width] -h [height] -a [val] -f -ns -nm\n"
              << "Truceward --replay [file] | --verify [file]\n"
              << "\n"
              << "Flags:\n"
              << "--width [val] | -w [val]:\tSet the width of the window.\n"
              << "--height [val] | -h [val]:\tSet the height of the window.\n"
              << "--antialias [val] | -a [val]:\tSets the antialiasing level (2, 4, or 6).\n"
              << "--fullscreen | -f:\t\tSets whether to go fullscreen or not.\n"
              << "--nosound | -ns:\t\tSwitches off the sound output.\n"
              << "--nomusic | -nm:\t\tSwitches off the background music.\n"
              << "--replay [file]:\t\tPlays a replay file in the window; Escape ends.\n"
              << "--verify [file]:\t\tPlays a replay file without a window and checks\n"
              << "\t\t\t\tits score: exit status 0 when it is as recorded.\n"
              << "--help:\t\t\t\tDisplay this help." << std::endl;
}

bool Settings::multisampleRequested(const std::vector<std::string>& args,
                                    const ConfigLoader& config) {
    return args.empty() ? config.antialias > 0 : hasFlag(args, "--antialias", "-a");
}

bool Settings::versionRequested(const std::vector<std::string>& args) {
    return hasFlag(args, "--version", "--version") && !hasFlag(args, "--help", "--help");
}

void Settings::printVersion() {
    std::cout << kVersionLine << std::endl;
}

bool Settings::replayFileOpened(const std::vector<std::string>& args) {
    const std::string extension = ".twreplay";
    return args.size() == 1 && !args.front().empty() && args.front()[0] != '-' &&
           args.front().size() > extension.size() &&
           args.front().compare(args.front().size() - extension.size(), extension.size(),
                                extension) == 0;
}

bool Settings::replayFileRequested(const std::vector<std::string>& args, const char* option,
                                   std::string& path) {
    if (!hasFlag(args, option, option) || hasFlag(args, "--help", "--help")) {
        return false;
    }
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == option) {
            path = i + 1 < args.size() ? args[i + 1] : "";
        }
    }
    return true;
}
