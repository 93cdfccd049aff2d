#include "app/Language.h"

#include <libintl.h>
#include <sys/stat.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/Translation.h"
#include "audio/SoundsDirectory.h"

// gettext caches what it has translated; a new LANGUAGE is seen only once
// this counter has changed (as gettext's manual tells programs to do).
extern "C" int _nl_msg_cat_cntr;

namespace {

const char* const kEnglish = "en";
const char* const kCatalogFile = "/LC_MESSAGES/truceward.mo";

// The code gettext was last told, for current().
std::string spoken = kEnglish;

// The language's own name, from the header of its catalog (a compiled
// gettext file) at `path`: the field "X-Language-Name" of the translation of
// the empty message, which comes first. "" when the file is none, or has no
// such field.
std::string ownName(const std::string& path) {
    constexpr std::uint32_t kMagic = 0x950412de;
    constexpr std::size_t kLargestCatalog = 1 << 20;
    constexpr std::size_t kHeaderWords = 7;
    std::ifstream in(path, std::ios::binary);
    std::string bytes(kLargestCatalog, '\0');
    in.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    const auto word = [&bytes](std::size_t offset) {
        std::uint32_t value = 0;
        if (offset + sizeof value <= bytes.size()) {
            std::memcpy(&value, bytes.data() + offset, sizeof value);
        }
        return value;
    };
    if (bytes.size() < kHeaderWords * sizeof(std::uint32_t) || word(0) != kMagic ||
        word(2 * sizeof(std::uint32_t)) == 0) {
        return "";
    }
    // The translations' table: a length and an offset for each message.
    const std::uint32_t table = word(4 * sizeof(std::uint32_t));
    const std::size_t length = word(table);
    const std::size_t offset = word(table + sizeof(std::uint32_t));
    if (offset > bytes.size() || length > bytes.size() - offset) {
        return "";
    }
    const std::string header = bytes.substr(offset, length);
    const std::string field = "X-Language-Name: ";
    const std::size_t start = header.find(field);
    if (start == std::string::npos) {
        return "";
    }
    const std::size_t end = header.find('\n', start);
    return header.substr(start + field.size(), end - start - field.size());
}

bool hasCatalog(const std::string& code) {
    struct stat info;
    const std::string path = Language::catalogFolder() + "/" + code + kCatalogFile;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool offered(const std::string& code) {
    for (const Language::Choice& choice : Language::choices()) {
        if (code == choice.code) {
            return true;
        }
    }
    return false;
}

// The language of a locale name ("de_AT.UTF-8@euro" is German, "pt_BR" is
// Brazilian Portuguese): its code among the choices, or "".
std::string codeOf(const std::string& locale) {
    const std::string name = locale.substr(0, locale.find_first_of(".@"));
    if (offered(name)) {
        return name;
    }
    const std::string language = name.substr(0, name.find('_'));
    return offered(language) ? language : "";
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// LANGUAGE as the desktop set it: use() sets it for gettext, so it is read
// once, before that.
const std::string& desktopList() {
    static const std::string kList = environment("LANGUAGE");
    return kList;
}

}  // namespace

const std::vector<Language::Choice>& Language::choices() {
    // English, and a language for every catalog there is, by their own
    // names, which are never translated, in alphabetical order.
    static const std::vector<Choice> kChoices = [] {
        std::vector<Choice> found = {{kEnglish, "english"}};
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(catalogFolder(), error)) {
            const std::string code = entry.path().filename().string();
            const std::string name = ownName(entry.path().string() + kCatalogFile);
            if (!name.empty() && code != kEnglish) {
                found.push_back({code, name});
            }
        }
        std::sort(found.begin(), found.end(),
                  [](const Choice& a, const Choice& b) { return a.name < b.name; });
        return found;
    }();
    return kChoices;
}

std::string Language::catalogFolder() {
    const std::string beside = SoundsDirectory::executableDirectory() + "/locale";
    struct stat info;
    if (stat(beside.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return beside;
    }
    return TRUCEWARD_INSTALLED_LOCALE;
}

std::string Language::desktop() {
    // LANGUAGE is a list; gettext heeds it before the locale.
    const std::string& list = desktopList();
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t colon = list.find(':', start);
        const std::string entry = list.substr(start, colon - start);
        const std::string code = codeOf(entry);
        if (!code.empty()) {
            return code;
        }
        if (colon == std::string::npos) {
            break;
        }
        start = colon + 1;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string locale = environment(variable);
        if (!locale.empty()) {
            const std::string code = codeOf(locale);
            return code.empty() ? kEnglish : code;
        }
    }
    return kEnglish;
}

void Language::use(const std::string& code) {
    desktopList();
    std::string wanted = code.empty() || code == kAutomatic ? desktop() : code;
    if (!offered(wanted)) {
        std::cout << "No language \"" << code << "\": the game speaks English" << std::endl;
        wanted = kEnglish;
    } else if (wanted != kEnglish && !hasCatalog(wanted)) {
        std::cout << "No catalog for \"" << wanted << "\" in " << catalogFolder()
                  << ": the game speaks English" << std::endl;
        wanted = kEnglish;
    }
    // gettext ignores LANGUAGE in the "C" locale, which is what a locale the
    // system has not installed leaves: C.UTF-8 stands in for it.
    const char* locale = std::setlocale(LC_MESSAGES, "");
    if (locale == nullptr || std::string(locale) == "C" || std::string(locale) == "POSIX") {
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    }
    bindtextdomain(kTextDomain, catalogFolder().c_str());
    bind_textdomain_codeset(kTextDomain, "UTF-8");
    setenv("LANGUAGE", wanted.c_str(), 1);
    ++_nl_msg_cat_cntr;
    spoken = wanted;
}

std::string Language::current() {
    return spoken;
}
