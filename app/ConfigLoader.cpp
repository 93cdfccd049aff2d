#include "app/ConfigLoader.h"

#include <iostream>

#include "app/NumberText.h"
#include "scores/FilePath.h"
#include "scores/FileSaver.h"
#include "scores/RegularFileReader.h"

namespace {

// Only this much of a line is kept; the rest of a longer line is skipped, so
// that it cannot be mistaken for a line of its own, and an endless line (a
// device in the file's place) cannot grow memory.
constexpr size_t kMaxLineLength = 127;
// Some editors start a UTF-8 file with this mark; it is no part of the text.
const std::string kByteOrderMark = "\xEF\xBB\xBF";

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
    // Only a missing file is written; one that exists but cannot be read is
    // the user's, and stays as it is while the defaults stand in for it.
    if (readFile() == RegularFileReader::Missing) {
        createFile();
        readFile();
    }
}

RegularFileReader::Status ConfigLoader::readFile() {
    ConfigLoader read{DefaultsOnly{}};
    RegularFileReader file(path);
    std::istream in(&file);
    read.readFrom(in);
    if (file.status() == RegularFileReader::Failed) {
        std::cout << "Could not read " << path << std::endl;
    } else {
        width = read.width;
        height = read.height;
        antialias = read.antialias;
        fullscreen = read.fullscreen;
        noSound = read.noSound;
        noMusic = read.noMusic;
    }
    return file.status();
}

ConfigLoader::ConfigLoader(DefaultsOnly) {}

void ConfigLoader::readFrom(std::istream& in) {
    std::string line;
    bool firstLine = true;
    const auto endLine = [&]() {
        if (firstLine && line.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) {
            line.erase(0, kByteOrderMark.size());
        }
        readLine(line);
        line.clear();
        firstLine = false;
    };
    // A line ends at a line feed or a carriage return, so that files with the
    // line ends of other systems read as their author meant.
    for (char c; in.get(c);) {
        if (c == '\n' || c == '\r') {
            endLine();
        } else if (line.size() < kMaxLineLength) {
            line.push_back(c);
        }
    }
    if (!line.empty()) {
        endLine();
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
    // All or nothing: a full disk must not leave an empty file that would
    // stand for the settings from then on.
    if (!FileSaver::replace(path, kDefaultLines)) {
        std::cout << "Could not create " << path << std::endl;
    }
}
