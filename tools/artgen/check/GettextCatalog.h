#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_GETTEXTCATALOG_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_GETTEXTCATALOG_H

#include <string>
#include <vector>

// The entries of a gettext catalog (a .po translation or the .pot template)
// as far as the checks need them: the text and the comments that xgettext
// copied from the code. Strings continued over several lines are joined and
// their C escapes resolved. Of a plural entry only the first form is kept;
// obsolete entries (#~) are left out.
class GettextCatalog {
  public:
    struct Entry {
        int line = 0;  // of its msgid, counted from 1
        std::string msgid;
        std::string msgstr;
        // The extracted comments (#. lines), without their mark.
        std::vector<std::string> comments;
        // Where the text comes from (the files of the #: lines), so that text
        // the game never letters, such as the desktop entry's, can be told.
        std::vector<std::string> sources;

        // Whether the game letters it: it comes from the game's code.
        bool lettered() const;
    };

    explicit GettextCatalog(const std::string& text);

    const std::vector<Entry>& entries() const { return read; }
    // "line N: ..." for each line that could not be read.
    const std::vector<std::string>& problems() const { return unreadable; }

  private:
    std::vector<Entry> read;
    std::vector<std::string> unreadable;
};

#endif
