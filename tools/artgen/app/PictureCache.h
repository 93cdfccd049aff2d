#ifndef TRUCEWARD_TOOLS_ARTGEN_APP_PICTURECACHE_H
#define TRUCEWARD_TOOLS_ARTGEN_APP_PICTURECACHE_H

#include <map>
#include <string>

#include "app/OutputPaths.h"
#include "image/RgbaImage.h"

// Reads the written images and glyphs on first use and keeps them.
class PictureCache {
  public:
    explicit PictureCache(const std::string& root) : paths(root) {}

    // Throw std::runtime_error when the file cannot be read.
    const RgbaImage& image(const std::string& name);
    const RgbaImage& glyph(const std::string& name);

  private:
    OutputPaths paths;
    std::map<std::string, RgbaImage> loaded;
};

#endif
