#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_PICTURERULE_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_PICTURERULE_H

#include <optional>
#include <string>

#include "image/PixelBox.h"

// What the game demands of one picture file, as stated for it: its size,
// where its visible part may lie, how opaque it may be.
struct PictureRule {
    std::string name;
    int width = 0;
    int height = 0;
    // Every pixel that is not fully clear lies inside this box.
    std::optional<PixelBox> inside;
    // The visible part reaches every edge of the box, give or take
    // spanSlack pixels (checked together with inside).
    bool spansBox = false;
    int spanSlack = 0;
    // Only the rows of the box are demanded to be reached (glyph marks
    // whose width is free).
    bool spansRowsOnly = false;
    // Every pixel inside this box is fully clear (a frame's middle).
    std::optional<PixelBox> clear;
    // No pixel is more opaque than this.
    int maxAlpha = 255;
    // Every pixel is fully opaque.
    bool opaque = false;
    // Every column is one colour from top to bottom (stretched pictures).
    bool constantColumns = false;
    // A capital with an accent or a mark below: from row letterTop to row
    // letterBottom it is the glyph of its letter (named here) pixel for
    // pixel, moved sideways by whole pixels at most, so that it stands as
    // tall and as wide as its letter.
    std::string letter;
    int letterTop = 0;
    int letterBottom = -1;
};

#endif
