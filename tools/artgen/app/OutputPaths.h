#ifndef TRUCEWARD_TOOLS_ARTGEN_APP_OUTPUTPATHS_H
#define TRUCEWARD_TOOLS_ARTGEN_APP_OUTPUTPATHS_H

#include <string>

// Where the generator's files live below the repository root.
struct OutputPaths {
    explicit OutputPaths(const std::string& root) : root(root) {}

    std::string image(const std::string& name) const {
        return root + "/assets/images/" + name + ".png";
    }
    std::string glyph(const std::string& name) const {
        return root + "/assets/fonts/" + name + ".png";
    }
    std::string icon(int size) const {
        return root + "/assets/icon/truceward-" + std::to_string(size) + ".png";
    }
    std::string contactSheet() const { return root + "/docs/contact-sheet.png"; }
    // The spacing of the glyphs, measured from their ink, as a header of the game.
    std::string glyphSpacing() const { return root + "/assets/GlyphSpacing.h"; }
    // The glyphs' file names in font order, for the game's build.
    std::string glyphList() const { return root + "/assets/fonts/glyphs.cmake"; }
    // The gettext catalogs whose text the glyphs must letter.
    std::string catalogs() const { return root + "/po"; }

    std::string root;
};

#endif
