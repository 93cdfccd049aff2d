#include "app/CommandLine.h"

CommandLine CommandLine::parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            line.action = Action::Help;
            return line;
        }
        if (argument == "--check") {
            line.action = Action::Check;
        } else if (argument == "--mock") {
            if (i + 1 >= arguments.size()) {
                line.error = "--mock needs a folder";
                return line;
            }
            line.action = Action::Mock;
            line.mockFolder = arguments[++i];
        } else if (!argument.empty() && argument[0] == '-') {
            line.error = "unknown option " + argument;
            return line;
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() != 1) {
        line.error = "give exactly one repository root";
        return line;
    }
    if (line.action == Action::Help) {
        line.action = Action::Generate;
    }
    line.root = positional.front();
    return line;
}

const char* CommandLine::usage() {
    return "usage: artgen ROOT             draw every image, glyph, icon and the contact sheet\n"
           "       artgen --check ROOT     check the written files; non-zero exit on a fault\n"
           "       artgen --mock DIR ROOT  compose a battle and a title screen from the files\n";
}
