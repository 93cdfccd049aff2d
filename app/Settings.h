#ifndef TRUCEWARD_APP_SETTINGS_H
#define TRUCEWARD_APP_SETTINGS_H

#include <string>
#include <vector>

#include "app/ConfigLoader.h"

// The start-up settings, taken either from the configuration file (when
// the game gets no arguments at all) or from the command line options alone.
struct Settings {
    int width = 0;
    int height = 0;
    bool fullscreen = false;
    bool multisample = false;
    int samples = 0;
    bool noSound = false;
    bool noMusic = false;
    // From 0 (silent) to ConfigLoader::kMaximumVolume (full).
    int effectsVolume = ConfigLoader::kDefaultVolume;
    int musicVolume = ConfigLoader::kDefaultVolume;

    // The file's values as they stand (the volumes included; the options
    // leave them full), except a width or height no window can
    // have (0, negative, beyond 16384): that takes its default, with "Using
    // default width = 800" or "Using default height = 600".
    static Settings fromConfig(const ConfigLoader& config);
    // Whether a window can have a side of that many pixels. The file is
    // written by hand: a side of 0, below it or beyond any display would open
    // a window nobody asked for (SDL takes 0 as the desktop's size).
    static bool showableSide(int side);

    // Reads the options, each by a pass of its own over all arguments: help,
    // width, height, full screen, sound, music, anti-aliasing. Prints the
    // default and minimum messages. "--help" prints the help text and throws a
    // FatalError holding a single line feed.
    static Settings fromOptions(const std::vector<std::string>& args);

    static void printHelp();

    // Whether the settings will ask for multisampling, known before SDL
    // starts: from the file when there are no arguments, else from -a.
    static bool multisampleRequested(const std::vector<std::string>& args,
                                     const ConfigLoader& config);

    // Whether "--version" is among the arguments and "--help" (which wins
    // over everything) is not. The game then prints its name and version
    // and ends before it opens anything, so this works without a display.
    static bool versionRequested(const std::vector<std::string>& args);
    static void printVersion();

    // Whether the only argument is a replay file's path (a name ending in
    // ".twreplay"), as a file manager opens one: it is then played, and the
    // configuration file decides the rest as if there were no argument.
    static bool replayFileOpened(const std::vector<std::string>& args);

    // Whether the option that takes a replay file ("--verify" or "--replay")
    // is among the arguments and "--help" is not; `path` takes the argument
    // after its last occurrence ("" when none follows). --verify plays the
    // file without a window and ends; --replay opens the window on it.
    static bool replayFileRequested(const std::vector<std::string>& args, const char* option,
                                    std::string& path);
};

#endif
