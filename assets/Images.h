#ifndef TRUCEWARD_ASSETS_IMAGES_H
#define TRUCEWARD_ASSETS_IMAGES_H

#include "graphics/EmbeddedFile.h"

// The game's pictures: complete 8-bit RGBA PNG files compiled in from
// assets/images/ (drawn by tools/artgen), in the order of
// TRUCEWARD_IMAGE_NAMES (cmake/EmbedAssets.cmake), which is ImageDrawer's.
namespace Images {

extern const EmbeddedFile kFiles[];
extern const int kFileCount;

}  // namespace Images

#endif
