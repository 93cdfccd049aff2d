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

constexpr int kGlyphSize = 64;
// Letters and digits stand between rows 3 and 60 with a few columns of
// margin on either side; "roughly" leaves them two rows of slack.
const PixelBox kLetterBox{3, 3, 60, 60};
constexpr int kLetterSlack = 2;

// The glyphs after the digits and letters, in font order. Those that stand
// as high as a capital share the letters' box; the others have boxes of
// their own, on the line where they belong (the colon's lower dot on the
// baseline, the apostrophe at the top, the plus's bar on the minus's rows).
struct MoreGlyph {
    const char* name;
    PixelBox box;
    bool rowsOnly;  // its width is free
    int slack;
};
const MoreGlyph kMoreGlyphs[] = {
    {"fontperiod", PixelBox{25, 45, 38, 59}, false, 1},
    // The comma's columns are not stated; it keeps the letters' margins.
    {"fontcomma", PixelBox{3, 44, 60, 62}, true, 1},
    {"fontexclaim", PixelBox{24, 3, 39, 60}, false, kLetterSlack},
    {"fontminus", PixelBox{9, 26, 54, 37}, false, 1},
    {"fontplus", PixelBox{13, 13, 50, 50}, false, 1},
    {"fontcolon", PixelBox{3, 20, 60, 60}, true, kLetterSlack},
    {"fontslash", kLetterBox, true, kLetterSlack},
    {"fontlparen", kLetterBox, true, kLetterSlack},
    {"fontrparen", kLetterBox, true, kLetterSlack},
    {"fontapostrophe", PixelBox{3, 3, 60, 28}, true, kLetterSlack},
    {"fontquestion", kLetterBox, true, kLetterSlack},
};

PictureRule glyph(const std::string& name, const PixelBox& box, bool rowsOnly, int slack) {
    PictureRule rule = sized("", kGlyphSize, kGlyphSize);
    rule.name = name;
    rule.inside = box;
    rule.spansBox = true;
    rule.spansRowsOnly = rowsOnly;
    rule.spanSlack = slack;
    return rule;
}

}  // namespace

std::vector<PictureRule> images() {
    const PixelBox startBar{90, 20, 421, 107};
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
        spanning("startbuttonup", 512, 128, startBar),
        spanning("startbuttondown", 512, 128, startBar),
        spanning("startbuttonover", 512, 128, startBar),
        // Clear of its edges, so that the filtering of its texture brings
        // nothing in from the opposite side.
        within("playermarker", 128, 128, PixelBox{2, 2, 125, 125}),
        opaque(sized("settings", 1024, 1024)),
        spanning("smallbuttonup", 192, 64, smallButton),
        spanning("smallbuttondown", 192, 64, smallButton),
        spanning("smallbuttonover", 192, 64, smallButton),
        spanning("backbuttonup", 512, 128, startBar),
        spanning("backbuttondown", 512, 128, startBar),
        spanning("backbuttonover", 512, 128, startBar),
        // Each glow is drawn kGlowMargin (16) below and left of the ink it
        // surrounds, and must leave that ink clear.
        focusGlow("focusnumber", 156, 48, 12),
        focusGlow("focusbar", 332, 88, 30),
        focusGlow("focusbutton", 184, 48, 16),
        focusGlow("focussetting", 194, 48, 12),
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
    for (const MoreGlyph& more : kMoreGlyphs) {
        rules.push_back(glyph(more.name, more.box, more.rowsOnly, more.slack));
    }
    return rules;
}

std::vector<int> iconSizes() {
    return {16, 32, 48, 64, 128, 256};
}

}  // namespace stated_rules
