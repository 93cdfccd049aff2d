#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_PICTURECHECKER_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_PICTURECHECKER_H

#include <functional>
#include <string>

#include "check/CheckReport.h"

// Reads every file the generator writes and checks it: format, size, the
// stated extents and opacity limits, the content each picture is described
// with, the pictures that must match each other, the title's layout, that
// the glyphs' spacing and list are the ones they give, and that the game's
// catalogs use only characters with glyphs and fit the boxes stated for
// their text.
class PictureChecker {
  public:
    // Paths of the files, by kind and name (as written by the generator).
    struct Paths {
        std::function<std::string(const std::string&)> image;
        std::function<std::string(const std::string&)> glyph;
        std::function<std::string(int)> icon;
        std::string contactSheet;
        // The game's header of the glyphs' spacing, and their list for its
        // build.
        std::string glyphSpacing;
        std::string glyphList;
        // The folder of the gettext catalogs, whose text the glyphs must
        // letter.
        std::string catalogs;
    };

    explicit PictureChecker(Paths paths) : paths(std::move(paths)) {}

    CheckReport run() const;

  private:
    Paths paths;
};

#endif
