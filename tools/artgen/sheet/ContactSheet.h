#ifndef TRUCEWARD_TOOLS_ARTGEN_SHEET_CONTACTSHEET_H
#define TRUCEWARD_TOOLS_ARTGEN_SHEET_CONTACTSHEET_H

#include <string>
#include <vector>

#include "image/RgbaImage.h"

// A labelled overview of pictures on a grey checkerboard, so that both the
// white and the black parts and the translucency of each can be seen.
class ContactSheet {
  public:
    struct Entry {
        std::string label;
        const RgbaImage* image;
    };

    // Starts a sheet of the given width; its height follows from what is added.
    explicit ContactSheet(int width);

    // A heading across the sheet, then the entries, each shown at the given
    // scale in flowing rows.
    void addSection(const std::string& heading, const std::vector<Entry>& entries,
                    const std::vector<double>& scales);

    RgbaImage render() const;

  private:
    struct Placed {
        std::string label;
        const RgbaImage* image;
        double x;
        double y;
        double scale;
    };
    struct Heading {
        std::string text;
        double y;
    };

    int width;
    double cursorY;
    std::vector<Placed> placed;
    std::vector<Heading> headings;
};

#endif
