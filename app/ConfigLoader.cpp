#include "app/ConfigLoader.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iostream>
#include <sstream>

#include "app/NumberText.h"
#include "scores/FilePath.h"
#include "scores/FileSaver.h"

namespace {

// Only this much of a line is kept; the rest of a longer line is skipped, so
// that it cannot be mistaken for a line of its own, and an endless line (a
// device in the file's place) cannot grow memory.
constexpr size_t kMaxLineLength = 127;
// Some editors start a UTF-8 file with this mark; it is no part of the text.
const std::string kByteOrderMark = "\xEF\xBB\xBF";

// The file holds a few short lines. A larger one is no file of ours (or a
// mistake, such as a huge sparse file): it counts as unreadable, so that it
// can neither hold up the start nor be copied into memory to be rewritten.
constexpr std::size_t kMaxFileKibibytes = 64;
constexpr std::size_t kMaxFileBytes = kMaxFileKibibytes * 1024;

// Reads the whole of `in` into `text`; false, with `text` cut short, when
// there is more than kMaxFileBytes.
bool readBounded(std::istream& in, std::string& text) {
    text.assign(kMaxFileBytes + 1, '\0');
    in.read(&text[0], static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text.size() <= kMaxFileBytes;
}

const char* const kDefaultLines = "w 800\nh 600\na 6\nf 0\nns 0\nnm 0\n";

enum class Kind { Number, Flag, Volume, Code };

// A key of the file and the setting it gives.
struct Key {
    const char* name;
    Kind kind;
    // The setting: a number (numbers and volumes), a flag or a code.
    int ConfigLoader::*number;
    bool ConfigLoader::*flag;
    std::string ConfigLoader::*code;
    // Whether save() writes it: what the player may change while playing.
    bool saved;
};

const Key kKeys[] = {
    {"w", Kind::Number, &ConfigLoader::width, nullptr, nullptr, true},
    {"h", Kind::Number, &ConfigLoader::height, nullptr, nullptr, true},
    {"a", Kind::Number, &ConfigLoader::antialias, nullptr, nullptr, false},
    {"f", Kind::Flag, nullptr, &ConfigLoader::fullscreen, nullptr, true},
    {"ns", Kind::Flag, nullptr, &ConfigLoader::noSound, nullptr, false},
    {"nm", Kind::Flag, nullptr, &ConfigLoader::noMusic, nullptr, false},
    {"sv", Kind::Volume, &ConfigLoader::effectsVolume, nullptr, nullptr, true},
    {"mv", Kind::Volume, &ConfigLoader::musicVolume, nullptr, nullptr, true},
    {"hint", Kind::Flag, nullptr, &ConfigLoader::hint, nullptr, true},
    {"lang", Kind::Code, nullptr, nullptr, &ConfigLoader::language, true},
};
constexpr size_t kKeyCount = sizeof kKeys / sizeof kKeys[0];

// A setting's value as the file writes it.
std::string valueOf(const ConfigLoader& config, const Key& key) {
    if (key.code != nullptr) {
        return config.*key.code;
    }
    return std::to_string(key.flag != nullptr ? (config.*key.flag ? 1 : 0) : config.*key.number);
}

// `value` is one that valueIn() gave for the key.
void setValue(ConfigLoader& config, const Key& key, const std::string& value) {
    if (key.code != nullptr) {
        config.*key.code = value;
    } else if (key.flag != nullptr) {
        config.*key.flag = value == "1";
    } else {
        config.*key.number = std::stoi(value);
    }
}

bool isCodeCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The key of a line, known by its first character (by its first two for ns,
// nm, sv and mv, so that "n", "nx" or "s" alone are no keys); nullptr for none.
// Of two keys the line starts with, the longer is meant: "hint 0" is no
// height.
const Key* keyOf(const std::string& line) {
    const Key* found = nullptr;
    for (const Key& key : kKeys) {
        if (line.compare(0, std::strlen(key.name), key.name) == 0 &&
            (found == nullptr || std::strlen(key.name) > std::strlen(found->name))) {
            found = &key;
        }
    }
    return found;
}

// Where the value in the text of `line` at `textBegin` starts (past the
// blanks before it) and ends: past the last digit of the number that
// readLeadingInt reads, or of the code (letters, digits and "_"). A rewrite
// puts the new value there and keeps the rest of the line, a note after the
// value included.
size_t valueBeginIn(const std::string& line, size_t textBegin) {
    size_t i = textBegin;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) {
        ++i;
    }
    return i;
}

size_t valueEndIn(const std::string& line, size_t textBegin, Kind kind) {
    size_t i = valueBeginIn(line, textBegin);
    if (kind == Kind::Code) {
        while (i < line.size() && isCodeCharacter(line[i])) {
            ++i;
        }
        return i;
    }
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
        ++i;
    }
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) {
        ++i;
    }
    return i;
}

// The value a line of `key` gives: the text after the key and its one
// separating character, read as a number, or as a code (a word of letters,
// digits and "_"). False when it gives none.
bool valueIn(const std::string& line, const Key& key, std::string& value) {
    const size_t start = std::strlen(key.name) + 1;
    if (line.size() <= start) {
        return false;
    }
    if (key.kind == Kind::Code) {
        const size_t begin = valueBeginIn(line, start);
        const size_t end = valueEndIn(line, start, key.kind);
        if (end == begin) {
            return false;
        }
        value = line.substr(begin, end - begin);
        return true;
    }
    int number = 0;
    if (!readLeadingInt(line.substr(start), number)) {
        return false;
    }
    if (key.kind == Kind::Flag && number != 0 && number != 1) {
        return false;
    }
    value = std::to_string(
        key.kind == Kind::Volume ? std::clamp(number, 0, ConfigLoader::kMaximumVolume) : number);
    return true;
}

