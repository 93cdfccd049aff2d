#include "sheet/ContactSheet.h"

#include <algorithm>
#include <cmath>

#include "paint/Canvas.h"
#include "paint/Palette.h"
#include "text/FontFace.h"

namespace {

constexpr double margin = 24.0;
constexpr double gap = 18.0;
constexpr double headingSize = 30.0;
constexpr double headingSpace = 48.0;
constexpr double labelSize = 13.0;
constexpr double labelSpace = 20.0;
constexpr double checkerSquare = 8.0;
const Colour labelColour = Colour::bytes(40, 40, 40);

void checkerboard(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    palette::checkerLight.use(cr);
    cairo_paint(cr);
    palette::checkerDark.use(cr);
    const int columns = static_cast<int>(std::ceil(w / checkerSquare));
    const int rows = static_cast<int>(std::ceil(h / checkerSquare));
    for (int row = 0; row < rows; ++row) {
        for (int column = row % 2; column < columns; column += 2) {
            cairo_rectangle(cr, x + column * checkerSquare, y + row * checkerSquare, checkerSquare,
                            checkerSquare);
        }
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

void text(cairo_t* cr, const std::string& words, double x, double baseline, double size) {
    cairo_set_font_face(cr, FontFace::lettering().face());
    FontFace::useUnhinted(cr);
    cairo_set_font_size(cr, size);
    labelColour.use(cr);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, words.c_str());
}

}  // namespace

ContactSheet::ContactSheet(int width) : width(width), cursorY(margin) {}

void ContactSheet::addSection(const std::string& heading, const std::vector<Entry>& entries,
                              const std::vector<double>& scales) {
    headings.push_back({heading, cursorY + headingSize});
    cursorY += headingSpace;
    double x = margin;
    double rowHeight = 0.0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double scale = scales[i];
        const double w = entries[i].image->width() * scale;
        const double h = entries[i].image->height() * scale;
        if (x > margin && x + w > width - margin) {
            cursorY += rowHeight + labelSpace + gap;
            x = margin;
            rowHeight = 0.0;
        }
        placed.push_back({entries[i].label, entries[i].image, x, cursorY, scale});
        x += std::max(w, 0.0) + gap;
        rowHeight = std::max(rowHeight, h);
    }
    cursorY += rowHeight + labelSpace + gap;
}

RgbaImage ContactSheet::render() const {
    const int height = static_cast<int>(std::ceil(cursorY + margin - gap));
    Canvas canvas(width, height);
    cairo_t* cr = canvas.context();
    palette::sheetBackground.use(cr);
    cairo_paint(cr);
    for (const Heading& heading : headings) {
        text(cr, heading.text, margin, heading.y, headingSize);
    }
    for (const Placed& item : placed) {
        const double w = item.image->width() * item.scale;
        const double h = item.image->height() * item.scale;
        checkerboard(cr, item.x, item.y, w, h);
        canvas.drawImage(*item.image, item.x, item.y, item.scale, item.scale);
        text(cr, item.label, item.x, item.y + h + labelSpace - 5.0, labelSize);
    }
    return canvas.snapshot();
}
