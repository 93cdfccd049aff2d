#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_ARTCATALOGUE_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_ARTCATALOGUE_H

#include <functional>
#include <string>
#include <vector>

#include "image/RgbaImage.h"

// Everything the generator paints, by the name of the file it goes to.
namespace art_catalogue {

struct Piece {
    std::string name;  // file name without ".png"
    std::function<RgbaImage()> paint;
};

// The game's images, in the order of its image catalogue.
std::vector<Piece> images();
// The glyphs of the bitmap font, in font order.
std::vector<Piece> glyphs();

}  // namespace art_catalogue

#endif