// Calls visit(line, begin, end) for each line of `in` as the reader sees it
// (see ConfigLoader::readFrom); begin and end are the offsets of the line's
// bytes in `in`, without a byte-order mark before it and its line end.
template <typename Visit>
void scanLines(std::istream& in, Visit visit) {
    std::string line;
    size_t offset = 0;
    size_t begin = 0;
    const auto endLine = [&]() {
        size_t textBegin = begin;
        if (begin == 0 && line.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) {
            line.erase(0, kByteOrderMark.size());
            textBegin += kByteOrderMark.size();
        }
        visit(line, textBegin, offset);
        line.clear();
        begin = offset + 1;
    };
    // A line ends at a line feed or a carriage return, so that files with the
    // line ends of other systems read as their author meant.
    for (char c; in.get(c); ++offset) {
        if (c == '\n' || c == '\r') {
            endLine();
        } else if (line.size() < kMaxLineLength) {
            line.push_back(c);
        }
    }
    if (offset > begin) {
        endLine();
    }
}

}  // namespace

ConfigLoader::ConfigLoader() : path(getFilePath() + "/Truceward.conf"), given(values()) {
    // Only a missing file is written; one that exists but cannot be read is
    // the user's, and stays as it is while the defaults stand in for it.
    RegularFileReader::Status status = readFile();
    firstStart = status == RegularFileReader::Missing;
    if (firstStart) {
        createFile();
        status = readFile();
    }
    unreadable = status == RegularFileReader::Failed;
}

ConfigLoader::ConfigLoader(DefaultsOnly) : given(values()) {}

RegularFileReader::Status ConfigLoader::readFile() {
    RegularFileReader file(path);
    std::istream in(&file);
    std::string text;
    const bool whole = readBounded(in, text);
    if (file.status() == RegularFileReader::Failed) {
        std::cout << "Could not read " << path << std::endl;
        return RegularFileReader::Failed;
    }
    if (!whole) {
        std::cout << "Could not read " << path << ": larger than " << kMaxFileKibibytes << " KiB"
                  << std::endl;
        return RegularFileReader::Failed;
    }
    ConfigLoader read{DefaultsOnly{}};
    std::istringstream lines(text);
    read.readFrom(lines);
    for (const Key& key : kKeys) {
        setValue(*this, key, valueOf(read, key));
    }
    given = read.given;
    return file.status();
}

std::vector<std::string> ConfigLoader::values() const {
    std::vector<std::string> all;
    for (const Key& key : kKeys) {
        all.push_back(valueOf(*this, key));
    }
    return all;
}

void ConfigLoader::readFrom(std::istream& in) {
    scanLines(in, [this](const std::string& line, size_t, size_t) {
        const Key* key = keyOf(line);
        std::string value;
        if (key != nullptr && valueIn(line, *key, value)) {
            setValue(*this, *key, value);
        }
    });
    given = values();
}

bool ConfigLoader::changed() const {
    for (size_t i = 0; i < kKeyCount; ++i) {
        if (kKeys[i].saved && valueOf(*this, kKeys[i]) != given[i]) {
            return true;
        }
    }
    return false;
}

std::string ConfigLoader::withChanges(const std::string& text) const {
    std::string result = text;
    for (size_t i = 0; i < kKeyCount; ++i) {
        const Key& key = kKeys[i];
        const std::string value = valueOf(*this, key);
        if (!key.saved || value == given[i]) {
            continue;
        }
        // The last line of the key that gives a value is the one that wins;
        // given the new value, it still is, whatever the lines before it say.
        size_t valueBegin = std::string::npos;
        size_t valueEnd = std::string::npos;
        std::istringstream in(result);
        scanLines(in, [&](const std::string& line, size_t begin, size_t end) {
            std::string ignored;
            if (keyOf(line) == &key && valueIn(line, key, ignored)) {
                const size_t textBegin = std::strlen(key.name) + 1;
                const size_t textEnd = valueEndIn(line, textBegin, key.kind);
                valueBegin = begin + valueBeginIn(line, textBegin);
                // A value that runs to the end of what was kept of a long
                // line may run on beyond it: the whole rest is its.
                valueEnd = textEnd < line.size() ? begin + textEnd : end;
            }
        });
        if (valueBegin != std::string::npos) {
            result.replace(valueBegin, valueEnd - valueBegin, value);
            continue;
        }
        if (!result.empty() && result.back() != '\n' && result.back() != '\r') {
            result += '\n';
        }
        result += std::string(key.name) + " " + value + "\n";
    }
    return result;
}

bool ConfigLoader::save() {
    if (path.empty() || !changed()) {
        return true;
    }
    // A file that went missing since the start is written as on a first start.
    // One grown past the bound meanwhile is left alone, as at start-up.
    const auto change = [this](std::istream& current, bool missing, std::string& bytes) {
        std::string text = kDefaultLines;
        if (!missing && !readBounded(current, text)) {
            return false;
        }
        bytes = withChanges(text);
        return true;
    };
    if (!unreadable && FileSaver::update(path, change)) {
        for (size_t i = 0; i < kKeyCount; ++i) {
            given[i] = kKeys[i].saved ? valueOf(*this, kKeys[i]) : given[i];
        }
        return true;
    }
    std::cout << "Could not save " << path << std::endl;
    return false;
}

void ConfigLoader::createFile() const {
    // All or nothing: a full disk must not leave an empty file that would
    // stand for the settings from then on.
    if (!FileSaver::replace(path, kDefaultLines)) {
        std::cout << "Could not create " << path << std::endl;
    }
}
