#ifndef TRUCEWARD_TOOLS_ARTGEN_APP_COMMANDLINE_H
#define TRUCEWARD_TOOLS_ARTGEN_APP_COMMANDLINE_H

#include <string>
#include <vector>

// What the generator was asked to do.
struct CommandLine {
    enum class Action { Generate, Check, Mock, Help };

    Action action = Action::Help;
    // The repository root: images go to <root>/assets/images, glyphs to
    // <root>/assets/fonts, icons to <root>/assets/icon and the contact
    // sheet to <root>/docs.
    std::string root;
    // Scratch folder for the mock screens (--mock).
    std::string mockFolder;
    // Set when the arguments could not be understood.
    std::string error;

    // artgen ROOT | artgen --check ROOT | artgen --mock FOLDER ROOT | --help
    static CommandLine parse(const std::vector<std::string>& arguments);
    static const char* usage();
};

#endif
