#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_RINGCHECK_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_RINGCHECK_H

#include <string>

#include "check/CheckReport.h"
#include "image/RgbaImage.h"

// Checks the alert rings. The game tints them by multiplying, so they must
// be grey levels, and each must be told apart from the others by its shape
// alone: to many players the red and the yellow tint look alike. Shapes are
// read along lines out from the middle, as the eye follows a ring round.
namespace ring_check {

// Any ring: grey levels, a clear middle, white somewhere, and on every line
// out from the middle that crosses white, dark before it and after it (so
// that the tinted band stands out on the grass).
void ring(const RgbaImage& image, const std::string& file, CheckReport& report);
// The gun sight: one band all round, and ticks on the four axes that reach
// nearer the middle than the band does between them.
void sight(const RgbaImage& image, const std::string& file, CheckReport& report);
// The broken ring: at least six dashes with clear gaps between them.
void dashed(const RgbaImage& image, const std::string& file, CheckReport& report);
// The double ring: two separate bands on every line out from the middle.
void doubled(const RgbaImage& image, const std::string& file, CheckReport& report);

}  // namespace ring_check

#endif
