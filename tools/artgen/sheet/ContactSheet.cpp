#include "sheet/ContactSheet.h"

#include <algorithm>
#include <cmath>

#include "paint/Canvas.h"
#include "paint/Palette.h"
#include "text/FontFace.h"

namespace {

constexpr double kMargin = 24.0;
constexpr double kGap = 18.0;
constexpr double kHeadingSize = 30.0;
constexpr double kHeadingSpace = 48.0;
constexpr double kLabelSize = 13.0;
constexpr double kLabelSpace = 20.0;
constexpr double kCheckerSquare = 8.0;
const Colour kLabelColour = Colour::bytes(40, 40, 40);

void checkerboard(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    palette::kCheckerLight.use(cr);
    cairo_paint(cr);
    palette::kCheckerDark.use(cr);
    const int columns = static_cast<int>(std::ceil(w / kCheckerSquare));
    const int rows = static_cast<int>(std::ceil(h / kCheckerSquare));
    for (int row = 0; row < rows; ++row) {
        for (int column = row % 2; column < columns; column += 2) {
            cairo_rectangle(cr, x + column * kCheckerSquare, y + row * kCheckerSquare,
                            kCheckerSquare, kCheckerSquare);
        }
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

void text(cairo_t* cr, const std::string& words, double x, double baseline, double size) {
    cairo_set_font_face(cr, FontFace::lettering().face());
    FontFace::useUnhinted(cr);
    cairo_set_font_size(cr, size);
    kLabelColour.use(cr);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, words.c_str());
}

// How wide a label is lettered, so that a long one under a small picture
// does not run into its neighbour's.
double labelWidth(const std::string& label) {
    const Canvas scratch(1, 1);
    cairo_t* cr = scratch.context();
    cairo_set_font_face(cr, FontFace::lettering().face());
    FontFace::useUnhinted(cr);
    cairo_set_font_size(cr, kLabelSize);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, label.c_str(), &extents);
    return extents.x_advance;
}

}  // namespace

ContactSheet::ContactSheet(int width) : width(width), cursorY(kMargin) {}

void ContactSheet::addSection(const std::string& heading, const std::vector<Entry>& entries,
                              const std::vector<double>& scales) {
    headings.push_back({heading, cursorY + kHeadingSize});
    cursorY += kHeadingSpace;
    double x = kMargin;
    double rowHeight = 0.0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double scale = scales[i];
        const double w = entries[i].image->width() * scale;
        const double h = entries[i].image->height() * scale;
        if (x > kMargin && x + w > width - kMargin) {
            cursorY += rowHeight + kLabelSpace + kGap;
            x = kMargin;
            rowHeight = 0.0;
        }
        placed.push_back({entries[i].label, entries[i].image, x, cursorY, scale});
        x += std::max(w, labelWidth(entries[i].label)) + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    cursorY += rowHeight + kLabelSpace + kGap;
}

RgbaImage ContactSheet::render() const {
    const int height = static_cast<int>(std::ceil(cursorY + kMargin - kGap));
    Canvas canvas(width, height);
    cairo_t* cr = canvas.context();
    palette::kSheetBackground.use(cr);
    cairo_paint(cr);
    for (const Heading& heading : headings) {
        text(cr, heading.text, kMargin, heading.y, kHeadingSize);
    }
    for (const Placed& item : placed) {
        const double w = item.image->width() * item.scale;
        const double h = item.image->height() * item.scale;
        checkerboard(cr, item.x, item.y, w, h);
        canvas.drawImage(*item.image, item.x, item.y, item.scale, item.scale);
        text(cr, item.label, item.x, item.y + h + kLabelSpace - 5.0, kLabelSize);
    }
    return canvas.snapshot();
}
