#ifndef TRUCEWARD_TOOLS_ARTGEN_TEXT_LETTERING_H
#define TRUCEWARD_TOOLS_ARTGEN_TEXT_LETTERING_H

#include <cairo.h>

#include <string>

#include "paint/Bounds.h"
#include "paint/Colour.h"
#include "paint/PathFit.h"

// Sets text in the game's lettering: the hand-lettered face, white, with the
// black outline around it. Text is added as a path at a fixed size with its
// baseline on y = 0, and callers place it with PathFit.
class Lettering {
  public:
    // Font size used for the path before fitting: large enough that the
    // outlines' curves are measured without rounding.
    static constexpr double kPathSize = 100.0;

    // A builder that adds the text's outline path at kPathSize, baseline on
    // y = 0, starting at x = 0, under the context's current matrix. It throws
    // std::runtime_error when the face lacks a character of the text.
    static PathFit::PathBuilder textPath(const std::string& text);

    // Paints text so that its ink (letters plus outline of the given width)
    // fills target as the mode says.
    static void paint(cairo_t* cr, const std::string& text, const Bounds& target,
                      double outlineWidth, PathFit::Mode mode, const Colour& fill);
};

#endif
