#ifndef TRUCEWARD_TOOLS_ARTGEN_PAINT_STYLE_H
#define TRUCEWARD_TOOLS_ARTGEN_PAINT_STYLE_H

// Measures shared by all pictures, in image pixels at natural size.
namespace style {

// Width of the black outline around everything that has one (brick, buttons,
// pointer, glyphs, lettering): one weight keeps the pictures one family.
constexpr double kOutline = 4.0;

// Antialiased edges are kept this far inside the pixel boxes that pictures
// must fill, so that no sliver of coverage spills into the next pixel.
constexpr double kEdgeInset = 0.25;

}  // namespace style

#endif
