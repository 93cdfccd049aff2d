#include "check/StatedRules.h"

namespace stated_rules {
namespace {

PictureRule sized(const char* name, int width, int height) {
    PictureRule rule;
    rule.name = name;
    rule.width = width;
    rule.height = height;
    return rule;
}

PictureRule spanning(const char* name, int width, int height, const PixelBox& box) {
    PictureRule rule = sized(name, width, height);
    rule.inside = box;
    rule.spansBox = true;
    return rule;
}

PictureRule within(const char* name, int width, int height, const PixelBox& box) {
    PictureRule rule = sized(name, width, height);
    rule.inside = box;
    return rule;
}

PictureRule limited(PictureRule rule, int maxAlpha) {
    rule.maxAlpha = maxAlpha;
    return rule;
}

PictureRule opaque(PictureRule rule) {
    rule.opaque = true;
    return rule;
}

PictureRule stretched(PictureRule rule) {
    rule.constantColumns = true;
    return rule;
}

// A focus glow around an ink box of the given size: the box grown by 16 on
// every side, with the ink's place left clear but for its rounded corners
// (which the ink leaves clear too).
PictureRule focusGlow(const char* name, int inkWidth, int inkHeight, int corner) {
    constexpr int kMargin = 16;
    PictureRule rule = sized(name, inkWidth + 2 * kMargin, inkHeight + 2 * kMargin);
    rule.clear = PixelBox{kMargin + corner, kMargin, kMargin + inkWidth - 1 - corner,
                          kMargin + inkHeight - 1};
    return rule;
}

constexpr int kGlyphWidth = 64;
constexpr int kGlyphHeight = 96;
// A line of text stands in the square of rows 16 to 79 of a glyph's cell;
// the rows above are for the accents of capitals, the rows below for
// ogoneks, cedillas and tails.
constexpr int kLine = 16;
// Letters and digits stand between rows 19 and 76 with a few columns of
// margin on either side; "roughly" leaves them two rows of slack.
const PixelBox kLetterBox{3, kLine + 3, 60, kLine + 60};
constexpr int kLetterSlack = 2;
// The quotes and apostrophes hang from the capitals' top, the straight
// ones a little longer than the curly.
const PixelBox kQuoteBox{3, kLine + 3, 60, kLine + 28};
const PixelBox kCurlyQuoteBox{3, kLine + 3, 60, kLine + 26};
// An accented capital: the accent in the room above the square, the letter's
// foot on the baseline. The accents' shapes reach to different heights.
const PixelBox kAccentAbove{3, 2, 60, kLine + 60};
constexpr int kAccentSlack = 4;
// A capital with a mark below: the letter's top at the capitals' top, the
// ogonek or cedilla in the room below the square; an ogonek may take the
// cell's whole width.
const PixelBox kMarkBelow{0, kLine + 3, kGlyphWidth - 1, kLine + 75};
// The rows in which an accented capital must be its letter: below the
// accent's reach, or above the mark's.
constexpr int kBelowAccent = kLine + 12;
constexpr int kAboveMark = kLine + 48;

// The glyphs after the digits and letters, in font order. Those that stand
// as high as a capital share the letters' box; the others have boxes of
// their own, on the line where they belong (the colon's lower dot on the
// baseline, the apostrophe at the top, the plus's bar on the minus's rows,
// the inverted marks and the low quote reaching below the baseline).
struct MoreGlyph {
    const char* name;
    PixelBox box;
    bool rowsOnly;  // its width is free
    int slack;
    const char* letter = nullptr;  // an accented capital's letter
    int letterTop = 0;
    int letterBottom = -1;
};

MoreGlyph above(const char* name, const char* letter) {
    return {name, kAccentAbove, true, kAccentSlack, letter, kBelowAccent, kGlyphHeight - 1};
}

MoreGlyph below(const char* name, const char* letter) {
    return {name, kMarkBelow, true, kLetterSlack, letter, 0, kAboveMark};
}

std::vector<MoreGlyph> moreGlyphs() {
    return {
        {"fontperiod", PixelBox{25, kLine + 45, 38, kLine + 59}, false, 1},
        // The comma's columns are not stated; it keeps the letters' margins.
        {"fontcomma", PixelBox{3, kLine + 44, 60, kLine + 62}, true, 1},
        {"fontexclaim", PixelBox{24, kLine + 3, 39, kLine + 60}, false, kLetterSlack},
        {"fontminus", PixelBox{9, kLine + 26, 54, kLine + 37}, false, 1},
        {"fontplus", PixelBox{13, kLine + 13, 50, kLine + 50}, false, 1},
        {"fontcolon", PixelBox{3, kLine + 20, 60, kLine + 60}, true, kLetterSlack},
        {"fontslash", kLetterBox, true, kLetterSlack},
        {"fontlparen", kLetterBox, true, kLetterSlack},
        {"fontrparen", kLetterBox, true, kLetterSlack},
        {"fontapostrophe", kQuoteBox, true, kLetterSlack},
        {"fontquestion", kLetterBox, true, kLetterSlack},
        {"fontu0022", kQuoteBox, true, kLetterSlack},
        {"fontu0025", kLetterBox, true, kLetterSlack},
        // The colon's dots, the lower with a tail below the baseline.
        {"fontu003b", PixelBox{3, kLine + 20, 60, kLine + 67}, true, kLetterSlack},
        // From the small letters' height down below the baseline.
        {"fontu00a1", PixelBox{3, kLine + 16, 60, kLine + 74}, true, kLetterSlack},
        {"fontu00ab", PixelBox{3, kLine + 21, 60, kLine + 56}, true, kLetterSlack},
        {"fontu00bb", PixelBox{3, kLine + 21, 60, kLine + 56}, true, kLetterSlack},
        {"fontu00bf", PixelBox{3, kLine + 16, 60, kLine + 74}, true, kLetterSlack},
        above("fontu00c0", "fonta"),
        above("fontu00c1", "fonta"),
        above("fontu00c2", "fonta"),
        above("fontu00c3", "fonta"),
        above("fontu00c4", "fonta"),
        {"fontu00c6", kLetterBox, true, kLetterSlack},
        below("fontu00c7", "fontc"),
        above("fontu00c8", "fonte"),
        above("fontu00c9", "fonte"),
        above("fontu00ca", "fonte"),
        above("fontu00cb", "fonte"),
        above("fontu00cc", "fonti"),
        above("fontu00cd", "fonti"),
        above("fontu00ce", "fonti"),
        above("fontu00cf", "fonti"),
        above("fontu00d1", "fontn"),
        above("fontu00d2", "fonto"),
        above("fontu00d3", "fonto"),
        above("fontu00d4", "fonto"),
        above("fontu00d5", "fonto"),
        above("fontu00d6", "fonto"),
        above("fontu00d9", "fontu"),
        above("fontu00da", "fontu"),
        above("fontu00db", "fontu"),
        above("fontu00dc", "fontu"),
        // The sharp s: a letter of its own, a little lower than a capital.
        {"fontu00df", kLetterBox, true, kLetterSlack + 1},
        below("fontu0104", "fonta"),
        above("fontu0106", "fontc"),
        below("fontu0118", "fonte"),
        {"fontu0141", kLetterBox, true, kLetterSlack},
        above("fontu0143", "fontn"),
        {"fontu0152", kLetterBox, true, kLetterSlack},
        above("fontu015a", "fonts"),
        above("fontu0179", "fontz"),
        above("fontu017b", "fontz"),
        // The dash on the minus's rows, as wide as the widest letters.
        {"fontu2013", PixelBox{3, kLine + 26, 60, kLine + 37}, false, 1},
        {"fontu2019", kCurlyQuoteBox, true, kLetterSlack},
        {"fontu201c", kCurlyQuoteBox, true, kLetterSlack},
        {"fontu201d", kCurlyQuoteBox, true, kLetterSlack},
        // The low quote reaches from the baseline's rows down below it.
        {"fontu201e", PixelBox{3, kLine + 45, 60, kLine + 67}, true, kLetterSlack},
        // Three of the full stop's dots, on its rows.
        {"fontu2026", PixelBox{3, kLine + 45, 60, kLine + 59}, true, 1},
    };
}

PictureRule glyph(const std::string& name, const PixelBox& box, bool rowsOnly, int slack) {
    PictureRule rule = sized("", kGlyphWidth, kGlyphHeight);
    rule.name = name;
    rule.inside = box;
    rule.spansBox = true;
    rule.spansRowsOnly = rowsOnly;
    rule.spanSlack = slack;
    return rule;
}

}  // namespace

std::vector<PictureRule> images() {
    const PixelBox bar{90, 20, 421, 107};
    const PixelBox smallButton{4, 8, 187, 55};
    // The alert rings share one place, so that the game draws them alike,
    // and are translucent enough that a ring lit over a crowd hides nobody.
    const PixelBox ring{8, 8, 55, 55};
    constexpr int kRingOpacity = 224;
    return {
        opaque(sized("background", 1024, 1024)),
        spanning("guy", 64, 64, PixelBox{13, 5, 50, 62}),
        spanning("fighter", 64, 64, PixelBox{13, 5, 50, 62}),
        spanning("brick", 64, 64, PixelBox{12, 1, 51, 62}),
        spanning("bullet", 32, 32, PixelBox{0, 8, 30, 25}),
        sized("shotbang", 64, 64),
        limited(within("alertcircle", 64, 64, ring), kRingOpacity),
        stretched(limited(sized("centralmound", 256, 256), 95)),
        stretched(limited(within("sidemounds", 128, 128, PixelBox{24, 0, 103, 127}), 95)),
        limited(sized("smokepff", 64, 64), 203),
        opaque(sized("title", 1024, 1024)),
        spanning("mouse", 64, 64, PixelBox{9, 7, 54, 55}),
        sized("leftbuttonup", 64, 64),
        sized("leftbuttondown", 64, 64),
        sized("leftbuttonover", 64, 64),
        sized("rightbuttonup", 64, 64),
        sized("rightbuttondown", 64, 64),
        sized("rightbuttonover", 64, 64),
        spanning("barbuttonup", 512, 128, bar),
        spanning("barbuttondown", 512, 128, bar),
        spanning("barbuttonover", 512, 128, bar),
        // Clear of its edges, so that the filtering of its texture brings
        // nothing in from the opposite side.
        within("playermarker", 128, 128, PixelBox{2, 2, 125, 125}),
        spanning("smallbuttonup", 192, 64, smallButton),
        spanning("smallbuttondown", 192, 64, smallButton),
        spanning("smallbuttonover", 192, 64, smallButton),
        // Each glow is drawn kGlowMargin (16) below and left of the ink it
        // surrounds, and must leave that ink clear.
        focusGlow("focusnumber", 156, 48, 12),
        focusGlow("focusbar", 332, 88, 30),
        focusGlow("focusbutton", 184, 48, 16),
        focusGlow("focusline", 370, 48, 12),
        limited(within("alertlaiddown", 64, 64, ring), kRingOpacity),
        limited(within("alertpeacekeeper", 64, 64, ring), kRingOpacity),
        opaque(sized("howtoplay", 1024, 1024)),
    };
}

std::vector<PictureRule> glyphs() {
    std::vector<PictureRule> rules;
    for (char digit = '0'; digit <= '9'; ++digit) {
        rules.push_back(glyph(std::string("font") + digit, kLetterBox, true, kLetterSlack));
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        rules.push_back(glyph(std::string("font") + letter, kLetterBox, true, kLetterSlack));
    }
    for (const MoreGlyph& more : moreGlyphs()) {
        rules.push_back(glyph(more.name, more.box, more.rowsOnly, more.slack));
        if (more.letter != nullptr) {
            rules.back().letter = more.letter;
            rules.back().letterTop = more.letterTop;
            rules.back().letterBottom = more.letterBottom;
        }
    }
    return rules;
}

std::vector<int> iconSizes() {
    return {16, 32, 48, 64, 128, 256};
}

}  // namespace stated_rules
