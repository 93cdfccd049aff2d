#include "check/CatalogCheck.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <sstream>
#include <vector>

#include "check/GettextCatalog.h"
#include "text/Utf8.h"

namespace catalog_check {
namespace {

const char* const kTemplate = "truceward.pot";

const std::regex kFits(R"(\bfits\s+(\d+(?:\.\d+)?)\s+at\s+(\d+(?:\.\d+)?))");
const std::regex kWraps(
    R"(\bwraps\s+(\d+(?:\.\d+)?)\s+at\s+(\d+(?:\.\d+)?)\s+in\s+(\d+)\s+lines?\b)");
// What a box comment starts with, to catch one that does not read in full.
const std::regex kBoxStart(R"(\b(fits|wraps)\s+\d)");

std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string codePoint(char32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

// The msgid as the report quotes it, on one line.
std::string quoted(const std::string& msgid) {
    std::string out = "msgid \"";
    for (const char c : msgid) {
        out += c == '\n' ? std::string("\\n") : c == '"' ? std::string("\\\"") : std::string(1, c);
    }
    return out + "\"";
}

int count(const std::string& text, const std::regex& pattern) {
    return static_cast<int>(std::distance(std::sregex_iterator(text.begin(), text.end(), pattern),
                                          std::sregex_iterator()));
}

struct Place {
    const std::string& file;
    const GettextCatalog::Entry& entry;
    CheckReport& report;

    void expect(bool passed, const std::string& what) const {
        report.expect(passed, file + ":" + std::to_string(entry.line),
                      quoted(entry.msgid) + ": " + what);
    }
};

void checkGlyphs(const std::u32string& text, const char* field, const LineMeasure& measure,
                 const Place& at) {
    std::u32string missing;
    for (const char32_t c : text) {
        if (c != U' ' && !measure.hasGlyph(c) && missing.find(c) == std::u32string::npos) {
            missing += c;
        }
    }
    std::string listed;
    for (const char32_t c : missing) {
        listed +=
            (listed.empty() ? "" : ", ") + ("\"" + utf8::encode(c) + "\" (") + codePoint(c) + ")";
    }
    at.expect(missing.empty(), std::string("the ") + field + " uses " + listed +
                                   ", which the font has no glyph for");
}

void checkBoxes(const std::u32string& text, const std::string& comments, const LineMeasure& measure,
                const Place& at) {
    int boxes = 0;
    for (auto it = std::sregex_iterator(comments.begin(), comments.end(), kFits);
         it != std::sregex_iterator(); ++it, ++boxes) {
        const float room = std::stof((*it)[1]);
        const float size = std::stof((*it)[2]);
        const float width = measure.width(text, size);
        at.expect(width <= room, "is " + number(width) + " wide at " + number(size) +
                                     ", more than the " + number(room) + " it fits");
    }
    for (auto it = std::sregex_iterator(comments.begin(), comments.end(), kWraps);
         it != std::sregex_iterator(); ++it, ++boxes) {
        const float room = std::stof((*it)[1]);
        const float size = std::stof((*it)[2]);
        const std::size_t most = std::stoul((*it)[3]);
        const std::vector<std::u32string> lines = measure.wrap(text, room, size);
        at.expect(lines.size() <= most, "takes " + std::to_string(lines.size()) + " lines of " +
                                            number(room) + " at " + number(size) + ", more than " +
                                            std::to_string(most));
        for (const std::u32string& line : lines) {
            if (line.find(U' ') == std::u32string::npos) {
                const float width = measure.width(line, size);
                at.expect(width <= room, "has the word \"" + utf8::encode(line) + "\", " +
                                             number(width) + " wide at " + number(size) +
                                             ", more than the " + number(room) + " it wraps in");
            }
        }
    }
    at.expect(boxes == count(comments, kBoxStart),
              "has a box comment that does not read \"fits W at S\" or \"wraps W at S in N "
              "lines\"");
}

std::string contents(const std::filesystem::path& path, CheckReport& report,
                     const std::string& file) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    report.expect(static_cast<bool>(in), file, "cannot be read");
    return text.str();
}

}  // namespace

void check(const std::string& file, const std::string& text, bool isTemplate,
           const LineMeasure& measure, CheckReport& report) {
    const GettextCatalog catalog(text);
    for (const std::string& problem : catalog.problems()) {
        report.expect(false, file, problem);
    }
    for (const GettextCatalog::Entry& entry : catalog.entries()) {
        // The header (the catalog's own details) and the desktop's texts are
        // never lettered.
        if (entry.msgid.empty() || !entry.lettered()) {
            continue;
        }
        const Place at{file, entry, report};
        const char* field = isTemplate ? "msgid" : "msgstr";
        const std::optional<std::u32string> shown =
            utf8::decode(isTemplate ? entry.msgid : entry.msgstr);
        at.expect(shown.has_value(), std::string("the ") + field + " is not UTF-8");
        if (!shown || shown->empty()) {
            continue;
        }
        checkGlyphs(*shown, field, measure, at);
        std::string comments;
        for (const std::string& comment : entry.comments) {
            comments += comment + " ";
        }
        checkBoxes(*shown, comments, measure, at);
    }
}

void checkFolder(const std::string& folder, const LineMeasure& measure, CheckReport& report) {
    namespace fs = std::filesystem;
    if (!fs::is_directory(folder)) {
        return;
    }
    const std::string shownFolder = fs::path(folder).filename().string() + "/";
    std::vector<fs::path> translations;
    for (const fs::directory_entry& found : fs::directory_iterator(folder)) {
        if (found.path().extension() == ".po") {
            translations.push_back(found.path());
        }
    }
    std::sort(translations.begin(), translations.end());
    const fs::path templatePath = fs::path(folder) / kTemplate;
    const std::string templateFile = shownFolder + kTemplate;
    check(templateFile, contents(templatePath, report, templateFile), true, measure, report);
    for (const fs::path& path : translations) {
        const std::string file = shownFolder + path.filename().string();
        check(file, contents(path, report, file), false, measure, report);
    }
}

}  // namespace catalog_check
