#include "check/CatalogCheck.h"

#include <gtest/gtest.h>

namespace {

// Every glyph 50 wide: a line of n glyphs and b blanks is 8 + 50 n + 20 b
// wide at size 64 (its margins less one gap, a blank's advance 20).
const LineMeasure kMeasure({{U'a', 50}, {U'b', 50}, {U'é', 50}, {U'"', 50}});

std::string faults(const CheckReport& report) {
    std::string all;
    for (const std::string& line : report.failed()) {
        all += line + "\n";
    }
    return all;
}

TEST(CatalogCheck, ReadsEntriesAndFindsWhatTheFontCannotLetterOrTheBoxCannotHold) {
    const std::string po = R"(# The header's capitals are never lettered.
msgid ""
msgstr "Content-Type: text/plain; charset=UTF-8\n"

#. TRANSLATORS: fits 53 at 32
#: title/TitleScreen.cpp:12
msgid ""
"a\"b"
msgstr "é"
"b"

#. TRANSLATORS: fits 58 at 64
msgid "exactly"
msgstr "é"

#. TRANSLATORS: wraps 120 at 64
#. in 2 lines
msgid "wrapped"
msgstr "ab ab  abab"

msgid "missing"
msgstr "aQ b"

#. TRANSLATORS: fits 1 at 64
msgid "untranslated"
msgstr ""
)";
    CheckReport report;
    catalog_check::check("po/xx.po", po, false, kMeasure, report);
    const std::string found = faults(report);
    // 108 wide at 64, so 54 at 32.
    EXPECT_NE(found.find("po/xx.po:7: msgid \"a\\\"b\": is 54 wide at 32"), std::string::npos)
        << found;
    // "ab", "ab", "abab": three lines, the last one word of 208.
    EXPECT_NE(found.find("po/xx.po:18: msgid \"wrapped\": takes 3 lines"), std::string::npos);
    EXPECT_NE(found.find("the word \"abab\", 208 wide"), std::string::npos);
    EXPECT_NE(found.find("po/xx.po:21: msgid \"missing\": the msgstr uses \"Q\" (U+0051)"),
              std::string::npos);
    EXPECT_EQ(report.failed().size(), 4u) << found;

    // In the template the msgids are the text.
    CheckReport pot;
    catalog_check::check("po/truceward.pot",
                         "msgid \"ab\"\nmsgstr \"Q\"\n\nmsgid \"Ab\"\nmsgstr \"\"\n", true,
                         kMeasure, pot);
    EXPECT_EQ(faults(pot),
              "po/truceward.pot:4: msgid \"Ab\": the msgid uses \"A\" (U+0041), "
              "which the font has no glyph for\n");
}

}  // namespace
