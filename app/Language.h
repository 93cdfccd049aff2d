#ifndef TRUCEWARD_APP_LANGUAGE_H
#define TRUCEWARD_APP_LANGUAGE_H

#include <string>
#include <vector>

// The language the game speaks: English, or one of the languages it has a
// catalog for. By default the desktop's, from LANGUAGE, LC_ALL, LC_MESSAGES
// and LANG in gettext's order, also where the system has no locale of that
// name installed (the catalogs are the game's own); or the one chosen in the
// settings. The catalogs come from a "locale" folder beside the executable
// (a build), or else from the installation's.
class Language {
  public:
    // A language the settings offer: its catalog's code and its own name.
    struct Choice {
        std::string code;
        std::string name;
    };
    // The code that stands for the desktop's language.
    static constexpr const char* kAutomatic = "auto";

    Language() = delete;

    // Every language offered, by their own names in alphabetical order:
    // English, and each that has a catalog in catalogFolder(), named by the
    // field "X-Language-Name" of its catalog's header.
    static const std::vector<Choice>& choices();

    // Speaks `code` from now on: kAutomatic (or "") for the desktop's, or a
    // code of choices(). Anything else, or a language whose catalog is
    // missing, gives English and one line saying so. Words already shown
    // change with the next frame.
    static void use(const std::string& code);

    // The code of the language spoken now ("en" for English).
    static std::string current();

    // The desktop's language among choices(), "en" when it is none of them:
    // the first of LANGUAGE's list that is one (as "de", "de_AT" or
    // "pt_BR"), else the first set of LC_ALL, LC_MESSAGES and LANG.
    static std::string desktop();

    // The folder the catalogs are read from.
    static std::string catalogFolder();
};

#endif
