#ifndef TRUCEWARD_TOOLS_ARTGEN_SHEET_MOCKSCREENS_H
#define TRUCEWARD_TOOLS_ARTGEN_SHEET_MOCKSCREENS_H

#include <functional>
#include <string>

#include "image/RgbaImage.h"

// Two screens composed from the written pictures as the game lays them out:
// a battle in progress and the title screen, to judge how the pictures look
// together at the game's own scale. Not part of the game's files.
namespace mock_screens {

// Gives an image or glyph by its file name (without ".png").
using Loader = std::function<const RgbaImage&(const std::string&)>;

RgbaImage battle(const Loader& image, const Loader& glyph);
RgbaImage title(const Loader& image, const Loader& glyph);

}  // namespace mock_screens

#endif
