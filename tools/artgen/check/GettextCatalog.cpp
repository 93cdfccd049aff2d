#include "check/GettextCatalog.h"

#include <optional>
#include <sstream>

namespace {

const char* const kBlanks = " \t\r";

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// A quoted C string, as written after a keyword or on a line of its own.
std::optional<std::string> unquoted(const std::string& quoted) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') {
        return std::nullopt;
    }
    std::string out;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        char c = quoted[i];
        if (c == '"') {
            return std::nullopt;
        }
        if (c == '\\') {
            if (i + 2 >= quoted.size()) {
                return std::nullopt;
            }
            c = quoted[++i];
            switch (c) {
                case 'n':
                    c = '\n';
                    break;
                case 't':
                    c = '\t';
                    break;
                case 'r':
                    c = '\r';
                    break;
                default:
                    break;  // \" \\ and the rare others stand for themselves
            }
        }
        out += c;
    }
    return out;
}

}  // namespace

GettextCatalog::GettextCatalog(const std::string& text) {
    // The string that continuation lines ("...") add to: the entry's
    // msgid, its (first) msgstr, or one that is not kept.
    std::string ignored;
    std::string* field = nullptr;
    Entry entry;
    bool hasId = false;
    bool hasString = false;
    const auto finish = [&] {
        if (hasId) {
            read.push_back(entry);
        }
        entry = Entry();
        field = nullptr;
        hasId = hasString = false;
    };

    std::istringstream lines(text);
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        const std::string line = trimmed(raw);
        const auto fault = [&](const std::string& what) {
            unreadable.push_back("line " + std::to_string(number) + ": " + what);
        };
        if (line.empty() || startsWith(line, "#~")) {
            if (line.empty() || hasString) {
                finish();
            }
            continue;
        }
        if (line[0] == '#') {
            // A comment begins the next entry.
            if (hasString) {
                finish();
            }
            if (startsWith(line, "#.")) {
                entry.comments.push_back(trimmed(line.substr(2)));
            }
            if (startsWith(line, "#:")) {
                std::istringstream places(line.substr(2));
                std::string place;
                while (places >> place) {
                    entry.sources.push_back(place.substr(0, place.rfind(':')));
                }
            }
            continue;
        }
        const std::size_t keywordEnd = line[0] == '"' ? 0 : line.find_first_of(kBlanks);
        const std::string keyword = line.substr(0, keywordEnd);
        const std::optional<std::string> value =
            unquoted(keywordEnd == std::string::npos ? "" : trimmed(line.substr(keywordEnd)));
        if (!value) {
            fault("not a quoted string");
            continue;
        }
        if ((keyword == "msgid" || keyword == "msgctxt") && hasString) {
            finish();
        }
        if (keyword.empty()) {
            if (field == nullptr) {
                fault("a string outside an entry");
                continue;
            }
            *field += *value;
        } else if (keyword == "msgid") {
            hasId = true;
            entry.line = number;
            entry.msgid = *value;
            field = &entry.msgid;
        } else if ((keyword == "msgstr" || keyword == "msgstr[0]") && hasId) {
            hasString = true;
            entry.msgstr = *value;
            field = &entry.msgstr;
        } else if (keyword == "msgctxt" || keyword == "msgid_plural" ||
                   (startsWith(keyword, "msgstr[") && hasId)) {
            ignored = *value;
            field = &ignored;
        } else {
            fault("cannot read " + keyword);
        }
    }
    finish();
}

bool GettextCatalog::Entry::lettered() const {
    // A template made without sources (as in the tests) is all lettered.
    if (sources.empty()) {
        return true;
    }
    for (const std::string& source : sources) {
        const std::size_t dot = source.rfind('.');
        const std::string extension = dot == std::string::npos ? "" : source.substr(dot);
        if (extension == ".cpp" || extension == ".h") {
            return true;
        }
    }
    return false;
}
