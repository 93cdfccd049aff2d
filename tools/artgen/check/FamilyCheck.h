#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_FAMILYCHECK_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_FAMILYCHECK_H

#include <map>
#include <string>

#include "check/CheckReport.h"
#include "image/RgbaImage.h"
#include "paint/Colour.h"

// Checks between pictures that must match each other.
namespace family_check {

// The fighter is the guy pixel for pixel except for two small red eyes in
// the head (the top rows of the figure).
void fighterIsGuyWithEyes(const RgbaImage& guy, const RgbaImage& fighter, CheckReport& report);

// The three states of a button share everything but the fill: same
// opacity everywhere, and wherever they differ, the difference is one
// share of fill colour showing, the same share in every channel and state.
// Each state's fill is named by its colour: up pale red, down yellow,
// over strong red.
void statesDifferOnlyInFill(const RgbaImage& up, const RgbaImage& down, const RgbaImage& over,
                            const std::string& family, CheckReport& report);

// No picture but the owner (the player's marker) shows its aqua, so that
// the marker is the one thing of that colour on the screen.
void colourIsOwn(const std::string& owner, const std::map<std::string, RgbaImage>& images,
                 CheckReport& report);

// An accented capital is the glyph of its letter, unchanged from row top to
// row bottom (away from its accent or mark) but for a move sideways by whole
// pixels and the antialiasing of its edges: as tall and as wide as the
// letter, nothing squeezed. Glyphs are grey levels, so alpha and red tell.
void keepsLetter(const RgbaImage& glyph, const RgbaImage& letter, int top, int bottom,
                 const std::string& file, CheckReport& report);

// An arrow button points left when its visible part is tall on the right
// and narrows to a tip on the left, and the other way round.
void pointsTowards(const RgbaImage& arrow, bool left, const std::string& file, CheckReport& report);

}  // namespace family_check

#endif
