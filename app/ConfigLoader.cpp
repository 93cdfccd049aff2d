#include "app/ConfigLoader.h"

#include <fstream>
#include <iostream>

#include "app/FilePath.h"
#include "app/NumberText.h"

namespace {

// Only this much of a line is looked at; the rest of a longer line is skipped,
// so that it cannot be mistaken for a line of its own.
constexpr size_t kMaxLineLength = 127;

const char* const kDefaultLines = "w 800\nh 600\na 6\nf 0\nns 0\nnm 0\n";

// The value text starts after the key and its one separating character.
void readInt(const std::string& line, size_t valueStart, int& field) {
    if (line.size() > valueStart) {
        readLeadingInt(line.substr(valueStart), field);
    }
}

// A flag is 0 or 1; any other number, or no number, leaves it as it was.
void readFlag(const std::string& line, size_t valueStart, bool& field) {
    int value = -1;
    readInt(line, valueStart, value);
    if (value == 0 || value == 1) {
        field = value == 1;
    }
}

}  // namespace

ConfigLoader::ConfigLoader() : path(getFilePath() + "/Truceward.conf") {
    std::ifstream probe(path);
    if (!probe.is_open()) {
        createFile();
    }
    std::ifstream in(path, std::ios::binary);
    if (in.is_open()) {
        readFrom(in);
    }
}

ConfigLoader::ConfigLoader(DefaultsOnly) {}

void ConfigLoader::readFrom(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() > kMaxLineLength) {
            line.resize(kMaxLineLength);
        }
        readLine(line);
    }
}

void ConfigLoader::readLine(const std::string& line) {
    if (line.empty()) {
        return;
    }
    switch (line[0]) {
        case 'w':
            readInt(line, 2, width);
            break;
        case 'h':
            readInt(line, 2, height);
            break;
        case 'a':
            readInt(line, 2, antialias);
            break;
        case 'f':
            readFlag(line, 2, fullscreen);
            break;
        case 'n':
            if (line.size() > 1 && line[1] == 's') {
                readFlag(line, 3, noSound);
            } else if (line.size() > 1 && line[1] == 'm') {
                readFlag(line, 3, noMusic);
            }
            break;
        default:
            break;
    }
}

void ConfigLoader::createFile() const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        std::cout << "Could not create " << path << std::endl;
        return;
    }
    out << kDefaultLines;
}
