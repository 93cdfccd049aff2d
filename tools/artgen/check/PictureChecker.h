#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_PICTURECHECKER_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_PICTURECHECKER_H

#include <functional>
#include <string>

#include "check/CheckReport.h"

// Reads every file the generator writes and checks it: format, size, the
// stated extents and opacity limits, the content each picture is described
// with, the pictures that must match each other, the title's layout, and
// that the glyphs' spacing is the one their ink gives.
class PictureChecker {
  public:
    // Paths of the files, by kind and name (as written by the generator).
    struct Paths {
        std::function<std::string(const std::string&)> image;
        std::function<std::string(const std::string&)> glyph;
        std::function<std::string(int)> icon;
        std::string contactSheet;
        // The game's header of the glyphs' spacing.
        std::string glyphSpacing;
    };

    explicit PictureChecker(Paths paths) : paths(std::move(paths)) {}

    CheckReport run() const;

  private:
    Paths paths;
};

#endif
