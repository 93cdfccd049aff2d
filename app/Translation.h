#ifndef TRUCEWARD_APP_TRANSLATION_H
#define TRUCEWARD_APP_TRANSLATION_H

#include <libintl.h>

#include <string>

// The game's words in the player's language, from gettext's catalog of the
// game's own domain (po/LANG.po, see Language). Every word the game shows is
// written in English, in lower case (the font shows capitals), as tr("...")
// where it is shown, or as noTr("...") where it is only listed, to be given
// to tr() when shown: xgettext finds both. A comment starting "TRANSLATORS:"
// just before one tells the translators (and the art generator's check) how
// much room the words have: "fits W at S" (at most W logical units wide in
// letters S high) or "wraps W at S in N lines".

// The text domain, also the catalogs' file name (truceward.mo).
constexpr const char* kTextDomain = "truceward";

inline const char* tr(const char* english) {
    return dgettext(kTextDomain, english);
}

constexpr const char* noTr(const char* english) {
    return english;
}

// The same for words that stand for another thing elsewhere ("back" is a
// pad's button and a menu's way back): the catalogs keep them apart by
// `context`, gettext's msgctxt.
inline const char* tr(const char* context, const char* english) {
    // gettext keeps a word of a context as the context, EOT and the word.
    const std::string key = std::string(context) + '\004' + english;
    const char* translated = dgettext(kTextDomain, key.c_str());
    return translated == key.c_str() ? english : translated;
}

constexpr const char* noTr(const char* /*context*/, const char* english) {
    return english;
}

// The context of the names of keys and of a pad's buttons.
constexpr const char* kKeyContext = "key";

#endif
