#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_TITLELAYOUT_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_TITLELAYOUT_H

#include "image/PixelBox.h"

// Where things stand on the title artwork, in image pixels (rows from the
// top). These places are dictated by where the title screen writes its
// numbers and puts its buttons: screen height y is image row 896 - y.
namespace title_layout {

constexpr int kSize = 1024;

// The lettered title, outline included.
constexpr PixelBox kLettering{41, 192, 986, 357};
// The panel, outline included.
constexpr PixelBox kPanel{106, 432, 918, 816};

// Labels, outline included. The civilians' row faces numbers drawn at
// height 408, the fighters' row numbers at 339, both in 21-unit cells.
constexpr PixelBox kLeftCiviliansLabel{122, 469, 317, 487};
constexpr PixelBox kRightCiviliansLabel{522, 469, 731, 487};
constexpr PixelBox kLeftFightersLabel{122, 539, 322, 556};
constexpr PixelBox kRightFightersLabel{522, 539, 735, 556};
// Faces the high score, drawn at height 226 in 34-unit cells.
constexpr PixelBox kHighScoreLabel{355, 639, 588, 665};

// The slots behind the two-digit numbers: 46 x 48 units with their lower
// left corners at x 388 / 799 and heights 394 / 325.
constexpr PixelBox kLeftCiviliansSlot{388, 454, 434, 502};
constexpr PixelBox kRightCiviliansSlot{799, 454, 845, 502};
constexpr PixelBox kLeftFightersSlot{388, 523, 434, 571};
constexpr PixelBox kRightFightersSlot{799, 523, 845, 571};

// Cell sizes of the text written over the artwork, in screen units, and the
// glyph cell the font is drawn in: labels are lettered to look like glyphs
// shown at these sizes.
constexpr double kNumberCell = 21.0;
constexpr double kHighScoreCell = 34.0;
constexpr double kGlyphCell = 64.0;

// The settings artwork shares the grass, figures and panel and puts its
// heading where the title stands. Each of its three lines has a label that
// ends at kSettingsLabelRight and a slot for its value between two arrows;
// the rows follow the lines' arrows at screen heights 376, 306 and 236.
constexpr int kSettingsLabelRight = 490;
constexpr PixelBox kEffectsLabel{0, 479, kSettingsLabelRight, 497};
constexpr PixelBox kMusicLabel{0, 549, kSettingsLabelRight, 567};
constexpr PixelBox kFullScreenLabel{0, 619, kSettingsLabelRight, 637};
constexpr PixelBox kEffectsSlot{574, 464, 653, 511};
constexpr PixelBox kMusicSlot{574, 534, 653, 581};
constexpr PixelBox kFullScreenSlot{574, 604, 653, 651};

// The pages on how to play share the grass and figures; the game letters
// their heading above the panel and their text inside it, which reaches
// from screen height 604 down to 80.
constexpr PixelBox kHowToPlayPanel{104, 292, 919, 816};

}  // namespace title_layout

#endif
